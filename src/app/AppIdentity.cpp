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
    // Read once: the application and the frame window both ask for it at start-up.
    static const QIcon icon = [] {
        QIcon drawn;
        for (const int size : {48, 128, 256})
            drawn.addFile(QStringLiteral(":/icons/zelvaro-%1.png").arg(size), QSize(size, size));
        return drawn;
    }();
    return icon;
}

}  // namespace app
