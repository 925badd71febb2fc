// The line view of a rich-text document and template filling on it: what a line is, what a
// rewritten line keeps and loses of its formats, and when the document reports a change.
#include "platform/rich_text_lines.h"
#include "stencora/templates/template_filling.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

QTextCharFormat Bold() {
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    f.setForeground(QColor(Qt::red));
    return f;
}
QTextCharFormat Italic() {
    QTextCharFormat f;
    f.setFontItalic(true);
    f.setFontPointSize(18);
    return f;
}
QTextCharFormat Underlined() {
    QTextCharFormat f;
    f.setFontUnderline(true);
    f.setFontFamilies({"DejaVu Serif"});
    return f;
}

struct Run {
    QString text;
    QTextCharFormat format;
};

// Appends a paragraph made of differently formatted runs; the first paragraph uses the block
// that the empty document already has.
void AddParagraph(QTextDocument& doc, const std::vector<Run>& runs, const QTextBlockFormat& block = {}) {
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    if (!doc.isEmpty())
        cursor.insertBlock(block);
    else
        cursor.setBlockFormat(block);
    for (const Run& run : runs)
        cursor.insertText(run.text, run.format);
}

// The runs of a paragraph as (text, format) pairs.
std::vector<std::pair<QString, QTextCharFormat>> Runs(const QTextBlock& block) {
    std::vector<std::pair<QString, QTextCharFormat>> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        runs.emplace_back(it.fragment().text(), it.fragment().charFormat());
    return runs;
}

stencora::WizardParameter Question(const std::string& name) {
    stencora::WizardParameter p;
    p.Name = name;
    p.Type = "Question";
    return p;
}

std::string Utf8(const QString& s) {
    return s.toStdString();
}

class RichTextLinesTest : public ::testing::Test {
protected:
    RichTextLinesTest() { doc.setUndoRedoEnabled(true); }
    QTextDocument doc;
    platform::RichTextLines lines{doc};
};

TEST_F(RichTextLinesTest, OneLinePerParagraph) {
    AddParagraph(doc, {{"Dear ", Bold()}, {"<#", Italic()}, {"1>", Underlined()}, {",", {}}});
    AddParagraph(doc, {{"two\u2028parts", {}}}); // a line break inside a paragraph
    AddParagraph(doc, {});
    AddParagraph(doc, {{"\u65e5\u672c \u00e9", Italic()}});

    ASSERT_EQ(lines.count(), 4);
    EXPECT_EQ(lines.line(0), "Dear <#1>,"); // the runs make one text
    EXPECT_EQ(lines.line(1), "two\u2028parts");
    EXPECT_EQ(lines.line(2), "");
    EXPECT_EQ(lines.line(3), "\u65e5\u672c \u00e9");
    EXPECT_EQ(lines.line(4), ""); // past the end
}

TEST_F(RichTextLinesTest, EmptyDocumentIsOneEmptyLine) {
    ASSERT_EQ(lines.count(), 1);
    EXPECT_EQ(lines.line(0), "");
}

TEST_F(RichTextLinesTest, RewrittenLineTakesItsFirstCharacterFormatAndKeepsItsParagraph) {
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(24);
    AddParagraph(doc, {{"Title", Underlined()}});
    AddParagraph(doc, {{"Dear ", Bold()}, {"<#", Italic()}, {"1", Underlined()}, {">, hello", {}}}, centred);
    AddParagraph(doc, {{"untouched ", Bold()}, {"runs", Italic()}});
    QTextCursor(doc.findBlockByNumber(1)).createList(QTextListFormat::ListDisc);
    const auto thirdBefore = Runs(doc.findBlockByNumber(2));

    stencora::ReplaceFirstInEachLine(lines, "<#1>", "Ann \u00c5berg");

    ASSERT_EQ(lines.count(), 3);
    QTextBlock block = doc.findBlockByNumber(1);
    EXPECT_EQ(Utf8(block.text()), "Dear Ann \u00c5berg, hello");
    // One run in the format of "D": bold and red; the italic, size and underline inside are gone.
    auto runs = Runs(block);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].second, Bold());
    // The paragraph keeps its alignment, margin and bullet.
    EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(block.blockFormat().leftMargin(), 24);
    ASSERT_NE(block.textList(), nullptr);
    EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListDisc);
    // Lines without the token keep every run.
    EXPECT_EQ(Runs(doc.findBlockByNumber(2)), thirdBefore);
    EXPECT_EQ(Utf8(doc.findBlockByNumber(0).text()), "Title");
}

