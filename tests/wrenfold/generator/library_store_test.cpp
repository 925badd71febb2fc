#include "wrenfold/generator/library_store.h"

#include "platform/errors.h"
#include "temp_folder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;
using wrenfold::Lines;
using wrenfold::testing::Contents;
using wrenfold::testing::TempFolder;

namespace {

// --- Reading: the library list line by line, grammar and vocabulary files whole. ---

struct ReadCase {
    const char* name;
    std::string bytes;
    Lines libraryList; // read line by line
    Lines grammar;     // read whole
};

const ReadCase kReadCases[] = {
    {"Empty", "", {}, {}},
    {"CrLfAfterLastLine", "English\r\nFrench\r\n", {"English", "French"}, {"English", "French"}},
    {"NoFinalBreak", "English\r\nFrench", {"English", "French"}, {"English", "French"}},
    {"LfOnly", "English\nFrench\n", {"English", "French"}, {"English", "French"}},
    {"LoneCrs", "English\rFrench\r", {"EnglishFrench"}, {"English", "French"}},
    {"BlankLineInMiddle", "English\r\n\r\nFrench\r\n", {"English", "", "French"}, {"English", "", "French"}},
    {"OneCrLf", "\r\n", {""}, {""}},
    {"BlanksKept", "  The <noun,1> \r\n", {"  The <noun,1> "}, {"  The <noun,1> "}},
};

class ReadFiles : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFiles, LibraryListByLineAndGrammarWhole) {
    TempFolder folder;
    const std::string path = folder.write("file", GetParam().bytes);
    EXPECT_EQ(wrenfold::ReadLibraryList(path), GetParam().libraryList);
    EXPECT_EQ(wrenfold::ReadGrammarFile(path), GetParam().grammar);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadFiles, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFiles, MissingFilesFailWithThePlatformMessages) {
    TempFolder folder;
    const std::string missing = folder.dir() + "library.lst";
    try {
        wrenfold::ReadLibraryList(missing);
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    const std::string grammar = folder.dir() + "English/English.gra";
    try {
        wrenfold::ReadGrammarFile(grammar);
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + grammar + "\". No such file or directory");
    }
    EXPECT_THROW(wrenfold::ReadVocabularyFile(folder.dir() + "noun.wod"), platform::FileError);
}

TEST(ReadFiles, VocabularyIsPatternCountThenWordLines) {
    auto newFile = wrenfold::ParseVocabulary("1\r\n");
    EXPECT_EQ(newFile.patternCount, "1");
    EXPECT_THAT(newFile.wordLines, IsEmpty());

    auto words = wrenfold::ParseVocabulary("2\r\na, b\r\n\r\ncat,cats");
    EXPECT_EQ(words.patternCount, "2");
    EXPECT_THAT(words.wordLines, ElementsAre("a, b", "", "cat,cats")); // forms keep their blanks

    auto empty = wrenfold::ParseVocabulary("");
    EXPECT_EQ(empty.patternCount, "");
    EXPECT_THAT(empty.wordLines, IsEmpty());

    EXPECT_EQ(wrenfold::ParseVocabulary(" x \n").patternCount, " x "); // not converted, not trimmed
}

// --- Writing: the blank-line rule and the final line break. ---

struct SaveCase {
    const char* name;
    std::string edited;
    std::string grammarFile;
};

const SaveCase kSaveCases[] = {
    {"NoFinalBreak", "a\r\nb", "a\r\nb"},
    {"FinalBreak", "a\r\nb\r\n", "a\r\nb\r\n"},
    {"BlankLineInsideGoesWithItsBreak", "a\r\n\r\n \t \r\nb", "a\r\nb"},
    {"BlankLastLineLeavesTheBreakBeforeIt", "a\r\nb\r\n   ", "a\r\nb\r\n"},
    {"SeveralBlankLinesAtEnd", "a\r\n\r\n\x01\r\n", "a\r\n"},
    {"OnlyBlankLines", " \r\n\t\r\n", ""},
    {"OneBreak", "\r\n", ""},
    {"Empty", "", ""},
    {"LfAndCrBecomeCrLf", "a\nb\rc\n", "a\r\nb\r\nc\r\n"},
    {"LinesKeptExactly", "  The <noun,1> \r\n\r\nx", "  The <noun,1> \r\nx"},
};

class SaveFiles : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveFiles, GrammarAndVocabularyDropBlankLines) {
    const auto& c = GetParam();
    const auto edited = wrenfold::SplitEditedText(c.edited);
    EXPECT_EQ(wrenfold::FormatGrammar(edited), c.grammarFile);
    EXPECT_EQ(wrenfold::FormatVocabulary("2", edited), "2\r\n" + c.grammarFile);

