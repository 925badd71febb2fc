#include "main_window.h"

#include "folding_panel.h"
#include "platform/dialog_seam.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text_lines.h"
#include "shell/help_menu.h"
#include "text_box.h"
#include "text_printing.h"
#include "wrenfold/generator/library_store.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

std::string Bytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string PathBytes(const QString& path) {
    return Bytes(QFile::encodeName(path));
}

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

QFont DefaultTextFont() {
    QFont font(kWindowFontFamily);
    font.setPointSize(12);
    return font;
}

QFont DefaultWindowFont() {
    QFont font(kWindowFontFamily);
    font.setPointSize(8);
    return font;
}

void InstallFontSubstitutes() {
    const QStringList installed = QFontDatabase::families();
    QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const char* candidate : {"DejaVu Sans", "Liberation Sans", "Noto Sans", "Nimbus Sans", "FreeSans"}) {
        if (installed.contains(candidate)) {
            sans = candidate;
            break;
        }
    }
    QFont::insertSubstitution(kWindowFontFamily, sans);
}

void AddLibraryEntry(QComboBox& selector, const std::string& name) {
    selector.addItem(QString::fromUtf8(name), QByteArray::fromStdString(name));
}

std::string LibraryEntryName(const QComboBox& selector, int index) {
    if (index < 0 || index >= selector.count())
        return {};
    const QVariant bytes = selector.itemData(index);
    if (bytes.typeId() == QMetaType::QByteArray)
        return Bytes(bytes.toByteArray());
    return Bytes(selector.itemText(index).toUtf8());
}

TForm1::TForm1(ProgramState& state, platform::DialogSeam& seam, QWidget* parent)
    : QMainWindow(parent), state_(state), seam_(seam) {
    setObjectName("TForm1");
    resize(800, 600);
    buildControls();
    buildMenus();
    updateCaption();
}

TForm1::~TForm1() = default;

void TForm1::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName("suiForm1");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    suiPanel1 = new FoldingPanel("Control Panel", central);
    suiPanel1->setObjectName("suiPanel1");
    auto* row = new QHBoxLayout(suiPanel1->body());
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);
    Label1 = new QLabel("Select one Language/Grammar", suiPanel1->body());
    Label1->setObjectName("Label1");
    suiComboBox1 = new QComboBox(suiPanel1->body());
    suiComboBox1->setObjectName("suiComboBox1");
    suiComboBox1->setEditable(false);
    suiComboBox1->setMinimumWidth(180);
    suiComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    suiButton1 = new QPushButton("Generator", suiPanel1->body());
    suiButton1->setObjectName("suiButton1");
    suiButton2 = new QPushButton("Vocabulary Editor", suiPanel1->body());
    suiButton2->setObjectName("suiButton2");
    suiButton3 = new QPushButton("Language/Grammar Editor", suiPanel1->body());
    suiButton3->setObjectName("suiButton3");
    row->addWidget(Label1);
    row->addWidget(suiComboBox1, 1);
    row->addSpacing(8);
    row->addWidget(suiButton1);
    row->addWidget(suiButton2);
    row->addWidget(suiButton3);
    layout->addWidget(suiPanel1);

    suiMemo1 = new TextBox(central);
    suiMemo1->setObjectName("suiMemo1");
    suiMemo1->setTextFont(DefaultTextFont());
    layout->addWidget(suiMemo1, 1);
    setCentralWidget(central);

    // activated: only a pick by the user, not a selection set from code.
    connect(suiComboBox1, &QComboBox::activated, this, &TForm1::suiComboBox1Change);
    connect(suiButton1, &QPushButton::clicked, this, &TForm1::suiButton1Click);
    connect(suiButton2, &QPushButton::clicked, this, &TForm1::suiButton2Click);
    connect(suiButton3, &QPushButton::clicked, this, &TForm1::suiButton3Click);
    connect(suiMemo1, &QPlainTextEdit::textChanged, this, &TForm1::suiMemo1Change);
}

