#pragma once

namespace Lumo::Graphics {

// The renderer-facing part of a scene node, and what a pick reports. Callers treat it as an
// opaque handle and map it back with VyrGraphicsNode::getGraphicsNodeFromLumoNode.
class RenderNode
{
public:
    RenderNode() = default;
    RenderNode(const RenderNode&) = default;
    RenderNode& operator=(const RenderNode&) = default;
    virtual ~RenderNode() = default;

    // Draw order within a layer: a higher priority is drawn later, on top of lower ones.
    void Priority(int priority) { m_priority = priority; }
    int Priority() const { return m_priority; }

private:
    int m_priority = 0;
};

} // namespace Lumo::Graphics
