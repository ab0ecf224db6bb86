#pragma once

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

namespace Velto::UiWidget {

// The second factory of every custom node: a node made and put into a scene in one call. Without a
// scene nothing is made, so a caller never receives a node that no scene lists and nobody holds.
template<class Node>
Node* createNodeInScene(Kairn::Graphics::IScene* scene, Kairn::Graphics::SceneItemType type)
{
    if (!scene)
        return nullptr;
    Node* node = Node::createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

} // namespace Velto::UiWidget
