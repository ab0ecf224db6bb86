#pragma once

namespace Velto::UiWidget {

// The accumulated angle of a rotation handle after a step: brought back by a full turn once it
// passes one turn in either sense, so the label never shows more than 360 degrees.
float wrappedRotationAngle(float radians);

// Degrees of `radians` as the angle labels show them.
float labelDegrees(float radians);

} // namespace Velto::UiWidget
