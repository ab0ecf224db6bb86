#pragma once

#include <QPointF>
#include <QString>

class QObject;

namespace Viewer {

class SettingsForm;

// What the gallery placed on the model for one entry: a widget (or a few nodes) that lives until
// the next entry is chosen. Destroying the item takes everything it placed out of the scene.
class GalleryItem
{
public:
    virtual ~GalleryItem() = default;

    // The object whose signals the log shows, or null.
    virtual QObject* signalSource() const = 0;
    // Adds the rows of the item's settings to the panel.
    virtual void addSettings(SettingsForm& form) = 0;
    // The mouse travel in pixels of the tour's drag from a grabbed handle.
    virtual QPointF tourDrag() const { return {70.0, -45.0}; }
    // A left click in the view, in pixels, that no widget took. Returns a line for the log when the
    // item placed something there, else nothing.
    virtual QString click(const QPointF&) { return {}; }
};

} // namespace Viewer
