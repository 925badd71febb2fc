#include "scripted_seam.h"

#include <QDialog>
#include <QPrinter>

namespace platform {

std::vector<SeamCall> ScriptedSeam::callsOf(const QString& kind) const {
    std::vector<SeamCall> out;
    for (const auto& c : calls_)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

bool ScriptedSeam::allAnswersUsed() const {
    return messages_.empty() && inputs_.empty() && files_.empty() && prints_.empty() && fonts_.empty() &&
           colors_.empty() && dialogs_.empty();
}

int ScriptedSeam::message(QWidget*, const QString& caption, const QString& text,
                          const QList<MessageButton>& buttons) {
    SeamCall call{"message", caption, text, {}, {}};
    for (const auto& b : buttons)
        call.buttons << b.text;
    calls_.push_back(call);
    if (messages_.empty()) {
        unscripted_ << "message: " + text;
        return ResultCancel;
    }
    int r = messages_.front();
    messages_.pop_front();
    return r;
}

int ScriptedSeam::input(QWidget*, const QString& caption, const QString& prompt, QString& value) {
    calls_.push_back({"input", caption, prompt, {value}, {}});
    if (inputs_.empty()) {
        unscripted_ << "input: " + prompt;
        return ResultCancel;
    }
    auto answer = inputs_.front();
    inputs_.pop_front();
    if (!answer)
        return ResultCancel;
    value = *answer;
    return ResultOk;
}

QString ScriptedSeam::openFileName(QWidget*, const FileDialogOptions& options) {
    calls_.push_back({"open", options.caption, {}, {}, options});
    if (files_.empty()) {
        unscripted_ << "open";
        return {};
    }
    QString f = files_.front();
    files_.pop_front();
    return f;
}

QString ScriptedSeam::saveFileName(QWidget*, const FileDialogOptions& options) {
    calls_.push_back({"save", options.caption, {}, {}, options});
    if (files_.empty()) {
        unscripted_ << "save";
        return {};
    }
    QString f = files_.front();
    files_.pop_front();
    return f;
}

bool ScriptedSeam::print(QWidget*, QPrinter& printer) {
    calls_.push_back({"print", printer.docName(), {}, {}, {}});
    if (prints_.empty()) {
        unscripted_ << "print";
        return false;
    }
    auto setup = prints_.front();
    prints_.pop_front();
    if (!setup)
        return false;
    setup(printer);
    return true;
}

bool ScriptedSeam::chooseFont(QWidget*, QFont& font) {
    lastFont_ = font;
    calls_.push_back({"font", {}, font.family(), {}, {}});
    if (fonts_.empty()) {
        unscripted_ << "font";
        return false;
    }
    auto f = fonts_.front();
    fonts_.pop_front();
    if (!f)
        return false;
    font = *f;
    return true;
}

bool ScriptedSeam::chooseColor(QWidget*, QColor& color) {
    lastColor_ = color;
    calls_.push_back({"color", {}, color.name(), {}, {}});
    if (colors_.empty()) {
        unscripted_ << "color";
        return false;
    }
    auto c = colors_.front();
    colors_.pop_front();
    if (!c)
        return false;
    color = *c;
    return true;
}

void ScriptedSeam::showHelp(QWidget*, const QString& helpFile, const QString& topic) {
    calls_.push_back({"help", helpFile, topic, {}, {}});
}

void ScriptedSeam::openWebAddress(QWidget*, const QString& address) {
    calls_.push_back({"web", {}, address, {}, {}});
}

void ScriptedSeam::reportError(QWidget*, const QString& message) {
    calls_.push_back({"error", "Error", message, {"OK"}, {}});
}

int ScriptedSeam::execDialog(QDialog* dialog) {
    calls_.push_back({"dialog", dialog->windowTitle(), dialog->objectName(), {}, {}});
    std::function<void(QDialog*)> script;
    if (dialogs_.empty())
        unscripted_ << "dialog: " + dialog->objectName();
    else {
        script = std::move(dialogs_.front());
        dialogs_.pop_front();
    }
    dialog->setResult(0);
    dialog->show();
    if (script)
        script(dialog);
    if (dialog->isVisible())
        dialog->close();
    return dialog->result();
}

} // namespace platform
