// The create-from-template dialog: the template list, the counter, and "Create new document" with
// its wizard, driven as the main window drives it, with every step answered through the seam.
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/scripted_seam.h"
#include "stencora/templates/create_from_template.h"
#include "stencora/templates/program_state.h"
#include "stencora/templates/window_parts.h"
#include "stencora/templates/wizard_step.h"
#include "test_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;
using stencora::TForm2;
using stencora::TForm4;

namespace {

class CreateFromTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::string root = dir.path().toStdString() + "/";
        state.paths = {root, root + "stencora_help.chm", root + "template/"};
        std::filesystem::create_directory(state.paths.templateDirectory);
        state.CurrentFileName = root + "Earlier.rtf";
        QTextCursor(&host.document).insertText("the document before");
        form2.setStepDialog(&form4);
    }

    std::string templatePath(const std::string& name) const { return state.paths.templateDirectory + name; }
    void addTemplate(const std::string& name, const std::vector<std::string>& paragraphs) {
        WriteFile(templatePath(name), Rtf(paragraphs));
    }
    void addWizard(const std::string& name, const std::string& bytes) {
        WriteFile(templatePath(name), bytes);
    }

    // Opens the dialog modally as the main window does; script runs while it is shown, and the
    // wizard steps scripted before answer the steps it shows.
    void Open(std::function<void(TForm2&)> script) {
        seam.answerDialog([this, script](QDialog*) { script(form2); });
        for (auto& step : steps)
            seam.answerDialog(std::move(step));
        steps.clear();
        seam.execDialog(&form2);
    }
    // Picks the template of row and presses "Create new document".
    void Create(int row = 0) {
        Open([row](TForm2& f) {
            f.suiListBox1()->setCurrentRow(row);
            f.suiButton1()->click();
        });
    }
    // Scripts the next wizard step.
    void Step(std::function<void(TForm4&)> script) {
        steps.push_back([script](QDialog* d) {
            ASSERT_EQ(d->objectName(), "TForm4");
            script(*static_cast<TForm4*>(d));
        });
    }
    void Answer(const QString& text) {
        Step([text](TForm4& s) {
            s.suiEdit1()->setText(text);
            s.suiButton1()->click();
        });
    }
    QStringList entries() const {
        QStringList out;
        for (int i = 0; i < form2.suiListBox1()->count(); ++i)
            out << form2.suiListBox1()->item(i)->text();
        return out;
    }
    std::vector<QString> stepTitles() const {
        std::vector<QString> out;
        for (const auto& c : seam.callsOf("dialog"))
            if (c.text == "TForm4")
                out.push_back(c.caption);
        return out;
    }

    std::vector<std::function<void(QDialog*)>> steps;
    QTemporaryDir dir;
    platform::ScriptedSeam seam;
    stencora::ProgramState state;
    TestHost host;
    FixedDateTime dateTime;
    QWidget owner;
    TForm2 form2{seam, state, host, dateTime, &owner};
    TForm4 form4{state, host, &owner};
};

