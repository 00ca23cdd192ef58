#include "StartupOnce.h"

#include "app/AppIdentity.h"
#include "app/frmMDI.h"

#include <QDir>

void prepareApplication()
{
    app::setApplicationIdentity();
}

std::unique_ptr<QWidget> createStartWindow()
{
    // No settings file: the program starts as on its first run.
    return std::make_unique<frmMDI>(QDir::tempPath() + QStringLiteral("/zelvaro-startup-no-settings"));
}
