#include "ui_widgets/manipulators/DragValueLabel.h"

#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/VyrScene.h"

#include <sstream>

namespace Velto::UiWidget {

Lumo::Objects::AutoPtr<VyrMarginTextNode> createDragValueLabel(Kairn::Graphics::VyrScene* scene, float fontSize,
                                                              const Lumo::vec4<float>& color,
                                                              const Lumo::vec4<float>& background)
{
    Lumo::Objects::AutoPtr<VyrMarginTextNode> label = VyrMarginTextNode::createGraphicsNode();
    label->setFont(L"Arial");
    label->setFontSize(fontSize);
    label->addToScene(scene, Kairn::Graphics::SceneItemOverlay);
    label->setColor(color);
    label->setBackgroundColor(background);
    label->setConstantScreenSize(30, 1.0f);
    return label;
}

std::wstring factorLabelText(float factor)
{
    std::wostringstream text;
    text.setf(std::ios::fixed, std::ios::floatfield);
    text.precision(2);
    text << L"\u00d7" << factor;
    return text.str();
}

} // namespace Velto::UiWidget
