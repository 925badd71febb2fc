// The File and Edit commands: the caption after each, the modified flag, the questions before
// unsaved changes are dropped, exit, printing, and what a failing read or write leaves behind.
#include "editor_fixture.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/rtf_document.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <filesystem>
#include <functional>

using namespace editor_testing;

namespace {

constexpr char kBare[] = "Wrenfold Stencora 2.0";
constexpr char kNewQuestion[] =
    "The text has not been saved. Do you want to create a new one without saving it?";
constexpr char kFromTemplateQuestion[] =
    "The text has not been saved. Do you want to create a new one from template without saving it?";
constexpr char kOpenQuestion[] =
    "The text has not been saved. Do you want to open a new one without saving it?";
constexpr char kExitQuestion[] = "The text has been changed. Do you want to save it?";

struct CaptionRow {
    const char* name;
    bool fromOpenedDocument; // Old.rtf opened and then changed; otherwise the start-up document
    std::function<void(EditorTest&, platform::ScriptedSeam&, stencora::TForm1&)> command;
    const char* caption; // "" for the bare title; otherwise what follows "Wrenfold Stencora 2.0 - "
};

class Captions : public EditorTest, public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(Captions, EachCommandLeavesItsCaption) {
    writeDocument("Old.rtf", "old");
    writeDocument("New.rtf", "new");
    if (GetParam().fromOpenedDocument) {
        openDocument("Old.rtf");
        type("changed");
    }
    GetParam().command(*this, seam, form);
    const std::string expected = GetParam().caption;
    if (expected.empty())
        EXPECT_EQ(caption(), kBare);
    else
        EXPECT_EQ(caption(),
                  QString(kBare) + " - " + QString::fromStdString(expected == "-" ? "" : file(expected)));
    EXPECT_TRUE(seam.allAnswersUsed());
}

using platform::ResultCancel;
using platform::ResultOk;
using platform::ScriptedSeam;
using stencora::TForm1;

INSTANTIATE_TEST_SUITE_P(
    Rows, Captions,
    ::testing::Values(CaptionRow{"StartUp", false, [](EditorTest&, ScriptedSeam&, TForm1&) {}, ""},
                      CaptionRow{"Timer", false,
                                 [](EditorTest&, ScriptedSeam&, TForm1& f) { f.Timer1Timer(); }, ""},
                      CaptionRow{"NewOk", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultOk);
                                     f.Document1Click();
                                 },
                                 ""},
                      CaptionRow{"NewCancelled", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultCancel);
                                     f.Document1Click();
                                 },
                                 ""},
                      CaptionRow{"FromTemplateOk", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultOk);
                                     s.answerDialog([](QDialog* d) { d->reject(); });
                                     f.CreateFromTemplate1Click();
                                 },
                                 ""},
                      CaptionRow{"FromTemplateCancelled", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultCancel);
                                     f.CreateFromTemplate1Click();
                                 },
                                 ""},
                      CaptionRow{"Open", true,
                                 [](EditorTest& t, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultOk);
                                     s.answerFile(QString::fromStdString(t.file("New.rtf")));
                                     f.Open1Click();
                                 },
                                 "New.rtf"},
                      CaptionRow{"OpenQuestionCancelled", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultCancel);
                                     f.Open1Click();
                                 },
                                 "Old.rtf"},
                      CaptionRow{"OpenDialogCancelledUnnamed", false,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerMessage(ResultOk);
                                     s.answerFile("");
                                     f.Open1Click();
                                 },
                                 "-"},
                      CaptionRow{"SaveNamed", true,
                                 [](EditorTest&, ScriptedSeam&, TForm1& f) { f.Save1Click(); }, "Old.rtf"},
                      CaptionRow{"SaveUnnamedRunsSaveAs", false,
                                 [](EditorTest& t, ScriptedSeam& s, TForm1& f) {
                                     s.answerFile(QString::fromStdString(t.file("Fresh.rtf")));
                                     f.Save1Click();
                                 },
                                 "Fresh.rtf"},
                      CaptionRow{"SaveAs", true,
                                 [](EditorTest& t, ScriptedSeam& s, TForm1& f) {
                                     s.answerFile(QString::fromStdString(t.file("Fresh.rtf")));
                                     f.Saveas1Click();
                                 },
                                 "Fresh.rtf"},
                      CaptionRow{"SaveAsCancelledUnnamed", false,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerFile("");
                                     f.Saveas1Click();
                                 },
                                 "-"},
                      CaptionRow{"SaveAsCancelledNamed", true,
                                 [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                                     s.answerFile("");
                                     f.Saveas1Click();
                                 },
                                 "Old.rtf"}),
    [](const auto& info) { return std::string(info.param.name); });

