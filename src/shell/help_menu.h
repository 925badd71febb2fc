#pragma once
// The Help menus of the two main windows: help topics, web pages and the About window.
#include "app_paths.h"

#include <QObject>

class QDialog;
class QMenu;
class QMenuBar;
class QWidget;
class QAction;
namespace platform {
class DialogSeam;
}

namespace shell {

class HelpMenuBase : public QObject {
    Q_OBJECT
public:
    // paths is read when a command runs, so it may be derived after the menu is built.
    HelpMenuBase(QWidget* window, platform::DialogSeam& seam, const AppPaths& paths, QDialog* about);
    QMenu* menu() const { return menu_; }
    QAction* action(const QString& objectName) const;
    void setAboutWindow(QDialog* about) { about_ = about; }

protected:
    QAction* addItem(const QString& objectName, const QString& caption, void (HelpMenuBase::*handler)());
    void help(const QString& topic);
    void web(const QString& page);
    void about();

    QWidget* window_;
    platform::DialogSeam& seam_;
    const AppPaths& paths_;
    QDialog* about_;
    QMenu* menu_;
};

class StencoraHelpMenu : public HelpMenuBase {
    Q_OBJECT
public:
    StencoraHelpMenu(QMenuBar* bar, QWidget* window, platform::DialogSeam& seam, const AppPaths& paths,
                     QDialog* about);
public slots:
    void StencoraHelp1Click() { help("0101.htm"); }
    void HelpOnline1Click() { web("tutorial.htm"); }
    void SystemUpdate1Click() { web("download.htm"); }
    void ProductPage1Click() { web("download.htm"); }
    void Halvercotsupport1Click() { web("contact.htm"); }
    void About1Click() { about(); }
    // The last button of the main toolbar.
    void ToolButton15Click() { help("0300.htm"); }
};

class WrenfoldHelpMenu : public HelpMenuBase {
    Q_OBJECT
public:
    WrenfoldHelpMenu(QMenuBar* bar, QWidget* window, platform::DialogSeam& seam, const AppPaths& paths,
                     QDialog* about);
public slots:
    void WrenfoldHelp1Click() { help("0101.htm"); }
    void Helponline1Click() { web("tutorial.htm"); }
    void SystemUpdate1Click() { web("download.htm"); }
    void N8Click() { web("download.htm"); }
    void HalvercotSupport1Click() { web("contact.htm"); }
    void About1Click() { about(); }
};

} // namespace shell
