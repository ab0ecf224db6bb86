#include "viewer/gallery/GalleryRegistry.h"

#include "viewer/app/ModelController.h"
#include "viewer/gallery/FreeMoveHandleWidget.h"
#include "viewer/gallery/NodeGalleryItem.h"
#include "viewer/gallery/SettingsForm.h"
#include "viewer/gallery/WidgetGalleryItem.h"

#include "ui_widgets/annotation/CameraWidget.h"
#include "ui_widgets/annotation/CoordinateGridWidget.h"
#include "ui_widgets/annotation/DialogWidget.h"
#include "ui_widgets/annotation/DimensionBoundingBoxWidget.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/GimbalWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateFreeRotateWidget.h"
#include "ui_widgets/manipulators/DirectionalTranslateRotateWidget.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleRotateWidget.h"
#include "ui_widgets/manipulators/PlaneScaleWidget.h"
#include "ui_widgets/manipulators/PlaneTranslateRotateWidget.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/manipulators/TargetScaleWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/manipulators/TriadWidget.h"
#include "ui_widgets/nodes/CoordinateAxesNode.h"
#include "ui_widgets/nodes/VyrArrowNode.h"
#include "ui_widgets/nodes/VyrBoxNode.h"
#include "ui_widgets/nodes/VyrGridPlaneNode.h"
#include "ui_widgets/nodes/VyrHollowPlaneNode.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/nodes/VyrPolygonSelectionNode.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/SceneObjectNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/tracking/MouseTrackingWidget.h"
#include "ui_widgets/tracking/SurfaceTrackingWidget.h"
#include "ui_widgets/tracking/SurveyPointWidget.h"

#include <cmath>

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
// result signals connected to the model; `setup` adds what the class needs beyond that, and
// `placement` makes more of them where the user clicks.
template<class Widget>
GalleryEntry widgetEntry(const QString& category, const QString& description, std::vector<ModelBinding> bindings,
                         std::function<void(Widget*, const GalleryContext&)> setup = {},
                         std::function<void(Widget*, const GalleryContext&, SettingsForm&)> settings = {},
                         WidgetGalleryItem::ClickPlacement placement = {},
                         WidgetGalleryItem::Sizing sizing = WidgetGalleryItem::Sizing::ConstantOnScreen)
{
    WidgetGalleryItem::Setup itemSetup;
    if (setup)
        itemSetup = [setup](Velto::UiWidget::IWidget3D* widget, const GalleryContext& context) {
            setup(static_cast<Widget*>(widget), context);
        };
    WidgetGalleryItem::ExtraSettings itemSettings;
    if (settings)
        itemSettings = [settings](Velto::UiWidget::IWidget3D* widget, const GalleryContext& context,
                                  SettingsForm& form) { settings(static_cast<Widget*>(widget), context, form); };
    return {classNameOf<Widget>(), category, description,
            [=](const GalleryContext& context) -> std::unique_ptr<GalleryItem> {
                auto* widget = Widget::createWidget3D(context.handler, Kairn::Graphics::SceneItemWidget);
                return std::make_unique<WidgetGalleryItem>(context, widget, bindings, itemSetup, itemSettings,
                                                           placement, sizing);
            }};
}

// Widgets whose geometry measures the model keep their size in the world.
constexpr auto InWorld = WidgetGalleryItem::Sizing::InWorld;

// A size of `share` of the model's radius, for widgets whose unit-sized parts are small.
template<class Widget>
std::function<void(Widget*, const GalleryContext&)> scaledTo(float share)
{
    return [share](Widget* widget, const GalleryContext& context) { widget->setScale(share * context.model->radius()); };
}

// A plane-scale circle around the model's centre, its grabber on the rim; the model scales by
// the ratio of the radii from there on.
void fitPlaneScale(Velto::UiWidget::PlaneScaleWidget* widget, const GalleryContext& context)
{
    const float radius = 0.8f * context.model->radius();
    widget->setScale(1.0f);
    widget->setGrabberPosition(context.model->center() + Lumo::float3{radius, 0.0f, 0.0f});
    context.model->setReferenceRadius(radius);
}

// A survey point sized to the model.
void sizeSurveyPoint(Velto::UiWidget::SurveyPointWidget* widget, const GalleryContext& context)
{
    widget->setScale(0.45f * context.model->radius());
}

