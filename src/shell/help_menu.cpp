#include "help_menu.h"

#include "help_commands.h"
#include "platform/dialog_seam.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

namespace shell {

HelpMenuBase::HelpMenuBase(QWidget* window, platform::DialogSeam& seam, const AppPaths& paths, QDialog* about)
    : QObject(window), window_(window), seam_(seam), paths_(paths), about_(about), menu_(nullptr) {}

QAction* HelpMenuBase::action(const QString& objectName) const {
    return menu_->findChild<QAction*>(objectName);
}

QAction* HelpMenuBase::addItem(const QString& objectName, const QString& caption,
                               void (HelpMenuBase::*handler)()) {
    auto* a = new QAction(caption, menu_);
    a->setObjectName(objectName);
    menu_->addAction(a);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void HelpMenuBase::help(const QString& topic) {
    ShowHelpTopic(seam_, window_, QString::fromStdString(paths_.helpFilePath), topic);
}

void HelpMenuBase::web(const QString& page) {
    OpenWebPage(seam_, window_, page);
}

void HelpMenuBase::about() {
    if (about_)
        seam_.execDialog(about_);
}

static QMenu* AddHelpMenu(QMenuBar* bar, QObject* owner) {
    QMenu* m = bar->addMenu("&Help");
    m->setObjectName("Help1");
    m->menuAction()->setObjectName("Help1Action");
    Q_UNUSED(owner);
    return m;
}

StencoraHelpMenu::StencoraHelpMenu(QMenuBar* bar, QWidget* window, platform::DialogSeam& seam,
                                   const AppPaths& paths, QDialog* about)
    : HelpMenuBase(window, seam, paths, about) {
    menu_ = AddHelpMenu(bar, this);
    using B = HelpMenuBase;
    addItem("StencoraHelp1", "Stencora Help",
            static_cast<void (B::*)()>(&StencoraHelpMenu::StencoraHelp1Click));
    addItem("HelpOnline1", "Help Online", static_cast<void (B::*)()>(&StencoraHelpMenu::HelpOnline1Click));
    menu_->addSeparator();
    addItem("SystemUpdate1", "System Update",
            static_cast<void (B::*)()>(&StencoraHelpMenu::SystemUpdate1Click));
    addItem("ProductPage1", "Product Page", static_cast<void (B::*)()>(&StencoraHelpMenu::ProductPage1Click));
    addItem("Halvercotsupport1", "Halvercot Support",
            static_cast<void (B::*)()>(&StencoraHelpMenu::Halvercotsupport1Click));
    menu_->addSeparator();
    addItem("About1", "About", static_cast<void (B::*)()>(&StencoraHelpMenu::About1Click));
}

WrenfoldHelpMenu::WrenfoldHelpMenu(QMenuBar* bar, QWidget* window, platform::DialogSeam& seam,
                                   const AppPaths& paths, QDialog* about)
    : HelpMenuBase(window, seam, paths, about) {
    menu_ = AddHelpMenu(bar, this);
    using B = HelpMenuBase;
    addItem("WrenfoldHelp1", "Wrenfold Help",
            static_cast<void (B::*)()>(&WrenfoldHelpMenu::WrenfoldHelp1Click));
    addItem("Helponline1", "Help online...", static_cast<void (B::*)()>(&WrenfoldHelpMenu::Helponline1Click));
    menu_->addSeparator();
    addItem("SystemUpdate1", "System Update",
            static_cast<void (B::*)()>(&WrenfoldHelpMenu::SystemUpdate1Click));
    addItem("N8", "Product Homepage", static_cast<void (B::*)()>(&WrenfoldHelpMenu::N8Click));
    addItem("HalvercotSupport1", "Halvercot Support",
            static_cast<void (B::*)()>(&WrenfoldHelpMenu::HalvercotSupport1Click));
    menu_->addSeparator();
    addItem("About1", "About...", static_cast<void (B::*)()>(&WrenfoldHelpMenu::About1Click));
}

} // namespace shell
