#include "viewer/gallery/GalleryRegistry.h"

#include "viewer/gallery/FreeMoveHandleWidget.h"
#include "viewer/gallery/WidgetGalleryItem.h"

#include "ui_widgets/platform/scene/SceneItemType.h"

namespace Viewer {

namespace {

// The class name without its namespaces.
template<class Widget>
QString classNameOf()
{
    const QString full = QString::fromLatin1(Widget::staticMetaObject.className());
    return full.mid(full.lastIndexOf(QLatin1Char(':')) + 1);
}

// A widget class created through its factory on the widget layer, placed on the model, with its
// result signals connected to the model.
template<class Widget>
GalleryEntry widgetEntry(const QString& category, const QString& description, std::vector<ModelBinding> bindings,
                         WidgetGalleryItem::ExtraSettings extraSettings = {}, QPointF tourDrag = {70.0, -45.0})
{
    return {classNameOf<Widget>(), category, description,
            [=](const GalleryContext& context) -> std::unique_ptr<GalleryItem> {
                auto* widget = Widget::createWidget3D(context.handler, Kairn::Graphics::SceneItemWidget);
                return std::make_unique<WidgetGalleryItem>(context, widget, bindings, extraSettings, tourDrag);
            }};
}

std::vector<GalleryEntry> makeEntries()
{
    return {
        widgetEntry<FreeMoveHandleWidget>(
            QObject::tr("Host examples"),
            QObject::tr("A ball the host wrote itself: drag it in the plane facing you and the model follows."),
            {{SIGNAL(widgetFreeMove(Lumo::float3)), SLOT(translate(Lumo::float3))}}),
    };
}

} // namespace

const std::vector<GalleryEntry>& GalleryRegistry::entries()
{
    static const std::vector<GalleryEntry> all = makeEntries();
    return all;
}

int GalleryRegistry::indexOf(const QString& name)
{
    const auto& all = entries();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].name == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace Viewer
