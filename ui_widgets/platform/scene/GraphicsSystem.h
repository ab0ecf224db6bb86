#pragma once

#include "ui_widgets/platform/scene/IGraphicsSystem.h"

namespace Kairn::Graphics {

// The graphics system behind GetIGSCtrl(): it makes PointSelectionTool objects.
class GraphicsSystem : public IGraphicsSystem
{
public:
    IPointSelectionTool* createPointSelectionTool(Viewport* viewport, int kind) override;
};

} // namespace Kairn::Graphics
