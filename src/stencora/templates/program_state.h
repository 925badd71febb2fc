#pragma once
// The program-wide state of stencora: one object, owned by main() and handed to every window.
#include "shell/app_paths.h"
#include "stencora/templates/wizard_parameter.h"

#include <string>

namespace stencora {

struct ProgramState {
    // Application directory, help file path and template directory, derived when the main window
    // is first shown.
    shell::AppPaths paths;
    // Full path (UTF-8) of the file the document was last opened from or saved to; empty for a new
    // document and for a document made from a template.
    std::string CurrentFileName;
    // Set when new-wizard mode is switched on; the Parameter Manager then starts with an empty list.
    bool NewWizardPending = false;
    // The wizard record being asked; set before each wizard step, read by the step dialog.
    WizardParameter CurrentWizardParameter;
};

} // namespace stencora
