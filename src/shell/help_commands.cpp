#include "help_commands.h"

#include "platform/dialog_seam.h"

namespace shell {

QString WebAddressFor(const QString& page) {
    return QString::fromLatin1(kWebSiteHost) + "/" + page;
}

void ShowHelpTopic(platform::DialogSeam& seam, QWidget* caller, const QString& helpFilePath,
                   const QString& topic) {
    seam.showHelp(caller, helpFilePath, topic);
}

void OpenWebPage(platform::DialogSeam& seam, QWidget* caller, const QString& page) {
    seam.openWebAddress(caller, WebAddressFor(page));
}

} // namespace shell
