#include "viewer/gallery/NodeGalleryItem.h"

#include "viewer/gallery/SettingsForm.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <QObject>

#include <algorithm>

namespace Viewer {

namespace {

struct NamedColour
{
    const char* name;
    Lumo::vec4<float> colour;
};

// Widget blue first: the colour the nodes start with.
constexpr NamedColour Palette[] = {
    {"Widget blue", {112 / 255.0f, 173 / 255.0f, 193 / 255.0f, 1.0f}},
    {"Orange", {1.0f, 170 / 255.0f, 89 / 255.0f, 1.0f}},
    {"Green", {158 / 255.0f, 192 / 255.0f, 152 / 255.0f, 1.0f}},
    {"White, half transparent", {1.0f, 1.0f, 1.0f, 0.5f}},
};

} // namespace

NodeGalleryItem::NodeGalleryItem(const GalleryContext& context, Kairn::Graphics::VyrGraphicsNode* node,
                                 Kairn::Graphics::SceneItemType type, ExtraSettings extraSettings)
    : m_node(node)
    , m_extraSettings(std::move(extraSettings))
{
    if (!m_node)
        return;
    m_node->AddRef();
    if (context.handler)
        m_node->addToScene(context.handler->GetScene(), type);
}

NodeGalleryItem::~NodeGalleryItem()
{
    if (!m_node)
        return;
    m_node->removeFromScene();
    m_node->ReleaseRef();
}

void NodeGalleryItem::addSettings(SettingsForm& form)
{
    if (!m_node)
        return;
    Kairn::Graphics::VyrGraphicsNode* node = m_node;
    form.addCheckBox(QObject::tr("Visible"), node->isVisible(), [node](bool on) { node->setVisible(on); });
    QStringList names;
    for (const NamedColour& entry : Palette)
        names << QObject::tr(entry.name);
    form.addChoice(QObject::tr("Colour"), names, -1, [node](int index) {
        node->setColor(Palette[std::clamp(index, 0, int(std::size(Palette)) - 1)].colour);
    });
    if (m_extraSettings)
        m_extraSettings(node, form);
}

} // namespace Viewer
