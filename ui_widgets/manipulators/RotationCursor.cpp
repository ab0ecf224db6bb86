#include "ui_widgets/manipulators/RotationCursor.h"

#include <QPixmap>

namespace Velto::UiWidget {

QCursor rotationCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/resources/images/Cursors/KtPlaneFreeOrbit.png")), 1, 1);
}

} // namespace Velto::UiWidget
