#include "wizard_step.h"

#include "platform/integer.h"
#include "stencora/templates/document_host.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/window_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace stencora {

namespace {

QLabel* BoldLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPlainTextEdit* QuestionMemo(const QString& objectName, bool readOnly, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setReadOnly(readOnly);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    QFont f = memo->font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    memo->setFont(f);
    return memo;
}

} // namespace

TForm4::TForm4(ProgramState& state, DocumentHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host) {
    setObjectName("TForm4");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(460, 300);

    // Question step.
    auto* panel1 = new CaptionPanel("suiPanel1", "Please input the answer to the question", this);
    suiPanel1_ = panel1;
    panel1->body()->addWidget(BoldLabel("Label1", "Question:", panel1));
    suiMemo1_ = QuestionMemo("suiMemo1", true, panel1);
    panel1->body()->addWidget(suiMemo1_, 1);
    panel1->body()->addSpacing(4);
    panel1->body()->addWidget(BoldLabel("Label3", "Answer:", panel1));
    suiEdit1_ = new QLineEdit(panel1);
    suiEdit1_->setObjectName("suiEdit1");
    panel1->body()->addWidget(suiEdit1_);

    // Choice step.
    auto* panel2 = new CaptionPanel("suiPanel2", "Wizard", this);
    suiPanel2_ = panel2;
    panel2->body()->addWidget(BoldLabel("Label2", "Question", panel2));
    suiMemo2_ = QuestionMemo("suiMemo2", false, panel2);
    suiMemo2_->setMaximumHeight(90);
    panel2->body()->addWidget(suiMemo2_);
    suiRadioGroup1_ = new QGroupBox(panel2);
    suiRadioGroup1_->setObjectName("suiRadioGroup1");
    auto* column = new QVBoxLayout(suiRadioGroup1_);
    column->setContentsMargins(10, 8, 10, 8);
    for (int i = 0; i < 4; ++i) {
        radio_[i] = new QRadioButton("none", suiRadioGroup1_);
        radio_[i]->setObjectName(QString("suiRadioButton%1").arg(i + 1));
        column->addWidget(radio_[i]);
    }
    column->addStretch(1);
    radio_[0]->setChecked(true);
    panel2->body()->addWidget(suiRadioGroup1_, 1);

    suiButton1_ = new QPushButton("Next Step =>", this);
    suiButton1_->setObjectName("suiButton1");
    suiButton1_->setDefault(true);
    suiButton1_->setMinimumWidth(110);
    connect(suiButton1_, &QPushButton::clicked, this, &TForm4::suiButton1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* panels = new QGridLayout;
    panels->addWidget(suiPanel1_, 0, 0); // both panels lie in the same place; one is shown
    panels->addWidget(suiPanel2_, 0, 0);
    layout->addLayout(panels, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(suiButton1_);
    layout->addLayout(buttons);
    suiPanel2_->hide();
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm4::FormShow() {
    const WizardParameter& p = state_.CurrentWizardParameter;
    if (p.Type == kQuestionType) {
        suiPanel2_->hide();
        suiPanel1_->show();
        suiMemo1_->setPlainText(FromUtf8(p.QuestionText));
        suiEdit1_->clear();
        suiEdit1_->setFocus();
        return;
    }
    suiPanel1_->hide();
    suiPanel2_->show();
    suiMemo2_->setPlainText(FromUtf8(p.QuestionText));
    for (auto* r : radio_) {
        r->setText(QString());
        r->setEnabled(true);
    }
    showAnswers(platform::StrToInt(p.AnswerCount));
    radio_[0]->setFocus();
}

void TForm4::showAnswers(int count) {
    const WizardParameter& p = state_.CurrentWizardParameter;
    const std::string* captions[4] = {&p.AnswerA, &p.AnswerB, &p.AnswerC, &p.AnswerD};
    const int shown = count == 2 ? 2 : count == 3 ? 3 : 4;
    for (int i = 0; i < 4; ++i) {
        if (i < shown) {
            radio_[i]->setText(FromUtf8(*captions[i]));
            radio_[i]->show();
        } else {
            radio_[i]->setText("none");
            radio_[i]->hide();
            radio_[i]->setEnabled(false);
        }
    }
    // A step keeps the answer the previous choice step left checked. When that answer is one this
    // step does not offer, the first answer is checked instead, so the picked answer is always one
    // the user can see.
    for (int i = shown; i < 4; ++i)
        if (radio_[i]->isChecked())
            radio_[0]->setChecked(true);
}

Choice TForm4::pickedChoice() const {
    static constexpr Choice kChoices[4] = {Choice::A, Choice::B, Choice::C, Choice::D};
    for (int i = 0; i < 4; ++i)
        if (radio_[i]->isChecked())
            return kChoices[i];
    return Choice::A;
}

void TForm4::suiButton1Click() {
    const WizardParameter& p = state_.CurrentWizardParameter;
    const std::string answer = AnswerFor(p, Utf8(suiEdit1_->text()), pickedChoice());
    FillParameterToken(host_.documentLines(), p, answer);
    accept();
}

} // namespace stencora
