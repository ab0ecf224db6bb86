#include "ui_widgets/nodes/VyrGridPlaneNode.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/nodes/CustomNodeSupport.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velto::UiWidget {

VyrGridPlaneNode::VyrGridPlaneNode() = default;

VyrGridPlaneNode::VyrGridPlaneNode(const VyrGridPlaneNode& other)
    : Kairn::Graphics::VyrGroupNode(other)
    , NetObjectCountImpl<VyrGridPlaneNode>(other)
    , mOrigin(other.mOrigin)
    , mXDirection(other.mXDirection)
    , mYDirection(other.mYDirection)
    , mCellCount(other.mCellCount)
    , mSpacing(other.mSpacing)
{
}

VyrGridPlaneNode& VyrGridPlaneNode::operator=(const VyrGridPlaneNode& other)
{
    Kairn::Graphics::VyrGroupNode::operator=(other);
    mOrigin = other.mOrigin;
    mXDirection = other.mXDirection;
    mYDirection = other.mYDirection;
    mCellCount = other.mCellCount;
    mSpacing = other.mSpacing;
    return *this;
}

VyrGridPlaneNode::~VyrGridPlaneNode() = default;

VyrGridPlaneNode* VyrGridPlaneNode::createGraphicsNode()
{
    auto* node = new VyrGridPlaneNode();
    node->init();
    return node;
}

VyrGridPlaneNode* VyrGridPlaneNode::createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                             Kairn::Graphics::SceneItemType type)
{
    return createNodeInScene<VyrGridPlaneNode>(scene, type);
}

const Lumo::Objects::UString* VyrGridPlaneNode::InterfaceID()
{
    static const Lumo::Objects::UString* const id = Lumo::Objects::Intern(L"VyrGridPlaneNode");
    return id;
}

const Lumo::Objects::UString* VyrGridPlaneNode::ClassName() const
{
    return InterfaceID();
}

void* VyrGridPlaneNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id == InterfaceID())
        return this;
    return Kairn::Graphics::VyrGroupNode::GetInterface(id);
}

void VyrGridPlaneNode::init()
{
    Kairn::Graphics::VyrGroupNode::init();
    configureGrid({0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, 0.1f, 10);
    setColor(widgetBlue());
}

void VyrGridPlaneNode::configureGrid(const Lumo::float3& origin, const Lumo::float3& xDirection,
                                     const Lumo::float3& yDirection, float spacing, unsigned int cellCount)
{
    const bool directionsUsable = Lumo::normalized(xDirection) != Lumo::float3{}
                                  && Lumo::normalized(yDirection) != Lumo::float3{};
    if (!directionsUsable || !Lumo::isFinite(origin) || !std::isfinite(spacing)
        || cellCount > static_cast<unsigned int>(std::numeric_limits<int>::max()))
        return;
    mOrigin = origin;
    mXDirection = xDirection;
    mYDirection = yDirection;
    mSpacing = spacing;
    mCellCount = cellCount;
    generateGrid();
}

Lumo::float3 VyrGridPlaneNode::getUntransformedPosition() const
{
    return mOrigin;
}

void VyrGridPlaneNode::generateGrid()
{
    const Lumo::vec4<float> color = getColor();
    removeAllChildNodes();
    const int count = static_cast<int>(mCellCount);
    const Lumo::float3 xUnit = Lumo::normalized(mXDirection);
    const Lumo::float3 yUnit = Lumo::normalized(mYDirection);
    addLines(yUnit, xUnit, -count, count, 1);
    addAxis(yUnit, Lumo::length(mYDirection));
    addLines(xUnit, yUnit, count, -count, -1);
    addAxis(xUnit, Lumo::length(mXDirection));
    setColor(color);
    update();
}

// Lines of length 2 N s along `along`, offset by i s along `across` for i from `from` to `to`,
// each starting N s before the origin so that the grid is centred on it.
void VyrGridPlaneNode::addLines(const Lumo::float3& along, const Lumo::float3& across, int from, int to, int step)
{
    const float halfSpan = static_cast<float>(mCellCount) * mSpacing;
    for (int i = from; i != to + step; i += step) {
        auto* line = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
        line->setStartPoint({0.0f, 0.0f, 0.0f});
        line->setEndPoint(along * (2.0f * halfSpan));
        addChildNode(line, mOrigin + across * (static_cast<float>(i) * mSpacing) - along * halfSpan);
    }
}

void VyrGridPlaneNode::addAxis(const Lumo::float3& direction, float directionLength)
{
    const float reach = std::max(static_cast<float>(mCellCount) * mSpacing, 2.0f * directionLength);
    auto* axis = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
    axis->setStartPoint({0.0f, 0.0f, 0.0f});
    axis->setEndPoint(direction * (4.0f * reach));
    addChildNode(axis, mOrigin - (axis->getEndPoint() - axis->getStartPoint()) / 2.0f);
}

} // namespace Velto::UiWidget