using FileCommands = EditorTest;

TEST_F(FileCommands, TheModifiedFlagIsSetByEveryChangeAndClearedByNewOpenAndSave) {
    writeDocument("Old.rtf", "old");
    EXPECT_TRUE(modified()); // set at start-up
    EXPECT_TRUE(form.Save1()->isEnabled());
    seam.answerMessage(platform::ResultOk);
    form.Document1Click();
    EXPECT_FALSE(modified());
    EXPECT_FALSE(form.Save1()->isEnabled());
    type("x");
    EXPECT_TRUE(modified());
    openDocument("Old.rtf");
    EXPECT_FALSE(modified());
    EXPECT_EQ(text(), "old");
    form.Date1Click();
    EXPECT_TRUE(modified());
    form.Save1Click();
    EXPECT_FALSE(modified());
    form.RichEdit1()->selectAll();
    form.Cut1Click();
    EXPECT_TRUE(modified());
    seam.answerFile(QString::fromStdString(file("Other.rtf")));
    form.Saveas1Click();
    EXPECT_FALSE(modified());
}

struct QuestionRow {
    const char* name;
    void (TForm1::*command)();
    const char* question;
};

class Questions : public EditorTest, public ::testing::WithParamInterface<QuestionRow> {};

TEST_P(Questions, AreAskedOnlyForUnsavedChangesAndCancelKeepsTheDocument) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    seam.clearCalls();
    (form.*GetParam().command)(); // unchanged: nothing is asked
    EXPECT_TRUE(seam.callsOf("message").empty());
    openDocument("Old.rtf");
    seam.clearCalls();

    type(" and more");
    seam.answerMessage(platform::ResultCancel);
    (form.*GetParam().command)();
    const auto messages = seam.callsOf("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Warning");
    EXPECT_EQ(messages[0].text, GetParam().question);
    EXPECT_EQ(messages[0].buttons, QStringList({"OK", "Cancel"}));
    EXPECT_EQ(text(), "old and more");
    EXPECT_EQ(state.CurrentFileName, file("Old.rtf"));
    EXPECT_TRUE(modified());
    EXPECT_TRUE(seam.callsOf("open").empty());
    EXPECT_TRUE(seam.callsOf("dialog").empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, Questions,
                         ::testing::Values(QuestionRow{"New", &TForm1::Document1Click, kNewQuestion},
                                           QuestionRow{"FromTemplate", &TForm1::CreateFromTemplate1Click,
                                                       kFromTemplateQuestion},
                                           QuestionRow{"Open", &TForm1::Open1Click, kOpenQuestion}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, AfterACancelledNewTheNextSaveWritesToTheKeptNameAndShowsItAgain) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    type(" kept");
    seam.answerMessage(platform::ResultCancel);
    form.Document1Click();
    EXPECT_EQ(caption(), kBare);
    form.findChild<QToolButton*>("ToolButton1")->click();
    EXPECT_EQ(caption(), QString(kBare) + " - " + QString::fromStdString(file("Old.rtf")));
    QTextDocument saved;
    platform::LoadRtf(QByteArray::fromStdString(readFile("Old.rtf")), saved);
    EXPECT_EQ(saved.toPlainText(), "old kept");
}

