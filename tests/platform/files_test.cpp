#include "platform/errors.h"
#include "platform/files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class TempFolder : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("wf_files_" + std::to_string(::getpid()) + "_" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void touch(const std::string& name, const std::string& bytes = "x") const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

using Files = TempFolder;

TEST_F(Files, ReadGivesTheBytesUnchanged) {
    std::string bytes("a\r\nb\0c\xff", 7);
    touch("f.txt", bytes);
    EXPECT_EQ(platform::ReadFileBytes(path("f.txt")), bytes);
}

TEST_F(Files, ReadingAMissingFileNamesItInTheMessage) {
    try {
        platform::ReadFileBytes(path("missing.gra"));
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file \"" + path("missing.gra") + "\". No such file or directory");
    }
    EXPECT_THROW(platform::ReadFileBytes(dir_.string()), platform::FileError);
}

TEST_F(Files, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    touch("doc.txt", std::string(10000, 'o'));
    ::chmod(path("doc.txt").c_str(), 0600);
    platform::WriteFileAtomic(path("doc.txt"), "new");
    EXPECT_EQ(platform::ReadFileBytes(path("doc.txt")), "new");
    EXPECT_EQ(entries(), std::vector<std::string>{"doc.txt"});
    struct stat st {};
    ::stat(path("doc.txt").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "permissions of the replaced file are kept";
}

TEST_F(Files, FailedWriteKeepsWhatWasThere) {
    fs::create_directory(path("folder"));
    touch("folder/inner.txt", "keep");
    EXPECT_THROW(platform::WriteFileAtomic(path("folder"), "x"), platform::FileError);
    EXPECT_EQ(platform::ReadFileBytes(path("folder/inner.txt")), "keep");
    EXPECT_EQ(entries(), std::vector<std::string>{"folder"});
    try {
        platform::WriteFileAtomic(path("no/such/dir.txt"), "x");
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path("no/such/dir.txt") + "\". ", 0),
                  0u);
    }
}

TEST_F(Files, ListingByMaskSkipsHiddenFilesAndFoldersAndSortsWithoutCase) {
    for (auto n : {"b.rtf", "A.RTF", "c.Rtf", ".hidden.rtf", "notes.txt", "x.rtf.bak", "a.rtf"})
        touch(n);
    fs::create_directory(path("folder.rtf"));
    EXPECT_EQ(platform::ListFolderByMask(dir_.string(), "*.rtf"),
              (std::vector<std::string>{"A.RTF", "a.rtf", "b.rtf", "c.Rtf"}));
    EXPECT_EQ(platform::ListFolderByMask(dir_.string() + "/", "*.txt"),
              std::vector<std::string>{"notes.txt"});
    EXPECT_TRUE(platform::ListFolderByMask(dir_.string(), "*.tpl").empty());
    EXPECT_THROW(platform::ListFolderByMask(path("missing"), "*.rtf"), platform::FileError);
}

TEST(NameComparison, IgnoresAsciiCase) {
    EXPECT_TRUE(platform::EqualsIgnoreCase("English", "eNGLISH"));
    EXPECT_FALSE(platform::EqualsIgnoreCase("English", "English "));
    EXPECT_TRUE(platform::LessIgnoreCase("apple", "Banana"));
    EXPECT_TRUE(platform::LessIgnoreCase("Banana", "cherry"));
    EXPECT_FALSE(platform::LessIgnoreCase("cherry", "Banana"));
}

} // namespace