// A survey point where a click meets the model's surface, aimed along its normal and named P1,
// P2, ... in the order of the clicks; none where the click misses the model.
Velto::UiWidget::IWidget3D* placeSurveyPoint(const GalleryContext& context, const QPointF& click, int placedBefore)
{
    Kairn::Graphics::IPointSelectionTool* surface = context.handler ? context.handler->GetMeshSelectionTool() : nullptr;
    Kairn::Objects::Vector3<float> point;
    Kairn::Objects::Vector3<float> normal;
    if (!surface || !context.model
        || !surface->pickSurface({static_cast<float>(click.x()), static_cast<float>(click.y())}, point, normal))
        return nullptr;
    auto* widget = Velto::UiWidget::SurveyPointWidget::createWidget3D(context.handler, Kairn::Graphics::SceneItemWidget);
    const std::wstring label = L"P" + std::to_wstring(placedBefore + 1);
    sizeSurveyPoint(widget, context);
    widget->setPosition(point);
    widget->setDirection(normal);
    widget->setLabel(label);
    widget->setObjectName(QString::fromStdWString(label));
    return widget;
}

// The model's world bounds.
Kairn::Objects::Box<double> modelBounds(const GalleryContext& context)
{
    return context.model ? context.model->node()->getPosedBounds() : Kairn::Objects::Box<double>();
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
    const QString manipulators = QObject::tr("Manipulators");
    const QString composites = QObject::tr("Composite manipulators");
    const QString tracking = QObject::tr("Tracking");
    const QString annotation = QObject::tr("Annotation");
    const ModelBinding translation{SIGNAL(widgetSingleAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))};
    return {
        widgetEntry<AxisTranslateWidget>(
            manipulators, QObject::tr("An arrow dragged along its axis."), {translation}, {},
            [](AxisTranslateWidget* widget, const GalleryContext&, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Move along the axis"), widget->isMovingAlongAxis(),
                                 [widget](bool on) { widget->setMoveAlongAxis(on); });
            }),
        widgetEntry<AxisRotateWidget>(
            manipulators, QObject::tr("A ring turned about its axis; shows the angle, snaps with a ratchet."),
            {{SIGNAL(widgetSingleAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}},
            {},
            [](AxisRotateWidget* widget, const GalleryContext&, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Show the angle"), widget->isDisplayingAngle(),
                                 [widget](bool on) { widget->setDisplayAngle(on); });
                form.addCheckBox(QObject::tr("Ratchet"), true, [widget](bool on) { widget->setUseRatchet(on); });
                form.addCheckBox(QObject::tr("Ratchet snaps back"), widget->hasRatchetSnapback(),
                                 [widget](bool on) { widget->setRatchetSnapback(on); });
                form.addNumber(QObject::tr("Angle step (degrees)"), 0.1, 90.0, widget->getAngleStep(), 1.0,
                               [widget](double degrees) { widget->setAngleStep(degrees); });
            }),
        widgetEntry<PlaneRotateWidget>(
            manipulators, QObject::tr("A ring that tilts its plane about the tangent at the grab point."),
            {{SIGNAL(widgetPlaneRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<SphereRotateWidget>(
            manipulators, QObject::tr("A trackball: drag on the sphere to turn freely."),
            {{SIGNAL(widgetSphereRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<ScaleWidget>(
            manipulators, QObject::tr("A double cone dragged along its axis scales about the anchor (the model's centre)."),
            {{SIGNAL(widgetSingleAxisScale(float, Lumo::float3)), SLOT(scaleSincePress(float, Lumo::float3))}},
            [](ScaleWidget* widget, const GalleryContext& context) {
                const Lumo::float3 centre = context.model->center();
                widget->setScale(0.3f * context.model->radius());
                widget->setPosition(centre + Lumo::float3{0, 0, 0.8f * context.model->radius()});
                widget->setAnchor(centre);
            },
            {}, {}, InWorld),
        widgetEntry<TargetScaleWidget>(
            manipulators, QObject::tr("A handle on the model's extent that rescales the model itself."),
            {{SIGNAL(widgetScale()), SLOT(notifyChanged())}},
            [](TargetScaleWidget* widget, const GalleryContext& context) {
                widget->setScale(0.15f * context.model->radius());
                widget->setTargetObject(context.model->sceneObject());
            },
            {}, {}, InWorld),
        widgetEntry<RingAxisTranslateWidget>(
            manipulators, QObject::tr("A ring dragged along its axis."),
            {{SIGNAL(widgetTransform(Lumo::Objects::ADevMatrix)), SLOT(transformBy(Lumo::Objects::ADevMatrix))}}),
        widgetEntry<PlaneScaleWidget>(
            manipulators, QObject::tr("A circle resized by its small three-arrow grabber; the model scales with it."),
            {{SIGNAL(widgetScale(float)), SLOT(scaleByRadius(float))}},
            [](PlaneScaleWidget* widget, const GalleryContext& context) { fitPlaneScale(widget, context); }, {}, {},
            InWorld),
        widgetEntry<ThreeAxisTranslateWidget>(
            composites, QObject::tr("Three coloured arrows: drag any of them along its axis."),
            {{SIGNAL(widgetThreeAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))}}),
        widgetEntry<ThreeAxisRotateWidget>(
            composites, QObject::tr("Three rings: turn about X, Y or Z."),
            {{SIGNAL(widgetThreeAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}},
            {},
            [](ThreeAxisRotateWidget* widget, const GalleryContext&, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Show the angles"), true, [widget](bool on) { widget->setDisplayAngle(on); });
                form.addCheckBox(QObject::tr("Ratchets"), true, [widget](bool on) { widget->setUseRatchet(on); });
            }),
        widgetEntry<GimbalWidget>(
            composites, QObject::tr("A three-ring frame inside an outer ring that turn independently."),
            {{SIGNAL(widgetAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<TriadWidget>(
            composites, QObject::tr("Rotation rings and translation arrows as one tool."),
            {{SIGNAL(widgetTriadRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))},
             {SIGNAL(widgetTriadTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))}}),
        widgetEntry<PlaneTranslateRotateWidget>(
            composites, QObject::tr("A normal handle to push the plane and a ring to tilt it."),
            {{SIGNAL(widgetAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))},
             {SIGNAL(widgetAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<ThreeAxisTranslatePlaneRotateWidget>(
            composites, QObject::tr("Three small arrows inside a tilt ring."),
            {{SIGNAL(widgetAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))},
             {SIGNAL(widgetAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<DirectionalTranslateRotateWidget>(
            composites, QObject::tr("A ring handle that slides along a direction, with rings to turn it."),
            {{SIGNAL(widgetDirectionalAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))},
             {SIGNAL(widgetAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<DirectionalTranslateFreeRotateWidget>(
            composites, QObject::tr("A ring handle that slides along a direction, with a trackball to turn it."),
            {{SIGNAL(widgetDirectionalAxisTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))},
             {SIGNAL(widgetAxisRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}}),
        widgetEntry<PlaneScaleRotateWidget>(
            composites, QObject::tr("A plane-scale circle with a ring that tilts the plane."),
            {{SIGNAL(widgetScale(float)), SLOT(scaleByRadius(float))},
             {SIGNAL(widgetScalePlaneRotate(float, Lumo::Objects::XLine<float>)),
              SLOT(rotate(float, Lumo::Objects::XLine<float>))}},
            [](PlaneScaleRotateWidget* widget, const GalleryContext& context) { fitPlaneScale(widget, context); },
            {}, {}, InWorld),
        widgetEntry<MouseTrackingWidget>(
            tracking, QObject::tr("A marker that follows the mouse in the plane facing you; the model goes along."),
            {{SIGNAL(widgetTranslate(Lumo::float3)), SLOT(translate(Lumo::float3))}},
            scaledTo<MouseTrackingWidget>(2.2f)),
        widgetEntry<SurfaceTrackingWidget>(
            tracking, QObject::tr("A marker that slides over the model's surface and turns to its normal."), {},
            scaledTo<SurfaceTrackingWidget>(1.5f)),
        widgetEntry<SurveyPointWidget>(
            tracking, QObject::tr("A labelled survey point on the model; a click on the model places another."), {},
            [](SurveyPointWidget* widget, const GalleryContext& context) {
                sizeSurveyPoint(widget, context);
                widget->setLabel(L"Centre");
            },
            {}, placeSurveyPoint),
        widgetEntry<DimensionBoundingBoxWidget>(
            annotation, QObject::tr("The model's bounding box with its three lengths."), {},
            [](DimensionBoundingBoxWidget* widget, const GalleryContext& context) {
                widget->updateToBox(modelBounds(context), Zel::Common::UnitType(19), 0.0);
                // Amber edges and near-white labels read on the light model and the dark background.
                widget->setBoxColor({1.0f, 0.72f, 0.2f, 1.0f});
                widget->setTextColor({0.98f, 0.98f, 0.95f, 1.0f});
            },
            [](DimensionBoundingBoxWidget* widget, const GalleryContext& context, SettingsForm& form) {
                // World units are millimetres; the labels show them in the chosen unit.
                static const Zel::Common::UnitType units[] = {Zel::Common::UnitType(19), Zel::Common::UnitType(7),
                                                              Zel::Common::UnitType(6), Zel::Common::UnitType(1)};
                form.addNumber(QObject::tr("Label size"), 0.1, 10.0, 1.0, 0.1,
                               [widget](double scale) { widget->setTextScale(static_cast<float>(scale)); });
                form.addChoice(QObject::tr("Unit"),
                               {QObject::tr("millimetre"), QObject::tr("centimetre"), QObject::tr("inch"),
                                QObject::tr("metre")},
                               0, [widget, context](int index) {
                                   widget->updateToBox(modelBounds(context), units[std::clamp(index, 0, 3)], 0.0);
                               });
            },
            {}, InWorld),
        widgetEntry<CoordinateGridWidget>(
            annotation, QObject::tr("A coordinate grid through the model's centre."), {},
            [](CoordinateGridWidget* widget, const GalleryContext& context) {
                widget->setCoordinateSystem(context.model->center(), {1, 0, 0}, {0, 1, 0});
            },
            {}, {}, InWorld),
        widgetEntry<CameraWidget>(
            annotation, QObject::tr("A camera marker looking at the model; a click reports it."), {},
            [](CameraWidget* widget, const GalleryContext& context) {
                const float r = context.model->radius();
                widget->setScale(0.4f * r);
                widget->setPosition(context.model->center() + Lumo::float3{-0.9f * r, -0.9f * r, 0.5f * r});
                widget->setDirection(Lumo::normalized(Lumo::float3{0.9f, 0.9f, -0.5f}));
            }),
        widgetEntry<DialogWidget>(
            annotation, QObject::tr("A sphere that opens a form on double-click; the fields are the model's."), {},
            [](DialogWidget* widget, const GalleryContext& context) {
                widget->setScale(1.4f * context.model->radius());
                widget->setField(QObject::tr("Model"), context.model->modelName());
                widget->setField(QObject::tr("Triangles"), QString::number(context.model->triangleCount()));
            }),
        widgetEntry<FreeMoveHandleWidget>(
            QObject::tr("Host examples"),
            QObject::tr("A ball the host wrote itself: drag it in the plane facing you and the model follows."),
            {{SIGNAL(widgetFreeMove(Lumo::float3)), SLOT(translate(Lumo::float3))}},
            scaledTo<FreeMoveHandleWidget>(1.0f)),

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
        nodeEntry<VyrPolygonSelectionNode>(
            QStringLiteral("VyrPolygonSelectionNode"),
            QObject::tr("A selection polygon in view pixels: outline, fill and a marker at each vertex."),
            [](VyrPolygonSelectionNode* polygon, const Lumo::float3&, float) {
                // A pentagon in the upper left of the view, in pixels from the top-left corner.
                for (int corner = 0; corner < 5; ++corner) {
                    const float angle = 2.0f * 3.14159265f * float(corner) / 5.0f;
                    polygon->insertPointAtIndex(corner, {220.0f + 110.0f * std::sin(angle),
                                                         200.0f - 110.0f * std::cos(angle), 0.0f});
                }
                polygon->setColor({1.0f, 0.67f, 0.35f, 1.0f});
                polygon->setFillableColor({1.0f, 0.67f, 0.35f, 0.3f});
            },
            [](VyrPolygonSelectionNode* polygon, SettingsForm& form) {
                form.addCheckBox(QObject::tr("Vertex markers"), polygon->areEndPointsShown(),
                                 [polygon](bool shown) { polygon->showEndPoints(shown); });
            }),
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