TEST_F(FileCommands, NewEmptiesTheDocumentAndItsNameAndCreateFromTemplateShowsTheDialog) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    type("!");
    seam.answerMessage(platform::ResultOk);
    form.Document1Click();
    EXPECT_EQ(text(), "");
    EXPECT_EQ(state.CurrentFileName, "");
    EXPECT_EQ(platform::FontFace(form.RichEdit1()->document()->begin().charFormat()), "MS Sans Serif");
    form.Undo1Click(); // the old text does not come back
    EXPECT_EQ(text(), "");
    form.CreateFromTemplate1Click(); // unchanged: shown without a question
    ASSERT_EQ(seam.callsOf("dialog").size(), 1u);
    EXPECT_EQ(seam.callsOf("dialog")[0].text, "TForm2");
}

TEST_F(FileCommands, SavingOverAnExistingFileReplacesItWithoutAskingAndLeavesNoOtherFile) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    seam.clearCalls();
    std::filesystem::remove(file("Old.rtf"));
    form.ToolButton1Click(); // unchanged, yet the toolbar's Save writes the file again
    EXPECT_TRUE(std::filesystem::exists(file("Old.rtf")));
    type(" new");
    form.Save1Click();
    EXPECT_TRUE(seam.callsOf("message").empty());
    QTextDocument saved;
    platform::LoadRtf(QByteArray::fromStdString(readFile("Old.rtf")), saved);
    EXPECT_EQ(saved.toPlainText(), "old new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Old.rtf"}));
}

TEST_F(FileCommands, AFileThatCannotBeReadLeavesDocumentNameFlagAndCaptionAsTheyWere) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    type("!");
    seam.answerMessage(platform::ResultOk);
    seam.answerFile(QString::fromStdString(file("Missing.rtf")));
    EXPECT_THROW(form.Open1Click(), platform::FileError);
    EXPECT_EQ(text(), "old!");
    EXPECT_EQ(state.CurrentFileName, file("Old.rtf"));
    EXPECT_TRUE(modified());
    EXPECT_EQ(caption(), QString(kBare) + " - " + QString::fromStdString(file("Old.rtf")));
}

TEST_F(FileCommands, AFileThatCannotBeWrittenLeavesFlagNameCaptionAndTheOldFileAsTheyWere) {
    writeDocument("Old.rtf", "old");
    openDocument("Old.rtf");
    type("!");
    const std::string before = readFile("Old.rtf");
    seam.answerFile(QString::fromStdString(file("no-such-folder/New.rtf")));
    EXPECT_THROW(form.Saveas1Click(), platform::FileError);
    EXPECT_TRUE(modified());
    EXPECT_EQ(state.CurrentFileName, file("Old.rtf"));
    EXPECT_EQ(caption(), QString(kBare) + " - " + QString::fromStdString(file("Old.rtf")));
    // A folder in the way of the file: the write fails and the old content stays whole.
    std::filesystem::remove(file("Old.rtf"));
    std::filesystem::create_directory(file("Old.rtf"));
    EXPECT_THROW(form.Save1Click(), platform::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(file("Old.rtf")));
    EXPECT_TRUE(modified());
}

TEST_F(FileCommands, PrintingWritesTheWholeDocumentToThePrinterWithTheCaptionAsJobTitle) {
    type("Printed page");
    const QString pdf = dir.path() + "/out.pdf";
    seam.cancelPrint();
    form.Print1Click();
    EXPECT_FALSE(QFile::exists(pdf));
    seam.answerPrint([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
    });
    form.ToolButton5Click();
    ASSERT_EQ(seam.callsOf("print").size(), 2u);
    EXPECT_EQ(seam.callsOf("print")[1].caption, kBare); // the job title
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.read(5).startsWith("%PDF"));
    EXPECT_EQ(caption(), kBare);
    EXPECT_TRUE(modified());
}

TEST_F(FileCommands, EditCommandsWorkOnTheSelection) {
    type("alpha beta");
    QTextCursor c = form.RichEdit1()->textCursor();
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    form.RichEdit1()->setTextCursor(c);
    form.Copy1Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "alpha");
    form.Cut1Click();
    EXPECT_EQ(text(), " beta");
    form.RichEdit1()->moveCursor(QTextCursor::End);
    form.Paste1Click();
    EXPECT_EQ(text(), " betaalpha");
    form.SelectAll1Click();
    form.Clear1Click();
    EXPECT_EQ(text(), "");
    form.Undo1Click();
    EXPECT_EQ(text(), " betaalpha");
}

