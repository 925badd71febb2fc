// The File menu of the main window: new, create from template, open, save, print and exit, and
// the timer that opens the create-from-template dialog after start-up.
#include "main_window.h"

#include "platform/files.h"
#include "platform/rtf_document.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/window_parts.h"

#include <QAction>
#include <QCloseEvent>
#include <QPrinter>
#include <QTextEdit>
#include <QTimer>

namespace stencora {

namespace {
constexpr char kNewQuestion[] =
    "The text has not been saved. Do you want to create a new one without saving it?";
constexpr char kFromTemplateQuestion[] =
    "The text has not been saved. Do you want to create a new one from template without saving it?";
constexpr char kOpenQuestion[] =
    "The text has not been saved. Do you want to open a new one without saving it?";
constexpr char kExitQuestion[] = "The text has been changed. Do you want to save it?";
} // namespace

int TForm1::ask(const QString& question) {
    return seam_.message(this, "Warning", question, platform::OkCancelButtons());
}

void TForm1::resetDocument() {
    QTextDocument& doc = *RichEdit1_->document();
    doc.clear();
    platform::ApplyDocumentDefaults(doc);
    doc.setDocumentMargin(kDocumentMargin);
    doc.clearUndoRedoStacks();
}

void TForm1::writeDocument(const std::string& path) {
    // Written beside the file and renamed over it: a write that fails leaves the old file whole.
    const QByteArray bytes = platform::SaveRtf(*RichEdit1_->document());
    platform::WriteFileAtomic(path, bytes.toStdString());
}

void TForm1::Document1Click() {
    if (isModified() && ask(kNewQuestion) != platform::ResultOk) {
        setBareCaption();
        return;
    }
    state_.CurrentFileName.clear();
    resetDocument();
    clearModified();
    leaveNewWizardMode();
    setBareCaption();
}

void TForm1::CreateFromTemplate1Click() {
    if ((!isModified() || ask(kFromTemplateQuestion) == platform::ResultOk) && form2_)
        seam_.execDialog(form2_);
    setBareCaption();
}

void TForm1::Open1Click() {
    if (!isModified() || ask(kOpenQuestion) == platform::ResultOk) {
        const QString file = seam_.openFileName(this, OpenDialog1_);
        if (!file.isEmpty()) {
            loadDocument(Utf8(file));
            clearModified();
            state_.CurrentFileName = Utf8(file);
            leaveNewWizardMode();
        }
    }
    setNamedCaption();
}

void TForm1::Save1Click() {
    if (!state_.CurrentFileName.empty()) {
        writeDocument(state_.CurrentFileName);
        clearModified();
    } else {
        Saveas1Click();
    }
    setNamedCaption();
}

void TForm1::Saveas1Click() {
    const QString file = seam_.saveFileName(this, SaveDialog1_);
    if (!file.isEmpty()) {
        writeDocument(Utf8(file));
        state_.CurrentFileName = Utf8(file);
        clearModified();
    }
    setNamedCaption();
}

void TForm1::Print1Click() {
    QPrinter printer;
    printer.setDocName(windowTitle());
    if (seam_.print(this, printer))
        RichEdit1_->print(&printer);
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Exit and the title bar end the same way. The event is refused first, so a save that fails
    // with an error report keeps the window open.
    event->ignore();
    if (isModified() && ask(kExitQuestion) == platform::ResultOk) {
        Save1Click();
        if (isModified())
            return; // the Save-as dialog was cancelled: nothing was saved, so the program stays
    }
    event->accept();
}

void TForm1::Timer1Timer() {
    Timer1_->stop();
    if (form2_)
        seam_.execDialog(form2_);
}

} // namespace stencora
