#include "skins.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

static void InitSkinResources() {
    Q_INIT_RESOURCE(skins);
}

namespace platform {

void ApplySkin(QApplication& app, Skin skin) {
    InitSkinResources();
    app.setStyle(QStyleFactory::create("Fusion"));
    QFile file(skin == Skin::Light ? ":/skins/light.qss" : ":/skins/grey.qss");
    if (file.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(file.readAll()));
}

} // namespace platform