TEST_F(RichTextLinesTest, DateTimeAndParametersOnDifferentlyFormattedRuns) {
    struct FixedTexts : platform::DateTimeTexts {
        std::string dateText() override { return "05.03.24"; }
        std::string timeText() override { return "14:07:09"; }
    } texts;
    AddParagraph(doc, {{"<#Ti", Italic()}, {"me> on <#Da", Bold()}, {"te>", Underlined()}});
    AddParagraph(doc, {{"<#date> ", {}}, {"<#2>", Bold()}, {" <#2>", Italic()}});
    AddParagraph(doc, {{"<#", {}}}); // a token split across paragraphs is no token
    AddParagraph(doc, {{"1>", {}}});

    stencora::FillDateTimeTokens(lines, texts);
    stencora::FillParameterToken(lines, Question("2"), "x");
    stencora::FillParameterToken(lines, Question("1"), "y");

    EXPECT_EQ(lines.line(0), "14:07:09 on 05.03.24");
    EXPECT_EQ(Runs(doc.findBlockByNumber(0)).size(), 1u);
    EXPECT_EQ(Runs(doc.findBlockByNumber(0))[0].second, Italic());
    EXPECT_EQ(lines.line(1), "<#date> x <#2>");
    EXPECT_EQ(lines.line(2), "<#");
    EXPECT_EQ(lines.line(3), "1>");
}

TEST_F(RichTextLinesTest, LineBreaksInTheNewTextStayInsideTheParagraph) {
    AddParagraph(doc, {{"<#1>", Bold()}});
    AddParagraph(doc, {{"next", {}}});
    lines.rewrite(0, "a\nb\r\nc\rd\u2029e");
    ASSERT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.line(0), "a\u2028b\u2028c\u2028d\u2028e");
    EXPECT_EQ(lines.line(1), "next");
}

TEST_F(RichTextLinesTest, EmptyLineTakesTheParagraphCharacterFormat) {
    AddParagraph(doc, {{"x", {}}});
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(QTextBlockFormat(), Italic());
    lines.rewrite(1, "filled");
    EXPECT_EQ(lines.line(1), "filled");
    EXPECT_TRUE(Runs(doc.findBlockByNumber(1))[0].second.fontItalic());
}

TEST_F(RichTextLinesTest, TextAfterAnImageDoesNotTurnIntoImages) {
    QTextCursor cursor(&doc);
    QTextImageFormat image;
    image.setName("logo.png");
    image.setWidth(10);
    cursor.insertImage(image);
    cursor.insertText("<#1>", Bold());
    stencora::ReplaceFirstInEachLine(lines, "<#1>", "Ann");
    for (const auto& [text, format] : Runs(doc.firstBlock())) {
        EXPECT_FALSE(format.isImageFormat()) << Utf8(text);
        EXPECT_FALSE(format.hasProperty(QTextFormat::ImageName));
    }
    EXPECT_EQ(lines.line(0), "\uFFFCAnn");
}

// The editor sets its modified flag on every change notification: a document without tokens
// must raise none, and each rewritten line raises one and is one undo.
TEST_F(RichTextLinesTest, OnlyRewrittenLinesRaiseChangeNotifications) {
    struct NoTexts : platform::DateTimeTexts {
        std::string dateText() override { return "d"; }
        std::string timeText() override { return "t"; }
    } texts;
    AddParagraph(doc, {{"Dear ", Bold()}, {"Sir", Italic()}});
    AddParagraph(doc, {{"<#Dat", {}}, {"e", Bold()}});
    AddParagraph(doc, {{"<#1>", {}}, {" and <#1>", Bold()}});
    AddParagraph(doc, {{"<#date> <#3>", Bold()}});
    doc.setModified(false);
    doc.clearUndoRedoStacks();
    QSignalSpy changed(&doc, &QTextDocument::contentsChanged);

    stencora::FillDateTimeTokens(lines, texts);
    stencora::FillParameterToken(lines, Question("2"), "x");
    stencora::ReplaceFirstInEachLine(lines, "<#4>", "");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.availableUndoSteps(), 0);

    stencora::FillParameterToken(lines, Question("1"), "Ann");
    stencora::FillParameterToken(lines, Question("3"), "");
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(lines.line(2), "Ann and <#1>");
    EXPECT_EQ(lines.line(3), "<#date> ");

    doc.undo(); // one undo takes back one rewritten line, with its runs
    EXPECT_EQ(lines.line(3), "<#date> <#3>");
    EXPECT_EQ(lines.line(2), "Ann and <#1>");
    doc.undo();
    EXPECT_EQ(lines.line(2), "<#1> and <#1>");
    EXPECT_EQ(Runs(doc.findBlockByNumber(2)).size(), 2u);
}

