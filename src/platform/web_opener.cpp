#include "web_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void OpenWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace platform
