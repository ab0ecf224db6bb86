#include "viewer/gallery/GalleryRegistry.h"

#include "viewer/app/ModelController.h"
#include "viewer/gallery/FreeMoveHandleWidget.h"
#include "viewer/gallery/NodeGalleryItem.h"
#include "viewer/gallery/SettingsForm.h"
#include "viewer/gallery/WidgetGalleryItem.h"

#include "ui_widgets/nodes/CoordinateAxesNode.h"
#include "ui_widgets/nodes/VyrArrowNode.h"
#include "ui_widgets/nodes/VyrBoxNode.h"
#include "ui_widgets/nodes/VyrGridPlaneNode.h"
#include "ui_widgets/nodes/VyrHollowPlaneNode.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
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

// A composite node of the library made with its factory, placed by `place` for the model (its
// centre and radius) and shown on the widget layer (or the overlay).
template<class Node>
GalleryEntry nodeEntry(const QString& name, const QString& description,
                       std::function<void(Node*, const Lumo::float3& centre, float radius)> place,
                       std::function<void(Node*, SettingsForm&)> settings = {},
                       Kairn::Graphics::SceneItemType type = Kairn::Graphics::SceneItemWidget)
{
    return {name, QObject::tr("Scene nodes"), description,
            [=](const GalleryContext& context) -> std::unique_ptr<GalleryItem> {
                Node* node = Node::createGraphicsNode();
                if (context.model)
                    place(node, context.model->center(), context.model->radius());
                NodeGalleryItem::ExtraSettings extra;
                if (settings)
                    extra = [settings](Kairn::Graphics::VyrGraphicsNode* shown, SettingsForm& form) {
                        settings(static_cast<Node*>(shown), form);
                    };
                return std::make_unique<NodeGalleryItem>(context, node, type, extra);
            }};
}

std::vector<GalleryEntry> makeEntries()
{
    using namespace Velto::UiWidget;
    return {
        widgetEntry<FreeMoveHandleWidget>(
            QObject::tr("Host examples"),
            QObject::tr("A ball the host wrote itself: drag it in the plane facing you and the model follows."),
            {{SIGNAL(widgetFreeMove(Lumo::float3)), SLOT(translate(Lumo::float3))}}),

        nodeEntry<VyrArrowNode>(
            QStringLiteral("VyrArrowNode"), QObject::tr("A unit arrow along its Z axis: shaft, cone head and base disc."),
            [](VyrArrowNode* arrow, const Lumo::float3& centre, float radius) {
                arrow->setZDirection(Lumo::normalized(Lumo::float3{1, 1, 1}));
                arrow->scaleUniformlyUsingZLength(radius);
                arrow->setPosition(centre);
            }),
        nodeEntry<VyrMarginTextNode>(
            QStringLiteral("VyrMarginTextNode"),
            QObject::tr("A label anchored at a 3D point (the model's centre) and drawn a fixed margin beside it, "
                        "at constant size on screen."),
            [](VyrMarginTextNode* label, const Lumo::float3& centre, float) {
                label->setText(L"Centre of the model");
                label->setFont(L"Sans Serif");
                label->setFontSize(18.0f);
                label->setColor({0.95f, 0.95f, 0.95f, 1.0f});
                label->setBackgroundColor({0.384f, 0.384f, 0.384f, 0.7f});
                label->setPosition(centre);
            },
            {}, Kairn::Graphics::SceneItemOverlay),
        nodeEntry<VyrBoxNode>(
            QStringLiteral("VyrBoxNode"), QObject::tr("The wire frame of a box around the model; faces can be filled."),
            [](VyrBoxNode* box, const Lumo::float3& centre, float radius) {
                const float side = 1.1f * radius;
                box->setScale({side, side, 0.6f * side});
                box->setPosition(centre);
            },
            [](VyrBoxNode* box, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Fill the top face"), false, [box](bool fill) {
                    box->setFillWithColor(VyrBoxNode::PositiveZ, fill, {0.86f, 0.86f, 0.86f, 0.5f});
                });
            }),
        nodeEntry<VyrGridPlaneNode>(
            QStringLiteral("VyrGridPlaneNode"), QObject::tr("A grid of lines with its two axes, under the model."),
            [](VyrGridPlaneNode* grid, const Lumo::float3& centre, float radius) {
                grid->configureGrid(centre - Lumo::float3{0, 0, 0.6f * radius}, {1, 0, 0}, {0, 1, 0}, 0.2f * radius,
                                    6);
            }),
        nodeEntry<VyrHollowPlaneNode>(
            QStringLiteral("VyrHollowPlaneNode"), QObject::tr("A square outline that can be filled."),
            [](VyrHollowPlaneNode* plane, const Lumo::float3& centre, float radius) {
                plane->setScale(1.5f * radius);
                plane->setPosition(centre);
            },
            [](VyrHollowPlaneNode* plane, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Filled"), plane->isFillable(),
                                 [plane](bool fill) { plane->setFillable(fill); });
            }),
        nodeEntry<CoordinateAxesNode>(
            QStringLiteral("CoordinateAxesNode"), QObject::tr("The X, Y and Z axes of a frame, in red, green and blue."),
            [](CoordinateAxesNode* axes, const Lumo::float3& centre, float radius) {
                axes->setScale(0.6f * radius);
                axes->setPosition(centre);
            }),
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
