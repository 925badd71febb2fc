// The wizard step dialog on its own: the question and choice panels, the answers it offers, the
// answer it puts into the document, and what it keeps from one step to the next.
#include "platform/errors.h"
#include "platform/scripted_seam.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/wizard_step.h"
#include "test_host.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace testing_support;
using stencora::TForm4;
using stencora::WizardParameter;

namespace {

class WizardStep : public ::testing::Test {
protected:
    void SetUp() override {
        QTextCursor(&host.document).insertText("Token <#7> here");
        host.modified = false;
    }

    // Shows the step for record as the create-from-template dialog does; script acts on it.
    void Ask(const WizardParameter& record, std::function<void(TForm4&)> script) {
        state.CurrentWizardParameter = record;
        seam.answerDialog([&](QDialog*) { script(step); });
        seam.execDialog(&step);
    }

    platform::ScriptedSeam seam;
    stencora::ProgramState state;
    TestHost host;
    TForm4 step{state, host};
};

TEST_F(WizardStep, AQuestionStepShowsTheQuestionAndPutsTheTypedAnswerInPlaceOfTheToken) {
    step.suiEdit1()->setText("left from an earlier step");
    Ask(QuestionRecord("7", "What is your name?"), [](TForm4& s) {
        EXPECT_FALSE(s.suiPanel1()->isHidden());
        EXPECT_TRUE(s.suiPanel2()->isHidden());
        EXPECT_EQ(s.suiMemo1()->toPlainText(), "What is your name?");
        EXPECT_TRUE(s.suiMemo1()->isReadOnly());
        EXPECT_EQ(s.suiEdit1()->text(), "");
        EXPECT_EQ(s.focusWidget(), s.suiEdit1());
        EXPECT_TRUE(s.suiButton1()->isDefault());
        EXPECT_EQ(s.suiButton1()->text(), "Next Step =>");
        // Enter presses "Next Step =>".
        QTest::keyClicks(s.suiEdit1(), "Ada Lovelace");
        QTest::keyClick(s.suiEdit1(), Qt::Key_Return);
    });
    EXPECT_EQ(step.result(), QDialog::Accepted);
    EXPECT_EQ(host.text(), "Token Ada Lovelace here");
    EXPECT_TRUE(host.modified);
}

TEST_F(WizardStep, AQuestionAnsweredWithNothingRemovesTheToken) {
    Ask(QuestionRecord("7", "Anything?"), [](TForm4& s) { s.suiButton1()->click(); });
    EXPECT_EQ(host.text(), "Token  here");
}

TEST_F(WizardStep, ClosingAStepByItsTitleBarPutsNothingIn) {
    Ask(QuestionRecord("7", "Anything?"), [](TForm4& s) {
        s.suiEdit1()->setText("typed but not taken");
        s.close();
    });
    EXPECT_EQ(host.text(), "Token <#7> here");
    EXPECT_FALSE(host.modified);
}

struct AnswerCountRow {
    const char* name;
    const char* type;
    const char* count;
    int shown; // answers offered
};

class ChoiceAnswers : public WizardStep, public ::testing::WithParamInterface<AnswerCountRow> {};

TEST_P(ChoiceAnswers, TheAnswerCountDecidesWhichAnswersAreOffered) {
    const auto row = GetParam();
    WizardParameter record = ChoiceRecord("7", row.count);
    record.Type = row.type;
    Ask(record, [&](TForm4& s) {
        EXPECT_TRUE(s.suiPanel1()->isHidden());
        EXPECT_FALSE(s.suiPanel2()->isHidden());
        EXPECT_EQ(s.suiMemo2()->toPlainText(), "Pick one for 7");
        EXPECT_FALSE(s.suiMemo2()->isReadOnly());
        const char* captions[] = {"Answer A", "Answer B", "Answer C", "Answer D"};
        for (int i = 1; i <= 4; ++i) {
            SCOPED_TRACE(i);
            QRadioButton* b = s.suiRadioButton(i);
            if (i <= row.shown) {
                EXPECT_FALSE(b->isHidden());
                EXPECT_TRUE(b->isEnabled());
                EXPECT_EQ(b->text(), captions[i - 1]);
            } else {
                EXPECT_TRUE(b->isHidden());
                EXPECT_FALSE(b->isEnabled());
                EXPECT_EQ(b->text(), "none");
            }
        }
        EXPECT_EQ(s.focusWidget(), s.suiRadioButton(1));
        s.suiRadioButton(row.shown)->click();
        s.suiButton1()->click();
    });
    const char* values[] = {"Value A of 7", "Value B of 7", "Value C of 7", "Value D of 7"};
    EXPECT_EQ(host.text(), QString("Token %1 here").arg(values[row.shown - 1]));
}

INSTANTIATE_TEST_SUITE_P(Rows, ChoiceAnswers,
                         ::testing::Values(AnswerCountRow{"Two", "Choice", "2", 2},
                                           AnswerCountRow{"Three", "Choice", "3", 3},
                                           AnswerCountRow{"Four", "Choice", "4", 4},
                                           AnswerCountRow{"FiveShowsFour", "Choice", "5", 4},
                                           AnswerCountRow{"OneShowsFour", "Choice", "1", 4},
                                           AnswerCountRow{"LowerCaseQuestionIsAChoice", "question", "3", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardStep, AnAnswerCountThatIsNoNumberIsReportedAndTheStepOpensWithUncaptionedAnswers) {
    for (const char* count : {"", "three"}) {
        SCOPED_TRACE(count);
        state.CurrentWizardParameter = ChoiceRecord("7", count);
        EXPECT_THROW(step.FormShow(), platform::ConvertError);
        EXPECT_FALSE(step.suiPanel2()->isHidden());
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(step.suiRadioButton(i)->text(), "");
    }
}

TEST_F(WizardStep, AChoiceStepStartsWithTheAnswerThePreviousChoiceStepLeftChecked) {
    QTextCursor end(&host.document);
    end.movePosition(QTextCursor::End);
    end.insertText(" <#8> <#9> <#10>");
    EXPECT_TRUE(step.suiRadioButton(1)->isChecked()); // the first step starts with answer A
    Ask(ChoiceRecord("7", "4"), [](TForm4& s) {
        EXPECT_TRUE(s.suiRadioButton(1)->isChecked());
        s.suiRadioButton(3)->click();
        s.suiButton1()->click();
    });
    Ask(QuestionRecord("8", "In between"), [](TForm4& s) { s.suiButton1()->click(); });
    Ask(ChoiceRecord("9", "4"), [](TForm4& s) {
        EXPECT_TRUE(s.suiRadioButton(3)->isChecked());
        EXPECT_EQ(s.focusWidget(), s.suiRadioButton(1)); // the focus on answer A does not check it
        s.suiButton1()->click();
    });
    // Answer C is not offered in a two-answer step: the first answer counts as picked.
    Ask(ChoiceRecord("10", "2"), [](TForm4& s) {
        EXPECT_TRUE(s.suiRadioButton(1)->isChecked());
        EXPECT_EQ(s.pickedChoice(), stencora::Choice::A);
        s.suiButton1()->click();
    });
    EXPECT_EQ(host.text(), "Token Value C of 7 here  Value C of 9 Value A of 10");
}

} // namespace
