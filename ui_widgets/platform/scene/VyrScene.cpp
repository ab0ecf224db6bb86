#include "ui_widgets/platform/scene/VyrScene.h"

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <algorithm>

namespace Kairn::Graphics {

VyrScene::~VyrScene()
{
    std::vector<VyrGraphicsNode*> remaining;
    for (const auto& [type, list] : m_nodes)
        remaining.insert(remaining.end(), list.begin(), list.end());
    for (VyrGraphicsNode* node : remaining)
        node->removeFromScene();
}

const std::vector<VyrGraphicsNode*>& VyrScene::nodes(SceneItemType type) const
{
    static const std::vector<VyrGraphicsNode*> none;
    const auto it = m_nodes.find(type);
    return it == m_nodes.end() ? none : it->second;
}

std::vector<SceneItemType> VyrScene::itemTypes() const
{
    std::vector<SceneItemType> types;
    for (const auto& [type, list] : m_nodes)
        types.push_back(type);
    return types;
}

int VyrScene::nodeCount() const
{
    int count = 0;
    for (const auto& [type, list] : m_nodes)
        count += int(list.size());
    return count;
}

bool VyrScene::containsNode(const VyrGraphicsNode* node) const
{
    for (const auto& [type, list] : m_nodes)
        if (std::find(list.begin(), list.end(), node) != list.end())
            return true;
    return false;
}

void VyrScene::addNode(VyrGraphicsNode* node, SceneItemType type)
{
    if (!node || containsNode(node))
        return;
    m_nodes[type].push_back(node);
    ++m_revision;
}

void VyrScene::removeNode(VyrGraphicsNode* node)
{
    for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
        if (std::erase(it->second, node) == 0)
            continue;
        if (it->second.empty())
            m_nodes.erase(it);
        ++m_revision;
        return;
    }
}

} // namespace Kairn::Graphics
