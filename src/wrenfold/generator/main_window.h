#pragma once
// The generator main window of wrenfold.
#include "shell/app_paths.h"

#include <QMainWindow>

namespace platform {
class DialogSeam;
}
namespace shell {
class WrenfoldHelpMenu;
}

namespace wrenfold {

inline constexpr char kTitle[] = "Wrenfold Verbarium 2.0";
inline constexpr char kHelpFileName[] = "wrenfold_help.chm";

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(platform::DialogSeam& seam, QWidget* parent = nullptr);
    void setAboutWindow(QDialog* about);
    const shell::AppPaths& paths() const { return paths_; }
    shell::WrenfoldHelpMenu* helpMenu() const { return helpMenu_; }

public slots:
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    platform::DialogSeam& seam_;
    shell::AppPaths paths_;
    shell::WrenfoldHelpMenu* helpMenu_;
    bool shown_ = false;
};

} // namespace wrenfold
