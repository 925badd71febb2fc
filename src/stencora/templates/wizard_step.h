#pragma once
// The wizard step dialog: asks the question of one wizard record, as a text box or as two to four
// answers to pick from, and puts the answer into the document in place of the parameter's token.
#include "stencora/templates/template_filling.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace stencora {

class DocumentHost;
struct ProgramState;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // The step asks state.CurrentWizardParameter and fills host's document.
    TForm4(ProgramState& state, DocumentHost& host, QWidget* parent = nullptr);

    QPushButton* suiButton1() const { return suiButton1_; }
    QWidget* suiPanel1() const { return suiPanel1_; }
    QWidget* suiPanel2() const { return suiPanel2_; }
    QPlainTextEdit* suiMemo1() const { return suiMemo1_; }
    QPlainTextEdit* suiMemo2() const { return suiMemo2_; }
    QLineEdit* suiEdit1() const { return suiEdit1_; }
    QGroupBox* suiRadioGroup1() const { return suiRadioGroup1_; }
    // Answer buttons 1 to 4 (A to D).
    QRadioButton* suiRadioButton(int number) const { return radio_[number - 1]; }

    // The answer that "Next Step =>" would take in a choice step.
    Choice pickedChoice() const;

public slots:
    // Sets up the step for CurrentWizardParameter. Throws platform::ConvertError when a choice
    // record's AnswerCount is not a whole number; the step is then shown with uncaptioned answers.
    void FormShow();
    // "Next Step =>": puts the answer in place of the parameter's token and ends the step.
    void suiButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showAnswers(int count);

    ProgramState& state_;
    DocumentHost& host_;
    QPushButton* suiButton1_;
    QWidget* suiPanel1_;
    QPlainTextEdit* suiMemo1_;
    QLineEdit* suiEdit1_;
    QWidget* suiPanel2_;
    QPlainTextEdit* suiMemo2_;
    QGroupBox* suiRadioGroup1_;
    QRadioButton* radio_[4];
};

} // namespace stencora
