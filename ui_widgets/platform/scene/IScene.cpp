#include "ui_widgets/platform/scene/IScene.h"

#include "ui_widgets/platform/scene/PickContext.h"

namespace Kairn::Graphics {

void IScene::visitPickCandidates(SceneItemType type, const Kairn::Objects::Ray3<float>&, const PickContext&,
                                 PickCandidateVisitor& visitor) const
{
    const std::vector<VyrGraphicsNode*>& list = nodes(type);
    for (std::size_t i = 0; i < list.size(); ++i)
        visitor.visit(list[i], int(i), 0.0f);
}

} // namespace Kairn::Graphics
