#pragma once
// The legacy code pages of RTF (\ansicpgN, \fcharsetN, \cpgN), decoded and encoded with iconv.
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// The Windows code page of an RTF character set (\fcharsetN); the ANSI set (0), the default set
// (1), the symbol set (2) and sets without a code page of their own use ansiCodePage.
int CodePageForCharset(int charset, int ansiCodePage);

// Whether bytes of the code page come in sequences of more than one (Shift-JIS, GBK, Big5...).
bool IsMultiByteCodePage(int codePage);

// Bytes of one code page to UTF-16. Code pages iconv does not know decode as Windows-1252.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    int codePage() const { return codePage_; }
    bool multiByte() const { return multiByte_; }

    // Appends the text of bytes to out. A byte or sequence that does not decode becomes U+FFFD;
    // a sequence cut off at the end of bytes does too.
    void Decode(std::string_view bytes, QString& out);

    // The character of one byte of a single-byte code page.
    char16_t ByteChar(unsigned char byte) const { return single_[byte]; }

private:
    int codePage_;
    bool multiByte_ = false;
    void* iconv_ = nullptr; // iconv_t of a multi-byte code page
    std::array<char16_t, 256> single_{};
};

// UTF-16 to the bytes of one code page, for the fallback bytes written after \uN.
class CodePageEncoder {
public:
    explicit CodePageEncoder(int codePage);
    ~CodePageEncoder();
    CodePageEncoder(const CodePageEncoder&) = delete;
    CodePageEncoder& operator=(const CodePageEncoder&) = delete;

    // The bytes of the character (one UTF-16 unit, or a surrogate pair), or an empty string
    // when the code page has no such character.
    std::string Encode(QStringView character);

private:
    void* iconv_ = nullptr;
    std::map<char16_t, unsigned char> single_; // the characters of a single-byte code page
};

// Decoders and encoders made on first use, one per code page; code pages outside the ones RTF
// files use (the Windows, DOS, Mac Roman, KOI8, ISO 8859 and CJK pages) are Windows-1252.
class CodePages {
public:
    CodePageDecoder& Decoder(int codePage);
    CodePageEncoder& Encoder(int codePage);

private:
    std::map<int, std::unique_ptr<CodePageDecoder>> decoders_;
    std::map<int, std::unique_ptr<CodePageEncoder>> encoders_;
};

} // namespace platform
