// Wizard files: the writer's bytes, the reading rules, failures and the file name rule.
#include "stencora/templates/wizard_file.h"

#include "platform/errors.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using stencora::WizardFileReader;
using stencora::WizardParameter;

namespace {

const std::string kFill = "-------";

// The wizard of the example file: parameter 2 was removed; one question and one choice remain.
std::vector<WizardParameter> TwoParameters() {
    return {
        {"1", "Question", "What's your name?", "0", kFill, kFill, kFill, kFill, kFill, kFill, kFill, kFill},
        {"3", "Choice", "Which greeting?", "2", "Formal", "Dear Sir or Madam", "Friendly", "Friendly", kFill,
         kFill, kFill, kFill},
    };
}

std::vector<std::string> Fields(const WizardParameter& p) {
    std::vector<std::string> fields;
    for (auto field : WizardParameter::kFields)
        fields.push_back(p.*field);
    return fields;
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("stencora_wizard_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }
    fs::path folder_;
};

using WizardFileTest = TempFolder;

TEST_F(WizardFileTest, ExampleIsWrittenByteForByteAndReadBack) {
    const std::string path = Path("Letter.tpl");
    stencora::WriteWizardFile(path, TwoParameters());
    EXPECT_EQ(platform::ReadFileBytes(path), platform::ReadFileBytes(WF_FIXTURES_DIR "/two_parameters.tpl"));

    WizardFileReader reader(path);
    ASSERT_EQ(reader.Count(), 2);
    EXPECT_EQ(reader.ReadNext(), TwoParameters()[0]);
    EXPECT_EQ(reader.ReadNext(), TwoParameters()[1]);
    EXPECT_TRUE(reader.AtEnd());
    reader.Close();
}

TEST_F(WizardFileTest, EmptyListWritesTheCountAlone) {
    stencora::WriteWizardFile(Path("a.tpl"), {});
    EXPECT_EQ(platform::ReadFileBytes(Path("a.tpl")), "0\r\n");
}

TEST_F(WizardFileTest, FailedWriteLeavesTheOldFileWhole) {
    const std::string path = Path("Letter.tpl");
    stencora::WriteWizardFile(path, TwoParameters());
    const std::string old = platform::ReadFileBytes(path);

    // A file size limit below the new file's size: the write stops part way, as on a full disk.
    std::vector<WizardParameter> longer = TwoParameters();
    longer[0].QuestionText = std::string(4096, 'q');
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        stencora::WriteWizardFile(path, longer);
    } catch (const platform::FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(message, "Cannot create file \"" + path + "\". File too large");
    EXPECT_EQ(platform::ReadFileBytes(path), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"Letter.tpl"}); // no temporary file left behind
}

TEST_F(WizardFileTest, CannotCreateInAMissingFolder) {
    const std::string path = Path("missing/Letter.tpl");
    try {
        stencora::WriteWizardFile(path, TwoParameters());
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_STREQ(e.what(), ("Cannot create file \"" + path + "\". No such file or directory").c_str());
    }
}

TEST_F(WizardFileTest, FieldWithALineBreakIsRefusedAndNothingIsWritten) {
    const std::string path = Path("Letter.tpl");
    stencora::WriteWizardFile(path, TwoParameters());
    const std::string old = platform::ReadFileBytes(path);
    for (const char* broken : {"two\nlines", "two\r\nlines", "lone\rcr"}) {
        std::vector<WizardParameter> parameters = TwoParameters();
        parameters[1].ValueB = broken;
        EXPECT_THROW(stencora::WriteWizardFile(path, parameters), platform::Error) << broken;
    }
    EXPECT_EQ(platform::ReadFileBytes(path), old);
}

TEST_F(WizardFileTest, OpeningFailuresAreFileErrors) {
    struct Case {
        std::string path;
        std::string reason;
    } cases[] = {{Path("gone.tpl"), "No such file or directory"}, {folder_.string(), "Is a directory"}};
    for (const Case& c : cases) {
        try {
            WizardFileReader reader(c.path);
            FAIL() << c.path << " opened";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + c.path + "\". " + c.reason);
        }
    }
}

TEST_F(WizardFileTest, FileWithFewerRecordsThanItsCountGivesEmptyRecords) {
    std::string bytes = platform::ReadFileBytes(WF_FIXTURES_DIR "/two_parameters.tpl");
    bytes[0] = '3';
    platform::WriteFileAtomic(Path("short.tpl"), bytes);
    WizardFileReader reader(Path("short.tpl"));
    ASSERT_EQ(reader.Count(), 3);
    EXPECT_EQ(reader.ReadNext(), TwoParameters()[0]);
    EXPECT_EQ(reader.ReadNext(), TwoParameters()[1]);
    EXPECT_EQ(reader.ReadNext(), WizardParameter{});
}

// ---- Reading rules, one table. Each row is read with several buffer sizes, so that a line end
// ---- or the count split between two reads is read the same as in one piece.

struct ReadCase {
    const char* name;
    std::string bytes;
    int count;
    int records;                     // how many records to read
    std::vector<std::string> fields; // expected fields of those records, in order; missing ones are ""
};

