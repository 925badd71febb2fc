#pragma once
// The program-wide state of wrenfold: one object, made by main() and handed to every window.
// Texts are bytes as the file system and the library files hold them (UTF-8 here).
#include "shell/app_paths.h"

#include <string>

namespace wrenfold {

struct ProgramState {
    // The executable whose folder is the application directory. Empty: the running executable.
    std::string executablePath;
    // The application directory and the help file path, derived when the main window first shows.
    shell::AppPaths paths;
    // The current language/grammar library; empty when there is none.
    std::string currentLibraryName;
    // applicationDirectory + currentLibraryName, set by the library editors when they open one.
    std::string libraryFolder;
    // The text file the main window's text was last opened from or saved to; empty: none.
    std::string currentFileName;
};

} // namespace wrenfold
