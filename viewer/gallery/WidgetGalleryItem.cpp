#include "viewer/gallery/WidgetGalleryItem.h"

#include "viewer/app/ModelController.h"
#include "viewer/app/SignalValueFormatter.h"
#include "viewer/gallery/SettingsForm.h"

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/framework/Widget3DGroup.h"

#include <QObject>

#include <algorithm>

namespace Viewer {

WidgetGalleryItem::WidgetGalleryItem(const GalleryContext& context, Velto::UiWidget::IWidget3D* widget,
                                     const std::vector<ModelBinding>& bindings, const Setup& setup,
                                     ExtraSettings extraSettings, ClickPlacement clickPlacement, Sizing sizing,
                                     QPointF tourDrag)
    : m_context(context)
    , m_widget(widget)
    , m_setup(setup)
    , m_extraSettings(std::move(extraSettings))
    , m_clickPlacement(std::move(clickPlacement))
    , m_sizing(sizing)
    , m_tourDrag(tourDrag)
{
    if (!m_widget)
        return;
    // A widget comes out of its factory in whatever colour its nodes have: the host puts it at rest.
    m_widget->resetColor();
    placeOnModel();
    if (!m_context.model)
        return;
    QObject::connect(m_widget, SIGNAL(widgetSelect(QMouseEvent)), m_context.model, SLOT(beginDrag()));
    QObject::connect(m_widget, SIGNAL(widgetDragCancelled(Lumo::Objects::ADevMatrix)), m_context.model,
                     SLOT(undoDrag(Lumo::Objects::ADevMatrix)));
    for (const ModelBinding& binding : bindings)
        QObject::connect(m_widget, binding.signal, m_context.model, binding.slot);
}

WidgetGalleryItem::~WidgetGalleryItem()
{
    for (const QPointer<Velto::UiWidget::IWidget3D>& placed : m_placed)
        delete placed.data();
    delete m_widget.data();
}

QObject* WidgetGalleryItem::signalSource() const
{
    return m_widget;
}

QString WidgetGalleryItem::click(const QPointF& point)
{
    Velto::UiWidget::IWidget3D* placed =
        m_clickPlacement ? m_clickPlacement(m_context, point, static_cast<int>(m_placed.size())) : nullptr;
    if (!placed)
        return {};
    placed->resetColor();
    m_placed.emplace_back(placed);
    const Lumo::float3 position = placed->getPosition();
    return QObject::tr("-- %1 placed at %2")
        .arg(placed->objectName(), SignalValueFormatter::format("Lumo::float3", &position));
}

float WidgetGalleryItem::fittedScale() const
{
    return m_context.model ? std::max(0.05f, 0.6f * m_context.model->radius()) : 1.0f;
}

void WidgetGalleryItem::placeOnModel()
{
    if (!m_widget || !m_context.model)
        return;
    m_widget->setPosition(m_context.model->center());
    m_widget->setScale(fittedScale());
    if (m_setup)
        m_setup(m_widget, m_context);
    setScreenPixels(m_sizing == Sizing::ConstantOnScreen ? ScreenPixelsPerUnit : 0);
}

void WidgetGalleryItem::setScreenPixels(int pixels)
{
    // Relative to the fitted scale, so that the sizes a setup gives keep their proportions.
    if (m_widget)
        m_widget->setScreenSize(pixels, pixels > 0 ? 1.0f / fittedScale() : 0.0f);
}

void WidgetGalleryItem::addSettings(SettingsForm& form)
{
    using Velto::UiWidget::IWidget3D;
    if (!m_widget)
        return;
    QPointer<IWidget3D> widget = m_widget;
    auto onWidget = [widget](auto apply) {
        return [widget, apply](auto value) {
            if (widget)
                apply(widget.data(), value);
        };
    };
    form.addCheckBox(QObject::tr("Interactive"), widget->isInteractive(),
                     onWidget([](IWidget3D* w, bool on) { w->setInteractive(on); }));
    form.addCheckBox(QObject::tr("Visible"), widget->isVisible(),
                     onWidget([](IWidget3D* w, bool on) { w->show(on); }));
    form.addCheckBox(QObject::tr("Static (reports, does not move)"), widget->isStaticWidget(),
                     onWidget([](IWidget3D* w, bool on) { w->setStatic(on); }));
    form.addCheckBox(QObject::tr("Silenced"), widget->isSilenced(),
                     onWidget([](IWidget3D* w, bool on) { w->setSilenced(on); }));
    form.addNumber(QObject::tr("Transparency"), 0.0, 1.0, 1.0, 0.1,
                   onWidget([](IWidget3D* w, double alpha) { w->setTransparency(static_cast<float>(alpha)); }));
    form.addNumber(QObject::tr("Scale"), 0.05, 20.0, widget->getScale(), 0.1,
                   onWidget([](IWidget3D* w, double scale) { w->setScale(static_cast<float>(scale)); }));
    form.addChoice(QObject::tr("Direction"), {QObject::tr("+Z"), QObject::tr("+X"), QObject::tr("+Y")}, 0,
                   onWidget([](IWidget3D* w, int axis) {
                       static const Lumo::float3 directions[] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
                       w->setDirection(directions[std::clamp(axis, 0, 2)]);
                   }));
    form.addNumber(QObject::tr("Screen size (pixels, 0: off)"), 0.0, 1000.0,
                   m_sizing == Sizing::ConstantOnScreen ? ScreenPixelsPerUnit : 0.0, 10.0,
                   [this](double pixels) { setScreenPixels(static_cast<int>(pixels)); });
    if (auto* group = qobject_cast<Velto::UiWidget::Widget3DGroup*>(widget.data()))
        form.addCheckBox(QObject::tr("Deformable (children move alone)"), group->isDeformable(),
                         onWidget([](IWidget3D* w, bool on) {
                             static_cast<Velto::UiWidget::Widget3DGroup*>(w)->setDeformable(on);
                         }));
    form.addButton(QObject::tr("Place on model"), [this] { placeOnModel(); });
    if (m_extraSettings)
        m_extraSettings(widget, m_context, form);
}

} // namespace Viewer
