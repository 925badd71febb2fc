#pragma once
// Errors that a command does not handle itself. The application-wide handler shows their
// message in the error box and ends the command that raised them.
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A text that should have been an integer: "'%s' is not a valid integer value".
class ConvertError : public Error {
public:
    explicit ConvertError(const std::string& text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A file or folder that could not be opened, read, written or listed.
class FileError : public Error {
public:
    using Error::Error;
};

// "Cannot open file \"path\". reason" for a file that cannot be opened for reading.
FileError CannotOpenFile(const std::string& path, int errnoValue);
// "Cannot create file \"path\". reason" for a file that cannot be written.
FileError CannotCreateFile(const std::string& path, int errnoValue);

} // namespace platform