    TempFolder folder;
    const std::string path = folder.dir() + "English.gra";
    wrenfold::WriteGrammarFile(path, edited);
    EXPECT_EQ(Contents(path), c.grammarFile);
    // What the rule leaves is what the editor shows after saving: saving again changes nothing.
    EXPECT_EQ(wrenfold::FormatGrammar(wrenfold::RemoveBlankLines(edited)), c.grammarFile);
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFiles, testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFiles, PatternCountLineAlwaysEndsWithCrLf) {
    EXPECT_EQ(wrenfold::FormatVocabulary("", wrenfold::SplitEditedText("cat")), "\r\ncat");
    EXPECT_EQ(wrenfold::FormatVocabulary("3", {}), "3\r\n");
    TempFolder folder;
    const std::string path = folder.dir() + "noun.wod";
    wrenfold::WriteNewVocabularyFile(path);
    EXPECT_EQ(Contents(path), "1\r\n");
}

TEST(SaveFiles, LibraryListEndsEveryNameWithCrLfAndReadsBack) {
    TempFolder folder;
    const std::string path = wrenfold::LibraryListPath(folder.dir());
    EXPECT_EQ(path, folder.dir() + "library.lst");
    const Lines names{"English", "",
                      "Fran\xc3\xa7"
                      "ais"};
    wrenfold::SaveLibraryList(path, names);
    EXPECT_EQ(Contents(path), "English\r\n\r\nFran\xc3\xa7"
                              "ais\r\n");
    EXPECT_EQ(wrenfold::ReadLibraryList(path), names);
}

TEST(SaveFiles, ReplacingAFileLeavesNoOtherFileBehind) {
    TempFolder folder;
    const std::string path = folder.write("English/English.gra", "old pattern\r\n");
    wrenfold::WriteGrammarFile(path, wrenfold::SplitEditedText("new pattern"));
    EXPECT_EQ(Contents(path), "new pattern");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.dir() + "English"), fs::directory_iterator()), 1);
    // A save into a folder that does not exist fails and creates nothing.
    EXPECT_THROW(wrenfold::WriteGrammarFile(folder.dir() + "None/None.gra", {}), platform::FileError);
    EXPECT_FALSE(fs::exists(folder.dir() + "None"));
}

// --- Paths and the vocabulary list. ---

TEST(Paths, AreConcatenatedOntoTheApplicationDirectory) {
    const std::string folder = wrenfold::LibraryFolderPath("/opt/wf/", "English");
    EXPECT_EQ(folder, "/opt/wf/English");
    EXPECT_EQ(wrenfold::GrammarFilePath(folder, "English"), "/opt/wf/English/English.gra");
    EXPECT_EQ(wrenfold::VocabularyFilePath(folder, "noun"), "/opt/wf/English/noun.wod");
}

TEST(ListVocabularies, WodFilesWithoutExtensionInCaseInsensitiveOrder) {
    TempFolder folder;
    for (const char* name :
         {"cherry.wod", "Banana.wod", "apple.wod", "other.txt", ".hidden.wod", "wod", "SHOUT.WOD"})
        folder.write(std::string("English/") + name, "1\r\n");
    fs::create_directory(folder.dir() + "English/folder.wod");
    EXPECT_THAT(wrenfold::ListVocabularies(folder.dir() + "English"),
                ElementsAre("apple", "Banana", "cherry"));
    EXPECT_THROW(wrenfold::ListVocabularies(folder.dir() + "Missing"), platform::FileError);
}

// --- Name rules. ---

struct NameCase {
    const char* name;
    std::string typed;
    std::optional<std::string> accepted;
};

const NameCase kNameCases[] = {
    {"Plain", "German", "German"},
    {"TrimmedOfBlanksAndControls", " \t\x01German \r\n", "German"},
    {"InnerBlanksStay", "Old  English", "Old  English"},
    {"Empty", "", std::nullopt},
    {"OnlyBlanks", " \t ", std::nullopt},
    {"SameNameOtherCase", "ENGLISH", std::nullopt},
    {"SameNameAfterTrimming", "  french ", std::nullopt},
    {"Slash", "a/b", std::nullopt},
    {"ParentPath", "../English", std::nullopt},
    {"Dot", ".", std::nullopt},
    {"DotDot", " .. ", std::nullopt},
    {"Nul", std::string("ab\0c", 4), std::nullopt},
    {"ThreeDotsStayInTheFolder", "...", "..."},
    {"CommaIsNoConcern", "a,b", "a,b"},
    {"LongerThanAnExistingName", "Englishes", "Englishes"},
};

class NameRules : public testing::TestWithParam<NameCase> {};

