#include "ui_widgets/platform/scene/PickBoundsHierarchy.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

namespace {

float axis(const Lumo::float3& v, int index)
{
    return index == 0 ? v.x : index == 1 ? v.y : v.z;
}

} // namespace

void PickBox::extend(const Lumo::float3& p)
{
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

void PickBox::extend(const PickBox& other)
{
    if (other.isEmpty())
        return;
    extend(other.min);
    extend(other.max);
}

void PickBox::inflate(float margin)
{
    if (isEmpty())
        return;
    const float reach = std::max({std::abs(min.x), std::abs(min.y), std::abs(min.z), std::abs(max.x), std::abs(max.y),
                                  std::abs(max.z)});
    const float grow = margin + 1e-4f * reach + 1e-6f;
    min = min - Lumo::float3{grow, grow, grow};
    max = max + Lumo::float3{grow, grow, grow};
}

bool PickBox::entry(const Lumo::float3& origin, const Lumo::float3& inverseDirection, float& t) const
{
    if (isEmpty())
        return false;
    float near = 0.0f, far = INFINITY;
    for (int i = 0; i < 3; ++i) {
        const float o = axis(origin, i), inverse = axis(inverseDirection, i);
        float a = (axis(min, i) - o) * inverse, b = (axis(max, i) - o) * inverse;
        // A ray parallel to the slab: inside it (0 * inf is NaN) or not at all.
        if (std::isnan(a) || std::isnan(b)) {
            if (o < axis(min, i) || o > axis(max, i))
                return false;
            continue;
        }
        if (a > b)
            std::swap(a, b);
        near = std::max(near, a);
        far = std::min(far, b);
        if (near > far)
            return false;
    }
    t = near;
    return true;
}

void PickBoundsHierarchy::build(const std::vector<PickBox>& leafBoxes)
{
    m_nodes.clear();
    m_leafNode.assign(leafBoxes.size(), -1);
    m_refits = 0;
    if (leafBoxes.empty())
        return;
    m_nodes.reserve(2 * leafBoxes.size());
    std::vector<int> leaves(leafBoxes.size());
    for (std::size_t i = 0; i < leaves.size(); ++i)
        leaves[i] = int(i);
    buildRange(leaves, leafBoxes, 0, int(leaves.size()), -1);
}

int PickBoundsHierarchy::buildRange(std::vector<int>& leaves, const std::vector<PickBox>& boxes, int begin, int end,
                                    int parent)
{
    const int index = int(m_nodes.size());
    m_nodes.push_back({});
    m_nodes.back().parent = parent;
    if (end - begin == 1) {
        const int leaf = leaves[std::size_t(begin)];
        m_nodes.back().box = boxes[std::size_t(leaf)];
        m_nodes.back().leaf = leaf;
        m_leafNode[std::size_t(leaf)] = index;
        return index;
    }
    PickBox centres;
    for (int i = begin; i < end; ++i) {
        const PickBox& box = boxes[std::size_t(leaves[std::size_t(i)])];
        if (!box.isEmpty())
            centres.extend((box.min + box.max) * 0.5f);
    }
    const Lumo::float3 spread = centres.isEmpty() ? Lumo::float3{} : centres.max - centres.min;
    const int split = spread.x >= spread.y && spread.x >= spread.z ? 0 : spread.y >= spread.z ? 1 : 2;
    const auto centre = [&](int leaf) {
        const PickBox& box = boxes[std::size_t(leaf)];
        return box.isEmpty() ? 0.0f : axis(box.min, split) + axis(box.max, split);
    };
    const int middle = begin + (end - begin) / 2;
    std::nth_element(leaves.begin() + begin, leaves.begin() + middle, leaves.begin() + end,
                     [&](int a, int b) { return centre(a) < centre(b); });
    const int left = buildRange(leaves, boxes, begin, middle, index);
    const int right = buildRange(leaves, boxes, middle, end, index);
    Node& node = m_nodes[std::size_t(index)];
    node.left = left;
    node.right = right;
    node.box = m_nodes[std::size_t(left)].box;
    node.box.extend(m_nodes[std::size_t(right)].box);
    return index;
}

void PickBoundsHierarchy::refit(int leaf, const PickBox& box)
{
    if (leaf < 0 || leaf >= leafCount())
        return;
    int index = m_leafNode[std::size_t(leaf)];
    m_nodes[std::size_t(index)].box = box;
    ++m_refits;
    for (index = m_nodes[std::size_t(index)].parent; index >= 0; index = m_nodes[std::size_t(index)].parent) {
        Node& node = m_nodes[std::size_t(index)];
        PickBox joined = m_nodes[std::size_t(node.left)].box;
        joined.extend(m_nodes[std::size_t(node.right)].box);
        if (joined.min == node.box.min && joined.max == node.box.max)
            break;
        node.box = joined;
    }
}

} // namespace Kairn::Graphics
