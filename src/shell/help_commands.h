#pragma once
// Help topics of the compiled help file and pages of the maker's web site.
#include <QString>

class QWidget;
namespace platform {
class DialogSeam;
}

namespace shell {

// Host name of the maker's web site; addresses are this host, "/" and a page name.
inline constexpr char kWebSiteHost[] = "www.wrenfold-software.example";

QString WebAddressFor(const QString& page);

// Opens topic (e.g. "0101.htm") of the help file at helpFilePath in a viewer owned by caller.
void ShowHelpTopic(platform::DialogSeam& seam, QWidget* caller, const QString& helpFilePath,
                   const QString& topic);

// Opens page (e.g. "tutorial.htm") of the maker's web site in the desktop's browser.
void OpenWebPage(platform::DialogSeam& seam, QWidget* caller, const QString& page);

} // namespace shell
