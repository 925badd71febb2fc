#include "wizard_file.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/integer.h"
#include "platform/text_lines.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace stencora {

std::string WizardFileBytes(const std::vector<WizardParameter>& parameters) {
    std::string bytes = std::to_string(parameters.size()) + "\r\n";
    for (const WizardParameter& parameter : parameters) {
        for (auto field : WizardParameter::kFields) {
            const std::string& text = parameter.*field;
            if (text.find_first_of("\r\n") != std::string::npos)
                throw platform::Error("Parameter " + parameter.Name +
                                      " holds a line break, which a wizard file cannot store.");
            bytes += text;
            bytes += "\r\n";
        }
    }
    return bytes;
}

void WriteWizardFile(const std::string& path, const std::vector<WizardParameter>& parameters) {
    platform::WriteFileAtomic(path, WizardFileBytes(parameters));
}

WizardFileReader::WizardFileReader(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw platform::CannotOpenFile(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw platform::CannotOpenFile(path, EISDIR);
    }
    Source source = [fd, path](char* buffer, std::size_t size) -> std::size_t {
        for (;;) {
            ssize_t n = ::read(fd, buffer, size);
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                throw platform::CannotOpenFile(path, errno);
        }
    };
    *this = WizardFileReader(path, fd, std::move(source), kBufferSize);
}

WizardFileReader WizardFileReader::FromBytes(std::string bytes, std::size_t bufferSize) {
    Source source = [bytes = std::move(bytes), offset = std::size_t{0}](char* buffer,
                                                                        std::size_t size) mutable {
        std::size_t n = std::min(size, bytes.size() - offset);
        bytes.copy(buffer, n, offset);
        offset += n;
        return n;
    };
    return WizardFileReader("", -1, std::move(source), bufferSize);
}

WizardFileReader::WizardFileReader(std::string path, int fd, Source source, std::size_t bufferSize)
    : path_(std::move(path)), fd_(fd), source_(std::move(source)),
      buffer_(bufferSize ? bufferSize : 1, '\0') {
    try {
        ReadCount();
    } catch (...) {
        Close();
        throw;
    }
}

WizardFileReader::WizardFileReader(WizardFileReader&& other) noexcept {
    *this = std::move(other);
}

WizardFileReader& WizardFileReader::operator=(WizardFileReader&& other) noexcept {
    if (this != &other) {
        Close();
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
        source_ = std::exchange(other.source_, nullptr);
        buffer_ = std::move(other.buffer_);
        begin_ = std::exchange(other.begin_, 0);
        end_ = std::exchange(other.end_, 0);
        exhausted_ = std::exchange(other.exhausted_, true);
        count_ = other.count_;
    }
    return *this;
}

WizardFileReader::~WizardFileReader() {
    Close();
}

void WizardFileReader::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    source_ = nullptr;
    begin_ = end_ = 0;
    exhausted_ = true;
}

bool WizardFileReader::Refill() {
    if (exhausted_ || !source_)
        return false;
    begin_ = 0;
    end_ = source_(buffer_.data(), buffer_.size());
    if (end_ == 0)
        exhausted_ = true;
    return end_ > 0;
}

int WizardFileReader::Peek() {
    if (begin_ == end_ && !Refill())
        return -1;
    return static_cast<unsigned char>(buffer_[begin_]);
}

void WizardFileReader::Skip() {
    ++begin_;
}

bool WizardFileReader::AtEnd() {
    return Peek() < 0;
}

void WizardFileReader::ReadCount() {
    int c;
    while ((c = Peek()) >= 0 && platform::IsBlank(static_cast<char>(c)))
        Skip();
    std::string number;
    while ((c = Peek()) >= 0 && !platform::IsBlank(static_cast<char>(c))) {
        number.push_back(static_cast<char>(c));
        Skip();
    }
    count_ = number.empty() ? 0 : platform::StrToInt(number);
    // The rest of line 1, its line end included.
    while ((c = Peek()) >= 0) {
        Skip();
        if (c == '\n')
            break;
    }
}

std::string WizardFileReader::ReadField() {
    std::string field;
    while (begin_ < end_ || Refill()) {
        // Take the run of ordinary bytes up to the next CR or LF in one piece.
        std::size_t stop = begin_;
        while (stop < end_ && buffer_[stop] != '\n' && buffer_[stop] != '\r')
            ++stop;
        field.append(buffer_, begin_, stop - begin_);
        begin_ = stop;
        if (begin_ == end_)
            continue;
        char c = buffer_[begin_++];
        if (c == '\n')
            break;
        // A CR: part of a CR LF line end, or a lone CR that is dropped. Either way it adds nothing.
    }
    return field;
}

WizardParameter WizardFileReader::ReadNext() {
    WizardParameter parameter;
    for (auto field : WizardParameter::kFields)
        parameter.*field = ReadField();
    return parameter;
}

} // namespace stencora
