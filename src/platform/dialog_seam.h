#pragma once
// The one seam through which windows ask the user anything modal: message and input boxes, file,
// print, font and colour dialogs, help pages, web pages, the error report and the modal showing
// of the program's own windows. Production uses QtDialogSeam; window tests use ScriptedSeam.
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QWidget;
class QDialog;
class QPrinter;

namespace platform {

// Fixed result codes of message and input boxes.
enum Result : int { ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

struct MessageButton {
    QString text;
    int result;
};

inline QList<MessageButton> OkButton() {
    return {{"OK", ResultOk}};
}
inline QList<MessageButton> OkCancelButtons() {
    return {{"OK", ResultOk}, {"Cancel", ResultCancel}};
}
inline QList<MessageButton> YesCancelButtons() {
    return {{"Yes", ResultYes}, {"Cancel", ResultCancel}};
}

struct FileDialogOptions {
    QString caption;
    QString directory;     // initial folder; empty: the system's default
    QString filter;        // "Rich Text Format|*.rtf" style, pairs of name|patterns
    QString defaultSuffix; // "rtf", added to a typed name without extension
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;

    // A message box; the first button is the default one. Returns the pressed button's result,
    // ResultCancel when closed by the title bar or Esc.
    virtual int message(QWidget* parent, const QString& caption, const QString& text,
                        const QList<MessageButton>& buttons) = 0;
    // An input box; value changes only when it ends with OK. Returns ResultOk or ResultCancel.
    virtual int input(QWidget* parent, const QString& caption, const QString& prompt, QString& value) = 0;
    // File dialogs; an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    // The print dialog on printer; true when confirmed.
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
    // Font and colour dialogs starting at the given value; true and the new value on OK.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    virtual bool chooseColor(QWidget* parent, QColor& color) = 0;
    // A topic page of a compiled help file, in a viewer window owned by parent.
    virtual void showHelp(QWidget* parent, const QString& helpFile, const QString& topic) = 0;
    // A web address without scheme, in the desktop's browser.
    virtual void openWebAddress(QWidget* parent, const QString& address) = 0;
    // The error report for a command that failed.
    virtual void reportError(QWidget* parent, const QString& message) = 0;
    // Shows one of the program's own windows modally; returns its result.
    virtual int execDialog(QDialog* dialog) = 0;
};

// Splits "Name|*.a;*.b|Other|*.*" into Qt's "Name (*.a *.b);;Other (*.*)".
QString QtFilterFrom(const QString& filter);

} // namespace platform
