// main() of the two start-up programs; callgrind counts the instructions of
// measuredStartUp only (--toggle-collect), so the application set-up shared
// by both stays out of the comparison.
#include "StartupOnce.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QTemporaryFile>
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
    // A desktop's screen, on which both windows show whole: on the offscreen platform's
    // default 800 x 600 screen the program's frame fits itself to the screen and so draws
    // less than the bare window, which does not.
    QTemporaryFile screen;
    if (!screen.open())
        return 1;
    screen.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1200,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screen.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    QApplication application(argc, argv);
    prepareApplication();
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    const std::unique_ptr<QWidget> window = measuredStartUp();
    std::printf("%s started with %lld controls\n", qPrintable(window->objectName()),
                static_cast<long long>(window->findChildren<QWidget*>().size()));
    return 0;
}
