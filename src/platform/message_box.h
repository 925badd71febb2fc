#pragma once
// Modal message box and input box with the fixed result codes; closing either by its title bar
// counts as Cancel.
#include "dialog_seam.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {

class MessageBox : public QDialog {
    Q_OBJECT
public:
    MessageBox(QWidget* parent, const QString& caption, const QString& text,
               const QList<MessageButton>& buttons);
    QList<QPushButton*> buttons() const { return buttons_; }

protected:
    void reject() override; // Esc and the title bar: Cancel

private:
    QList<QPushButton*> buttons_;
};

class InputBox : public QDialog {
    Q_OBJECT
public:
    InputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& value);
    QString text() const;
    QLineEdit* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override; // Esc and the title bar: Cancel

private:
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace platform
