#pragma once
// The application object: catches what a user event left uncaught, shows it in the error report
// of the dialog seam and ends that command.
#include <QApplication>

namespace platform {

class DialogSeam;

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    void setErrorSeam(DialogSeam* seam) { seam_ = seam; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    DialogSeam* seam_ = nullptr;
};

} // namespace platform
