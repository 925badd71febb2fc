#include "wrenfold/generator/library_store.h"

#include "platform/errors.h"
#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenfold {

std::string LibraryListPath(const std::string& applicationDirectory) {
    return applicationDirectory + kLibraryListName;
}

std::string LibraryFolderPath(const std::string& applicationDirectory, const std::string& libraryName) {
    return applicationDirectory + libraryName;
}

std::string GrammarFilePath(const std::string& libraryFolder, const std::string& libraryName) {
    return libraryFolder + "/" + libraryName + kGrammarExtension;
}

std::string VocabularyFilePath(const std::string& libraryFolder, const std::string& vocabularyName) {
    return libraryFolder + "/" + vocabularyName + kVocabularyExtension;
}

Lines ReadLibraryList(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR))
        throw platform::FileError("File not found");
    return ParseLibraryList(platform::ReadFileBytes(path));
}

Lines ParseLibraryList(std::string_view bytes) {
    return platform::SplitLinesByLine(bytes);
}

void SaveLibraryList(const std::string& path, const Lines& names) {
    platform::WriteFileAtomic(path, platform::JoinLinesCrLf(names));
}

Lines ListVocabularies(const std::string& libraryFolder) {
    // The mask matches without regard to case, but a vocabulary name is turned back into its path
    // by appending ".wod", so only files with exactly that extension are vocabularies here.
    const std::string_view extension = kVocabularyExtension;
    Lines names;
    for (auto& file : platform::ListFolderByMask(libraryFolder, kVocabularyMask)) {
        if (file.size() > extension.size() && file.ends_with(extension)) {
            file.erase(file.size() - extension.size());
            names.push_back(std::move(file));
        }
    }
    return names;
}

EditedText SplitEditedText(std::string_view text) {
    EditedText edited;
    edited.lines = platform::SplitLinesWhole(text);
    edited.finalBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    return edited;
}

EditedText RemoveBlankLines(EditedText text) {
    EditedText kept;
    const bool lastWasBlank = !text.lines.empty() && platform::IsBlankLine(text.lines.back());
    for (auto& line : text.lines)
        if (!platform::IsBlankLine(line))
            kept.lines.push_back(std::move(line));
    kept.finalBreak = !kept.lines.empty() && (text.finalBreak || lastWasBlank);
    return kept;
}

Vocabulary ParseVocabulary(std::string_view bytes) {
    Lines lines = platform::SplitLinesWhole(bytes);
    Vocabulary vocabulary;
    if (lines.empty())
        return vocabulary;
    vocabulary.patternCount = std::move(lines.front());
    vocabulary.wordLines.assign(std::make_move_iterator(lines.begin() + 1),
                                std::make_move_iterator(lines.end()));
    return vocabulary;
}

Vocabulary ReadVocabularyFile(const std::string& path) {
    return ParseVocabulary(platform::ReadFileBytes(path));
}

std::string FormatGrammar(const EditedText& lines) {
    EditedText kept = RemoveBlankLines(lines);
    return platform::JoinLinesCrLf(kept.lines, kept.finalBreak);
}

std::string FormatVocabulary(const std::string& patternCount, const EditedText& wordLines) {
    return patternCount + "\r\n" + FormatGrammar(wordLines);
}

void WriteVocabularyFile(const std::string& path, const std::string& patternCount,
                         const EditedText& wordLines) {
    platform::WriteFileAtomic(path, FormatVocabulary(patternCount, wordLines));
}

void WriteNewVocabularyFile(const std::string& path) {
    WriteVocabularyFile(path, "1", EditedText{});
}

Lines ReadGrammarFile(const std::string& path) {
    return ParseGrammar(platform::ReadFileBytes(path));
}

Lines ParseGrammar(std::string_view bytes) {
    return platform::SplitLinesWhole(bytes);
}

void WriteGrammarFile(const std::string& path, const EditedText& lines) {
    platform::WriteFileAtomic(path, FormatGrammar(lines));
}

bool IsPathSafeName(std::string_view name) {
    return name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::optional<std::string> AcceptNewName(std::string_view typed, const Lines& existing) {
    std::string name = platform::TrimBlanks(typed);
    if (name.empty() || !IsPathSafeName(name))
        return std::nullopt;
    for (const auto& entry : existing)
        if (platform::EqualsIgnoreCase(entry, name))
            return std::nullopt;
    return name;
}

void CreateLibrary(const std::string& applicationDirectory, Lines& libraryList, const std::string& name) {
    if (name.empty() || !IsPathSafeName(name))
        throw platform::Error("\"" + name + "\" is not a valid library name");
    libraryList.push_back(name);
    SaveLibraryList(LibraryListPath(applicationDirectory), libraryList);
    const std::string folder = LibraryFolderPath(applicationDirectory, name);
    if (!platform::DirectoryExists(folder) && ::mkdir(folder.c_str(), 0777) != 0) {
        const int e = errno;
        throw platform::FileError("Cannot create folder \"" + folder + "\". " + std::strerror(e));
    }
    platform::WriteFileAtomic(GrammarFilePath(folder, name), std::string());
}

// True when path is a real folder, not a symbolic link to one.
static bool IsOwnFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int DeleteLibrary(const std::string& applicationDirectory, Lines& libraryList, const std::string& name) {
    const std::string folder = LibraryFolderPath(applicationDirectory, name);
    if (!name.empty() && IsPathSafeName(name) && IsOwnFolder(folder)) {
        ::unlink(GrammarFilePath(folder, name).c_str());
        try {
            for (const auto& vocabulary : ListVocabularies(folder))
                ::unlink(VocabularyFilePath(folder, vocabulary).c_str());
        } catch (const platform::FileError&) {
            // A folder that cannot be listed keeps its files; the list entry goes all the same.
        }
        ::rmdir(folder.c_str());
    }
    int removed = -1;
    for (size_t i = 0; i < libraryList.size(); ++i) {
        if (platform::EqualsIgnoreCase(libraryList[i], name)) {
            removed = static_cast<int>(i);
            libraryList.erase(libraryList.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    SaveLibraryList(LibraryListPath(applicationDirectory), libraryList);
    return removed;
}

} // namespace wrenfold
