#include "startup.h"

#include "platform/application.h"

namespace shell {

void InitApplication(platform::Application& app, const QString& title, const QString& helpFileName,
                     platform::Skin skin, platform::DialogSeam& seam) {
    app.setApplicationName(title);
    app.setApplicationDisplayName(QString());
    // The application's own help file setting: the bare name. Commands always use the full path.
    app.setProperty("helpFile", helpFileName);
    app.setErrorSeam(&seam);
    platform::ApplySkin(app, skin);
}

} // namespace shell
