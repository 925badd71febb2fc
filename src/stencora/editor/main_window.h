#pragma once
// The main editor window of stencora.
#include "shell/app_paths.h"

#include <QMainWindow>

class QToolBar;
class QToolButton;
namespace platform {
class DialogSeam;
}
namespace shell {
class StencoraHelpMenu;
}

namespace stencora {

inline constexpr char kTitle[] = "Wrenfold Stencora 2.0";
inline constexpr char kHelpFileName[] = "stencora_help.chm";

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(platform::DialogSeam& seam, QWidget* parent = nullptr);
    void setAboutWindow(QDialog* about);
    const shell::AppPaths& paths() const { return paths_; }
    shell::StencoraHelpMenu* helpMenu() const { return helpMenu_; }

public slots:
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    platform::DialogSeam& seam_;
    shell::AppPaths paths_;
    shell::StencoraHelpMenu* helpMenu_;
    bool shown_ = false;
};

} // namespace stencora
