// A template written by another word processor (LibreOffice Writer, from lo_template.html),
// loaded from RTF and filled as the create-from-template dialog fills it.
#include "platform/files.h"
#include "platform/rich_text_lines.h"
#include "platform/rtf_document.h"
#include "stencora/templates/template_filling.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

namespace {

struct FixedTexts : platform::DateTimeTexts {
    std::string dateText() override { return "05.03.24"; }
    std::string timeText() override { return "14:07:09"; }
};

stencora::WizardParameter Parameter(const std::string& name, const std::string& type) {
    stencora::WizardParameter p;
    p.Name = name;
    p.Type = type;
    p.ValueA = "Dear Sir or Madam";
    p.ValueB = "Friendly";
    return p;
}

int RunCount(const QTextBlock& block) {
    int runs = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        ++runs;
    return runs;
}

TEST(RichTextLinesOnRtf, TemplateWrittenByLibreOfficeIsFilled) {
    const std::string bytes = platform::ReadFileBytes(WF_FIXTURES_DIR "/lo_template.rtf");
    QTextDocument doc;
    platform::LoadRtf(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), doc);
    platform::RichTextLines lines(doc);

    std::vector<std::string> loaded;
    for (int i = 0; i < lines.count(); ++i)
        loaded.push_back(lines.line(i));
    ASSERT_EQ(loaded, (std::vector<std::string>{
                          "Dear <#1>,",
                          "Written on <#Date> at <#Time>.",
                          "<#3> and <#3> again ",
                          "A parameter that was removed: <#2> ",
                          "No token here: bold, italic, red.",
                          "Caf\u00e9 <#1> \u4e2d\u6587",
                      }));
    const int untouchedRuns = RunCount(doc.findBlockByNumber(4));
    ASSERT_GT(untouchedRuns, 1);
    const QTextCharFormat writtenOnFormat =
        platform::RichTextLines::FirstCharFormat(doc.findBlockByNumber(1));
    ASSERT_TRUE(writtenOnFormat.fontItalic());

    QSignalSpy changed(&doc, &QTextDocument::contentsChanged);
    FixedTexts texts;
    stencora::FillDateTimeTokens(lines, texts);
    const stencora::WizardParameter name = Parameter("1", "Question");
    const stencora::WizardParameter greeting = Parameter("3", "Choice");
    stencora::FillParameterToken(lines, name, stencora::AnswerFor(name, "Ann", stencora::Choice::A));
    stencora::FillParameterToken(lines, greeting, stencora::AnswerFor(greeting, "", stencora::Choice::B));

    std::vector<std::string> filled;
    for (int i = 0; i < lines.count(); ++i)
        filled.push_back(lines.line(i));
    EXPECT_EQ(filled, (std::vector<std::string>{
                          "Dear Ann,",
                          "Written on 05.03.24 at 14:07:09.",
                          "Friendly and <#3> again ",
                          "A parameter that was removed: <#2> ",
                          "No token here: bold, italic, red.",
                          "Caf\u00e9 Ann \u4e2d\u6587",
                      }));
    // Date and time: two rewrites of line 1; then lines 0, 5 and 2.
    EXPECT_EQ(changed.count(), 5);

    // The rewritten lines take their first character's format and keep their paragraph format.
    QTextBlock written = doc.findBlockByNumber(1);
    EXPECT_EQ(RunCount(written), 1);
    EXPECT_EQ(written.begin().fragment().charFormat(), writtenOnFormat);
    EXPECT_EQ(written.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QTextBlock bullet = doc.findBlockByNumber(2);
    EXPECT_EQ(RunCount(bullet), 1);
    EXPECT_TRUE(bullet.begin().fragment().charFormat().fontWeight() >= QFont::Bold); // "<#" was bold
    ASSERT_NE(bullet.textList(), nullptr);
    EXPECT_EQ(bullet.textList(), doc.findBlockByNumber(3).textList());
    EXPECT_EQ(doc.findBlockByNumber(5).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // Lines without a token keep all their runs.
    EXPECT_EQ(RunCount(doc.findBlockByNumber(4)), untouchedRuns);
}

} // namespace
