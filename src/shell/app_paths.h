#pragma once
// Program-wide paths derived from the location of the running executable.
#include <string>

namespace shell {

struct AppPaths {
    std::string applicationDirectory; // folder of the executable, ending with "/"
    std::string helpFilePath;         // applicationDirectory + help file name
    std::string templateDirectory;    // applicationDirectory + "template/" (stencora only)
};

// Everything of executablePath up to and including its last "/", whatever the file is called.
std::string ApplicationDirectoryOf(const std::string& executablePath);

// The paths of a program whose executable is executablePath. withTemplates adds the template
// directory (stencora).
AppPaths DerivePaths(const std::string& executablePath, const std::string& helpFileName, bool withTemplates);

// Full path of the running executable, of any length (the link /proc/self/exe).
std::string RunningExecutablePath();

} // namespace shell