TEST_P(NameRules, TrimAndRefuseEmptyDuplicateOrEscaping) {
    const Lines existing{"English", "French", ""};
    EXPECT_EQ(wrenfold::AcceptNewName(GetParam().typed, existing), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Table, NameRules, testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Creating and deleting a library. ---

class Libraries : public testing::Test {
protected:
    std::string listFile() const { return folder.dir() + "library.lst"; }
    TempFolder folder;
    Lines list{"English", "French"};
};

TEST_F(Libraries, CreateAppendsSavesMakesFolderAndEmptyGrammar) {
    wrenfold::CreateLibrary(folder.dir(), list, "German");
    EXPECT_THAT(list, ElementsAre("English", "French", "German"));
    EXPECT_EQ(Contents(listFile()), "English\r\nFrench\r\nGerman\r\n");
    EXPECT_TRUE(fs::is_directory(folder.dir() + "German"));
    EXPECT_EQ(Contents(folder.dir() + "German/German.gra"), "");
}

TEST_F(Libraries, CreateKeepsTheFilesOfAnExistingFolder) {
    folder.write("German/noun.wod", "1\r\nHund\r\n");
    folder.write("German/German.gra", "old\r\n");
    wrenfold::CreateLibrary(folder.dir(), list, "German");
    EXPECT_EQ(Contents(folder.dir() + "German/noun.wod"), "1\r\nHund\r\n");
    EXPECT_EQ(Contents(folder.dir() + "German/German.gra"), "");
}

TEST_F(Libraries, CreateFailingOnTheFolderKeepsTheNameInTheSavedList) {
    folder.write("German", "a file where the folder should go");
    EXPECT_THROW(wrenfold::CreateLibrary(folder.dir(), list, "German"), platform::FileError);
    EXPECT_EQ(Contents(listFile()), "English\r\nFrench\r\nGerman\r\n");
}

TEST_F(Libraries, CreateRefusesANameThatLeavesTheFolder) {
    EXPECT_THROW(wrenfold::CreateLibrary(folder.dir(), list, "../German"), platform::Error);
    EXPECT_THROW(wrenfold::CreateLibrary(folder.dir(), list, ""), platform::Error);
    EXPECT_THAT(list, ElementsAre("English", "French"));
    EXPECT_EQ(Contents(listFile()), "<missing>");
}

TEST_F(Libraries, DeleteRemovesItsFilesAndFolderAndTheFirstEqualName) {
    folder.write("French/French.gra", "p\r\n");
    folder.write("French/noun.wod", "1\r\n");
    folder.write("French/Verb.wod", "1\r\n");
    list = {"English", "FRENCH", "french"};
    EXPECT_EQ(wrenfold::DeleteLibrary(folder.dir(), list, "French"), 1);
    EXPECT_FALSE(fs::exists(folder.dir() + "French"));
    EXPECT_THAT(list, ElementsAre("English", "french"));
    EXPECT_EQ(Contents(listFile()), "English\r\nfrench\r\n");
}

TEST_F(Libraries, DeleteLeavesAFolderThatKeepsOtherFiles) {
    folder.write("French/French.gra", "p\r\n");
    folder.write("French/noun.wod", "1\r\n");
    folder.write("French/notes.txt", "mine");
    folder.write("French/.hidden.wod", "1\r\n");
    EXPECT_EQ(wrenfold::DeleteLibrary(folder.dir(), list, "French"), 1);
    EXPECT_FALSE(fs::exists(folder.dir() + "French/French.gra"));
    EXPECT_FALSE(fs::exists(folder.dir() + "French/noun.wod"));
    EXPECT_EQ(Contents(folder.dir() + "French/notes.txt"), "mine");
    EXPECT_TRUE(fs::exists(folder.dir() + "French/.hidden.wod"));
    EXPECT_THAT(list, ElementsAre("English"));
}

TEST_F(Libraries, DeleteOfAMissingFolderOrUnlistedNameStillSavesTheList) {
    EXPECT_EQ(wrenfold::DeleteLibrary(folder.dir(), list, "English"), 0);
    EXPECT_EQ(wrenfold::DeleteLibrary(folder.dir(), list, "Klingon"), -1);
    EXPECT_EQ(Contents(listFile()), "French\r\n");
}

TEST_F(Libraries, DeleteNeverRemovesFilesOutsideTheLibraryFolder) {
    // The application directory and a folder beside it hold files that look like library files.
    TempFolder outside;
    outside.write("outside.gra", "keep");
    outside.write("keep.wod", "keep");
    folder.write(".gra", "keep");
    folder.write("top.wod", "keep");
    const std::string escape = "../" + fs::path(outside.dir()).parent_path().filename().string();
    list = {"", escape, "Linked", "English"};
    fs::create_directory_symlink(outside.dir(), folder.dir() + "Linked");
    outside.write("Linked.gra", "keep");

    wrenfold::DeleteLibrary(folder.dir(), list, escape);
    wrenfold::DeleteLibrary(folder.dir(), list, "");
    wrenfold::DeleteLibrary(folder.dir(), list, "Linked");

    EXPECT_THAT(list, ElementsAre("English"));
    EXPECT_EQ(Contents(outside.dir() + "outside.gra"), "keep");
    EXPECT_EQ(Contents(outside.dir() + "keep.wod"), "keep");
    EXPECT_EQ(Contents(outside.dir() + "Linked.gra"), "keep");
    EXPECT_EQ(Contents(folder.dir() + ".gra"), "keep");
    EXPECT_EQ(Contents(folder.dir() + "top.wod"), "keep");
    EXPECT_TRUE(fs::exists(outside.dir()));
}

} // namespace
