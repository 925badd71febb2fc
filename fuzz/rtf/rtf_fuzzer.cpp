// Loads any bytes as RTF (or as plain text), saves the document and loads that again: nothing
// may crash, hang or leak, and the second load must give the paragraphs of the first.
#include "platform/rtf_document.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Paragraph {
    QString text;
    bool bullet;
    int alignment;
    bool operator==(const Paragraph&) const = default;
};

QList<Paragraph> Paragraphs(const QTextDocument& doc) {
    QList<Paragraph> paragraphs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        paragraphs.append({block.text(), block.textList() != nullptr,
                           int(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask)});
    return paragraphs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    platform::LoadRtf(bytes, doc);
    const QByteArray saved = platform::SaveRtf(doc);
    QTextDocument again;
    platform::LoadRtf(saved, again);
    if (Paragraphs(again) != Paragraphs(doc)) {
        std::fprintf(stderr, "what we wrote reads back differently:\n%s\n", saved.constData());
        std::abort();
    }
    return 0;
}
