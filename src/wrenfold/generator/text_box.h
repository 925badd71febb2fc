#pragma once
// The plain-text box of the main window: a QPlainTextEdit whose lines wrap at the widget's edge,
// tuned for the one very long paragraph that generated sentences make.
#include <QPlainTextEdit>
#include <QStringList>

namespace wrenfold {

// Once, at start-up: lets the allocator keep and reuse the large buffers that laying out a long
// paragraph takes (see text_box.cpp).
void KeepLargeTextBuffersInHeap();

class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // The whole text, lines separated by "\n", every character as typed (no-break spaces stay).
    QString text() const;
    // Replaces the whole text; the caret goes to the start.
    void setText(const QString& text);
    // Adds text at the very end in one edit (one change notification, one undo step). A caret at
    // the end moves on with it; a caret or selection elsewhere stays where it is.
    void appendAtEnd(const QString& text);
    // The font of the text. Optional typographic refinements (ligatures, kerning) are left out:
    // scripts that need shaping are still shaped, and a long paragraph lays out several times
    // faster.
    void setTextFont(const QFont& font);
    // The lines as the box shows them: a line that wraps gives one entry per piece.
    QStringList displayedLines() const;

private:
    void keepLayouts(int position, int added);
};

} // namespace wrenfold
