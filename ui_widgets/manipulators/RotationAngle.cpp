#include "ui_widgets/manipulators/RotationAngle.h"

namespace Velto::UiWidget {

namespace {

constexpr float fullTurn = 6.2831855f;
constexpr float radiansToDegrees = 57.29578f;

} // namespace

float wrappedRotationAngle(float radians)
{
    if (radians > fullTurn)
        return radians - fullTurn;
    if (radians < -fullTurn)
        return radians + fullTurn;
    return radians;
}

float labelDegrees(float radians)
{
    return radians * radiansToDegrees;
}

} // namespace Velto::UiWidget
