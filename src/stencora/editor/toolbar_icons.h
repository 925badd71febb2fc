#pragma once
// The icons of the main toolbar, drawn with QPainter so they look the same on every desktop.
#include <QIcon>

namespace stencora {

enum class ToolbarIcon {
    NewDocument,
    Open,
    Save,
    Print,
    Copy,
    Cut,
    Paste,
    Undo,
    InsertDateTime,
    InsertDateTimeTokens,
    Help,
};

// The icon at the usual toolbar sizes; the disabled look is derived by the style.
QIcon MakeToolbarIcon(ToolbarIcon kind);

} // namespace stencora
