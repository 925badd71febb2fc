// From a template written by LibreOffice, through its wizard, to a saved document read back.
#include "editor_fixture.h"
#include "platform/files.h"
#include "platform/rtf_document.h"
#include "stencora/templates/create_from_template.h"
#include "stencora/templates/wizard_step.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>

using namespace editor_testing;

namespace {

TEST_F(EditorTest, ADocumentMadeFromALibreOfficeTemplateThroughItsWizardIsSavedAndReadsBack) {
    // Greeting.rtf was written by LibreOffice Writer (see fixtures/README.md); Greeting.tpl asks
    // a question for <#1> and a three-answer choice for <#2>.
    for (const char* name : {"Greeting.rtf", "Greeting.tpl"})
        std::filesystem::copy_file(std::string(WF_FIXTURES_DIR) + "/" + name, file("template/") + name);
    stencora::TForm2 form2(seam, state, form, dateTime, &form);
    stencora::TForm4 form4(state, form, &form);
    form2.setStepDialog(&form4);
    form.setCreateFromTemplateWindow(&form2);

    seam.answerMessage(platform::ResultOk); // the start-up document counts as unsaved
    seam.answerDialog([](QDialog* d) {
        auto* f = static_cast<stencora::TForm2*>(d);
        ASSERT_EQ(f->suiListBox1()->count(), 1);
        EXPECT_TRUE(f->entryFont(0).bold());
        f->suiButton1()->click();
    });
    seam.answerDialog([](QDialog* d) {
        auto* s = static_cast<stencora::TForm4*>(d);
        s->suiEdit1()->setText("Ada Lovelace");
        s->suiButton1()->click();
    });
    seam.answerDialog([](QDialog* d) {
        auto* s = static_cast<stencora::TForm4*>(d);
        EXPECT_TRUE(s->suiRadioButton(4)->isHidden());
        EXPECT_EQ(s->suiRadioButton(3)->text(), "Holiday");
        s->suiRadioButton(3)->click();
        s->suiButton1()->click();
    });
    form.CreateFromTemplate1Click();
    EXPECT_TRUE(seam.allAnswersUsed());
    EXPECT_EQ(caption(), "Wrenfold Stencora 2.0");
    EXPECT_EQ(state.CurrentFileName, "");
    EXPECT_TRUE(modified()); // the wizard's answers changed the document

    // Unnamed: Save asks for a name.
    seam.answerFile(QString::fromStdString(file("Card.rtf")));
    form.Save1Click();
    ASSERT_EQ(seam.callsOf("save").size(), 1u);
    EXPECT_EQ(state.CurrentFileName, file("Card.rtf"));
    EXPECT_FALSE(modified());

    QTextDocument saved;
    platform::LoadRtf(QByteArray::fromStdString(platform::ReadFileBytes(file("Card.rtf"))), saved);
    QStringList lines;
    for (QTextBlock b = saved.begin(); b.isValid(); b = b.next())
        if (!b.text().isEmpty())
            lines << b.text();
    EXPECT_EQ(lines,
              QStringList({"Greeting card", "Written on 11/12/2024 at 09:05:07", "Dear Ada Lovelace,",
                           "Happy holidays from all of us at the Wren & Fold workshop.", "See you soon!"}));
    // Formats that no step touched come through: the heading stays bold and large, the last line italic.
    const QTextCharFormat heading = saved.begin().begin().fragment().charFormat();
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_GT(platform::FontPoints(heading, saved), 14.0);
    QTextBlock last = saved.lastBlock();
    while (last.text().isEmpty())
        last = last.previous();
    EXPECT_TRUE(last.begin().fragment().charFormat().fontItalic());
    // The template itself is untouched.
    EXPECT_NE(platform::ReadFileBytes(file("template/Greeting.rtf")).find("<#1>"), std::string::npos);
}

} // namespace
