#pragma once
// A stand-in for the main window: a rich-text document with its line view, the modified flag
// set by every change of the document, and a record of what the template windows asked of it.
#include "platform/rich_text_lines.h"
#include "stencora/templates/document_host.h"
#include "stencora/templates/template_filling.h"
#include "stencora/templates/wizard_parameter.h"

#include <QTextDocument>
#include <string>
#include <vector>

namespace testing_support {

class TestHost : public stencora::DocumentHost {
public:
    TestHost();
    void loadDocument(const std::string& path) override;
    platform::LineList& documentLines() override { return lines_; }
    void replaceSelection(const std::string& text) override;
    bool isModified() const override { return modified; }
    void clearModified() override { modified = false; }
    void leaveNewWizardMode() override;

    QString text() const { return document.toPlainText(); }

    QTextDocument document;
    bool modified = true;
    bool newWizardMode = true;
    int loads = 0;

private:
    platform::RichTextLines lines_;
};

// Texts of the date and time tokens that tests can recognise.
struct FixedDateTime : stencora::DateTimeTexts {
    std::string dateText() override { return "11/12/2024"; }
    std::string timeText() override { return "09:05:07"; }
};

// Files for the tests. Lines of a wizard file are joined with CR LF.
void WriteFile(const std::string& path, const std::string& bytes);
std::string WizardFile(const std::vector<stencora::WizardParameter>& records, const std::string& count = "");
std::string Rtf(const std::vector<std::string>& paragraphs);

stencora::WizardParameter QuestionRecord(const std::string& name, const std::string& question);
// A choice with answers "Answer X" and values "Value X of <name>" for X = A..D.
stencora::WizardParameter ChoiceRecord(const std::string& name, const std::string& count);

} // namespace testing_support
