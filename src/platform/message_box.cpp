#include "message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

MessageBox::MessageBox(QWidget* parent, const QString& caption, const QString& text,
                       const QList<MessageButton>& buttons)
    : QDialog(parent) {
    setObjectName("MessageBox");
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(14);
    auto* label = new QLabel(text, this);
    label->setObjectName("MessageText");
    label->setWordWrap(true);
    label->setMinimumWidth(300);
    label->setMaximumWidth(480);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < buttons.size(); ++i) {
        auto* b = new QPushButton(buttons[i].text, this);
        b->setObjectName("MessageButton" + QString::number(i + 1));
        b->setMinimumWidth(80);
        if (i == 0) {
            b->setDefault(true);
            b->setAutoDefault(true);
        }
        int code = buttons[i].result;
        connect(b, &QPushButton::clicked, this, [this, code] { done(code); });
        row->addWidget(b);
        buttons_.append(b);
    }
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MessageBox::reject() {
    done(ResultCancel);
}

InputBox::InputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& value)
    : QDialog(parent) {
    setObjectName("InputBox");
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    auto* label = new QLabel(prompt, this);
    label->setObjectName("InputPrompt");
    layout->addWidget(label);
    edit_ = new QLineEdit(value, this);
    edit_->setObjectName("InputEdit");
    edit_->setMinimumWidth(280);
    edit_->selectAll();
    layout->addWidget(edit_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("InputOk");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("InputCancel");
    connect(ok_, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(cancel_, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    row->addWidget(ok_);
    row->addWidget(cancel_);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void InputBox::reject() {
    done(ResultCancel);
}

QString InputBox::text() const {
    return edit_->text();
}

} // namespace platform
