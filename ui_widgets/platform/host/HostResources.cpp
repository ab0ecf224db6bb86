#include <QCoreApplication>
#include <QtGlobal>

// Registers the cursor images and the camera mesh of resources.qrc as soon as the application
// object exists (or at load when it already does). Qt ignores a second registration of the same
// data, so this is harmless next to the registration the compiled resource does on its own.
// Q_INIT_RESOURCE has to be used outside any namespace.
static void initHostResources()
{
    Q_INIT_RESOURCE(resources);
}
Q_COREAPP_STARTUP_FUNCTION(initHostResources)
