#pragma once

#include <QCursor>

namespace Velto::UiWidget {

// The cursor of every rotation handle, shown while hovering and while dragging alike.
QCursor rotationCursor();

} // namespace Velto::UiWidget
