#pragma once

#include "viewer/gallery/GalleryEntry.h"

#include <vector>

namespace Viewer {

// Every class the gallery shows, in the order it lists them. Adding a widget class is one line in
// the table of GalleryRegistry.cpp: its category, a sentence about it, and the signals that
// drive the model.
class GalleryRegistry
{
public:
    static const std::vector<GalleryEntry>& entries();
    // -1 when no entry has that name.
    static int indexOf(const QString& name);
};

} // namespace Viewer
