#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <cstdint>
#include <vector>

namespace Kairn::Graphics {

// An axis-aligned world box of the broad phase. A box that is not finite is never built: a node
// whose bounds cannot be told is kept apart and tested on every pick.
struct PickBox
{
    Lumo::float3 min{INFINITY, INFINITY, INFINITY};
    Lumo::float3 max{-INFINITY, -INFINITY, -INFINITY};

    bool isEmpty() const { return !(min.x <= max.x && min.y <= max.y && min.z <= max.z); }
    void extend(const Lumo::float3& p);
    void extend(const PickBox& other);
    // Grown on every side by `margin` plus a relative share of the box's size and distance from
    // the origin, so that rounding in a node's exact hit test can never fall outside it.
    void inflate(float margin);
    // The ray parameter where the ray enters the box (0 when it starts inside), or false when it
    // misses it in front of its origin. `inverseDirection` is 1 / direction per axis.
    bool entry(const Lumo::float3& origin, const Lumo::float3& inverseDirection, float& t) const;
};

// A bounding-volume hierarchy over leaf boxes, for picking. Leaves are numbered by the owner;
// their boxes may change one at a time (refit: the boxes above a leaf are widened or narrowed,
// the tree's shape stays), and the tree is rebuilt when the leaves come and go, or when so many
// refits have happened that the shape no longer fits the boxes.
//
// Written here rather than with Embree's user geometry: a pick needs every leaf whose box the
// ray enters nearer than a bound that tightens while the leaves are tested (the exact tests run
// in the scene's own order afterwards, see PointSelectionTool), and a hand-written traversal
// gives that directly with a fixed stack and no callback state; at the scene sizes of widgets
// (thousands of leaves, rebuilt in well under a millisecond) the tree is never the slow part.
class PickBoundsHierarchy
{
public:
    // Replaces the leaves and builds the tree (median splits along the widest axis).
    void build(const std::vector<PickBox>& leafBoxes);
    // Leaf `leaf` now has `box`; the nodes above it follow.
    void refit(int leaf, const PickBox& box);
    // Refits since the last build, for the owner's rebuild decision.
    int refitCount() const { return m_refits; }
    int leafCount() const { return int(m_leafNode.size()); }

    // Visits the leaves whose boxes the ray enters at a parameter within the cut-off, nearer
    // subtrees first. visit(leaf, entry) returns the new cut-off (it may only shrink).
    template <class Visit>
    void traverse(const Lumo::float3& origin, const Lumo::float3& direction, float cutOff, Visit&& visit) const;

private:
    struct Node
    {
        PickBox box;
        int left = -1;   // child nodes, or -1 for a leaf
        int right = -1;
        int parent = -1;
        int leaf = -1;   // the owner's leaf number of a leaf node
    };

    int buildRange(std::vector<int>& leaves, const std::vector<PickBox>& boxes, int begin, int end, int parent);

    std::vector<Node> m_nodes;
    std::vector<int> m_leafNode; // leaf number -> node index
    int m_refits = 0;
};

template <class Visit>
void PickBoundsHierarchy::traverse(const Lumo::float3& origin, const Lumo::float3& direction, float cutOff,
                                   Visit&& visit) const
{
    if (m_nodes.empty())
        return;
    const Lumo::float3 inverse{1.0f / direction.x, 1.0f / direction.y, 1.0f / direction.z};
    // Median splits keep the depth near log2 of the leaf count; refits do not change it.
    constexpr int stackSize = 128;
    struct Pending
    {
        int node;
        float entry;
    };
    Pending stack[stackSize];
    int top = 0;
    float rootEntry = 0;
    if (!m_nodes[0].box.entry(origin, inverse, rootEntry))
        return;
    stack[top++] = {0, rootEntry};
    while (top > 0) {
        const Pending pending = stack[--top];
        if (pending.entry > cutOff)
            continue;
        const Node& node = m_nodes[std::size_t(pending.node)];
        if (node.leaf >= 0) {
            cutOff = visit(node.leaf, pending.entry);
            continue;
        }
        float leftEntry = 0, rightEntry = 0;
        const bool left = m_nodes[std::size_t(node.left)].box.entry(origin, inverse, leftEntry) && leftEntry <= cutOff;
        const bool right =
            m_nodes[std::size_t(node.right)].box.entry(origin, inverse, rightEntry) && rightEntry <= cutOff;
        // The farther child goes first onto the stack, so the nearer one is taken next.
        if (left && right && top + 2 <= stackSize) {
            const bool leftFirst = leftEntry <= rightEntry;
            stack[top++] = leftFirst ? Pending{node.right, rightEntry} : Pending{node.left, leftEntry};
            stack[top++] = leftFirst ? Pending{node.left, leftEntry} : Pending{node.right, rightEntry};
        } else if (left && top < stackSize) {
            stack[top++] = {node.left, leftEntry};
        } else if (right && top < stackSize) {
            stack[top++] = {node.right, rightEntry};
        }
    }
}

} // namespace Kairn::Graphics
