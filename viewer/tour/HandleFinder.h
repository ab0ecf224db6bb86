#pragma once

#include <QPointF>

#include <functional>
#include <memory>
#include <optional>

namespace Kairn::Graphics {
class IPointSelectionTool;
class Viewport;
} // namespace Kairn::Graphics

namespace Velto::UiWidget {
class IWidget3D;
}

namespace Viewer {

// Finds a screen point where a press would grab a given widget, the way the event handler
// decides it (overlay first, then the widget layers; a proxy stands for its node; a group for its
// children). Scans the view on a grid and keeps the hit nearest to the widget's projected
// position, so the tour and the tests drag real handles of any widget without knowing its shape.
// Likewise finds bare model surface for clicks that no widget takes.
class HandleFinder
{
public:
    explicit HandleFinder(Kairn::Graphics::Viewport& viewport);
    ~HandleFinder();

    // The widget that a press at `point` would reach, or null.
    Velto::UiWidget::IWidget3D* widgetAt(const QPointF& point) const;
    // A point over `widget`, or none when no grid point hits it.
    std::optional<QPointF> findHandle(Velto::UiWidget::IWidget3D* widget, double gridStep = 4.0) const;
    // The grid point nearest to `target` where the model's surface is and no widget is, so that a
    // click there reaches the model; none when there is no such point.
    std::optional<QPointF> findBareSurface(const QPointF& target, double gridStep = 4.0) const;

private:
    // The grid point nearest to `target` that `accepts`, or none.
    std::optional<QPointF> nearestGridPoint(const QPointF& target, double gridStep,
                                            const std::function<bool(const QPointF&)>& accepts) const;

    Kairn::Graphics::Viewport& m_viewport;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> m_overlayTool;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> m_widgetTool;
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> m_surfaceTool;
};

} // namespace Viewer
