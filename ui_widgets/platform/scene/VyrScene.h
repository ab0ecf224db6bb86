#pragma once

#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/PickBoundsHierarchy.h"

#include <map>
#include <unordered_map>

namespace Kairn::Graphics {

class Camera;

// The scene of a viewport. Nodes are listed in the order they joined. Destroying the scene takes
// every node still in it out of it.
//
// Joining, leaving and membership tests take constant time (a node leaves a hole in its list,
// closed up on the next read), so a host can make and destroy thousands of nodes one by one.
// Picks go through a bounding-volume hierarchy per item type over the top-level nodes' world
// bounds in the camera's view, built on the first pick after nodes joined or left, refitted for
// the nodes that moved or changed shape since the last pick, and for the view-dependent ones
// when the camera changed.
class VyrScene : public IScene
{
public:
    VyrScene() = default;
    VyrScene(const VyrScene&) = delete;
    VyrScene& operator=(const VyrScene&) = delete;
    ~VyrScene() override;

    const std::vector<VyrGraphicsNode*>& nodes(SceneItemType type) const override;
    std::vector<SceneItemType> itemTypes() const override;
    int nodeCount() const override;
    bool containsNode(const VyrGraphicsNode* node) const override;
    quint64 revision() const override { return m_revision; }

    void visitPickCandidates(SceneItemType type, const Kairn::Objects::Ray3<float>& unitRay, const PickContext& context,
                             PickCandidateVisitor& visitor) const override;

protected:
    void addNode(VyrGraphicsNode* node, SceneItemType type) override;
    void removeNode(VyrGraphicsNode* node) override;
    void nodeChanged(VyrGraphicsNode* node) override;

private:
    // The broad phase of one item type. Leaf i is the layer's node i at the last build.
    struct PickIndex
    {
        bool stale = true; // nodes joined or left: rebuild
        const Camera* camera = nullptr;
        quint64 cameraRevision = 0;
        float pixelTolerance = 0;
        std::vector<PickBox> boxes;
        std::vector<char> bounded;
        std::vector<char> viewDependent;
        std::vector<char> dirty;
        std::vector<int> dirtyLeaves;
        std::vector<int> unboundedLeaves;
        PickBoundsHierarchy tree;
    };
    struct Layer
    {
        // Join order, with null holes left by nodes that left since the last read.
        std::vector<VyrGraphicsNode*> nodes;
        int holes = 0;
        PickIndex pick;
    };
    struct Slot
    {
        SceneItemType type;
        std::size_t index;
    };

    // Closes the holes of the layer's list and renumbers the slots.
    void compact(Layer& layer) const;
    void updatePickIndex(Layer& layer, const PickContext& context) const;
    void computeLeafBox(Layer& layer, int leaf, PickContext& context) const;

    mutable std::map<SceneItemType, Layer> m_layers;
    mutable std::unordered_map<const VyrGraphicsNode*, Slot> m_slots;
    quint64 m_revision = 0;
};

} // namespace Kairn::Graphics
