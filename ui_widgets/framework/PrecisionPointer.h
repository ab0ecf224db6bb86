#pragma once

#include <QPointF>

namespace Velto::UiWidget {

// The view position a drag follows when fine adjustment is available. Each event adds the mouse's
// motion since the previous one, scaled by the factor while fine adjustment is held, so pressing
// or releasing the modifier in the middle of a drag changes the rate without a jump.
class PrecisionPointer
{
public:
    // The drag starts where the mouse is.
    void start(const QPointF& position);
    // The followed position after the mouse moved to `position`.
    QPointF follow(const QPointF& position, bool fine, float factor);

private:
    QPointF lastPosition;
    QPointF followed;
};

} // namespace Velto::UiWidget
