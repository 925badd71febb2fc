#pragma once
// The generator main window of wrenfold: the library selector, the Generator command, the editors
// and the library chooser, and a plain-text box that works as a small text editor.
#include "wrenfold/generator/generator.h"
#include "wrenfold/generator/program_state.h"
#include "wrenfold/generator/random_source.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QMainWindow>
#include <functional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace platform {
class DialogSeam;
}
namespace shell {
class WrenfoldHelpMenu;
}

namespace wrenfold {

class FoldingPanel;
class TextBox;

inline constexpr char kTitle[] = "Wrenfold Verbarium 2.0";
inline constexpr char kHelpFileName[] = "wrenfold_help.chm";
inline constexpr char kAbortChangesQuestion[] =
    "The text has been changed, do you want to abort the changes?";
inline constexpr char kTextFileFilter[] = "Text File|*.txt";
inline constexpr char kSaveFileFilter[] = "Text File|*.txt|In All Files|*.*";

// The family the windows were designed with. It is not installed here; the font keeps the name
// (so the font dialog shows it and it survives a round trip) and the screen uses a substitute.
inline constexpr char kWindowFontFamily[] = "MS Sans Serif";
// The text box's font: 12 point (16 pixels at 96 dpi).
QFont DefaultTextFont();
// The window's default font, 8 point: the first choice of Font Set... and the printout's font.
QFont DefaultWindowFont();
// Makes the screen show kWindowFontFamily as a sans family that exists. Once, at start-up.
void InstallFontSubstitutes();

// A library selector keeps the bytes of each name with its entry, so that a name that is not
// valid UTF-8 still names its folder.
void AddLibraryEntry(QComboBox& selector, const std::string& name);
std::string LibraryEntryName(const QComboBox& selector, int index);

class TForm1 : public QMainWindow, private GeneratorUi {
    Q_OBJECT
public:
    TForm1(ProgramState& state, platform::DialogSeam& seam, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows that the commands show modally, made at start-up and owned by this window.
    void setAboutWindow(QDialog* about);
    void setLibraryChooser(QDialog* form5) { libraryChooser_ = form5; }
    void setVocabularyEditor(QDialog* form2) { vocabularyEditor_ = form2; }
    void setLanguageGrammarEditor(QDialog* form3) { languageGrammarEditor_ = form3; }
    // The clock of Date/Time.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    ProgramState& state() { return state_; }
    const shell::AppPaths& paths() const { return state_.paths; }
    shell::WrenfoldHelpMenu* helpMenu() const { return helpMenu_; }
    // The library selector; the chooser and the library editor set its selection directly, which
    // runs no handler of this window.
    QComboBox* librarySelector() const { return suiComboBox1; }
    // The text box; the editors copy its font.
    TextBox* textBox() const { return suiMemo1; }
    FoldingPanel* controlPanel() const { return suiPanel1; }
    QAction* action(const QString& objectName) const;
    // The modified flag: the enabled state of File > Save.
    bool isModified() const;

public slots:
    void FormShow();
    void suiComboBox1Change(int index);
    void suiMemo1Change();
    // Buttons of the control panel.
    void suiButton1Click();
    void suiButton2Click();
    void suiButton3Click();
    // File.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void Print1Click();
    void Exit1Click();
    // Edit.
    void Undo1Click();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    void Delete1Click();
    void SelectAll1Click();
    void DateTime1Click();
    // Library.
    void LanguageGrammarselct1Click();
    void VocabularyEditor1Click();
    void LanguageGrammarEditor1Click();
    void WrenfoldGenerator1Click();
    // TextFormat.
    void FontSet1Click();
    void BackgroundColor1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window side of the Generator command.
    void warnNoLibrary(const std::string& text) override;
    bool askCount(std::string& value) override;
    void appendText(const std::string& text) override;

    void buildMenus();
    void buildControls();
    QAction* addItem(QMenu* menu, const char* objectName, const char* caption, void (TForm1::*handler)());
    // The unsaved-changes question: true when there are no changes or the user lets them go.
    bool changesMayBeDropped();
    void warn(const QString& text);
    void writeTextTo(const QString& path);
    void updateCaption();
    void setModified(bool modified);

    ProgramState& state_;
    platform::DialogSeam& seam_;
    ClockSeedSource seeds_;
    RandomSource random_{seeds_};
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
    QFont lastChosenFont_ = DefaultWindowFont();
    QColor lastChosenColor_ = Qt::black;
    bool shown_ = false;

    QDialog* libraryChooser_ = nullptr;
    QDialog* vocabularyEditor_ = nullptr;
    QDialog* languageGrammarEditor_ = nullptr;
    shell::WrenfoldHelpMenu* helpMenu_ = nullptr;

    FoldingPanel* suiPanel1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* suiComboBox1 = nullptr;
    QPushButton* suiButton1 = nullptr;
    QPushButton* suiButton2 = nullptr;
    QPushButton* suiButton3 = nullptr;
    TextBox* suiMemo1 = nullptr;
    QAction* Save1 = nullptr;
};

} // namespace wrenfold
