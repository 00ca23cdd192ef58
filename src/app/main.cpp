#include "app/AppIdentity.h"
#include "app/frmMDI.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setApplicationIdentity();
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    frmMDI frame(QCoreApplication::applicationDirPath());
    frame.show();
    return QApplication::exec();
}
