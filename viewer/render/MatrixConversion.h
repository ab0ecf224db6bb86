#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"

#include <QMatrix4x4>

namespace Viewer {

// The scene layer's row-vector matrix (p' = p . M) as Qt's column-vector matrix (p' = M p).
inline QMatrix4x4 toQMatrix(const Lumo::Objects::ADevMatrix& m)
{
    return QMatrix4x4(m.M11, m.M21, m.M31, m.M41, m.M12, m.M22, m.M32, m.M42, m.M13, m.M23, m.M33, m.M43, m.M14,
                      m.M24, m.M34, m.M44);
}

} // namespace Viewer
