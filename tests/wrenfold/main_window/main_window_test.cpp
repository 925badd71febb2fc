// The main window: start-up, the library selector, the Generator command's window side, the
// editor and chooser commands, the Edit and TextFormat commands, closing, the control panel.
#include "platform/application.h"
#include "platform/errors.h"
#include "shell/help_menu.h"
#include "window_fixture.h"
#include "wrenfold/generator/folding_panel.h"
#include "wrenfold/generator/generator.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <filesystem>
#include <fstream>

using namespace wrenfold_test;
using platform::ResultCancel;
using platform::ResultYes;

namespace {

const QStringList kYesCancel{"Yes", "Cancel"};

// --- Start-up ---

struct StartCase {
    const char* name;
    const char* list; // nullptr: no library.lst
    QStringList entries;
    std::string current;
    QStringList errors;
};

class StartUp : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUp, FillsTheSelectorFromTheListInTheApplicationDirectory) {
    const StartCase& c = GetParam();
    if (c.list)
        writeFile("library.lst", c.list);
    // Started from another folder that holds a list of its own: that one is not read.
    QTemporaryDir elsewhere;
    WriteBytes(elsewhere.path() + "/library.lst", "Wrong\r\n");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    start();
    QDir::setCurrent(cwd);

    EXPECT_EQ(Entries(selector()), c.entries);
    EXPECT_EQ(selector().currentIndex(), c.entries.isEmpty() ? -1 : 0);
    EXPECT_EQ(state_.currentLibraryName, c.current);
    QStringList errors;
    for (const auto& call : seam_.callsOf("error"))
        errors << call.text;
    EXPECT_EQ(errors, c.errors);
    // The paths are derived in every case.
    EXPECT_EQ(state_.paths.applicationDirectory, appDir().toStdString());
    EXPECT_EQ(state_.paths.helpFilePath, (appDir() + "wrenfold_help.chm").toStdString());
    EXPECT_EQ(state_.currentFileName, "");
    EXPECT_EQ(form().windowTitle(), "Wrenfold Verbarium 2.0");
    EXPECT_FALSE(form().isModified());
    EXPECT_EQ(text(), "");
}

