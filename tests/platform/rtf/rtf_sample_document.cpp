#include "rtf_sample_document.h"

#include "rtf_test_support.h"

#include <QColor>
#include <QFont>
#include <QTextList>

#include <cmath>
#include <utility>

namespace rtf_test {

namespace {

// What RTF keeps of a character format, as text for readable failures.
// cjk: the format of a CJK character, whose face another program may keep apart (LibreOffice
// gives CJK text an Asian font of its own).
std::string Describe(const QTextCharFormat& f, const QTextDocument& doc, Fidelity fidelity, bool cjk) {
    std::string d =
        fidelity == Fidelity::Peer && cjk ? std::string("(CJK)") : platform::FontFace(f).toStdString();
    const double points = platform::FontPoints(f, doc);
    d.append(" ").append(std::to_string(fidelity == Fidelity::Exact ? points : std::round(points * 2) / 2));
    if (IsBold(f))
        d += " bold";
    if (f.fontItalic())
        d += " italic";
    if (f.fontUnderline())
        d += " underline";
    if (f.fontStrikeOut())
        d += " strike";
    if (HasColour(f))
        d.append(" ").append(f.foreground().color().name().toStdString());
    if (fidelity == Fidelity::Peer)
        return d;
    if (platform::HasFontCharset(f))
        d.append(" charset").append(std::to_string(platform::FontCharset(f)));
    if (platform::HasFontPitch(f))
        d.append(" pitch").append(std::to_string(platform::FontPitch(f)));
    if (f.hasProperty(QTextFormat::FontStyleHint))
        d.append(" hint").append(std::to_string(f.fontStyleHint()));
    return d;
}

template <typename Change> QTextCharFormat With(QTextCharFormat f, Change change) {
    change(f);
    return f;
}

struct ParaPlan {
    Qt::Alignment align;
    bool bullet;
    std::vector<std::pair<const char*, QTextCharFormat>> runs;
};

} // namespace

QTextCharFormat Face(const char* face, double points, int charset, int pitch, int hint) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromUtf8(face)});
    f.setFontPointSize(points);
    if (charset >= 0)
        platform::SetFontCharset(f, charset);
    if (pitch >= 0)
        platform::SetFontPitch(f, pitch);
    if (hint >= 0)
        f.setFontStyleHint(static_cast<QFont::StyleHint>(hint));
    return f;
}

// Every paragraph as its alignment, bullet, paragraph-mark format and runs of text with formats.
std::vector<std::string> Dump(const QTextDocument& doc, Fidelity fidelity) {
    std::vector<std::string> dump;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        std::string line = std::to_string(int(Align(block)));
        if (IsBullet(block))
            line.append(" bullet");
        if (fidelity == Fidelity::Exact)
            line.append(" [").append(Describe(block.charFormat(), doc, fidelity, false)).append("]");
        std::string lastFormat;
        bool cjk = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text();
            // Character by character, so that runs split alike whoever wrote them.
            for (qsizetype i = 0; i < text.size(); ++i) {
                // Blanks and punctuation after CJK text count as CJK text.
                const char16_t c = text[i].unicode();
                cjk = (c >= 0x2E80 && c <= 0x9FFF) || (cjk && c < 0x80 && !QChar::isLetter(c));
                const std::string format = Describe(fragment.charFormat(), doc, fidelity, cjk);
                if (format != lastFormat)
                    line.append(" <").append(format).append(">");
                lastFormat = format;
                line += QString(text[i]).toStdString();
            }
        }
        dump.push_back(line);
    }
    return dump;
}

std::unique_ptr<QTextDocument> EveryFormatDocument() {
    auto doc = std::make_unique<QTextDocument>();
    platform::ApplyDocumentDefaults(*doc);
    const QTextCharFormat base = platform::DocumentDefaultCharFormat();
    const auto bold = With(base, [](auto& f) { f.setFontWeight(QFont::Bold); });
    const auto italic = With(base, [](auto& f) { f.setFontItalic(true); });
    const auto under = With(base, [](auto& f) { f.setFontUnderline(true); });
    const auto strike = With(base, [](auto& f) { f.setFontStrikeOut(true); });
    const auto red = With(base, [](auto& f) { f.setForeground(QColor(200, 10, 30)); });
    const auto all = With(bold, [](auto& f) {
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
        f.setForeground(QColor(0, 0, 255));
    });
    const auto arial = Face("Arial", 12, 0, 2, QFont::SansSerif);
    const auto times = Face("Times New Roman", 18, 0, 2, QFont::Serif);
    const auto courier = Face("Courier New", 10, 0, 1, QFont::TypeWriter);
    const auto simsun = Face("宋体", 14, 134, 2);
    const auto pixels = Face("Arial", 9.75); // 13 pixels from the font dialog
    const std::vector<ParaPlan> paras = {
        {Qt::AlignLeft, false, {{"plain ", base}, {"bold ", bold}, {"italic ", italic}, {"under", under}}},
        {Qt::AlignHCenter, false, {{"strike ", strike}, {"red ", red}, {"all", all}}},
        {Qt::AlignRight, false, {{"Arial 12 ", arial}, {"Times 18 ", times}, {"Courier 10", courier}}},
        {Qt::AlignJustify, false, {{"宋体中文 and café ", simsun}, {"13 px", pixels}}},
        {Qt::AlignLeft, true, {{"first bullet ", base}, {"bold", bold}}},
        {Qt::AlignLeft, true, {{"second bullet", base}}},
        {Qt::AlignLeft, false, {}},
        {Qt::AlignHCenter, true, {{"a new list, centred", italic}}},
        {Qt::AlignLeft, false, {{"{braces} \\back\\slash\ttab\u2028line\u00a0nbsp 😀 \u20ac", base}}},
        {Qt::AlignLeft,
         false,
         {{"8 ", Face("Arial", 8)}, {"24 ", Face("Arial", 24)}, {"48", Face("Arial", 48)}}},
    };
    QTextCursor cursor(doc.get());
    QTextList* list = nullptr;
    bool first = true;
    for (const ParaPlan& p : paras) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(p.align);
        if (!first)
            cursor.insertBlock(blockFormat, p.runs.empty() ? bold : base);
        else
            cursor.setBlockFormat(blockFormat);
        first = false;
        if (p.bullet) {
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(QTextListFormat::ListDisc);
        } else {
            list = nullptr;
        }
        for (const auto& [text, format] : p.runs)
            cursor.insertText(QString::fromUtf8(text), format);
    }
    return doc;
}

} // namespace rtf_test
