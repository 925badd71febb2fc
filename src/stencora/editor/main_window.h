#pragma once
// The main editor window of stencora: one rich-text document, its file and edit commands,
// printing, the insertions of dates, times and their tokens, and new-wizard mode.
#include "platform/date_time_source.h"
#include "platform/dialog_seam.h"
#include "platform/rich_text_lines.h"
#include "stencora/templates/document_host.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolBar;
class QToolButton;
namespace shell {
class StencoraHelpMenu;
struct AppPaths;
} // namespace shell

namespace stencora {

inline constexpr char kTitle[] = "Wrenfold Stencora 2.0";
inline constexpr char kHelpFileName[] = "stencora_help.chm";
// Room between the document's text and the edit's frame, in pixels.
inline constexpr int kDocumentMargin = 10;

using DateTimeTexts = platform::DateTimeTexts;
struct ProgramState;

class TForm1 : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // state is the program-wide state; dateTime gives the texts of the date and time insertions.
    TForm1(platform::DialogSeam& seam, ProgramState& state, DateTimeTexts& dateTime,
           QWidget* parent = nullptr);

    // The other windows, made after this one at start-up; each is shown modally through the seam.
    void setCreateFromTemplateWindow(QDialog* form2) { form2_ = form2; }
    void setParameterManagerWindow(QDialog* form3) { form3_ = form3; }
    void setTemplateManagerWindow(QDialog* form5) { form5_ = form5; }
    void setAboutWindow(QDialog* about);

    const ProgramState& state() const { return state_; }
    shell::StencoraHelpMenu* helpMenu() const { return helpMenu_; }
    QTextEdit* RichEdit1() const { return RichEdit1_; }
    QTimer* Timer1() const { return Timer1_; }
    QToolBar* ToolBar1() const { return ToolBar1_; }
    QPushButton* suiButton1() const { return suiButton1_; }
    QAction* Save1() const { return Save1_; }
    QAction* Createanewtemplate1() const { return Createanewtemplate1_; }
    QAction* ParameterManager1() const { return ParameterManager1_; }
    const platform::FileDialogOptions& OpenDialog1() const { return OpenDialog1_; }
    const platform::FileDialogOptions& SaveDialog1() const { return SaveDialog1_; }

    // DocumentHost
    void loadDocument(const std::string& path) override;
    platform::LineList& documentLines() override { return lines_; }
    void replaceSelection(const std::string& text) override;
    bool isModified() const override;
    void clearModified() override;
    void leaveNewWizardMode() override;

public slots:
    // First show: derives the program-wide paths and resets the document's name and NewWizardPending.
    void FormShow();
    // Takes over the derived paths: the file dialogs start in the template directory when it
    // exists; CurrentFileName becomes empty and NewWizardPending false.
    void setUpPaths(const shell::AppPaths& paths);
    void RichEdit1Change();
    void Timer1Timer();

    // File menu (file_commands.cpp).
    void Document1Click();
    void CreateFromTemplate1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void Print1Click();
    void Exit1Click();

    // Edit menu.
    void Undo1Click();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    void Clear1Click();
    void SelectAll1Click();

    // Insert and Templates menus (template_commands.cpp).
    void Date1Click();
    void ime1Click();
    void Date2Click();
    void ime2Click();
    void ToolButton12Click();
    void ToolButton13Click();
    void Createanewtemplate1Click();
    void ParameterManager1Click();
    void suiButton1Click();
    void emplatemanager1Click();

    // Main toolbar: each button runs the handler of its menu item.
    void ToolButton3Click() { Document1Click(); }
    void ToolButton2Click() { Open1Click(); }
    void ToolButton1Click() { Save1Click(); }
    void ToolButton5Click() { Print1Click(); }
    void ToolButton7Click() { Copy1Click(); }
    void ToolButton8Click() { Cut1Click(); }
    void ToolButton9Click() { Paste1Click(); }
    void ToolButton10Click() { Undo1Click(); }

protected:
    void showEvent(QShowEvent* event) override;
    // Closing by the title bar asks about unsaved changes as File > Exit does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar(QWidget* panel);
    QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption,
                     void (TForm1::*handler)(), const QKeySequence& shortcut = {});
    QToolButton* addButton(const QString& objectName, const QString& hint, const QIcon& icon,
                           void (TForm1::*handler)());
    void resetDocument();
    void writeDocument(const std::string& path);
    int ask(const QString& question);
    void setBareCaption();
    void setNamedCaption();

    platform::DialogSeam& seam_;
    ProgramState& state_;
    DateTimeTexts& dateTime_;
    QTextEdit* RichEdit1_;
    platform::RichTextLines lines_;
    QTimer* Timer1_;
    QToolBar* ToolBar1_ = nullptr;
    QPushButton* suiButton1_ = nullptr;
    shell::StencoraHelpMenu* helpMenu_ = nullptr;
    QAction* Save1_ = nullptr;
    QAction* Createanewtemplate1_ = nullptr;
    QAction* ParameterManager1_ = nullptr;
    platform::FileDialogOptions OpenDialog1_;
    platform::FileDialogOptions SaveDialog1_;
    QDialog* form2_ = nullptr;
    QDialog* form3_ = nullptr;
    QDialog* form5_ = nullptr;
    bool shown_ = false;
};

} // namespace stencora
