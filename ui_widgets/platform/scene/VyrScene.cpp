#include "ui_widgets/platform/scene/VyrScene.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/PickContext.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <algorithm>

namespace Kairn::Graphics {

VyrScene::~VyrScene()
{
    std::vector<VyrGraphicsNode*> remaining;
    for (auto& [type, layer] : m_layers)
        for (VyrGraphicsNode* node : layer.nodes)
            if (node)
                remaining.push_back(node);
    for (VyrGraphicsNode* node : remaining)
        node->removeFromScene();
}

void VyrScene::compact(Layer& layer) const
{
    if (layer.holes == 0)
        return;
    std::erase(layer.nodes, nullptr);
    layer.holes = 0;
    for (std::size_t i = 0; i < layer.nodes.size(); ++i)
        m_slots[layer.nodes[i]].index = i;
}

const std::vector<VyrGraphicsNode*>& VyrScene::nodes(SceneItemType type) const
{
    static const std::vector<VyrGraphicsNode*> none;
    const auto it = m_layers.find(type);
    if (it == m_layers.end())
        return none;
    compact(it->second);
    return it->second.nodes;
}

std::vector<SceneItemType> VyrScene::itemTypes() const
{
    std::vector<SceneItemType> types;
    for (const auto& [type, layer] : m_layers)
        types.push_back(type);
    return types;
}

int VyrScene::nodeCount() const
{
    return int(m_slots.size());
}

bool VyrScene::containsNode(const VyrGraphicsNode* node) const
{
    return m_slots.count(node) != 0;
}

void VyrScene::addNode(VyrGraphicsNode* node, SceneItemType type)
{
    if (!node || containsNode(node))
        return;
    Layer& layer = m_layers[type];
    m_slots[node] = {type, layer.nodes.size()};
    layer.nodes.push_back(node);
    layer.pick.stale = true;
    ++m_revision;
}

void VyrScene::removeNode(VyrGraphicsNode* node)
{
    const auto slot = m_slots.find(node);
    if (slot == m_slots.end())
        return;
    const auto layer = m_layers.find(slot->second.type);
    layer->second.nodes[slot->second.index] = nullptr;
    m_slots.erase(slot);
    // A type without nodes is no longer listed (itemTypes).
    if (++layer->second.holes == int(layer->second.nodes.size()))
        m_layers.erase(layer);
    else
        layer->second.pick.stale = true;
    ++m_revision;
}

void VyrScene::nodeChanged(VyrGraphicsNode* node)
{
    const auto slot = m_slots.find(node);
    if (slot == m_slots.end())
        return;
    PickIndex& pick = m_layers[slot->second.type].pick;
    const std::size_t leaf = slot->second.index;
    if (pick.stale || leaf >= pick.dirty.size() || pick.dirty[leaf])
        return;
    pick.dirty[leaf] = 1;
    pick.dirtyLeaves.push_back(int(leaf));
}

void VyrScene::computeLeafBox(Layer& layer, int leaf, PickContext& context) const
{
    PickIndex& pick = layer.pick;
    const std::size_t i = std::size_t(leaf);
    PickBox box;
    bool viewDependent = false;
    pick.bounded[i] = layer.nodes[i]->computeSubtreePickBounds(context, box, viewDependent);
    pick.viewDependent[i] = viewDependent;
    pick.boxes[i] = pick.bounded[i] ? box : PickBox();
}

void VyrScene::updatePickIndex(Layer& layer, const PickContext& context) const
{
    PickIndex& pick = layer.pick;
    PickContext scratch = context;
    const bool viewChanged = pick.camera != context.camera
                             || (context.camera && pick.cameraRevision != context.camera->revision())
                             || pick.pixelTolerance != context.pixelTolerance;
    pick.camera = context.camera;
    pick.cameraRevision = context.camera ? context.camera->revision() : 0;
    pick.pixelTolerance = context.pixelTolerance;
    if (!pick.stale && viewChanged)
        for (std::size_t i = 0; i < pick.viewDependent.size(); ++i)
            if (pick.viewDependent[i] && !pick.dirty[i]) {
                pick.dirty[i] = 1;
                pick.dirtyLeaves.push_back(int(i));
            }
    // A leaf that became bounded or unbounded changes the lists; many refits have worn out the
    // tree's shape: both rebuild.
    bool rebuild = pick.stale;
    if (!rebuild) {
        for (const int leaf : pick.dirtyLeaves) {
            const bool wasBounded = pick.bounded[std::size_t(leaf)];
            computeLeafBox(layer, leaf, scratch);
            pick.dirty[std::size_t(leaf)] = 0;
            if (wasBounded != bool(pick.bounded[std::size_t(leaf)]))
                rebuild = true;
            else if (!rebuild)
                pick.tree.refit(leaf, pick.boxes[std::size_t(leaf)]);
        }
        pick.dirtyLeaves.clear();
        rebuild = rebuild || pick.tree.refitCount() > std::max(64, pick.tree.leafCount());
    }
    if (!rebuild)
        return;
    compact(layer);
    const std::size_t count = layer.nodes.size();
    if (pick.stale) {
        pick.boxes.assign(count, PickBox());
        pick.bounded.assign(count, 0);
        pick.viewDependent.assign(count, 0);
        pick.dirty.assign(count, 0);
        pick.dirtyLeaves.clear();
        for (std::size_t i = 0; i < count; ++i)
            computeLeafBox(layer, int(i), scratch);
        pick.stale = false;
    }
    pick.unboundedLeaves.clear();
    for (std::size_t i = 0; i < count; ++i)
        if (!pick.bounded[i])
            pick.unboundedLeaves.push_back(int(i));
    pick.tree.build(pick.boxes);
}

void VyrScene::visitPickCandidates(SceneItemType type, const Kairn::Objects::Ray3<float>& unitRay,
                                   const PickContext& context, PickCandidateVisitor& visitor) const
{
    const auto it = m_layers.find(type);
    if (it == m_layers.end())
        return;
    Layer& layer = it->second;
    updatePickIndex(layer, context);
    float cutOff = visitor.cutOff();
    for (const int leaf : layer.pick.unboundedLeaves)
        cutOff = visitor.visit(layer.nodes[std::size_t(leaf)], leaf, 0.0f);
    layer.pick.tree.traverse(unitRay.origin(), unitRay.direction(), cutOff, [&](int leaf, float entry) {
        return visitor.visit(layer.nodes[std::size_t(leaf)], leaf, entry);
    });
}

} // namespace Kairn::Graphics