INSTANTIATE_TEST_SUITE_P(Lists, StartUp,
                         ::testing::Values(StartCase{"ThreeLibraries",
                                                     "English\r\nPoetry\r\nLatin\r\n",
                                                     {"English", "Poetry", "Latin"},
                                                     "English",
                                                     {}},
                                           StartCase{"EmptyList", "", {}, "", {}},
                                           StartCase{
                                               "BlankFirstLine", "\r\nPoetry\r\n", {"", "Poetry"}, "", {}},
                                           StartCase{"NoList", nullptr, {}, "", {"File not found"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, NameBytesThatAreNotUtf8StillNameTheirLibrary) {
    const std::string name = "Caf\xe9"; // Latin-1, not UTF-8
    writeFile("library.lst", name + "\r\n");
    const std::string folder = appDir().toStdString() + name;
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/" + name + ".gra", std::ios::binary) << "Bonjour.";
    start();
    EXPECT_EQ(state_.currentLibraryName, name);
    seam_.answerInput("1");
    form().suiButton1Click();
    EXPECT_EQ(text(), "Bonjour. ");
    std::filesystem::remove_all(folder); // a name the temporary folder's own clean-up cannot spell
}

// --- The library selector ---

TEST_F(WindowTest, APickInTheSelectorMakesThatLibraryCurrentForTheNextGenerator) {
    writeFile("library.lst", "English\r\nPoetry\r\n");
    addLibrary("English", "Hello.");
    addLibrary("Poetry", "Roses are red.");
    start();

    // A selection made from code changes nothing.
    selector().setCurrentIndex(1);
    EXPECT_EQ(state_.currentLibraryName, "English");

    // A pick by the user (keyboard on the focused selector).
    selector().setCurrentIndex(0);
    selector().setFocus();
    QTest::keyClick(&selector(), Qt::Key_Down);
    EXPECT_EQ(selector().currentIndex(), 1);
    EXPECT_EQ(state_.currentLibraryName, "Poetry");

    seam_.answerInput("2");
    form().suiButton1Click();
    EXPECT_EQ(text(), "Roses are red. Roses are red. ");
}

// --- Commands that need a library ---

struct GuardCase {
    const char* name;
    void (wrenfold::TForm1::*handler)();
    bool warnsWithoutLibrary;
    const char* opens; // object name of the window it shows, "" for the Generator command
};

class LibraryCommands : public WindowTest, public ::testing::WithParamInterface<GuardCase> {
protected:
    void SetUp() override {
        editor2_.setObjectName("TForm2");
        editor3_.setObjectName("TForm3");
        chooser_.setObjectName("TForm5");
    }
    void startWith(const char* list) {
        writeFile("library.lst", list);
        addLibrary("English", "Hello.");
        start();
        form().setVocabularyEditor(&editor2_);
        form().setLanguageGrammarEditor(&editor3_);
        form().setLibraryChooser(&chooser_);
        seam_.clearCalls();
    }
    QDialog editor2_, editor3_, chooser_;
};

TEST_P(LibraryCommands, WarnWithoutALibraryWhereTheyNeedOne) {
    const GuardCase& c = GetParam();
    startWith("");
    if (!c.warnsWithoutLibrary) { // opens its window all the same
        seam_.answerDialog([](QDialog*) {});
        (form().*c.handler)();
        ASSERT_EQ(seam_.calls().size(), 1u);
        EXPECT_EQ(seam_.calls()[0].kind, "dialog");
        EXPECT_EQ(seam_.calls()[0].text, c.opens);
        return;
    }
    for (int answer : {ResultYes, ResultCancel}) { // whichever button closes it, nothing follows
        seam_.clearCalls();
        seam_.answerMessage(answer);
        (form().*c.handler)();
        ASSERT_EQ(seam_.calls().size(), 1u);
        const auto& call = seam_.calls()[0];
        EXPECT_EQ(call.kind, "message");
        EXPECT_EQ(call.caption, "Warning");
        EXPECT_EQ(call.text, "There is no Language/Grammar Library! You must create a Language/Grammar "
                             "Library first.");
        EXPECT_EQ(call.buttons, kYesCancel);
    }
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(form().isModified());
}

TEST_P(LibraryCommands, RunWithALibrary) {
    const GuardCase& c = GetParam();
    startWith("English\r\n");
    const bool generator = *c.opens == '\0';
    if (generator)
        seam_.answerInput("1");
    else
        seam_.answerDialog([](QDialog*) {});
    (form().*c.handler)();
    ASSERT_EQ(seam_.calls().size(), 1u);
    if (generator) {
        EXPECT_EQ(seam_.calls()[0].kind, "input");
        EXPECT_EQ(text(), "Hello. ");
    } else {
        EXPECT_EQ(seam_.calls()[0].kind, "dialog");
        EXPECT_EQ(seam_.calls()[0].text, c.opens);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LibraryCommands,
    ::testing::Values(
        GuardCase{"GeneratorButton", &wrenfold::TForm1::suiButton1Click, true, ""},
        GuardCase{"GeneratorMenu", &wrenfold::TForm1::WrenfoldGenerator1Click, true, ""},
        GuardCase{"VocabularyButton", &wrenfold::TForm1::suiButton2Click, true, "TForm2"},
        GuardCase{"VocabularyMenu", &wrenfold::TForm1::VocabularyEditor1Click, true, "TForm2"},
        GuardCase{"GrammarEditorButton", &wrenfold::TForm1::suiButton3Click, false, "TForm3"},
        GuardCase{"GrammarEditorMenu", &wrenfold::TForm1::LanguageGrammarEditor1Click, false, "TForm3"},
        GuardCase{"ChooserMenu", &wrenfold::TForm1::LanguageGrammarselct1Click, false, "TForm5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, EditorsNotYetGivenOpenNothingButTheGuardStillWarns) {
    writeFile("library.lst", "");
    start();
    seam_.clearCalls();
    form().suiButton3Click();
    form().LanguageGrammarEditor1Click();
    EXPECT_TRUE(seam_.calls().empty());
    seam_.answerMessage(ResultYes);
    form().suiButton2Click();
    ASSERT_EQ(seam_.calls().size(), 1u);
    EXPECT_EQ(seam_.calls()[0].caption, "Warning");
}

// --- The count dialog ---

struct CountCase {
    const char* name;
    const char* typed; // nullptr: Cancel
    QString textAfter;
    bool throws;
};

class CountDialog : public WindowTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountDialog, GeneratesTheConfirmedNumberOfSentences) {
    const CountCase& c = GetParam();
    writeFile("library.lst", "English\r\n");
    addLibrary("English", "Hi.\r\n");
    start();
    if (c.typed)
        seam_.answerInput(c.typed);
    else
        seam_.cancelInput();
    if (c.throws) {
        try {
            form().suiButton1Click();
            ADD_FAILURE() << "no error";
        } catch (const platform::ConvertError& e) {
            EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
        }
    } else {
        form().suiButton1Click();
    }
    ASSERT_EQ(seam_.callsOf("input").size(), 1u);
    const auto call = seam_.callsOf("input")[0];
    EXPECT_EQ(call.caption, "Generator");
    EXPECT_EQ(call.text, "How many sentences to generate?");
    EXPECT_EQ(call.buttons, QStringList{"20"}); // the value the dialog opened with
    EXPECT_EQ(text(), c.textAfter);
    EXPECT_EQ(form().isModified(), !c.textAfter.isEmpty());
    EXPECT_TRUE(seam_.unscripted().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Answers, CountDialog,
                         ::testing::Values(CountCase{"Ok20", "20", QString("Hi. ").repeated(20), false},
                                           CountCase{"Ok3", "3", "Hi. Hi. Hi. ", false},
                                           CountCase{"Cancel", nullptr, "", false},
                                           CountCase{"Zero", "0", "", false},
                                           CountCase{"Negative", "-3", "", false},
                                           CountCase{"NotANumber", "abc", "", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, AClickWithATypedNonNumberEndsInTheErrorReport) {
    writeFile("library.lst", "English\r\n");
    addLibrary("English", "Hi.");
    start();
    auto* app = static_cast<platform::Application*>(QCoreApplication::instance());
    app->setErrorSeam(&seam_);
    seam_.answerInput("abc");
    QTest::mouseClick(form().findChild<QPushButton*>("suiButton1"), Qt::LeftButton);
    app->setErrorSeam(nullptr);
    ASSERT_EQ(seam_.callsOf("error").size(), 1u);
    EXPECT_EQ(seam_.callsOf("error")[0].text, "'abc' is not a valid integer value");
    EXPECT_EQ(text(), "");
    // The window goes on working.
    seam_.answerInput("1");
    QTest::mouseClick(form().findChild<QPushButton*>("suiButton1"), Qt::LeftButton);
    EXPECT_EQ(text(), "Hi. ");
}

TEST_F(WindowTest, SentencesAreAppendedToTheTextAndMarkItChanged) {
    writeFile("library.lst", "English\r\n");
    addLibrary("English", "One <n,1>.");
    writeFile("English/n.wod", "1\r\ncat\r\n");
    start();
    memo().setText("Start.\nNext");
    seam_.answerInput("2");
    form().WrenfoldGenerator1Click();
    EXPECT_EQ(text(), "Start.\nNextOne cat. One cat. ");
    EXPECT_TRUE(form().isModified());
    // One command is one edit: one undo takes all its sentences away.
    form().Undo1Click();
    EXPECT_EQ(text(), "Start.\nNext");
}

TEST_F(WindowTest, GeneratingIntoACleanWindowTurnsTheFlagOnSoNewAsks) {
    writeFile("library.lst", "English\r\n");
    addLibrary("English", "Hi.");
    start();
    ASSERT_FALSE(form().isModified());
    seam_.answerInput("1");
    form().suiButton1Click();
    EXPECT_TRUE(form().isModified());
    seam_.answerMessage(ResultCancel);
    form().New1Click();
    EXPECT_EQ(seam_.lastCall().text, "The text has been changed, do you want to abort the changes?");
    EXPECT_EQ(text(), "Hi. ");
}

TEST_F(WindowTest, AFailingCommandKeepsTheSentencesMadeBeforeIt) {
    writeFile("library.lst", "English\r\nGone\r\n");
    addLibrary("English", "Hi <n,1>.");
    writeFile("English/n.wod", "x\r\ncat\r\n"); // pattern count is not an integer
    start();
    memo().setText("Old ");
    seam_.answerInput("5");
    EXPECT_THROW(form().suiButton1Click(), platform::ConvertError);
    EXPECT_EQ(text(), "Old ");
    // A library without its grammar file: the file-open error, nothing appended.
    selector().setCurrentIndex(1);
    form().suiComboBox1Change(1);
    seam_.answerInput("5");
    EXPECT_THROW(form().suiButton1Click(), platform::FileError);
    EXPECT_EQ(text(), "Old ");
}

// --- The text box ---

TEST_F(WindowTest, EveryBlockOfTheTextKeepsItsLayout) {
    // Without it every paint and caret query lays a long paragraph out again.
    writeFile("library.lst", "");
    start();
    auto allKept = [this] {
        for (QTextBlock b = memo().document()->begin(); b.isValid(); b = b.next())
            if (!b.layout()->cacheEnabled())
                return false;
        return true;
    };
    EXPECT_TRUE(allKept());
    memo().setText("one\ntwo\nthree");
    EXPECT_TRUE(allKept());
    memo().moveCursor(QTextCursor::End);
    QTest::keyClick(&memo(), Qt::Key_Return);
    memo().appendAtEnd("four\nfive");
    EXPECT_EQ(memo().blockCount(), 5);
    EXPECT_TRUE(allKept());
    seam_.answerMessage(ResultYes);
    form().New1Click();
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(allKept());
}

// --- Edit commands ---

TEST_F(WindowTest, EditCommandsActOnTheTextAndMarkItChanged) {
    writeFile("library.lst", "");
    start();
    memo().setText("Hello world");
    QTextCursor c = memo().textCursor();
    c.setPosition(6);
    c.setPosition(11, QTextCursor::KeepAnchor);
    memo().setTextCursor(c);
    form().Cut1Click();
    EXPECT_EQ(text(), "Hello ");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "world");
    c.setPosition(0);
    memo().setTextCursor(c);
    form().Paste1Click();
    EXPECT_EQ(text(), "worldHello ");
    form().Undo1Click();
    EXPECT_EQ(text(), "Hello ");
    form().SelectAll1Click();
    EXPECT_EQ(memo().textCursor().selectedText(), "Hello ");
    form().Copy1Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Hello ");
    form().Delete1Click();
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(form().isModified());
}

TEST_F(WindowTest, DateTimeGoesAfterTheSelectionWhichStays) {
    writeFile("library.lst", "");
    start();
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    form().setClock([when] { return when; });
    const QLocale locale = QLocale::system();
    const QString stamp = locale.toString(when.date(), QLocale::ShortFormat) + " " +
                          locale.toString(when, locale.timeFormat(QLocale::LongFormat));
    memo().setText("Hello world");
    QTextCursor c = memo().textCursor();
    c.setPosition(5);
    c.setPosition(0, QTextCursor::KeepAnchor); // selected backwards: the end is still 5
    memo().setTextCursor(c);
    form().DateTime1Click();
    EXPECT_EQ(text(), "Hello" + stamp + " world");
    EXPECT_EQ(memo().textCursor().position(), 5 + stamp.size());
    EXPECT_FALSE(memo().textCursor().hasSelection());
    EXPECT_TRUE(form().isModified());
}

// --- TextFormat ---

TEST_F(WindowTest, FontAndColourDialogsStartFromTheirLastChoice) {
    writeFile("library.lst", "");
    start();
    // The text box starts with the window family at 12 point.
    EXPECT_EQ(memo().font().family(), "MS Sans Serif");
    EXPECT_EQ(memo().font().pointSize(), 12);

    QFont chosen("DejaVu Serif");
    chosen.setPointSize(20);
    seam_.answerFont(chosen);
    form().FontSet1Click();
    EXPECT_EQ(seam_.lastFontShown().family(), "MS Sans Serif");
    EXPECT_EQ(seam_.lastFontShown().pointSize(), 8);
    EXPECT_EQ(memo().font().family(), "DejaVu Serif");
    EXPECT_EQ(memo().font().pointSize(), 20);

    // Cancelled: nothing changes; the next dialog still opens with the last choice, not with the
    // text box's font.
    memo().setTextFont(QFont("DejaVu Sans Mono"));
    seam_.cancelFont();
    form().FontSet1Click();
    EXPECT_EQ(seam_.lastFontShown().family(), "DejaVu Serif");
    EXPECT_EQ(memo().font().family(), "DejaVu Sans Mono");

    seam_.answerColor(QColor(200, 40, 40));
    form().BackgroundColor1Click();
    EXPECT_EQ(seam_.lastColorShown(), QColor(Qt::black));
    QCoreApplication::processEvents();
    const QImage shot = memo().viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 4, shot.height() - 4), QColor(200, 40, 40));
    seam_.cancelColor();
    form().BackgroundColor1Click();
    EXPECT_EQ(seam_.lastColorShown(), QColor(200, 40, 40));

    // Neither counts as a change of the text.
    EXPECT_FALSE(form().isModified());
}

// --- Closing ---

struct CloseCase {
    const char* name;
    bool changed;
    int answer; // 0: no question expected
    bool closes;
};

class Closing : public WindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, UnsavedTextAsksFirst) {
    const CloseCase& c = GetParam();
    writeFile("library.lst", "");
    start();
    if (c.changed)
        memo().setText("unsaved");
    for (bool byExit : {false, true}) {
        SCOPED_TRACE(byExit ? "Exit" : "title bar");
        form().show();
        seam_.clearCalls();
        if (c.answer)
            seam_.answerMessage(c.answer);
        if (byExit)
            form().Exit1Click();
        else
            form().close();
        EXPECT_EQ(form().isVisible(), !c.closes);
        EXPECT_EQ(seam_.callsOf("message").size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(seam_.lastCall().caption, "Warning");
            EXPECT_EQ(seam_.lastCall().text, "The text has been changed, do you want to abort the changes?");
            EXPECT_EQ(seam_.lastCall().buttons, kYesCancel);
        }
    }
    EXPECT_EQ(text(), c.changed ? "unsaved" : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, Closing,
                         ::testing::Values(CloseCase{"Clean", false, 0, true},
                                           CloseCase{"ChangedYes", true, ResultYes, true},
                                           CloseCase{"ChangedCancel", true, ResultCancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Layout: the control panel and the menus ---

TEST_F(WindowTest, ControlPanelFoldsToItsCaptionBar) {
    writeFile("library.lst", "English\r\n");
    start();
    auto settle = [] {
        for (int i = 0; i < 3; ++i) // each layout that changes size asks its parent's again
            QCoreApplication::processEvents();
    };
    wrenfold::FoldingPanel* panel = form().controlPanel();
    auto* caption = panel->findChild<QLabel*>("PanelCaption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->text(), "Control Panel");
    settle();
    const int memoHeight = memo().height();
    QTest::mouseClick(panel->foldButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(panel->isFolded());
    EXPECT_EQ(panel->height(), caption->height() + 2 * panel->frameWidth());
    EXPECT_FALSE(selector().isVisible());
    EXPECT_GT(memo().height(), memoHeight);
    QTest::mouseClick(panel->foldButton(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(panel->isFolded());
    EXPECT_TRUE(selector().isVisible());
    EXPECT_EQ(memo().height(), memoHeight);
}

TEST_F(WindowTest, ButtonsAndMenusCarryTheirCaptionsAndRunTheirCommands) {
    writeFile("library.lst", "English\r\n");
    addLibrary("English", "Hi.");
    start();
    EXPECT_EQ(form().findChild<QLabel*>("Label1")->text(), "Select one Language/Grammar");
    const std::vector<std::pair<const char*, const char*>> buttons{{"suiButton1", "Generator"},
                                                                   {"suiButton2", "Vocabulary Editor"},
                                                                   {"suiButton3", "Language/Grammar Editor"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(form().findChild<QPushButton*>(name)->text(), caption);

    const std::vector<std::pair<const char*, QStringList>> menus{
        {"File1",
         {"&File", "New1:New", "Open1:Open", "Save1:Save", "Saveas1:Save as...", "-", "Print1:Print...", "-",
          "Exit1:Exit"}},
        {"Edit1",
         {"&Edit", "Undo1:Undo", "-", "Copy1:Copy", "Cut1:Cut", "Paste1:Paste", "Delete1:Delete", "-",
          "SelectAll1:Select All", "-", "DateTime1:Date/Time"}},
        {"Library1",
         {"&Library", "LanguageGrammarselct1:Language/Grammar selct", "VocabularyEditor1:Vocabulary Editor",
          "LanguageGrammarEditor1:Language/Grammar Editor", "-", "WrenfoldGenerator1:Wrenfold Generator"}},
        {"extFormat1", {"TextFormat", "FontSet1:Font Set...", "BackgroundColor1:Background Color"}},
    };
    QStringList order;
    for (QAction* a : form().menuBar()->actions())
        order << a->menu()->objectName();
    EXPECT_EQ(order, (QStringList{"File1", "Edit1", "Library1", "extFormat1", "Help1"}));
    for (const auto& [name, items] : menus) {
        auto* menu = form().menuBar()->findChild<QMenu*>(name);
        ASSERT_TRUE(menu) << name;
        QStringList got{menu->title()};
        for (QAction* a : menu->actions())
            got << (a->isSeparator() ? QString("-") : a->objectName() + ":" + a->text());
        EXPECT_EQ(got, items);
    }
    EXPECT_FALSE(form().action("Save1")->isEnabled());

    // The button and the menu item run the same command.
    seam_.answerInput("1");
    QTest::mouseClick(form().findChild<QPushButton*>("suiButton1"), Qt::LeftButton);
    seam_.answerInput("1");
    form().action("WrenfoldGenerator1")->trigger();
    EXPECT_EQ(text(), "Hi. Hi. ");
    EXPECT_TRUE(form().action("Save1")->isEnabled());
}

} // namespace
