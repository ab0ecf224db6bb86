#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/XLine.h"

#include <QCoreApplication>

namespace {

// Queued and cross-thread string-based connections need the names of the signal argument types
// registered before the first such connect; a test that runs on its own would otherwise find
// them missing.
void registerMathMetaTypes()
{
    qRegisterMetaType<Lumo::float3>();
    qRegisterMetaType<Lumo::Objects::ADevMatrix>();
    qRegisterMetaType<Lumo::Objects::XLine<float>>();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerMathMetaTypes)