TEST_F(CreateFromTemplate, AFolderWithoutTemplatesGivesAnEmptyListAndCreateClosesWithoutTouchingTheDocument) {
    addWizard("Orphan.tpl", "0\r\n");
    EXPECT_EQ(form2.windowTitle(), "Wrenfold Stencora 2.0 - Create document from template");
    Open([](TForm2& f) {
        EXPECT_EQ(f.suiListBox1()->count(), 0);
        EXPECT_EQ(f.Label2()->text(), "0 / 0");
        f.suiButton1()->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(host.loads, 0);
    EXPECT_TRUE(host.newWizardMode);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.text(), "the document before");
    EXPECT_EQ(state.CurrentFileName, dir.path().toStdString() + "/Earlier.rtf");
}

TEST_F(CreateFromTemplate, ListsTheRtfFilesSortedWithoutRegardToCaseAndDrawsThoseWithAWizardInBold) {
    addTemplate("b.rtf", {"b"});
    addTemplate("A.rtf", {"a"});
    addWizard("A.tpl", "0\r\n");
    addWizard("C.tpl", "0\r\n"); // a wizard without its template is not offered
    addTemplate("D.RTF", {"d"});
    addWizard("D.tpl", "0\r\n");
    WriteFile(templatePath("notes.txt"), "not a template");
    std::filesystem::create_directory(templatePath("folder.rtf"));
    Open([](TForm2&) {});
    EXPECT_EQ(entries(), QStringList({"A.rtf", "b.rtf", "D.RTF"}));
    EXPECT_TRUE(form2.entryFont(0).bold());
    EXPECT_FALSE(form2.entryFont(1).bold());
    EXPECT_TRUE(form2.entryFont(2).bold());
    // Each drawing looks again.
    std::filesystem::remove(templatePath("A.tpl"));
    addWizard("b.tpl", "0\r\n");
    EXPECT_FALSE(form2.entryFont(0).bold());
    EXPECT_TRUE(form2.entryFont(1).bold());
}

TEST_F(CreateFromTemplate, TheCounterShowsThePositionOfTheSelectedEntry) {
    EXPECT_EQ(form2.Label2()->text(), "0 / 0");
    for (const char* name : {"1.rtf", "2.rtf", "3.rtf", "4.rtf", "5.rtf"})
        addTemplate(name, {name});
    Open([](TForm2& f) {
        EXPECT_EQ(f.Label2()->text(), "1/5");
        EXPECT_EQ(f.suiListBox1()->currentRow(), 0);
        f.suiListBox1()->setCurrentRow(2);
        EXPECT_EQ(f.Label2()->text(), "3/5");
    });
    // The next showing reads the folder again and starts at the first entry.
    std::filesystem::remove(templatePath("5.rtf"));
    Open([](TForm2& f) { EXPECT_EQ(f.Label2()->text(), "1/4"); });
    // Emptied meanwhile: the counter does not keep the count of the earlier showing.
    for (const char* name : {"1.rtf", "2.rtf", "3.rtf", "4.rtf"})
        std::filesystem::remove(templatePath(name));
    Open([](TForm2& f) { EXPECT_EQ(f.Label2()->text(), "0 / 0"); });
}

struct NoStepsRow {
    const char* name;
    const char* wizard; // nullptr: no wizard file
};

class TemplatesWithoutSteps : public CreateFromTemplate, public ::testing::WithParamInterface<NoStepsRow> {};

TEST_P(TemplatesWithoutSteps, MakeAnUnnamedDateFilledDocumentWithTheFlagCleared) {
    addTemplate("Memo.rtf", {"Memo of <#Date> at <#Time>", "For <#1>"});
    if (GetParam().wizard)
        addWizard("Memo.tpl", GetParam().wizard);
    Create();
    EXPECT_EQ(stepTitles().size(), 0u);
    EXPECT_EQ(host.text(), "Memo of 11/12/2024 at 09:05:07\nFor <#1>");
    EXPECT_FALSE(host.modified);
    EXPECT_FALSE(host.newWizardMode);
    EXPECT_EQ(state.CurrentFileName, "");
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(form2.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Rows, TemplatesWithoutSteps,
                         ::testing::Values(NoStepsRow{"NoWizard", nullptr}, NoStepsRow{"EmptyWizard", ""},
                                           NoStepsRow{"ZeroCountNeverReadsOn",
                                                      "0\r\nQuestion\r\nnot read\r\n"},
                                           NoStepsRow{"NegativeCount", "-2\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CreateFromTemplate, TheWizardAsksOneTitledStepPerRecordAndFillsEachToken) {
    addTemplate("Letter.rtf", {"Dear <#1> of <#2>,", "Kind regards<#3>"});
    addWizard("Letter.tpl", WizardFile({QuestionRecord("1", "Name?"), QuestionRecord("2", "Company?"),
                                        QuestionRecord("3", "Postscript?")}));
    Step([this](TForm4& s) {
        EXPECT_FALSE(form2.isVisible()); // hidden while the wizard runs
        EXPECT_EQ(s.suiMemo1()->toPlainText(), "Name?");
        EXPECT_FALSE(host.modified); // cleared before the first step
        s.suiEdit1()->setText("Ada");
        s.suiButton1()->click();
    });
    Answer("Acme");
    Answer(""); // nothing typed: the token goes
    Create();
    EXPECT_EQ(stepTitles(), (std::vector<QString>{"[Create from a template] - 1/3 Step",
                                                  "[Create from a template] - 2/3 Step",
                                                  "[Create from a template] - 3/3 Step"}));
    EXPECT_EQ(host.text(), "Dear Ada of Acme,\nKind regards");
    EXPECT_TRUE(host.modified); // the steps changed the document
    EXPECT_EQ(state.CurrentFileName, "");
    EXPECT_EQ(state.CurrentWizardParameter.Name, "3"); // the last record read stays
    EXPECT_FALSE(form2.isVisible());
    EXPECT_TRUE(seam.allAnswersUsed());
}

TEST_F(CreateFromTemplate, AThreeAnswerChoiceOffersThreeAnswersAndPutsInTheValuePicked) {
    addTemplate("Card.rtf", {"<#1>!"});
    addWizard("Card.tpl", WizardFile({ChoiceRecord("1", "3")}));
    Step([](TForm4& s) {
        EXPECT_FALSE(s.suiRadioButton(3)->isHidden());
        EXPECT_TRUE(s.suiRadioButton(4)->isHidden());
        s.suiRadioButton(3)->click();
        s.suiButton1()->click();
    });
    Create();
    EXPECT_EQ(host.text(), "Value C of 1!");
}

TEST_F(CreateFromTemplate, TheNextWizardKeepsTheAnswerTheLastChoiceStepLeftChecked) {
    addTemplate("Card.rtf", {"<#1>"});
    addWizard("Card.tpl", WizardFile({ChoiceRecord("1", "4")}));
    Step([](TForm4& s) {
        s.suiRadioButton(4)->click();
        s.suiButton1()->click();
    });
    Create();
    EXPECT_EQ(host.text(), "Value D of 1");
    Step([](TForm4& s) {
        EXPECT_TRUE(s.suiRadioButton(4)->isChecked());
        s.suiButton1()->click();
    });
    Create();
    EXPECT_EQ(host.text(), "Value D of 1");
}

TEST_F(CreateFromTemplate, ClosingAStepByItsTitleBarSkipsItAndTheWizardGoesOn) {
    addTemplate("Letter.rtf", {"<#1>/<#2>/<#3>"});
    addWizard("Letter.tpl", WizardFile({QuestionRecord("1", "One?"), QuestionRecord("2", "Two?"),
                                        QuestionRecord("3", "Three?")}));
    Answer("one");
    Step([](TForm4& s) {
        s.suiEdit1()->setText("typed, then closed");
        s.close();
    });
    Answer("three");
    Create();
    EXPECT_EQ(stepTitles().size(), 3u);
    EXPECT_EQ(host.text(), "one/<#2>/three");
}

TEST_F(CreateFromTemplate, AWizardWithFewerRecordsThanItsCountAsksTheMissingOnesAsEmptyChoices) {
    auto* app = qobject_cast<platform::Application*>(QCoreApplication::instance());
    app->setErrorSeam(&seam);
    addTemplate("Short.rtf", {"<#1> <#2>"});
    addWizard("Short.tpl", WizardFile({QuestionRecord("1", "One?")}, "2"));
    Answer("one");
    Step([](TForm4& s) {
        EXPECT_FALSE(s.suiPanel2()->isHidden());
        EXPECT_EQ(s.suiRadioButton(1)->text(), "");
        s.suiButton1()->click(); // the empty record's token "<#>" is nowhere
    });
    Create();
    app->setErrorSeam(nullptr);
    ASSERT_EQ(seam.callsOf("error").size(), 1u);
    EXPECT_EQ(seam.callsOf("error")[0].text, "'' is not a valid integer value");
    EXPECT_EQ(host.text(), "one <#2>");
    EXPECT_EQ(stepTitles().size(), 2u);
}

TEST_F(CreateFromTemplate, AWizardCountThatIsNoNumberShowsTheDialogAgainWithAnUnnamedDocument) {
    addTemplate("Letter.rtf", {"On <#Date>: <#1>"});
    addWizard("Letter.tpl", "two\r\n");
    Open([this](TForm2& f) {
        EXPECT_THROW(f.suiButton1Click(), platform::ConvertError);
        EXPECT_TRUE(f.isVisible()); // back for another pick, still modal
        EXPECT_EQ(state.CurrentFileName, "");
        EXPECT_EQ(host.text(), "On 11/12/2024: <#1>");
        EXPECT_FALSE(host.newWizardMode);
        f.suiButton2()->click();
    });
    EXPECT_EQ(stepTitles().size(), 0u);
    EXPECT_EQ(form2.result(), QDialog::Rejected);
}

TEST_F(CreateFromTemplate, ATemplateThatCannotBeReadEndsTheCommandAfterLeavingNewWizardMode) {
    addTemplate("Gone.rtf", {"x"});
    Open([this](TForm2& f) {
        std::filesystem::remove(templatePath("Gone.rtf"));
        EXPECT_THROW(f.suiButton1Click(), platform::FileError);
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_FALSE(host.newWizardMode);
    EXPECT_EQ(host.text(), "the document before");
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(state.CurrentFileName, dir.path().toStdString() + "/Earlier.rtf");
}

TEST_F(CreateFromTemplate, AMissingTemplateDirectoryIsReportedAndTheListStaysAsItWas) {
    addTemplate("Kept.rtf", {"x"});
    Open([](TForm2&) {});
    std::filesystem::remove_all(state.paths.templateDirectory);
    EXPECT_THROW(form2.FormShow(), platform::FileError);
    EXPECT_EQ(entries(), QStringList({"Kept.rtf"}));
}

TEST_F(CreateFromTemplate, CancelHelpAndDoubleClick) {
    addTemplate("Memo.rtf", {"<#Date>"});
    Open([](TForm2& f) {
        QTest::mouseClick(f.Label4(), Qt::LeftButton);
        f.suiButton2()->click();
    });
    EXPECT_EQ(host.loads, 0);
    EXPECT_TRUE(host.newWizardMode);
    ASSERT_EQ(seam.callsOf("help").size(), 1u);
    EXPECT_EQ(seam.callsOf("help")[0].caption.toStdString(), state.paths.helpFilePath);
    EXPECT_EQ(seam.callsOf("help")[0].text, "0202.htm");
    EXPECT_EQ(form2.Label4()->text(), "Help");
    EXPECT_EQ(form2.Label4()->toolTip(), "Creating new documents from templates");

    Open([](TForm2& f) {
        QListWidget* list = f.suiListBox1();
        const QRect r = list->visualItemRect(list->item(0));
        // A double click as the window system delivers it: press, release, double click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, r.center());
    });
    EXPECT_EQ(host.text(), "11/12/2024");
    EXPECT_EQ(state.CurrentFileName, "");
}

} // namespace
