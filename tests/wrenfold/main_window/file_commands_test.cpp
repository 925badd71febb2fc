// File commands of the main window: New, Open, Save and Save as through the four states (no
// file or file, clean or changed), their questions and dialogs, the file format and failures.
#include "platform/errors.h"
#include "window_fixture.h"

#include <QTest>

using namespace wrenfold_test;
using platform::ResultCancel;
using platform::ResultYes;

namespace {

enum class Command { New, Open, Save, SaveAs };

struct FileCase {
    const char* name;
    bool withFile; // start: the text was opened from old.txt
    bool changed;  // start: then typed at
    Command command;
    int question;       // 0: no unsaved-changes question expected; otherwise its answer
    const char* chosen; // nullptr: no file dialog expected; "": the dialog is cancelled
    // Afterwards:
    const char* file; // "", "old.txt" or "new.txt"
    bool changedAfter;
    const char* textAfter; // nullptr: the text as it was
};

const char kOld[] = "Old\r\nline 2";
const char kNew[] = "New\r\nfile";

class FileStates : public WindowTest, public ::testing::WithParamInterface<FileCase> {
protected:
    void SetUp() override {
        writeFile("library.lst", "");
        writeFile("old.txt", kOld);
        writeFile("new.txt", kNew);
        start();
    }
    QString path(const char* name) { return *name ? appDir() + name : QString(); }
};

TEST_P(FileStates, FollowTheStateTable) {
    const FileCase& c = GetParam();
    const bool saving = c.command == Command::Save || c.command == Command::SaveAs;
    if (saving)
        QFile::remove(appDir() + "new.txt"); // a save must write it
    if (c.withFile) {
        seam_.answerFile(appDir() + "old.txt");
        form().Open1Click();
    }
    if (c.changed) {
        memo().moveCursor(QTextCursor::End);
        QTest::keyClicks(&memo(), c.withFile ? "!" : "Draft");
    }
    ASSERT_EQ(form().isModified(), c.changed);
    const QString before = text();
    seam_.clearCalls();

    if (c.question)
        seam_.answerMessage(c.question);
    if (c.chosen)
        seam_.answerFile(*c.chosen ? appDir() + c.chosen : QString());
    switch (c.command) {
    case Command::New:
        form().New1Click();
        break;
    case Command::Open:
        form().Open1Click();
        break;
    case Command::Save:
        form().Save1Click();
        break;
    case Command::SaveAs:
        form().Saveas1Click();
        break;
    }

    // What was asked.
    const auto messages = seam_.callsOf("message");
    ASSERT_EQ(messages.size(), c.question ? 1u : 0u);
    if (c.question) {
        EXPECT_EQ(messages[0].caption, "Warning");
        EXPECT_EQ(messages[0].text, "The text has been changed, do you want to abort the changes?");
        EXPECT_EQ(messages[0].buttons, (QStringList{"Yes", "Cancel"}));
    }
    const auto dialogs = seam_.callsOf(c.command == Command::Open ? "open" : "save");
    ASSERT_EQ(dialogs.size(), c.chosen ? 1u : 0u);
    if (c.chosen && c.command == Command::Open) {
        EXPECT_EQ(dialogs[0].file.filter, "Text File|*.txt");
    }
    if (c.chosen && saving) {
        EXPECT_EQ(dialogs[0].file.filter, "Text File|*.txt|In All Files|*.*");
        EXPECT_EQ(dialogs[0].file.defaultSuffix, "txt");
    }
    EXPECT_TRUE(seam_.allAnswersUsed());

    // The state afterwards.
    EXPECT_EQ(QString::fromStdString(state_.currentFileName), path(c.file));
    EXPECT_EQ(form().windowTitle(),
              *c.file ? "Wrenfold Verbarium 2.0 - " + path(c.file) : QString("Wrenfold Verbarium 2.0"));
    EXPECT_EQ(form().isModified(), c.changedAfter);
    EXPECT_EQ(text(), c.textAfter ? QString(c.textAfter) : before);
    // The files: a save writes the text to the file it names, nothing else is written.
    QString written = before;
    written.replace("\n", "\r\n");
    const bool cancelled = c.chosen && !*c.chosen;
    const bool wrote = saving && *c.file && !cancelled;
    EXPECT_EQ(ReadBytes(appDir() + "old.txt"),
              wrote && std::string(c.file) == "old.txt" ? written.toStdString() : kOld);
    if (saving) {
        EXPECT_EQ(ReadBytes(appDir() + "new.txt"),
                  wrote && std::string(c.file) == "new.txt" ? written.toStdString() : "<missing>");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FileStates, ::testing::Values(
    FileCase{"NewNoFileClean",          false, false, Command::New,    0,            nullptr,   "",        false, ""},
    FileCase{"NewNoFileChangedYes",     false, true,  Command::New,    ResultYes,    nullptr,   "",        false, ""},
    FileCase{"NewFileClean",            true,  false, Command::New,    0,            nullptr,   "",        false, ""},
    FileCase{"NewFileChangedCancel",    true,  true,  Command::New,    ResultCancel, nullptr,   "old.txt", true,  nullptr},
    FileCase{"OpenNoFileClean",         false, false, Command::Open,   0,            "new.txt", "new.txt", false, "New\nfile"},
    FileCase{"OpenNoFileChangedCancel", false, true,  Command::Open,   ResultCancel, nullptr,   "",        true,  nullptr},
    FileCase{"OpenFileChangedYes",      true,  true,  Command::Open,   ResultYes,    "new.txt", "new.txt", false, "New\nfile"},
    FileCase{"OpenDialogCancelled",     true,  true,  Command::Open,   ResultYes,    "",        "old.txt", true,  nullptr},
    FileCase{"OpenFileCleanCancelled",  true,  false, Command::Open,   0,            "",        "old.txt", false, nullptr},
    FileCase{"SaveFileChanged",         true,  true,  Command::Save,   0,            nullptr,   "old.txt", false, nullptr},
    FileCase{"SaveNoFileChanged",       false, true,  Command::Save,   0,            "new.txt", "new.txt", false, nullptr},
    FileCase{"SaveNoFileCancelled",     false, true,  Command::Save,   0,            "",        "",        true,  nullptr},
    FileCase{"SaveAsFileClean",         true,  false, Command::SaveAs, 0,            "new.txt", "new.txt", false, nullptr},
    FileCase{"SaveAsFileChanged",       true,  true,  Command::SaveAs, 0,            "new.txt", "new.txt", false, nullptr},
    FileCase{"SaveAsNoFileChanged",     false, true,  Command::SaveAs, 0,            "new.txt", "new.txt", false, nullptr},
    FileCase{"SaveAsCancelled",         true,  true,  Command::SaveAs, 0,            "",        "old.txt", true,  nullptr},
    FileCase{"SaveAsNoFileCleanCancel", false, false, Command::SaveAs, 0,            "",        "",        false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class FileFormat : public WindowTest {
protected:
    void SetUp() override {
        writeFile("library.lst", "");
        start();
    }
};

TEST_F(FileFormat, OpenEndsLinesAtEveryBreakAndSaveJoinsThemWithCrLf) {
    // CR LF, a lone CR and a lone LF each end a line; the final break opens no further line.
    // UTF-8 text and a no-break space come back byte for byte.
    writeFile("in.txt", "a\r\nb\rc\nd caf\xc3\xa9\xc2\xa0x\r\n");
    seam_.answerFile(appDir() + "in.txt");
    form().Open1Click();
    EXPECT_EQ(text(), QString::fromUtf8("a\nb\nc\nd caf\xc3\xa9\xc2\xa0x"));
    EXPECT_EQ(memo().blockCount(), 4);
    seam_.answerFile(appDir() + "out.txt");
    form().Saveas1Click();
    EXPECT_EQ(ReadBytes(appDir() + "out.txt"), "a\r\nb\r\nc\r\nd caf\xc3\xa9\xc2\xa0x");
    // A text that ends with a line break is saved with it.
    memo().moveCursor(QTextCursor::End);
    QTest::keyClick(&memo(), Qt::Key_Return);
    form().Save1Click();
    EXPECT_EQ(ReadBytes(appDir() + "out.txt"), "a\r\nb\r\nc\r\nd caf\xc3\xa9\xc2\xa0x\r\n");
}

TEST_F(FileFormat, EmptyFilesReadAndWriteAsEmptyText) {
    writeFile("empty.txt", "");
    seam_.answerFile(appDir() + "empty.txt");
    form().Open1Click();
    EXPECT_EQ(text(), "");
    EXPECT_EQ(form().windowTitle(), "Wrenfold Verbarium 2.0 - " + appDir() + "empty.txt");
    seam_.answerFile(appDir() + "copy.txt");
    form().Saveas1Click();
    EXPECT_EQ(ReadBytes(appDir() + "copy.txt"), "");
}

TEST_F(FileFormat, FailuresLeaveTextFileNameCaptionAndFlagAsTheyWere) {
    writeFile("old.txt", kOld);
    seam_.answerFile(appDir() + "old.txt");
    form().Open1Click();
    QTest::keyClicks(&memo(), "X");
    const QString textBefore = text();
    const QString titleBefore = form().windowTitle();
    auto expectUnchanged = [&] {
        EXPECT_EQ(text(), textBefore);
        EXPECT_EQ(form().windowTitle(), titleBefore);
        EXPECT_EQ(QString::fromStdString(state_.currentFileName), appDir() + "old.txt");
        EXPECT_TRUE(form().isModified());
        EXPECT_EQ(ReadBytes(appDir() + "old.txt"), kOld);
    };

    seam_.answerMessage(ResultYes);
    seam_.answerFile(appDir() + "missing.txt");
    EXPECT_THROW(form().Open1Click(), platform::FileError);
    expectUnchanged();

    seam_.answerFile(appDir() + "no/such/folder/x.txt");
    EXPECT_THROW(form().Saveas1Click(), platform::FileError);
    expectUnchanged();

    // A save that cannot replace its target (here a folder) leaves no half-written file behind.
    QDir(appDir()).mkdir("taken.txt");
    seam_.answerFile(appDir() + "taken.txt");
    EXPECT_THROW(form().Saveas1Click(), platform::FileError);
    expectUnchanged();
    EXPECT_EQ(QDir(appDir()).entryList(QDir::Files | QDir::Hidden), (QStringList{"library.lst", "old.txt"}));
}

} // namespace
