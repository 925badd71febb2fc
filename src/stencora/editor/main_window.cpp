#include "main_window.h"

#include "shell/help_menu.h"

#include <QMenuBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace stencora {

TForm1::TForm1(platform::DialogSeam& seam, QWidget* parent) : QMainWindow(parent), seam_(seam) {
    setObjectName("TForm1");
    setWindowTitle(kTitle);
    resize(607, 457);
    setMinimumWidth(130);
    auto* toolbar = addToolBar("ToolBar1");
    toolbar->setObjectName("ToolBar1");
    helpMenu_ = new shell::StencoraHelpMenu(menuBar(), this, seam_, paths_, nullptr);
    auto* help = new QToolButton(toolbar);
    help->setObjectName("ToolButton15");
    help->setToolTip("How to create customized template?");
    help->setCursor(Qt::PointingHandCursor);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    toolbar->addWidget(help);
    connect(help, &QToolButton::clicked, helpMenu_, &shell::StencoraHelpMenu::ToolButton15Click);
}

void TForm1::setAboutWindow(QDialog* about) {
    helpMenu_->setAboutWindow(about);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    paths_ = shell::DerivePaths(shell::RunningExecutablePath(), kHelpFileName, true);
}

} // namespace stencora
