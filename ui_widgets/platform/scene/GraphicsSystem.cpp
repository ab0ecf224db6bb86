#include "ui_widgets/platform/scene/GraphicsSystem.h"

#include "ui_widgets/platform/scene/PointSelectionTool.h"

namespace Kairn::Graphics {

IPointSelectionTool* GraphicsSystem::createPointSelectionTool(Viewport* viewport, int kind)
{
    return viewport ? new PointSelectionTool(viewport, kind) : nullptr;
}

IGraphicsSystem* GetIGSCtrl()
{
    static GraphicsSystem system;
    return &system;
}

} // namespace Kairn::Graphics
