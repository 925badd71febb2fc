#include "test_host.h"

#include "platform/files.h"
#include "platform/rtf_document.h"

#include <QTextCursor>

namespace testing_support {

TestHost::TestHost() : lines_(document) {
    QObject::connect(&document, &QTextDocument::contentsChanged, [this] { modified = true; });
}

void TestHost::loadDocument(const std::string& path) {
    const std::string bytes = platform::ReadFileBytes(path);
    platform::LoadRtf(QByteArray::fromStdString(bytes), document);
    ++loads;
}

void TestHost::replaceSelection(const std::string& text) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromStdString(text));
}

void TestHost::leaveNewWizardMode() {
    newWizardMode = false;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    platform::WriteFileAtomic(path, bytes);
}

std::string WizardFile(const std::vector<stencora::WizardParameter>& records, const std::string& count) {
    std::string out = (count.empty() ? std::to_string(records.size()) : count) + "\r\n";
    for (const auto& r : records)
        for (auto field : stencora::WizardParameter::kFields)
            out += r.*field + "\r\n";
    return out;
}

std::string Rtf(const std::vector<std::string>& paragraphs) {
    std::string out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";
    for (const auto& p : paragraphs)
        out += p + "\\par\n";
    return out + "}";
}

stencora::WizardParameter QuestionRecord(const std::string& name, const std::string& question) {
    const std::string f = stencora::kEmptyAnswerFiller;
    return {name, "Question", question, "0", f, f, f, f, f, f, f, f};
}

stencora::WizardParameter ChoiceRecord(const std::string& name, const std::string& count) {
    return {name,
            "Choice",
            "Pick one for " + name,
            count,
            "Answer A",
            "Value A of " + name,
            "Answer B",
            "Value B of " + name,
            "Answer C",
            "Value C of " + name,
            "Answer D",
            "Value D of " + name};
}

} // namespace testing_support