QAction* TForm1::addItem(QMenu* menu, const char* objectName, const char* caption,
                         void (TForm1::*handler)()) {
    auto* a = new QAction(caption, menu);
    a->setObjectName(objectName);
    menu->addAction(a);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("suiMainMenu1");

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("File1");
    addItem(file, "New1", "New", &TForm1::New1Click);
    addItem(file, "Open1", "Open", &TForm1::Open1Click);
    Save1 = addItem(file, "Save1", "Save", &TForm1::Save1Click);
    Save1->setEnabled(false);
    addItem(file, "Saveas1", "Save as...", &TForm1::Saveas1Click);
    file->addSeparator();
    addItem(file, "Print1", "Print...", &TForm1::Print1Click);
    file->addSeparator();
    addItem(file, "Exit1", "Exit", &TForm1::Exit1Click);

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("Edit1");
    addItem(edit, "Undo1", "Undo", &TForm1::Undo1Click);
    edit->addSeparator();
    addItem(edit, "Copy1", "Copy", &TForm1::Copy1Click);
    addItem(edit, "Cut1", "Cut", &TForm1::Cut1Click);
    addItem(edit, "Paste1", "Paste", &TForm1::Paste1Click);
    addItem(edit, "Delete1", "Delete", &TForm1::Delete1Click);
    edit->addSeparator();
    addItem(edit, "SelectAll1", "Select All", &TForm1::SelectAll1Click);
    edit->addSeparator();
    addItem(edit, "DateTime1", "Date/Time", &TForm1::DateTime1Click);

    QMenu* library = bar->addMenu("&Library");
    library->setObjectName("Library1");
    addItem(library, "LanguageGrammarselct1", "Language/Grammar selct", &TForm1::LanguageGrammarselct1Click);
    addItem(library, "VocabularyEditor1", "Vocabulary Editor", &TForm1::VocabularyEditor1Click);
    addItem(library, "LanguageGrammarEditor1", "Language/Grammar Editor",
            &TForm1::LanguageGrammarEditor1Click);
    library->addSeparator();
    addItem(library, "WrenfoldGenerator1", "Wrenfold Generator", &TForm1::WrenfoldGenerator1Click);

    QMenu* format = bar->addMenu("TextFormat");
    format->setObjectName("extFormat1");
    addItem(format, "FontSet1", "Font Set...", &TForm1::FontSet1Click);
    addItem(format, "BackgroundColor1", "Background Color", &TForm1::BackgroundColor1Click);

    helpMenu_ = new shell::WrenfoldHelpMenu(bar, this, seam_, state_.paths, nullptr);
}

void TForm1::setAboutWindow(QDialog* about) {
    helpMenu_->setAboutWindow(about);
}

QAction* TForm1::action(const QString& objectName) const {
    return menuBar()->findChild<QAction*>(objectName);
}

bool TForm1::isModified() const {
    return Save1->isEnabled();
}

void TForm1::setModified(bool modified) {
    Save1->setEnabled(modified);
}

void TForm1::updateCaption() {
    if (state_.currentFileName.empty())
        setWindowTitle(kTitle);
    else
        setWindowTitle(QString(kTitle) + " - " + PathText(state_.currentFileName));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    // The application directory comes first: the library list is the one in it, the same file
    // that the library editor writes, wherever the program was started from.
    const std::string executable =
        state_.executablePath.empty() ? shell::RunningExecutablePath() : state_.executablePath;
    state_.paths = shell::DerivePaths(executable, kHelpFileName, false);

    Lines names;
    try {
        names = ReadLibraryList(LibraryListPath(state_.paths.applicationDirectory));
    } catch (const platform::Error& e) {
        // Reported once the window is on the screen, and the program starts without libraries.
        const QString message = QString::fromUtf8(e.what());
        QTimer::singleShot(0, this, [this, message] { seam_.reportError(this, message); });
    }
    suiComboBox1->clear();
    for (const std::string& name : names)
        AddLibraryEntry(*suiComboBox1, name);
    suiComboBox1->setCurrentIndex(suiComboBox1->count() > 0 ? 0 : -1);
    state_.currentLibraryName = LibraryEntryName(*suiComboBox1, suiComboBox1->currentIndex());
    suiMemo1->setFocus();
    state_.currentFileName.clear();
    updateCaption();
}

void TForm1::suiComboBox1Change(int index) {
    state_.currentLibraryName = LibraryEntryName(*suiComboBox1, index);
}

void TForm1::suiMemo1Change() {
    setModified(true);
}

// --- The Generator command and its window side. ---

void TForm1::suiButton1Click() {
    RunGeneratorCommand(state_.paths.applicationDirectory, state_.currentLibraryName, *this, random_);
}

void TForm1::WrenfoldGenerator1Click() {
    suiButton1Click();
}

void TForm1::warn(const QString& text) {
    seam_.message(this, kWarningCaption, text, platform::YesCancelButtons());
}

void TForm1::warnNoLibrary(const std::string& text) {
    warn(QString::fromUtf8(text));
}

bool TForm1::askCount(std::string& value) {
    QString text = QString::fromUtf8(value);
    if (seam_.input(this, kCountCaption, kCountPrompt, text) != platform::ResultOk)
        return false;
    value = Bytes(text.toUtf8());
    return true;
}

void TForm1::appendText(const std::string& text) {
    suiMemo1->appendAtEnd(QString::fromUtf8(text));
}

// --- Editors and the chooser. ---

