// The main() of every benchmark: an offscreen application set up as the
// program sets itself up, message boxes recorded instead of shown.
#include "app/AppIdentity.h"
#include "base/Regional.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QFont>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    app::setApplicationIdentity();
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    base::setRegional(base::Regional::english());
    ui::MsgBoxRecorder boxes;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!boxes.calls.isEmpty())
        qWarning("%lld message boxes during the benchmarks; the first: %s", static_cast<long long>(boxes.calls.size()),
                 qPrintable(boxes.calls.first().text));
    return 0;
}
