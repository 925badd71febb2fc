// The main window as built: menus, toolbar, document defaults, start-up state, the file dialogs'
// settings and the timer that opens the create-from-template dialog.
#include "editor_fixture.h"
#include "platform/rtf_document.h"
#include "stencora/templates/window_parts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

using namespace editor_testing;

namespace {

// Captions of a menu's items; "-" for a separator, "name:caption" otherwise, "name>" for a submenu.
QStringList Items(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            out << "-";
        else if (a->menu())
            out << a->menu()->objectName() + ">" + a->text();
        else
            out << a->objectName() + ":" + a->text();
    }
    return out;
}

using EditorWindow = EditorTest;

TEST_F(EditorWindow, MenusHoldTheirItemsInOrder) {
    QStringList bar;
    for (QAction* a : form.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Templates", "&Insert", "&Help"}));
    auto menu = [&](const char* name) { return form.findChild<QMenu*>(name); };
    EXPECT_EQ(Items(menu("File1")), QStringList({"New1>New", "Open1:Open", "Save1:Save", "Saveas1:Save as...",
                                                 "-", "Print1:Print...", "-", "Exit1:Exit"}));
    EXPECT_EQ(Items(menu("New1")),
              QStringList({"Document1:Document", "CreateFromTemplate1:Create From Template..."}));
    EXPECT_EQ(Items(menu("Edit1")), QStringList({"Undo1:Undo", "-", "Copy1:Copy", "Cut1:Cut", "Paste1:Paste",
                                                 "Clear1:Clear", "SelectAll1:Select All"}));
    EXPECT_EQ(Items(menu("Templates1")),
              QStringList({"Createanewtemplate1:Create a new wizard", "ParameterManager1:Parameter Manager",
                           "-", "emplatemanager1:Template manager"}));
    EXPECT_EQ(Items(menu("Insert1")), QStringList({"Date1:Date", "ime1:Time", "-", "Parameter1>Parameter"}));
    EXPECT_EQ(Items(menu("Parameter1")), QStringList({"Date2:Date", "ime2:Time"}));
    EXPECT_TRUE(form.Createanewtemplate1()->isCheckable());
}

TEST_F(EditorWindow, TheControlPanelHoldsTheMainToolbarWithAnIconAndHintPerButton) {
    auto* panel = form.findChild<stencora::CaptionPanel*>("suiPanel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->caption()->text(), "Control Panel");
    EXPECT_EQ(panel->caption()->objectName(), "PanelCaption");
    EXPECT_TRUE(panel->isAncestorOf(form.ToolBar1()));

    QStringList order;
    for (QAction* a : form.ToolBar1()->actions()) {
        if (a->isSeparator()) {
            order << "|";
            continue;
        }
        QWidget* w = form.ToolBar1()->widgetForAction(a);
        order << w->objectName();
        if (auto* b = qobject_cast<QToolButton*>(w)) {
            SCOPED_TRACE(b->objectName().toStdString());
            EXPECT_FALSE(b->icon().isNull());
            EXPECT_FALSE(b->icon().pixmap(24).isNull());
            EXPECT_TRUE(b->isEnabled());
        }
    }
    EXPECT_EQ(order, QStringList({"ToolButton3", "ToolButton2", "ToolButton1", "|", "ToolButton5", "|",
                                  "ToolButton7", "ToolButton8", "ToolButton9", "ToolButton10", "|",
                                  "ToolButton12", "ToolButton13", "|", "suiButton1", "|", "ToolButton15"}));
    const std::pair<const char*, const char*> hints[] = {
        {"ToolButton3", "New Document"},
        {"ToolButton2", "Open an existing document"},
        {"ToolButton1", "Save the current document"},
        {"ToolButton5", "Print current document"},
        {"ToolButton7", "Copy"},
        {"ToolButton8", "Cut"},
        {"ToolButton9", "Paste"},
        {"ToolButton10", "Undo"},
        {"ToolButton12", "Insert Date & Time"},
        {"ToolButton13", "Insert parameters of Date & Time"},
        {"suiButton1", "Set the selected text as a parameter fof template file"},
        {"ToolButton15", "How to create customized template?"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(form.findChild<QWidget*>(name)->toolTip(), hint) << name;
    EXPECT_EQ(form.suiButton1()->text(), "Set As Parameter");

    // The help button opens its topic.
    form.findChild<QToolButton*>("ToolButton15")->click();
    ASSERT_EQ(seam.callsOf("help").size(), 1u);
    EXPECT_EQ(seam.callsOf("help")[0].text, "0300.htm");
}

TEST_F(EditorWindow, StartsWithTheBareTitleAnUnsavedEmptyDocumentInItsDefaultFontAndNewWizardModeOff) {
    EXPECT_EQ(caption(), "Wrenfold Stencora 2.0");
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(modified());
    EXPECT_EQ(state.CurrentFileName, "");
    EXPECT_FALSE(state.NewWizardPending);
    EXPECT_FALSE(form.suiButton1()->isEnabled());
    EXPECT_FALSE(form.ParameterManager1()->isEnabled());
    EXPECT_FALSE(form.Createanewtemplate1()->isChecked());
    EXPECT_EQ(form.width(), 607);
    EXPECT_EQ(form.height(), 457);

    QTextEdit* edit = form.RichEdit1();
    EXPECT_EQ(edit->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(edit->document()->defaultFont().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(edit->document()->defaultFont().pointSizeF(), platform::kDocumentFontPoints);
    EXPECT_EQ(platform::FontCharset(edit->document()->begin().charFormat()), platform::kCharsetGb2312);
    // What the user types first is in that font.
    type("Hi");
    const QTextCharFormat typed = edit->document()->begin().begin().fragment().charFormat();
    EXPECT_EQ(platform::FontFace(typed), "MS Sans Serif");
}

TEST_F(EditorWindow, TheFileDialogsStartInTheTemplateDirectoryWhenItExists) {
    EXPECT_EQ(form.OpenDialog1().filter, "Rich Text Format|*.rtf");
    EXPECT_EQ(form.SaveDialog1().filter, "Rich Text Format (RTF)|*.rtf");
    EXPECT_EQ(form.OpenDialog1().defaultSuffix, "*.rtf");
    EXPECT_EQ(form.SaveDialog1().defaultSuffix, "*.rtf");
    EXPECT_EQ(form.OpenDialog1().directory.toStdString(), root + "template/");
    EXPECT_EQ(form.SaveDialog1().directory.toStdString(), root + "template/");
    seam.answerMessage(platform::ResultOk);
    seam.answerFile("");
    form.Open1Click();
    seam.answerFile("");
    form.Saveas1Click();
    ASSERT_EQ(seam.callsOf("open").size(), 1u);
    EXPECT_EQ(seam.callsOf("open")[0].file.directory.toStdString(), root + "template/");
    EXPECT_EQ(seam.callsOf("save")[0].file.filter, "Rich Text Format (RTF)|*.rtf");

    // Without a template directory they start in the system's default folder, and it is not made.
    std::filesystem::remove(root + "template");
    form.setUpPaths({root, root + "stencora_help.chm", root + "template/"});
    EXPECT_EQ(form.OpenDialog1().directory, "");
    EXPECT_EQ(form.SaveDialog1().directory, "");
    EXPECT_FALSE(std::filesystem::exists(root + "template"));
}

TEST_F(EditorWindow, TheFirstShowResetsTheDocumentNameAndTheNewWizardFlag) {
    stencora::ProgramState fresh;
    fresh.CurrentFileName = "/somewhere/old.rtf";
    fresh.NewWizardPending = true;
    stencora::TForm1 window(seam, fresh, dateTime);
    window.Timer1()->stop();
    window.show();
    EXPECT_EQ(fresh.CurrentFileName, "");
    EXPECT_FALSE(fresh.NewWizardPending);
    EXPECT_FALSE(fresh.paths.templateDirectory.empty());
    EXPECT_EQ(fresh.paths.templateDirectory, fresh.paths.applicationDirectory + "template/");
}

TEST_F(EditorWindow, TheTimerRunsFromCreationAndOpensTheDialogOnceWithoutAQuestion) {
    stencora::TForm1 window(seam, state, dateTime);
    EXPECT_TRUE(window.Timer1()->isActive());
    EXPECT_EQ(window.Timer1()->interval(), 500);
    window.setCreateFromTemplateWindow(&form2);
    window.Timer1()->start(0); // fire at the next chance instead of after half a second
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seam.callsOf("dialog").empty(); }, 5000));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(seam.callsOf("dialog").size(), 1u);
    EXPECT_EQ(seam.callsOf("dialog")[0].text, "TForm2");
    EXPECT_TRUE(seam.callsOf("message").empty()); // the new document is unsaved, yet nothing is asked
    EXPECT_FALSE(window.Timer1()->isActive());
    EXPECT_EQ(window.windowTitle(), "Wrenfold Stencora 2.0");
}

} // namespace
