#pragma once
class QApplication;

namespace platform {

enum class Skin {
    Light, // stencora: the light "Protein" look
    Grey,  // wrenfold: the grey "MacOS" look
};

// Sets the application-wide style sheet of the skin.
void ApplySkin(QApplication& app, Skin skin);

} // namespace platform
