#include "app_paths.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace shell {

std::string ApplicationDirectoryOf(const std::string& executablePath) {
    auto slash = executablePath.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return executablePath.substr(0, slash + 1);
}

AppPaths DerivePaths(const std::string& executablePath, const std::string& helpFileName, bool withTemplates) {
    AppPaths paths;
    paths.applicationDirectory = ApplicationDirectoryOf(executablePath);
    paths.helpFilePath = paths.applicationDirectory + helpFileName;
    if (withTemplates)
        paths.templateDirectory = paths.applicationDirectory + "template/";
    return paths;
}

std::string RunningExecutablePath() {
    // readlink reports how much it wrote; grow the buffer until the whole path fits.
    std::vector<char> buffer(1024);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            break;
        if (static_cast<size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

} // namespace shell
