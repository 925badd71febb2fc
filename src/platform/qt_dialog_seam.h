#pragma once
#include "dialog_seam.h"

#include <QPointer>

namespace platform {

class HelpViewer;

// The real dialogs.
class QtDialogSeam : public DialogSeam {
public:
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
};

} // namespace platform
