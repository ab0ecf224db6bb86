#pragma once

#include "ui_widgets/platform/math/AutoPtr.h"
#include "ui_widgets/platform/scene/GraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A viewport with its scene, the nodes a test made, and a check that every node is gone at the end.
template<class Base = ::testing::Test>
class SceneFixture : public Base
{
protected:
    using Node = Kairn::Graphics::VyrGraphicsNode;

    explicit SceneFixture(int width = 400, int height = 300) : viewport(width, height) {}
    void SetUp() override { nodesAtStart = Node::NetObjectCount(); }
    void TearDown() override
    {
        nodes.clear();
        EXPECT_EQ(Node::NetObjectCount(), nodesAtStart);
    }

    Kairn::Graphics::Camera& camera() { return *viewport.getCamera(); }
    std::unique_ptr<Kairn::Graphics::IPointSelectionTool> tool(int kind)
    {
        return std::unique_ptr<Kairn::Graphics::IPointSelectionTool>(
            Kairn::Graphics::GetIGSCtrl()->createPointSelectionTool(&viewport, kind));
    }
    // Keeps the node alive for the test and, given a scene item type, adds it to the scene.
    template<class T>
    T* keep(T* node, int sceneType = -1)
    {
        nodes.emplace_back(node);
        if (sceneType >= 0)
            node->addToScene(viewport.getScene(), sceneType);
        return node;
    }
    Lumo::vec2<float> screenOf(const Lumo::float3& p) { return camera().projectToScreen(p); }
    Node* pickAtPixel(Kairn::Graphics::IPointSelectionTool& picker, const Lumo::vec2<float>& pixel,
                      Kairn::Objects::Vector3<float>* world = nullptr)
    {
        Kairn::Objects::Vector3<float> hit;
        Node* node = Node::getGraphicsNodeFromLumoNode(picker.pick(pixel, hit));
        if (world)
            *world = hit;
        return node;
    }
    Node* pickAtPoint(Kairn::Graphics::IPointSelectionTool& picker, const Lumo::float3& p,
                      Kairn::Objects::Vector3<float>* world = nullptr)
    {
        return pickAtPixel(picker, screenOf(p), world);
    }

    Kairn::Graphics::Viewport viewport;
    std::vector<Lumo::Objects::AutoPtr<Node>> nodes;
    int nodesAtStart = 0;
};
