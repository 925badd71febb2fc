#include "platform/rtf_codepage.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
const iconv_t kNoIconv = reinterpret_cast<iconv_t>(-1);

std::string IconvName(int codePage) {
    switch (codePage) {
    case 10000:
        return "MACINTOSH";
    case 20932:
    case 51932:
        return "EUC-JP";
    case 54936:
        return "GB18030";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 28591:
    case 28592:
    case 28595:
    case 28597:
    case 28605:
        return "ISO-8859-" + std::to_string(codePage == 28605 ? 15 : codePage - 28590);
    case 65001:
        return "UTF-8";
    default:
        return "CP" + std::to_string(codePage);
    }
}

iconv_t OpenIconv(const std::string& to, const std::string& from) {
    return iconv_open(to.c_str(), from.c_str());
}

// Converts input with cd into UTF-16 units appended to out; a byte that does not convert and a
// sequence cut off at the end each become U+FFFD.
void ConvertToUtf16(iconv_t cd, std::string_view input, QString& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char16_t buffer[512];
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer);
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
        out.append(reinterpret_cast<const QChar*>(buffer),
                   static_cast<qsizetype>((sizeof buffer - outLeft) / sizeof(char16_t)));
        if (error == EILSEQ) {
            out.append(QChar(kReplacement));
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        } else if (error == EINVAL) {
            out.append(QChar(kReplacement)); // a sequence cut off at the end
            break;
        } else if (error != 0 && error != E2BIG) {
            break;
        }
    }
    char* outPtr = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(reinterpret_cast<const QChar*>(buffer),
               static_cast<qsizetype>((sizeof buffer - outLeft) / sizeof(char16_t)));
}

} // namespace

int CodePageForCharset(int charset, int ansiCodePage) {
    switch (charset) {
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Shift-JIS
    case 129:
        return 949; // Hangul
    case 130:
        return 1361; // Johab
    case 134:
        return 936; // GB2312 / GBK
    case 136:
        return 950; // Big5
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Central European
    case 254:
        return 437; // PC 437
    case 255:
        return 437; // OEM
    default:
        return ansiCodePage;
    }
}

bool IsMultiByteCodePage(int codePage) {
    switch (codePage) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 20932:
    case 51932:
    case 54936:
    case 65001:
        return true;
    default:
        return false;
    }
}

CodePageDecoder::CodePageDecoder(int codePage) : codePage_(codePage) {
    iconv_t cd = OpenIconv("UTF-16LE", IconvName(codePage));
    if (cd == kNoIconv) {
        codePage_ = 1252;
        cd = OpenIconv("UTF-16LE", "CP1252");
    }
    multiByte_ = IsMultiByteCodePage(codePage_) && cd != kNoIconv;
    for (int b = 0; b < 256; ++b)
        single_[b] = b < 0x80 ? char16_t(b) : (cd == kNoIconv ? char16_t(b) : kReplacement);
    if (cd == kNoIconv)
        return;
    if (multiByte_) {
        iconv_ = cd;
        return;
    }
    for (int b = 0x80; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        QString one;
        ConvertToUtf16(cd, std::string_view(&byte, 1), one);
        if (one.size() == 1)
            single_[b] = one.at(0).unicode();
    }
    iconv_close(cd);
}

CodePageDecoder::~CodePageDecoder() {
    if (iconv_)
        iconv_close(static_cast<iconv_t>(iconv_));
}

void CodePageDecoder::Decode(std::string_view bytes, QString& out) {
    if (multiByte_) {
        ConvertToUtf16(static_cast<iconv_t>(iconv_), bytes, out);
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(bytes.size()));
    QChar* dest = out.data() + start;
    for (const char c : bytes)
        *dest++ = QChar(single_[static_cast<unsigned char>(c)]);
}

CodePageEncoder::CodePageEncoder(int codePage) {
    if (!IsMultiByteCodePage(codePage)) {
        CodePageDecoder decoder(codePage);
        for (int b = 0xFF; b >= 0x80; --b) {
            const char16_t c = decoder.ByteChar(static_cast<unsigned char>(b));
            if (c != kReplacement)
                single_[c] = static_cast<unsigned char>(b);
        }
        return;
    }
    iconv_t cd = OpenIconv(IconvName(codePage), "UTF-16LE");
    if (cd != kNoIconv)
        iconv_ = cd;
}

CodePageEncoder::~CodePageEncoder() {
    if (iconv_)
        iconv_close(static_cast<iconv_t>(iconv_));
}

std::string CodePageEncoder::Encode(QStringView character) {
    if (character.isEmpty())
        return {};
    if (!iconv_) {
        if (character.size() != 1)
            return {};
        const char16_t c = character.at(0).unicode();
        if (c < 0x80)
            return std::string(1, static_cast<char>(c));
        const auto it = single_.find(c);
        return it == single_.end() ? std::string() : std::string(1, static_cast<char>(it->second));
    }
    iconv_t cd = static_cast<iconv_t>(iconv_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(character.data()));
    std::size_t inLeft = static_cast<std::size_t>(character.size()) * sizeof(char16_t);
    char buffer[16];
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return {};
    iconv(cd, nullptr, nullptr, &out, &outLeft);
    return std::string(buffer, sizeof buffer - outLeft);
}

// The code pages RTF files use; any other number reads as Windows-1252. A fixed set also bounds
// the decoders a file can make us build.
int SupportedCodePage(int codePage) {
    switch (codePage) {
    case 437:
    case 708:
    case 720:
    case 737:
    case 775:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 1250:
    case 1251:
    case 1252:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
    case 1361:
    case 10000:
    case 20866:
    case 20932:
    case 21866:
    case 28591:
    case 28592:
    case 28595:
    case 28597:
    case 28605:
    case 51932:
    case 54936:
    case 65001:
        return codePage;
    default:
        return 1252;
    }
}

CodePageDecoder& CodePages::Decoder(int codePage) {
    codePage = SupportedCodePage(codePage);
    auto& slot = decoders_[codePage];
    if (!slot)
        slot = std::make_unique<CodePageDecoder>(codePage);
    return *slot;
}

CodePageEncoder& CodePages::Encoder(int codePage) {
    codePage = SupportedCodePage(codePage);
    auto& slot = encoders_[codePage];
    if (!slot)
        slot = std::make_unique<CodePageEncoder>(codePage);
    return *slot;
}

} // namespace platform
