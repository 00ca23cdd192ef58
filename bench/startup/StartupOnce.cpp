// main() of the two start-up programs; callgrind counts the instructions of
// measuredStartUp only (--toggle-collect), so the application set-up shared
// by both stays out of the comparison.
#include "StartupOnce.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <cstdio>

namespace {

__attribute__((noinline)) std::unique_ptr<QWidget> measuredStartUp()
{
    std::unique_ptr<QWidget> window = createStartWindow();
    window->show();
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                     &QEventLoop::quit);
    loop.exec();
    return window;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    prepareApplication();
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    const std::unique_ptr<QWidget> window = measuredStartUp();
    std::printf("%s started with %lld controls\n", qPrintable(window->objectName()),
                static_cast<long long>(window->findChildren<QWidget*>().size()));
    return 0;
}
