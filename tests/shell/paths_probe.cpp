// Prints the application directory, help file path and template directory of this executable.
#include "shell/app_paths.h"

#include <cstdio>

int main() {
    auto paths = shell::DerivePaths(shell::RunningExecutablePath(), "stencora_help.chm", true);
    std::printf("%s\n%s\n%s\n", paths.applicationDirectory.c_str(), paths.helpFilePath.c_str(),
                paths.templateDirectory.c_str());
    return 0;
}