// The view keeps the texts it has read; whatever else changes the document must show in the
// next read, with undo on (as in the editor) and off.
TEST(RichTextLinesChanges, ChangesByOthersShowInTheNextRead) {
    using Lines = std::vector<std::string>;
    auto readAll = [](const platform::RichTextLines& lines) {
        Lines read;
        for (int i = 0; i < lines.count(); ++i)
            read.push_back(lines.line(i));
        return read;
    };
    struct Change {
        const char* name;
        bool needsUndo;
        // Changes the document; what the view reads afterwards must be expected.
        std::function<void(QTextDocument&, platform::RichTextLines&)> apply;
        Lines expected;
    };
    auto replace = [](QTextCursor& cursor, int from, int to, const QString& text) {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    };
    const Change changes[] = {
        {"SameLengthReplace",
         false,
         [&](QTextDocument& d, platform::RichTextLines&) {
             QTextCursor c(&d);
             replace(c, 0, 1, "X");
         },
         {"Xne <#1>", "two", "three"}},
        {"SameLengthReplaceInAClosedEditBlock",
         false,
         [&](QTextDocument& d, platform::RichTextLines&) {
             QTextCursor c(&d);
             c.beginEditBlock();
             replace(c, 4, 5, "[");
             c.endEditBlock();
         },
         {"one [#1>", "two", "three"}},
        {"LongerTextWhileAnEditBlockIsOpen",
         false,
         [&](QTextDocument& d, platform::RichTextLines& lines) {
             QTextCursor c(&d);
             c.beginEditBlock();
             c.setPosition(0);
             c.insertText("the ");
             EXPECT_EQ(lines.line(0), "the one <#1>");
             c.endEditBlock();
         },
         {"the one <#1>", "two", "three"}},
        {"OwnRewriteThenOthersWhileAnEditBlockIsOpen",
         false,
         [&](QTextDocument& d, platform::RichTextLines& lines) {
             QTextCursor c(&d);
             c.beginEditBlock();
             lines.rewrite(1, "2");
             replace(c, 0, 3, "1");
             EXPECT_EQ(lines.line(0), "1 <#1>");
             c.endEditBlock();
         },
         {"1 <#1>", "2", "three"}},
        {"ParagraphsJoined",
         false,
         [&](QTextDocument& d, platform::RichTextLines&) {
             QTextCursor c(&d);
             replace(c, 8, 9, "");
         },
         {"one <#1>two", "three"}},
        {"UndoOfARewrite",
         true,
         [](QTextDocument& d, platform::RichTextLines& lines) {
             lines.rewrite(1, "2");
             EXPECT_EQ(lines.line(1), "2");
             d.undo();
         },
         {"one <#1>", "two", "three"}},
        {"WholeTextReplaced",
         false,
         [](QTextDocument& d, platform::RichTextLines&) { d.setPlainText("a\nb\nc"); },
         {"a", "b", "c"}},
    };
    for (bool undo : {true, false}) {
        for (const Change& change : changes) {
            if (change.needsUndo && !undo)
                continue;
            SCOPED_TRACE(std::string(change.name) + (undo ? ", undo on" : ", undo off"));
            QTextDocument doc;
            doc.setUndoRedoEnabled(undo);
            doc.setPlainText("one <#1>\ntwo\nthree");
            platform::RichTextLines lines(doc);
            ASSERT_EQ(readAll(lines), (Lines{"one <#1>", "two", "three"}));
            change.apply(doc, lines);
            EXPECT_EQ(readAll(lines), change.expected);
        }
    }
}

TEST(RichTextLinesChanges, AHandlerThatChangesTheDocumentAfterARewriteIsSeen) {
    QTextDocument doc;
    doc.setPlainText("<#1>\nsecond");
    platform::RichTextLines lines(doc);
    bool once = true;
    QObject::connect(&doc, &QTextDocument::contentsChanged, [&] {
        if (!std::exchange(once, false))
            return;
        QTextCursor cursor(doc.findBlockByNumber(1));
        cursor.deleteChar(); // "second" -> "econd"
        cursor.insertText("S");
    });
    stencora::ReplaceFirstInEachLine(lines, "<#2>", "unused"); // reads every line
    stencora::ReplaceFirstInEachLine(lines, "<#1>", "first");
    EXPECT_EQ(lines.line(0), "first");
    EXPECT_EQ(lines.line(1), "Second");
}

} // namespace
