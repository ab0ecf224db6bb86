#pragma once

namespace Velto::UiWidget {
class Widget3DEventHandler;
}

namespace Viewer {

class ModelController;

// What a gallery entry needs to place its widget: the view's event handler (which also gives the
// scene and viewport) and the model the widget edits.
struct GalleryContext
{
    Velto::UiWidget::Widget3DEventHandler* handler = nullptr;
    ModelController* model = nullptr;
};

} // namespace Viewer
