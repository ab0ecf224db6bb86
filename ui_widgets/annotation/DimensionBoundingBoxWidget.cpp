#include "ui_widgets/annotation/DimensionBoundingBoxWidget.h"

#include "ui_widgets/framework/LengthText.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/scene/Billboard.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"

#include <algorithm>
#include <cmath>

namespace Velto::UiWidget {

DimensionBoundingBoxWidget* DimensionBoundingBoxWidget::createWidget3D(Widget3DEventHandler* handler,
                                                                       Kairn::Graphics::SceneItemType type)
{
    auto* widget = new DimensionBoundingBoxWidget(handler, type);
    widget->init();
    return widget;
}

DimensionBoundingBoxWidget::DimensionBoundingBoxWidget(Widget3DEventHandler* handler,
                                                       Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

void DimensionBoundingBoxWidget::init()
{
    boxNode = VyrBoxNode::createGraphicsNode();
    addGraphicsNode(boxNode);

    // Each label lies flat along its edge: X along +X, Y down the Y edge, Z down the Z edge.
    const Lumo::float3 xDirections[3] = {{1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
    const Lumo::float3 yDirections[3] = {{0, 1, 0}, {1, 0, 0}, {1, 0, 0}};
    for (int axis = 0; axis < 3; ++axis) {
        auto* text = Kairn::Graphics::VyrTextNode::createGraphicsNode();
        text->setScale(1.0f);
        Lumo::Graphics::Billboard billboard;
        billboard.kind = 0;
        text->setBillboard(billboard);
        text->setFont(L"Arial");
        text->setXYDirections(xDirections[axis], yDirections[axis]);
        dimensionTexts[std::size_t(axis)] = text;
        addGraphicsNode(text);
    }
    // Until the host sets its own, the colours that resetColor restores (at the end of any drag
    // in the view, and when the mouse leaves the box) are the ones the nodes show now, not black.
    boxColor = boxNode->getColor();
    fillColor = boxColor;
    dimensionTextColor = dimensionTexts[0]->getColor();
}

bool DimensionBoundingBoxWidget::mouseDown(const Widget3DMouseEvent&)
{
    return false;
}

Lumo::Objects::ADevMatrix DimensionBoundingBoxWidget::mouseUp(const Widget3DMouseEvent&)
{
    return Lumo::Objects::ADevMatrix::Identity();
}

bool DimensionBoundingBoxWidget::mouseLeave(const Widget3DMouseEvent&)
{
    // The host's colours come back after a hover, not the inactive widget blue of the base.
    resetColor();
    return false;
}

void DimensionBoundingBoxWidget::resetColor()
{
    setBoxColor(boxColor);
    setTextColor(dimensionTextColor);
    setFillWithColor(VyrBoxNode::Plane(fillPlane), fillFlag, boxColor);
}

void DimensionBoundingBoxWidget::updateToBox(const Kairn::Objects::Box<double>& box,
                                             const Zel::Common::UnitType& unit, double offset)
{
    if (box.isEmpty() || !box.min().isFinite() || !box.max().isFinite() || !std::isfinite(offset))
        return;
    offsetFromMin = offset;

    const double lengths[3] = {box.xLength(), box.yLength(), box.zLength()};
    const Lumo::float3 size{float(lengths[0]), float(lengths[1]), float(lengths[2])};
    boxNode->setWorldMatrix(new Lumo::Objects::SharedMatrix(Lumo::Objects::ADevMatrix::Scale(size)));
    const Kairn::Objects::Vector3<double> center = box.center();
    boxNode->setPosition({float(center.x), float(center.y), float(center.z)});

    setTextScale(float(double(0.05f) * std::min({lengths[0], lengths[1], lengths[2]})));

    const wchar_t* prefixes[3] = {L"X  ", L"Y  ", L"Z  "};
    for (int axis = 0; axis < 3; ++axis)
        dimensionTexts[std::size_t(axis)]->setText(lengthText(prefixes[axis], lengths[axis], unit).c_str());

    const Kairn::Objects::Vector3<double>& min = box.min();
    const Kairn::Objects::Vector3<double>& max = box.max();
    auto place = [this](int axis, double x, double y, double z) {
        dimensionTexts[std::size_t(axis)]->setPosition({float(x), float(y), float(z)});
    };
    auto width = [this](int axis) { return double(dimensionTexts[std::size_t(axis)]->getXLength()); };
    auto height = [this](int axis) { return double(dimensionTexts[std::size_t(axis)]->getYLength()); };
    place(0, min.x + (lengths[0] - width(0)) * (1.0 - offset), min.y - height(0) / 2, min.z);
    place(1, min.x, max.y - (lengths[1] - width(1)) * offset, min.z - height(1) / 2);
    place(2, min.x - height(2) / 2, min.y, max.z - (lengths[2] - width(2)) * offset);
}

void DimensionBoundingBoxWidget::setBoxColor(const Kairn::Objects::Color4& color)
{
    boxColor = color;
    boxNode->setColor(color);
}

void DimensionBoundingBoxWidget::setTextColor(const Kairn::Objects::Color4& color)
{
    dimensionTextColor = color;
    for (Kairn::Graphics::VyrTextNode* text : dimensionTexts)
        text->setColor(color);
}

void DimensionBoundingBoxWidget::setTextScale(float scale)
{
    for (Kairn::Graphics::VyrTextNode* text : dimensionTexts)
        text->setScale(scale);
}

void DimensionBoundingBoxWidget::setFillWithColor(VyrBoxNode::Plane plane, bool fill, const Lumo::vec4<float>& color)
{
    fillPlane = int(plane);
    fillFlag = fill;
    if (fill)
        fillColor = color;
    boxNode->setFillWithColor(plane, fill, fillColor);
}

double DimensionBoundingBoxWidget::getOffsetFromMin() const
{
    return offsetFromMin;
}

} // namespace Velto::UiWidget
