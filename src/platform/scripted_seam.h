#pragma once
// The dialog seam of window tests: every modal question is answered from a script, in order, and
// recorded with its exact texts, so no test ever blocks on a dialog.
#include "dialog_seam.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

struct SeamCall {
    QString kind;    // "message", "input", "open", "save", "print", "font", "color", "help", "web",
                     // "error", "dialog"
    QString caption; // caption of a box or dialog; help file for "help"
    QString text;    // text or prompt; topic for "help"; address for "web"; object name for "dialog"
    QStringList buttons;
    FileDialogOptions file;
};

class ScriptedSeam : public DialogSeam {
public:
    // Answers, used front to back. A question without a scripted answer is recorded in
    // unscripted() and answered with Cancel.
    void answerMessage(int result) { messages_.push_back(result); }
    void answerInput(const QString& text) { inputs_.push_back(text); } // OK with this text
    void cancelInput() { inputs_.push_back(std::nullopt); }
    void answerFile(const QString& path) { files_.push_back(path); } // "" cancels
    // Confirms the print dialog after setup has chosen the printer (e.g. a PDF file).
    void answerPrint(std::function<void(QPrinter&)> setup) { prints_.push_back(std::move(setup)); }
    void cancelPrint() { prints_.push_back(nullptr); }
    void answerFont(const QFont& font) { fonts_.push_back(font); }
    void cancelFont() { fonts_.push_back(std::nullopt); }
    void answerColor(const QColor& color) { colors_.push_back(color); }
    void cancelColor() { colors_.push_back(std::nullopt); }
    // The script of the next modal window: it runs while the window is shown (after its show
    // handler) and may press its buttons. A window still open afterwards is closed as by its
    // title bar.
    void answerDialog(std::function<void(QDialog*)> script) { dialogs_.push_back(std::move(script)); }

    const std::vector<SeamCall>& calls() const { return calls_; }
    std::vector<SeamCall> callsOf(const QString& kind) const;
    const SeamCall& lastCall() const { return calls_.back(); }
    void clearCalls() { calls_.clear(); }
    const QStringList& unscripted() const { return unscripted_; }
    // True when every scripted answer was used.
    bool allAnswersUsed() const;
    // The start value the last font/colour dialog was opened with.
    QFont lastFontShown() const { return lastFont_; }
    QColor lastColorShown() const { return lastColor_; }

    int message(QWidget* parent, const QString& caption, const QString& text,
                const QList<MessageButton>& buttons) override;
    int input(QWidget* parent, const QString& caption, const QString& prompt, QString& value) override;
    QString openFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    bool print(QWidget* parent, QPrinter& printer) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool chooseColor(QWidget* parent, QColor& color) override;
    void showHelp(QWidget* parent, const QString& helpFile, const QString& topic) override;
    void openWebAddress(QWidget* parent, const QString& address) override;
    void reportError(QWidget* parent, const QString& message) override;
    int execDialog(QDialog* dialog) override;

private:
    std::deque<int> messages_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<QString> files_;
    std::deque<std::function<void(QPrinter&)>> prints_;
    std::deque<std::optional<QFont>> fonts_;
    std::deque<std::optional<QColor>> colors_;
    std::deque<std::function<void(QDialog*)>> dialogs_;
    std::vector<SeamCall> calls_;
    QStringList unscripted_;
    QFont lastFont_;
    QColor lastColor_;
};

} // namespace platform
