#pragma once

namespace Kairn::Graphics {

class IPointSelectionTool;
class Viewport;

// Entry point of the scene library's services.
class IGraphicsSystem
{
public:
    virtual ~IGraphicsSystem() = default;
    // A new tool for the viewport, owned by the caller; null for a null viewport.
    virtual IPointSelectionTool* createPointSelectionTool(Viewport* viewport, int kind) = 0;
};

// The process-wide graphics system.
IGraphicsSystem* GetIGSCtrl();

} // namespace Kairn::Graphics
