#pragma once
// Start-up common to both programs.
#include "platform/skins.h"

#include <QString>

namespace platform {
class Application;
class DialogSeam;
} // namespace platform

namespace shell {

// Sets the application title and help file name, the skin, and the seam of the error report.
void InitApplication(platform::Application& app, const QString& title, const QString& helpFileName,
                     platform::Skin skin, platform::DialogSeam& seam);

} // namespace shell