TEST_F(FileCommands, UndoAfterOpenKeepsTheLoadedDocument) {
    writeDocument("Old.rtf", "old");
    type("typed before");
    openDocument("Old.rtf");
    form.Undo1Click();
    EXPECT_EQ(text(), "old");
}

struct ExitRow {
    const char* name;
    bool named;         // the document was opened from Old.rtf
    bool changed;       // and then changed
    int answer;         // to the question, when asked
    const char* saveAs; // answer of the Save-as dialog: file name, "" cancelled, nullptr not shown
    bool closes;
    const char* savedTo; // file holding the changed text afterwards, or nullptr
};

class Exit : public EditorTest, public ::testing::WithParamInterface<ExitRow> {};

// File > Exit and the title bar's close button end the same way.
TEST_P(Exit, AsksAboutUnsavedChangesThenClosesUnlessTheSaveAsDialogWasCancelled) {
    const auto row = GetParam();
    for (const bool byTitleBar : {false, true}) {
        SCOPED_TRACE(byTitleBar ? "title bar" : "File > Exit");
        seam.clearCalls();
        writeDocument("Old.rtf", "old");
        std::filesystem::remove(file("Chosen.rtf"));
        if (modified())
            seam.answerMessage(platform::ResultOk);
        form.Document1Click();
        if (row.named)
            openDocument("Old.rtf");
        if (row.changed)
            type(" changed");
        seam.clearCalls();
        form.show();
        if (row.changed)
            seam.answerMessage(row.answer);
        if (row.saveAs)
            seam.answerFile(*row.saveAs ? QString::fromStdString(file(row.saveAs)) : QString());
        if (byTitleBar)
            form.close();
        else
            form.Exit1Click();
        EXPECT_EQ(seam.callsOf("message").size(), row.changed ? 1u : 0u);
        if (row.changed) {
            EXPECT_EQ(seam.callsOf("message")[0].text, kExitQuestion);
        }
        EXPECT_EQ(form.isVisible(), !row.closes);
        EXPECT_TRUE(seam.allAnswersUsed());
        if (row.savedTo) {
            QTextDocument saved;
            platform::LoadRtf(QByteArray::fromStdString(readFile(row.savedTo)), saved);
            EXPECT_EQ(saved.toPlainText(), QString(row.named ? "old" : "") + " changed");
        } else if (row.named) {
            QTextDocument saved;
            platform::LoadRtf(QByteArray::fromStdString(readFile("Old.rtf")), saved);
            EXPECT_EQ(saved.toPlainText(), "old");
        }
        EXPECT_FALSE(std::filesystem::exists(file("Chosen.rtf")) && !row.savedTo);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Exit,
    ::testing::Values(ExitRow{"Unchanged", true, false, 0, nullptr, true, nullptr},
                      ExitRow{"CancelClosesWithoutSaving", true, true, ResultCancel, nullptr, true, nullptr},
                      ExitRow{"OkSavesToItsName", true, true, ResultOk, nullptr, true, "Old.rtf"},
                      ExitRow{"OkUnnamedSavesAs", false, true, ResultOk, "Chosen.rtf", true, "Chosen.rtf"},
                      ExitRow{"SaveAsCancelledStaysOpen", false, true, ResultOk, "", false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, ASaveThatFailsOnExitIsReportedAndTheProgramStaysOpen) {
    auto* app = qobject_cast<platform::Application*>(QCoreApplication::instance());
    app->setErrorSeam(&seam);
    type("unsaved");
    seam.answerMessage(platform::ResultOk);
    seam.answerFile(QString::fromStdString(file("no-such-folder/x.rtf")));
    form.Exit1Click();
    app->setErrorSeam(nullptr);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(seam.callsOf("error").size(), 1u);
    EXPECT_TRUE(seam.callsOf("error")[0].text.startsWith("Cannot create file"));
    EXPECT_TRUE(modified());
}

} // namespace
