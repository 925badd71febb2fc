#include "main_window.h"

#include "platform/files.h"
#include "platform/rtf_document.h"
#include "shell/app_paths.h"
#include "shell/help_menu.h"
#include "stencora/editor/toolbar_icons.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/window_parts.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace stencora {

TForm1::TForm1(platform::DialogSeam& seam, ProgramState& state, DateTimeTexts& dateTime, QWidget* parent)
    : QMainWindow(parent), seam_(seam), state_(state), dateTime_(dateTime), RichEdit1_(new QTextEdit),
      lines_(*RichEdit1_->document()), Timer1_(new QTimer(this)) {
    setObjectName("TForm1");
    setWindowTitle(kTitle);
    resize(607, 457);
    setMinimumWidth(130);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    OpenDialog1_ = {"Open", QString(), "Rich Text Format|*.rtf", "*.rtf"};
    SaveDialog1_ = {"Save As", QString(), "Rich Text Format (RTF)|*.rtf", "*.rtf"};

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new CaptionPanel("suiPanel1", "Control Panel", central);
    panel->body()->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(panel);
    buildMenus();
    buildToolBar(panel);

    RichEdit1_->setParent(central);
    RichEdit1_->setObjectName("RichEdit1");
    RichEdit1_->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1_->setAcceptRichText(true);
    platform::ApplyDocumentDefaults(*RichEdit1_->document());
    // The control hands its own font to the document whenever that font changes (style, skin):
    // it is the document's default font too.
    RichEdit1_->setFont(RichEdit1_->document()->defaultFont());
    RichEdit1_->document()->setDocumentMargin(kDocumentMargin);
    RichEdit1_->document()->clearUndoRedoStacks();
    layout->addWidget(RichEdit1_, 1);
    setCentralWidget(central);
    connect(RichEdit1_, &QTextEdit::textChanged, this, &TForm1::RichEdit1Change);

    // Runs from the window's creation; its first firing opens the create-from-template dialog.
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(500);
    connect(Timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1_->start();
}

QAction* TForm1::addItem(QMenu* menu, const QString& objectName, const QString& caption,
                         void (TForm1::*handler)(), const QKeySequence& shortcut) {
    auto* a = new QAction(caption, menu);
    a->setObjectName(objectName);
    a->setShortcut(shortcut);
    menu->addAction(a);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void TForm1::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    QMenu* newMenu = file->addMenu("New");
    newMenu->setObjectName("New1");
    addItem(newMenu, "Document1", "Document", &TForm1::Document1Click, QKeySequence::New);
    addItem(newMenu, "CreateFromTemplate1", "Create From Template...", &TForm1::CreateFromTemplate1Click);
    addItem(file, "Open1", "Open", &TForm1::Open1Click, QKeySequence::Open);
    Save1_ = addItem(file, "Save1", "Save", &TForm1::Save1Click, QKeySequence::Save);
    addItem(file, "Saveas1", "Save as...", &TForm1::Saveas1Click);
    file->addSeparator();
    addItem(file, "Print1", "Print...", &TForm1::Print1Click, QKeySequence::Print);
    file->addSeparator();
    addItem(file, "Exit1", "Exit", &TForm1::Exit1Click);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Edit1");
    addItem(edit, "Undo1", "Undo", &TForm1::Undo1Click, QKeySequence::Undo);
    edit->addSeparator();
    addItem(edit, "Copy1", "Copy", &TForm1::Copy1Click, QKeySequence::Copy);
    addItem(edit, "Cut1", "Cut", &TForm1::Cut1Click, QKeySequence::Cut);
    addItem(edit, "Paste1", "Paste", &TForm1::Paste1Click, QKeySequence::Paste);
    addItem(edit, "Clear1", "Clear", &TForm1::Clear1Click);
    addItem(edit, "SelectAll1", "Select All", &TForm1::SelectAll1Click, QKeySequence::SelectAll);

    QMenu* templates = menuBar()->addMenu("&Templates");
    templates->setObjectName("Templates1");
    Createanewtemplate1_ = new QAction("Create a new wizard", templates);
    Createanewtemplate1_->setObjectName("Createanewtemplate1");
    Createanewtemplate1_->setCheckable(true);
    templates->addAction(Createanewtemplate1_);
    connect(Createanewtemplate1_, &QAction::triggered, this, [this] {
        // The action has already flipped its check mark; the command decides from the mark it had.
        Createanewtemplate1_->setChecked(!Createanewtemplate1_->isChecked());
        Createanewtemplate1Click();
    });
    ParameterManager1_ =
        addItem(templates, "ParameterManager1", "Parameter Manager", &TForm1::ParameterManager1Click);
    ParameterManager1_->setEnabled(false);
    templates->addSeparator();
    addItem(templates, "emplatemanager1", "Template manager", &TForm1::emplatemanager1Click);

    QMenu* insert = menuBar()->addMenu("&Insert");
    insert->setObjectName("Insert1");
    addItem(insert, "Date1", "Date", &TForm1::Date1Click);
    addItem(insert, "ime1", "Time", &TForm1::ime1Click);
    insert->addSeparator();
    QMenu* parameter = insert->addMenu("Parameter");
    parameter->setObjectName("Parameter1");
    addItem(parameter, "Date2", "Date", &TForm1::Date2Click);
    addItem(parameter, "ime2", "Time", &TForm1::ime2Click);

    helpMenu_ = new shell::StencoraHelpMenu(menuBar(), this, seam_, state_.paths, nullptr);
}

QToolButton* TForm1::addButton(const QString& objectName, const QString& hint, const QIcon& icon,
                               void (TForm1::*handler)()) {
    auto* b = new QToolButton(ToolBar1_);
    b->setObjectName(objectName);
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setAutoRaise(true);
    ToolBar1_->addWidget(b);
    if (handler)
        connect(b, &QToolButton::clicked, this, handler);
    return b;
}

void TForm1::buildToolBar(QWidget* panel) {
    ToolBar1_ = new QToolBar("ToolBar1", panel);
    ToolBar1_->setObjectName("ToolBar1");
    ToolBar1_->setIconSize(QSize(24, 24));
    ToolBar1_->setMovable(false);
    static_cast<CaptionPanel*>(panel)->body()->addWidget(ToolBar1_);

    using I = ToolbarIcon;
    addButton("ToolButton3", "New Document", MakeToolbarIcon(I::NewDocument), &TForm1::ToolButton3Click);
    addButton("ToolButton2", "Open an existing document", MakeToolbarIcon(I::Open),
              &TForm1::ToolButton2Click);
    addButton("ToolButton1", "Save the current document", MakeToolbarIcon(I::Save),
              &TForm1::ToolButton1Click);
    ToolBar1_->addSeparator();
    addButton("ToolButton5", "Print current document", MakeToolbarIcon(I::Print), &TForm1::ToolButton5Click);
    ToolBar1_->addSeparator();
    addButton("ToolButton7", "Copy", MakeToolbarIcon(I::Copy), &TForm1::ToolButton7Click);
    addButton("ToolButton8", "Cut", MakeToolbarIcon(I::Cut), &TForm1::ToolButton8Click);
    addButton("ToolButton9", "Paste", MakeToolbarIcon(I::Paste), &TForm1::ToolButton9Click);
    addButton("ToolButton10", "Undo", MakeToolbarIcon(I::Undo), &TForm1::ToolButton10Click);
    ToolBar1_->addSeparator();
    addButton("ToolButton12", "Insert Date & Time", MakeToolbarIcon(I::InsertDateTime),
              &TForm1::ToolButton12Click);
    addButton("ToolButton13", "Insert parameters of Date & Time", MakeToolbarIcon(I::InsertDateTimeTokens),
              &TForm1::ToolButton13Click);
    ToolBar1_->addSeparator();
    suiButton1_ = new QPushButton("Set As Parameter", ToolBar1_);
    suiButton1_->setObjectName("suiButton1");
    suiButton1_->setToolTip("Set the selected text as a parameter fof template file");
    suiButton1_->setEnabled(false);
    suiButton1_->setFocusPolicy(Qt::NoFocus); // the selection in the document stays visible
    ToolBar1_->addWidget(suiButton1_);
    connect(suiButton1_, &QPushButton::clicked, this, &TForm1::suiButton1Click);
    ToolBar1_->addSeparator();
    QToolButton* help =
        addButton("ToolButton15", "How to create customized template?", MakeToolbarIcon(I::Help), nullptr);
    help->setCursor(Qt::PointingHandCursor);
    connect(help, &QToolButton::clicked, helpMenu_, &shell::StencoraHelpMenu::ToolButton15Click);
}

void TForm1::setAboutWindow(QDialog* about) {
    helpMenu_->setAboutWindow(about);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    setUpPaths(shell::DerivePaths(shell::RunningExecutablePath(), kHelpFileName, true));
}

void TForm1::setUpPaths(const shell::AppPaths& paths) {
    state_.paths = paths;
    // The file dialogs start in the template directory when there is one, else in the system's
    // default folder.
    const QString dir =
        platform::DirectoryExists(paths.templateDirectory) ? FromUtf8(paths.templateDirectory) : QString();
    OpenDialog1_.directory = dir;
    SaveDialog1_.directory = dir;
    state_.CurrentFileName.clear();
    state_.NewWizardPending = false;
}

void TForm1::setBareCaption() {
    setWindowTitle(kTitle);
}

void TForm1::setNamedCaption() {
    setWindowTitle(QString(kTitle) + " - " + FromUtf8(state_.CurrentFileName));
}

void TForm1::RichEdit1Change() {
    Save1_->setEnabled(true);
}

bool TForm1::isModified() const {
    return Save1_->isEnabled();
}

void TForm1::clearModified() {
    Save1_->setEnabled(false);
}

void TForm1::loadDocument(const std::string& path) {
    const std::string bytes = platform::ReadFileBytes(path); // a file that can't be read changes nothing
    platform::LoadRtf(QByteArray::fromStdString(bytes), *RichEdit1_->document());
    RichEdit1_->document()->setDocumentMargin(kDocumentMargin);
    RichEdit1_->document()->clearUndoRedoStacks(); // Undo never takes the loaded document apart
    RichEdit1_->moveCursor(QTextCursor::Start);
}

void TForm1::replaceSelection(const std::string& text) {
    QTextCursor cursor = RichEdit1_->textCursor();
    QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection()) {
        // The format of the first selected character.
        QTextCursor first(RichEdit1_->document());
        first.setPosition(cursor.selectionStart());
        first.movePosition(QTextCursor::NextCharacter);
        format = first.charFormat();
    }
    cursor.insertText(FromUtf8(text), format);
    RichEdit1_->setTextCursor(cursor);
}

void TForm1::Undo1Click() {
    RichEdit1_->undo();
}

void TForm1::Copy1Click() {
    RichEdit1_->copy();
}

void TForm1::Cut1Click() {
    RichEdit1_->cut();
}

void TForm1::Paste1Click() {
    RichEdit1_->paste();
}

void TForm1::Clear1Click() {
    QTextCursor cursor = RichEdit1_->textCursor();
    cursor.removeSelectedText();
    RichEdit1_->setTextCursor(cursor);
}

void TForm1::SelectAll1Click() {
    RichEdit1_->selectAll();
}

} // namespace stencora
