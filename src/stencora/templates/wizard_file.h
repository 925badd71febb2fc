#pragma once
// The wizard file of a template: line 1 holds the number N of records, then N records of twelve
// lines follow, one field per line in the order of WizardParameter. Bytes are written and read
// unchanged; every line the writer makes ends with CR LF, the last one too.
#include "wizard_parameter.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace stencora {

// The bytes of a wizard file that holds parameters, in the given order.
// Throws platform::Error when a field holds a CR or an LF: such a field would shift every field
// after it by a line, so the file would no longer read back as the records that were written.
std::string WizardFileBytes(const std::vector<WizardParameter>& parameters);

// Writes the wizard file path with the active parameters, in order. The file is written to a
// temporary file beside it and renamed over the old one, so a write that fails (read-only folder,
// disk full) leaves the old file as it was. Throws platform::FileError ("Cannot create file ...")
// when it cannot be written, and platform::Error for a field with a line break (nothing is
// written then).
void WriteWizardFile(const std::string& path, const std::vector<WizardParameter>& parameters);

// Reads a wizard file front to back once. Opening it reads N from line 1; each ReadNext reads the
// next record, so records are read one at a time, just before the step that asks for them, and
// nothing is read or held ahead whatever N says.
//
// Reading rules:
//  - Line 1: blanks (bytes up to the space character) and line ends before the number are
//    skipped. The number runs up to the next blank or line end and is a decimal integer with an
//    optional sign; anything else throws platform::ConvertError. The rest of line 1 is skipped.
//    A file that is empty or holds only blanks and line ends gives N = 0.
//  - A field is the rest of the current line: LF and CR LF end a line; a CR not followed by LF
//    does not end it and is dropped. Past the end of the file every field is empty.
class WizardFileReader {
public:
    // Opens path; throws platform::FileError "Cannot open file \"path\". reason" when it cannot be
    // opened or read, and platform::ConvertError when line 1 does not hold a whole number.
    explicit WizardFileReader(const std::string& path);

    // A reader over bytes in memory (tests, fuzzing). bufferSize sets how many bytes are taken
    // at a time, as a file is read in pieces.
    static WizardFileReader FromBytes(std::string bytes, std::size_t bufferSize = kBufferSize);

    WizardFileReader(WizardFileReader&&) noexcept;
    WizardFileReader& operator=(WizardFileReader&&) noexcept;
    WizardFileReader(const WizardFileReader&) = delete;
    WizardFileReader& operator=(const WizardFileReader&) = delete;
    ~WizardFileReader();

    // N as read from line 1: the number of wizard steps. 0 or less means no records.
    int Count() const { return count_; }

    // Reads the next twelve lines into a record; fields past the end of the file are empty.
    WizardParameter ReadNext();

    // True once every byte has been read (ReadNext would give only empty fields).
    bool AtEnd();

    // Releases the file. Reading afterwards gives empty fields.
    void Close();

    static constexpr std::size_t kBufferSize = 64 * 1024;

private:
    // Fills buffer with up to its size of bytes; returns how many (0 at the end).
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;
    WizardFileReader(std::string path, int fd, Source source, std::size_t bufferSize);

    int Peek();  // next byte as 0..255, or -1 at the end
    void Skip(); // moves past the byte Peek gave
    bool Refill();
    void ReadCount();
    std::string ReadField();

    std::string path_;
    int fd_ = -1;
    Source source_;
    std::string buffer_;
    std::size_t begin_ = 0; // next unread byte in buffer_
    std::size_t end_ = 0;   // end of the valid bytes in buffer_
    bool exhausted_ = false;
    int count_ = 0;
};

} // namespace stencora