void TForm1::suiButton2Click() {
    if (state_.currentLibraryName.empty()) {
        warn(kNoLibraryWarning);
        return;
    }
    if (vocabularyEditor_)
        seam_.execDialog(vocabularyEditor_);
}

void TForm1::VocabularyEditor1Click() {
    suiButton2Click();
}

void TForm1::suiButton3Click() {
    if (languageGrammarEditor_)
        seam_.execDialog(languageGrammarEditor_);
}

void TForm1::LanguageGrammarEditor1Click() {
    suiButton3Click();
}

void TForm1::LanguageGrammarselct1Click() {
    if (libraryChooser_)
        seam_.execDialog(libraryChooser_);
}

// --- File. ---

bool TForm1::changesMayBeDropped() {
    if (!isModified())
        return true;
    return seam_.message(this, kWarningCaption, kAbortChangesQuestion, platform::YesCancelButtons()) ==
           platform::ResultYes;
}

void TForm1::New1Click() {
    if (!changesMayBeDropped())
        return;
    suiMemo1->clear();
    state_.currentFileName.clear();
    updateCaption();
    setModified(false);
}

void TForm1::Open1Click() {
    if (!changesMayBeDropped())
        return;
    const QString path = seam_.openFileName(this, {"Open", QString(), kTextFileFilter, QString()});
    if (path.isEmpty())
        return;
    // Read before anything changes: a file that cannot be read leaves the window as it was.
    const std::string bytes = platform::ReadFileBytes(PathBytes(path));
    std::string joined;
    joined.reserve(bytes.size());
    const Lines lines = platform::SplitLinesWhole(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined.push_back('\n');
        joined += lines[i];
    }
    suiMemo1->setText(QString::fromUtf8(joined));
    state_.currentFileName = PathBytes(path);
    updateCaption();
    setModified(false);
}

void TForm1::writeTextTo(const QString& path) {
    // The text exactly, lines joined by CR LF, written whole through a temporary file so that a
    // failed save leaves the old file as it was.
    QString text = suiMemo1->text();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    platform::WriteFileAtomic(PathBytes(path), Bytes(text.toUtf8()));
}

void TForm1::Save1Click() {
    if (state_.currentFileName.empty()) {
        Saveas1Click();
        return;
    }
    writeTextTo(PathText(state_.currentFileName));
    setModified(false);
}

void TForm1::Saveas1Click() {
    const QString path = seam_.saveFileName(this, {"Save As", QString(), kSaveFileFilter, "txt"});
    if (path.isEmpty())
        return;
    writeTextTo(path);
    state_.currentFileName = PathBytes(path);
    updateCaption();
    setModified(false);
}

void TForm1::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kTitle);
    if (!seam_.print(this, printer))
        return;
    PrintTextLines(printer, suiMemo1->displayedLines(), DefaultWindowFont());
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Unsaved text is not dropped without asking, whether by Exit or by the title bar.
    if (changesMayBeDropped())
        event->accept();
    else
        event->ignore();
}

// --- Edit. ---

void TForm1::Undo1Click() {
    suiMemo1->undo();
}

void TForm1::Copy1Click() {
    suiMemo1->copy();
}

void TForm1::Cut1Click() {
    suiMemo1->cut();
}

void TForm1::Paste1Click() {
    suiMemo1->paste();
}

void TForm1::Delete1Click() {
    QTextCursor cursor = suiMemo1->textCursor();
    cursor.removeSelectedText();
    suiMemo1->setTextCursor(cursor);
}

void TForm1::SelectAll1Click() {
    suiMemo1->selectAll();
}

void TForm1::DateTime1Click() {
    // The short date, a blank and the long time, inserted after the selection, which stays.
    const QDateTime now = clock_();
    const QLocale locale = QLocale::system();
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + ' ' +
                         locale.toString(now, locale.timeFormat(QLocale::LongFormat));
    QTextCursor cursor = suiMemo1->textCursor();
    cursor.setPosition(cursor.selectionEnd());
    cursor.insertText(text);
    suiMemo1->setTextCursor(cursor);
    suiMemo1->setFocus();
}

// --- TextFormat. ---

void TForm1::FontSet1Click() {
    // The dialog starts from its own last choice, not from the text box's font.
    QFont font = lastChosenFont_;
    if (!seam_.chooseFont(this, font))
        return;
    lastChosenFont_ = font;
    suiMemo1->setTextFont(font);
}

void TForm1::BackgroundColor1Click() {
    QColor color = lastChosenColor_;
    if (!seam_.chooseColor(this, color))
        return;
    lastChosenColor_ = color;
    // A style rule, since the skin's style sheet would override a palette colour.
    suiMemo1->setStyleSheet(QString("QPlainTextEdit#suiMemo1 { background: %1; }").arg(color.name()));
}

} // namespace wrenfold
