#pragma once

#include "viewer/render/Tessellation.h"

#include <QImage>

namespace Viewer {

// What a node looks like in its own frame, independent of pose and colour: its tessellation and,
// for text, the glyph coverage image mapped onto it.
struct NodeShape
{
    Tessellation tessellation;
    QImage texture;
};

} // namespace Viewer
