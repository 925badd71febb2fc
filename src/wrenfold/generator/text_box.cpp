#include "text_box.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace wrenfold {

void KeepLargeTextBuffersInHeap() {
#ifdef __GLIBC__
    // The layout of a paragraph of 10,000 sentences takes glyph buffers of tens of megabytes (of
    // 100,000, hundreds) and frees them at every change. Above glibc's mmap threshold (32 MB at
    // most) each buffer is a fresh mapping whose pages fault in again on every keystroke, which
    // more than doubles the time a keystroke takes there. From the heap they are reused; up to
    // 512 MB of freed memory stays with the process instead of going back to the system.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Connected before the document's own layout hears of the change, so a block keeps its
    // layout from the first time it is laid out.
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { keepLayouts(position, added); });
    keepLayouts(0, 0);
}

void TextBox::keepLayouts(int position, int added) {
    // A block's QTextLayout normally drops its glyphs after each layout, and drawing the text,
    // the caret and each caret query then analyse the whole paragraph again: for one paragraph
    // of thousands of sentences that is most of the time a keystroke takes. Keeping them costs
    // memory in proportion to the text laid out.
    QTextDocument* doc = document();
    QTextBlock block = doc->findBlock(position);
    const QTextBlock last = doc->findBlock(position + added);
    for (; block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
}

QString TextBox::text() const {
    // toPlainText() would turn no-break spaces into blanks; the raw text keeps them.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

void TextBox::setText(const QString& text) {
    setPlainText(text);
}

void TextBox::appendAtEnd(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

void TextBox::setTextFont(const QFont& font) {
    QFont f = font;
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
    f.setKerning(false);
    setFont(f);
}

QStringList TextBox::displayedLines() const {
    QStringList lines;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out if it is not yet
        const QTextLayout* tl = block.layout();
        const QString text = block.text();
        if (tl->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            QString piece = text.mid(line.textStart(), line.textLength());
            piece.remove(QChar::LineSeparator); // a forced break inside the line ends the piece
            lines << piece;
        }
    }
    return lines;
}

} // namespace wrenfold
