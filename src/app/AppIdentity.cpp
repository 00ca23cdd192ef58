#include "app/AppIdentity.h"

#include <QApplication>

namespace app {

void setApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Zelvaro"));
    QApplication::setApplicationVersion(QStringLiteral(ZELVARO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELVARO_APP_ID));
    QApplication::setWindowIcon(programIcon());
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zelvaro-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace app
