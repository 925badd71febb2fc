#include "main_window.h"

#include "shell/help_menu.h"

#include <QMenuBar>
#include <QShowEvent>

namespace wrenfold {

TForm1::TForm1(platform::DialogSeam& seam, QWidget* parent) : QMainWindow(parent), seam_(seam) {
    setObjectName("TForm1");
    setWindowTitle(kTitle);
    resize(640, 480);
    helpMenu_ = new shell::WrenfoldHelpMenu(menuBar(), this, seam_, paths_, nullptr);
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
    paths_ = shell::DerivePaths(shell::RunningExecutablePath(), kHelpFileName, false);
}

} // namespace wrenfold
