#include "errors.h"

#include <cstring>

namespace platform {

ConvertError::ConvertError(const std::string& text)
    : Error("'" + text + "' is not a valid integer value"), text_(text) {}

static std::string Reason(int errnoValue) {
    std::string reason = std::strerror(errnoValue);
    return reason;
}

FileError CannotOpenFile(const std::string& path, int errnoValue) {
    return FileError("Cannot open file \"" + path + "\". " + Reason(errnoValue));
}

FileError CannotCreateFile(const std::string& path, int errnoValue) {
    return FileError("Cannot create file \"" + path + "\". " + Reason(errnoValue));
}

} // namespace platform
