#pragma once

#include "viewer/gallery/GalleryContext.h"
#include "viewer/gallery/GalleryItem.h"

#include "ui_widgets/platform/scene/SceneItemType.h"

#include <functional>

namespace Kairn::Graphics {
class VyrGraphicsNode;
}

namespace Viewer {

// A composite scene node of the library shown on the model: it has no signals and is not dragged,
// but its settings (visibility, colour, what the entry adds) change how it looks. The item keeps
// one reference on the node and takes it out of the scene when it goes.
class NodeGalleryItem : public GalleryItem
{
public:
    using ExtraSettings = std::function<void(Kairn::Graphics::VyrGraphicsNode*, SettingsForm&)>;

    NodeGalleryItem(const GalleryContext& context, Kairn::Graphics::VyrGraphicsNode* node,
                    Kairn::Graphics::SceneItemType type, ExtraSettings extraSettings = {});
    ~NodeGalleryItem() override;

    QObject* signalSource() const override { return nullptr; }
    void addSettings(SettingsForm& form) override;

private:
    Kairn::Graphics::VyrGraphicsNode* m_node;
    ExtraSettings m_extraSettings;
};

} // namespace Viewer
