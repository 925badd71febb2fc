// Filling "<#Date>", "<#Time>" and 20 parameter tokens in a 100,000-paragraph document with
// mixed formatting, as the create-from-template dialog does: the date and time pass, then one
// pass per wizard step, on a document with undo on, as the editor's is.
//
// The argument is how many paragraphs share one token: 1 puts a token in every paragraph (each
// pass rewrites about 5,000 lines), 10 puts one in every tenth.
#include "platform/date_time_texts.h"
#include "platform/rich_text_lines.h"
#include "stencora/templates/template_filling.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kParagraphs = 100000;
constexpr int kParameters = 20;
constexpr int kTokens = kParameters + 2;

QString Token(int t) {
    return t == 0   ? QStringLiteral("<#Date>")
           : t == 1 ? QStringLiteral("<#Time>")
                    : QStringLiteral("<#%1>").arg(t - 1);
}

// Paragraphs of three to five differently formatted runs. A paragraph with a token holds one of
// the 22 in turn, every fifth of them a second parameter token, and every third token is split
// across two runs. Runs of five paragraphs are bullets, every seventh paragraph is centred.
void BuildDocument(QTextDocument& doc, int paragraphsPerToken) {
    QTextCharFormat plain, bold, italic, big;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    italic.setForeground(QColor(Qt::darkBlue));
    big.setFontPointSize(16);
    big.setFontFamilies({"DejaVu Serif"});
    QTextBlockFormat left, centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);

    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (int i = 0; i < kParagraphs; ++i) {
        if (i > 0) {
            if (i % 50 > 0 && i % 50 < 5)
                cursor.insertBlock(); // continues the list
            else
                cursor.insertBlock(i % 7 == 0 ? centred : left);
        }
        if (i % 50 == 0)
            cursor.createList(bullets);
        cursor.insertText(QStringLiteral("Paragraph %1 of the template, ").arg(i), plain);
        cursor.insertText(QStringLiteral("with bold words "), bold);
        if (i % paragraphsPerToken != 0) {
            cursor.insertText(QStringLiteral("and some italic words"), italic);
            cursor.insertText(QStringLiteral(" and then some plain text"), plain);
            continue;
        }
        const int n = i / paragraphsPerToken;
        const QString token = Token(n % kTokens);
        if (n % 3 == 0) {
            cursor.insertText(token.left(3), italic);
            cursor.insertText(token.mid(3) + QStringLiteral(" and then"), big);
        } else {
            cursor.insertText(token, italic);
            cursor.insertText(QStringLiteral(" and then some plain text"), plain);
        }
        if (n % 5 == 0)
            cursor.insertText(QStringLiteral(", once more %1.").arg(Token(2 + n % kParameters)), bold);
    }
    cursor.endEditBlock();
}

void FillAll(QTextDocument& doc) {
    platform::RichTextLines lines(doc);
    platform::LocaleDateTimeTexts texts;
    stencora::FillDateTimeTokens(lines, texts);
    for (int n = 1; n <= kParameters; ++n) {
        stencora::WizardParameter parameter;
        parameter.Name = std::to_string(n);
        parameter.Type = "Question";
        stencora::FillParameterToken(lines, parameter, "answer " + parameter.Name);
    }
}

void BM_FillTemplate(benchmark::State& state) {
    QTextDocument master;
    BuildDocument(master, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTextDocument> doc(master.clone());
        doc->clearUndoRedoStacks();
        state.ResumeTiming();
        FillAll(*doc);
        state.PauseTiming();
        const QString text = doc->toPlainText();
        if (doc->blockCount() != kParagraphs || text.contains(QStringLiteral("<#Date>")) ||
            text.contains(QStringLiteral("<#Time>")) || !text.contains(QStringLiteral("answer 20 and then")))
            state.SkipWithError("the document was not filled");
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillTemplate)
    ->ArgName("paragraphs_per_token")
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
