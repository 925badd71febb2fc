#pragma once
// The library store of wrenfold: the library list, the library folders with their grammar and
// vocabulary files, their paths, the rules by which they are read and written, and the rules for
// new names. Plain C++ over UTF-8 bytes; no Qt.
//
// Every file is read whole or line by line (platform/text_lines.h) and written whole with CR LF
// line ends, through a temporary file that is renamed over the old one (platform::WriteFileAtomic),
// so a failed save never leaves a half-written file.
#include "platform/text_lines.h"

#include <optional>
#include <string>
#include <string_view>

namespace wrenfold {

using platform::Lines;

inline constexpr char kLibraryListName[] = "library.lst";
inline constexpr char kGrammarExtension[] = ".gra";
inline constexpr char kVocabularyExtension[] = ".wod";
inline constexpr char kVocabularyMask[] = "*.wod";

// --- Paths. applicationDirectory ends with "/"; the library folder has no trailing "/". ---

// applicationDirectory + "library.lst".
std::string LibraryListPath(const std::string& applicationDirectory);
// applicationDirectory + libraryName.
std::string LibraryFolderPath(const std::string& applicationDirectory, const std::string& libraryName);
// libraryFolder + "/" + libraryName + ".gra".
std::string GrammarFilePath(const std::string& libraryFolder, const std::string& libraryName);
// libraryFolder + "/" + vocabularyName + ".wod".
std::string VocabularyFilePath(const std::string& libraryFolder, const std::string& vocabularyName);

// --- Library list: one name per line, read line by line, written with CR LF after every name. ---

// Throws platform::FileError "File not found" when there is no such file, and the read error of
// platform::ReadFileBytes when it exists but cannot be read.
Lines ReadLibraryList(const std::string& path);
Lines ParseLibraryList(std::string_view bytes);
void SaveLibraryList(const std::string& path, const Lines& names);

// --- Vocabulary list: the "*.wod" files of a folder (hidden ones left out) without their
// extension, sorted without regard to letter case. Only names ending in exactly ".wod" count, since
// a vocabulary's path is its name followed by ".wod". Throws platform::FileError when the folder
// cannot be listed. ---
Lines ListVocabularies(const std::string& libraryFolder);

// --- Edited texts and the blank-line rule of every save. ---

// The text of an editor as lines: CR LF, CR and LF each end a line, and finalBreak tells whether
// the text ended with a line break (which opens no further line).
struct EditedText {
    Lines lines;
    bool finalBreak = false;
    bool operator==(const EditedText&) const = default;
};
EditedText SplitEditedText(std::string_view text);

// Removes every line that is empty or holds only blanks and control characters. A removed line
// takes its line break with it, except the last line, whose preceding line break stays: the
// result ends with a break when the text did or when its last line was blank (and some line is
// left to end).
EditedText RemoveBlankLines(EditedText text);

// --- Vocabulary files: line 1 the pattern count, then one word line each. Read whole. ---

struct Vocabulary {
    std::string patternCount; // line 1 as it stands, not converted ("" for an empty file)
    Lines wordLines;          // lines 2 and on
};
Vocabulary ParseVocabulary(std::string_view bytes);
Vocabulary ReadVocabularyFile(const std::string& path); // throws the file-open error
// File bytes of a vocabulary: patternCount and CR LF, then the word lines after the blank-line
// rule.
std::string FormatVocabulary(const std::string& patternCount, const EditedText& wordLines);
void WriteVocabularyFile(const std::string& path, const std::string& patternCount,
                         const EditedText& wordLines);
// The file of a new vocabulary: the single line "1" and CR LF.
void WriteNewVocabularyFile(const std::string& path);

// --- Grammar files: one sentence pattern per line. Read whole. ---

Lines ReadGrammarFile(const std::string& path); // throws the file-open error
Lines ParseGrammar(std::string_view bytes);
// File bytes of a grammar: the lines after the blank-line rule, joined by CR LF.
std::string FormatGrammar(const EditedText& lines);
void WriteGrammarFile(const std::string& path, const EditedText& lines);

// --- Names. ---

// A name that stays inside the folder it is put in: no "/" and no NUL byte, and neither "." nor
// "..". (The empty name is checked by the name rule, not here.)
bool IsPathSafeName(std::string_view name);

// The rule for a name typed for a new library or vocabulary: trimmed of blanks and control
// characters at both ends; refused (nullopt) when it is then empty, not path-safe, or equal to an
// entry of existing without regard to letter case. Otherwise the trimmed name.
std::optional<std::string> AcceptNewName(std::string_view typed, const Lines& existing);

// --- Compound operations of the library editor. ---

// Appends name to libraryList and saves the list to applicationDirectory + "library.lst"; creates
// the library folder unless it exists (throws platform::FileError when it cannot, the name staying
// in the saved list); writes the empty grammar file. The name must have passed AcceptNewName: a
// name that is not path-safe or empty throws platform::Error before anything changes.
void CreateLibrary(const std::string& applicationDirectory, Lines& libraryList, const std::string& name);

// Deletes the grammar file and every vocabulary file of the library, then removes its folder,
// which stays when other files are left in it; failures of these steps are ignored. Then removes
// the first entry of libraryList equal to name without regard to letter case and saves the list.
// Returns the index that entry had, or -1 when there was none (the list is saved all the same).
// Files are only ever removed inside the library's own folder: for an empty or not path-safe name,
// or a folder that is a symbolic link, nothing is removed from the disk.
int DeleteLibrary(const std::string& applicationDirectory, Lines& libraryList, const std::string& name);

} // namespace wrenfold