std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
    return os << c.name;
}

std::vector<std::string> Record(std::vector<std::string> head) {
    head.resize(WizardParameter::kFieldCount);
    return head;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> records) {
    std::vector<std::string> all;
    for (const auto& r : records)
        all.insert(all.end(), r.begin(), r.end());
    return all;
}

const ReadCase kReadCases[] = {
    {"EmptyFile", "", 0, 0, {}},
    {"OnlyBlanksAndLineEnds", " \t\r\n\n  \r\n", 0, 0, {}},
    {"BlankLinesBeforeTheCount", "\r\n\n   \t2\r\nName\r\n", 2, 1, Record({"Name"})},
    {"PlusSign", "+1\r\nA\r\nB\r\n", 1, 1, Record({"A", "B"})},
    {"NegativeCount", "-3\r\nA\r\n", -3, 0, {}},
    {"ZeroCount", "0\r\n1\r\nQuestion\r\n", 0, 0, {}},
    {"RestOfLineOneSkipped", "1 and more words\r\nName\r\n", 1, 1, Record({"Name"})},
    {"CountEndsAtATab", "1\tjunk\nName\n", 1, 1, Record({"Name"})},
    {"CountEndsAtALoneCrThatDoesNotEndTheLine", "1\rjunk\r\nName\r\n", 1, 1, Record({"Name"})},
    {"CountWithoutLineEnd", "2", 2, 2, Join({Record({}), Record({})})},
    {"LfEndsLines", "1\nName\nQuestion\n\nlast\n", 1, 1, Record({"Name", "Question", "", "last"})},
    {"CrLfAndLfMixed", "1\r\nA\nB\r\nC", 1, 1, Record({"A", "B", "C"})},
    {"LoneCrIsDroppedFromTheField", "1\r\nab\rc\r\n\r\r\nd\r", 1, 1, Record({"abc", "", "d"})},
    {"BlanksInFieldsStay", "1\r\n  two  \r\n\t\r\n", 1, 1, Record({"  two  ", "\t"})},
    {"BytesPassUnchanged", "1\r\n\xC4\xE3\xBA\xC3\r\n\xE6\x97\xA5\r\n", 1, 1,
     Record({"\xC4\xE3\xBA\xC3", "\xE6\x97\xA5"})},
    {"RecordsFollowEachOther", "2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\nX\r\n", 2,
     2, Join({{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, Record({"X"})})},
    // A huge count reads nothing ahead: the reader opens at once and gives empty records.
    {"HugeCountReadsNothingAhead", "2000000000\r\nName\r\n", 2000000000, 2,
     Join({Record({"Name"}), Record({})})},
};

class WizardFileReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(WizardFileReading, ReadsByTheRules) {
    const ReadCase& c = GetParam();
    for (std::size_t bufferSize :
         {std::size_t{1}, std::size_t{2}, std::size_t{5}, WizardFileReader::kBufferSize}) {
        SCOPED_TRACE("buffer size " + std::to_string(bufferSize));
        WizardFileReader reader = WizardFileReader::FromBytes(c.bytes, bufferSize);
        EXPECT_EQ(reader.Count(), c.count);
        std::vector<std::string> fields;
        for (int i = 0; i < c.records; ++i) {
            auto record = Fields(reader.ReadNext());
            fields.insert(fields.end(), record.begin(), record.end());
        }
        EXPECT_EQ(fields, c.fields);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, WizardFileReading, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WizardFileReadingErrors, CountThatIsNotAWholeNumber) {
    struct Case {
        std::string bytes;
        std::string text; // as the error quotes it
    } cases[] = {{"abc\r\n", "abc"},
                 {"\r\n  12x 3\r\n", "12x"},
                 {"-\r\n", "-"},
                 {"1.5\r\n", "1.5"},
                 {"99999999999\r\n", "99999999999"},
                 {"\xEF\xBB\xBF"
                  "1\r\n",
                  "\xEF\xBB\xBF"
                  "1"}};
    for (const Case& c : cases) {
        try {
            WizardFileReader::FromBytes(c.bytes);
            ADD_FAILURE() << c.bytes << " was read";
        } catch (const platform::ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + c.text + "' is not a valid integer value");
        }
    }
}

TEST(WizardFileName, LastThreeCharactersBecomeTpl) {
    struct Case {
        std::string path, expected;
    } cases[] = {
        {"/opt/stencora/template/Letter.RTF", "/opt/stencora/template/Letter.tpl"},
        {"/home/u/Report.rtf", "/home/u/Report.tpl"},
        {"/home/u/notes.txt", "/home/u/notes.tpl"},
        {"/home/u/README", "/home/u/REAtpl"},       // no dot is looked for
        {"/x/a\xE6\x96\x87\xE6\xA1\xA3", "/x/tpl"}, // "a文档": three characters, seven bytes
        {"ab", "tpl"},
        {"", "tpl"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stencora::WizardFileNameFor(c.path), c.expected) << c.path;
}

} // namespace
