// The Insert menu and the toolbar insertions, and the states of new-wizard mode.
#include "editor_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <functional>

using namespace editor_testing;
using platform::ResultCancel;
using platform::ResultOk;
using platform::ScriptedSeam;
using stencora::TForm1;

namespace {

struct InsertionRow {
    const char* name;
    void (TForm1::*command)();
    const char* inserted;
};

class Insertions : public EditorTest, public ::testing::WithParamInterface<InsertionRow> {
protected:
    // "Dear world!" with "world" bold and selected.
    void SetUp() override {
        EditorTest::SetUp();
        QTextCursor c(form.RichEdit1()->document());
        c.insertText("Dear ");
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText("world", bold);
        c.insertText("!", QTextCharFormat());
        c.setPosition(5);
        c.setPosition(10, QTextCursor::KeepAnchor);
        form.RichEdit1()->setTextCursor(c);
        form.clearModified();
    }
};

TEST_P(Insertions, ReplaceTheSelectionInItsFormatAndLeaveTheCaretAfterTheText) {
    const QString inserted = GetParam().inserted;
    (form.*GetParam().command)();
    EXPECT_EQ(text(), "Dear " + inserted + "!");
    QTextCursor caret = form.RichEdit1()->textCursor();
    EXPECT_FALSE(caret.hasSelection());
    EXPECT_EQ(caret.position(), 5 + inserted.size());
    EXPECT_TRUE(form.isModified());
    QTextCursor probe(form.RichEdit1()->document());
    probe.setPosition(6);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);

    // Without a selection the text goes in at the caret.
    form.RichEdit1()->moveCursor(QTextCursor::End);
    (form.*GetParam().command)();
    EXPECT_EQ(text(), "Dear " + inserted + "!" + inserted);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Insertions,
    ::testing::Values(InsertionRow{"Date", &TForm1::Date1Click, "11/12/2024"},
                      InsertionRow{"Time", &TForm1::ime1Click, "09:05:07"},
                      InsertionRow{"DateToken", &TForm1::Date2Click, "<#Date>"},
                      InsertionRow{"TimeToken", &TForm1::ime2Click, "<#Time>"},
                      InsertionRow{"ToolbarDateAndTime", &TForm1::ToolButton12Click, "11/12/2024 09:05:07"},
                      InsertionRow{"ToolbarTokens", &TForm1::ToolButton13Click, "<#Date> <#Time>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, TheInsertMenuAndToolbarRunTheInsertions) {
    const std::pair<const char*, const char*> items[] = {
        {"Date1", "11/12/2024"}, {"ime1", "09:05:07"}, {"Date2", "<#Date>"}, {"ime2", "<#Time>"}};
    QString expected;
    for (const auto& [name, inserted] : items) {
        form.findChild<QAction*>(name)->trigger();
        expected += inserted;
        EXPECT_EQ(text(), expected) << name;
    }
    form.findChild<QToolButton*>("ToolButton13")->click();
    EXPECT_EQ(text(), expected + "<#Date> <#Time>");
}

struct ModeRow {
    const char* name;
    bool on; // new-wizard mode before the event
    std::function<void(EditorTest&, ScriptedSeam&, TForm1&)> event;
    bool onAfter;
};

class NewWizardMode : public EditorTest, public ::testing::WithParamInterface<ModeRow> {};

void ExpectMode(TForm1& form, bool on) {
    EXPECT_EQ(form.Createanewtemplate1()->isChecked(), on);
    EXPECT_EQ(form.suiButton1()->isEnabled(), on);
    EXPECT_EQ(form.ParameterManager1()->isEnabled(), on);
}

TEST_P(NewWizardMode, FollowsItsStateTable) {
    writeDocument("Doc.rtf", "doc");
    openDocument("Doc.rtf");
    type("!");
    ExpectMode(form, false);
    if (GetParam().on) {
        form.Createanewtemplate1()->trigger();
        ExpectMode(form, true);
        state.NewWizardPending = false; // to see whether the event sets it
    }
    GetParam().event(*this, seam, form);
    ExpectMode(form, GetParam().onAfter);
    // Only switching the mode on sets the flag; nothing here clears it.
    EXPECT_EQ(state.NewWizardPending, !GetParam().on && GetParam().onAfter);
    EXPECT_TRUE(seam.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NewWizardMode,
    ::testing::Values(
        ModeRow{"SwitchedOn", false,
                [](EditorTest&, ScriptedSeam&, TForm1& f) { f.Createanewtemplate1()->trigger(); }, true},
        ModeRow{"SwitchedOff", true,
                [](EditorTest&, ScriptedSeam&, TForm1& f) { f.Createanewtemplate1()->trigger(); }, false},
        ModeRow{"NewCarriedOut", true,
                [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                    s.answerMessage(ResultOk);
                    f.Document1Click();
                },
                false},
        ModeRow{"NewCancelled", true,
                [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                    s.answerMessage(ResultCancel);
                    f.Document1Click();
                },
                true},
        ModeRow{"OpenLoaded", true, [](EditorTest& t, ScriptedSeam&, TForm1&) { t.openDocument("Doc.rtf"); },
                false},
        ModeRow{"OpenCancelled", true,
                [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                    s.answerMessage(ResultOk);
                    s.answerFile("");
                    f.Open1Click();
                },
                true},
        ModeRow{"FromTemplateDialogCancelled", true,
                [](EditorTest&, ScriptedSeam& s, TForm1& f) {
                    s.answerMessage(ResultOk);
                    s.answerDialog([](QDialog* d) { d->reject(); });
                    f.CreateFromTemplate1Click();
                },
                true},
        ModeRow{"Save", true, [](EditorTest&, ScriptedSeam&, TForm1& f) { f.Save1Click(); }, true},
        ModeRow{"SaveAs", true,
                [](EditorTest& t, ScriptedSeam& s, TForm1& f) {
                    s.answerFile(QString::fromStdString(t.file("Copy.rtf")));
                    f.Saveas1Click();
                },
                true},
        ModeRow{"Insertion", true, [](EditorTest&, ScriptedSeam&, TForm1& f) { f.ToolButton13Click(); },
                true},
        ModeRow{"ParameterAndTemplateManagers", true,
                [](EditorTest&, ScriptedSeam&, TForm1& f) {
                    f.suiButton1()->click();
                    f.ParameterManager1()->trigger();
                    f.findChild<QAction*>("emplatemanager1")->trigger();
                },
                true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, SwitchingTheModeOffAndOnAgainKeepsTheNewWizardFlag) {
    form.Createanewtemplate1()->trigger();
    EXPECT_TRUE(state.NewWizardPending);
    form.Createanewtemplate1()->trigger();
    EXPECT_TRUE(state.NewWizardPending);
    state.NewWizardPending = false; // as the Parameter Manager's Clear All leaves it
    form.Createanewtemplate1()->trigger();
    EXPECT_TRUE(state.NewWizardPending);
    seam.answerMessage(ResultOk);
    form.Document1Click();
    EXPECT_TRUE(state.NewWizardPending);
    // The handler itself decides from the check mark, as the menu item does.
    form.Createanewtemplate1Click();
    ExpectMode(form, true);
    form.Createanewtemplate1Click();
    ExpectMode(form, false);
}

} // namespace
