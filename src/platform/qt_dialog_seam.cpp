#include "qt_dialog_seam.h"

#include "help_viewer.h"
#include "message_box.h"
#include "web_opener.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

QString QtFilterFrom(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << parts[i] + " (" + patterns + ")";
    }
    return out.join(";;");
}

int QtDialogSeam::message(QWidget* parent, const QString& caption, const QString& text,
                          const QList<MessageButton>& buttons) {
    MessageBox box(parent, caption, text, buttons);
    return box.exec();
}

int QtDialogSeam::input(QWidget* parent, const QString& caption, const QString& prompt, QString& value) {
    InputBox box(parent, caption, prompt, value);
    int result = box.exec();
    if (result == ResultOk)
        value = box.text();
    return result == ResultOk ? ResultOk : ResultCancel;
}

static void Prepare(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(options.caption);
    if (!options.directory.isEmpty())
        dialog.setDirectory(options.directory);
    dialog.setNameFilter(QtFilterFrom(options.filter));
    if (!options.defaultSuffix.isEmpty()) {
        QString suffix = options.defaultSuffix;
        if (suffix.startsWith("*."))
            suffix = suffix.mid(2);
        dialog.setDefaultSuffix(suffix);
    }
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
}

QString QtDialogSeam::openFileName(QWidget* parent, const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    Prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // a typed name of a missing file is accepted
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtDialogSeam::saveFileName(QWidget* parent, const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    Prepare(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtDialogSeam::print(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogSeam::chooseFont(QWidget* parent, QFont& font) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

bool QtDialogSeam::chooseColor(QWidget* parent, QColor& color) {
    QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

void QtDialogSeam::showHelp(QWidget* parent, const QString& helpFile, const QString& topic) {
    HelpViewer* viewer = HelpViewer::forOwner(parent);
    viewer->showTopic(helpFile, topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void QtDialogSeam::openWebAddress(QWidget*, const QString& address) {
    OpenWebAddress(address);
}

void QtDialogSeam::reportError(QWidget* parent, const QString& message) {
    MessageBox box(parent, "Error", message, OkButton());
    box.setObjectName("ErrorBox");
    box.exec();
}

int QtDialogSeam::execDialog(QDialog* dialog) {
    return dialog->exec();
}

} // namespace platform
