#pragma once

#include "viewer/gallery/GalleryContext.h"
#include "viewer/gallery/GalleryItem.h"

#include <QString>

#include <functional>
#include <memory>

namespace Viewer {

// One line of the gallery: a class of the library and how to show it.
struct GalleryEntry
{
    QString name;
    QString category;
    QString description;
    std::function<std::unique_ptr<GalleryItem>(const GalleryContext&)> create;
};

} // namespace Viewer
