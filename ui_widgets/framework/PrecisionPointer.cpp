#include "ui_widgets/framework/PrecisionPointer.h"

namespace Velto::UiWidget {

void PrecisionPointer::start(const QPointF& position)
{
    lastPosition = position;
    followed = position;
}

QPointF PrecisionPointer::follow(const QPointF& position, bool fine, float factor)
{
    followed += (position - lastPosition) * (fine ? double(factor) : 1.0);
    lastPosition = position;
    return followed;
}

} // namespace Velto::UiWidget
