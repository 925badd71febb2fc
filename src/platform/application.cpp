#include "application.h"

#include "dialog_seam.h"

#include <exception>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (seam_)
            seam_->reportError(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        if (seam_)
            seam_->reportError(activeWindow(), QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace platform
