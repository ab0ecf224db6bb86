#pragma once

#include "viewer/gallery/GalleryContext.h"
#include "viewer/gallery/GalleryItem.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace Velto::UiWidget {
class IWidget3D;
}

namespace Viewer {

// Connects a widget's result signal to the model: `signal` made with SIGNAL() on the widget,
// `slot` with SLOT() on ModelController.
struct ModelBinding
{
    const char* signal;
    const char* slot;
};

// A widget of the library placed at the model's centre, sized to the model, with its result
// signals connected to the model (and its press to the model's start of a drag). Unless its
// geometry measures the model (a bounding box, a grid, handles on the model's extent), it keeps
// its size on screen whatever the zoom, so a handle is never too small to grab nor larger than
// the view. Its settings offer what every widget has (interactive,
// visible, static, silenced, transparency, scale, direction, constant screen size) and whatever
// the entry adds. A click may place more widgets of the entry's own making. The item owns them all.
class WidgetGalleryItem : public GalleryItem
{
public:
    using ExtraSettings = std::function<void(Velto::UiWidget::IWidget3D*, const GalleryContext&, SettingsForm&)>;
    // Runs after the widget is placed on the model: what a class needs beyond the common pose.
    using Setup = std::function<void(Velto::UiWidget::IWidget3D*, const GalleryContext&)>;
    // Makes a widget for a click at a view point, or null when the click places nothing there;
    // `placedBefore` counts the widgets the item placed so far. Its object name goes to the log.
    using ClickPlacement = std::function<Velto::UiWidget::IWidget3D*(const GalleryContext&, const QPointF& point,
                                                                      int placedBefore)>;

    enum class Sizing { ConstantOnScreen, InWorld };

    WidgetGalleryItem(const GalleryContext& context, Velto::UiWidget::IWidget3D* widget,
                      const std::vector<ModelBinding>& bindings, const Setup& setup = {},
                      ExtraSettings extraSettings = {}, ClickPlacement clickPlacement = {},
                      Sizing sizing = Sizing::ConstantOnScreen, QPointF tourDrag = {70.0, -45.0});

    // Pixels on screen of one unit of a widget at the fitted scale, while the size is constant.
    static constexpr int ScreenPixelsPerUnit = 220;
    ~WidgetGalleryItem() override;

    QObject* signalSource() const override;
    void addSettings(SettingsForm& form) override;
    QPointF tourDrag() const override { return m_tourDrag; }
    QString click(const QPointF& point) override;

private:
    // The widget's scale that fits the model: its unit-sized handles reach out past the model.
    float fittedScale() const;
    void placeOnModel();
    // Constant screen size of `pixels` per unit at the fitted scale (0: sized in the world).
    void setScreenPixels(int pixels);

    GalleryContext m_context;
    QPointer<Velto::UiWidget::IWidget3D> m_widget;
    Setup m_setup;
    ExtraSettings m_extraSettings;
    ClickPlacement m_clickPlacement;
    Sizing m_sizing;
    // The widgets clicks placed, owned like the main one.
    std::vector<QPointer<Velto::UiWidget::IWidget3D>> m_placed;
    QPointF m_tourDrag;
};

} // namespace Viewer
