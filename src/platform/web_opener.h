#pragma once
#include <QString>

namespace platform {

// Opens a web address given without scheme ("host/page.htm") in the desktop's default browser.
// The result is not looked at.
void OpenWebAddress(const QString& address);

} // namespace platform
