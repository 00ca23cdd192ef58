// Loading the filled report page and printing it to a PDF file, as the print
// dialog does for the file writer: the page built and filled, drawn, written.
//   bench_report            runs the benchmark
//   bench_report FILE.pdf   writes one report to FILE.pdf and exits
#include "../tests/support/SampleReport.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"
#include "printers/Printers.h"
#include "printing/frmDruckAnsicht.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/SaveDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Empty when the report was written, else what went wrong.
QString printReport(printers::Printers& printers, const QString& path)
{
    ui::MsgBoxRecorder boxes;
    try {
        frmDruckAnsicht page([] { return sample::filledReport(); }, 1);
        page.Form_Load();
        if (printers.printPage(page, {page.documentTitle(), {}}) != printers::PrintOutcome::Printed)
            return QStringLiteral("the save dialog was cancelled");
    } catch (const base::RuntimeError& error) {
        return error.description();
    }
    if (!boxes.calls.isEmpty())
        return boxes.calls.first().text;
    if (QFileInfo(path).size() == 0)
        return QStringLiteral("nothing written to %1").arg(path);
    return {};
}

std::unique_ptr<printers::Printers> pdfWriter()
{
    auto printers = printers::makeCupsPrinters();
    printers->setCurrent(int(printers->deviceNames().size()) - 1);
    printers->setOrientation(printers::kLandscape);
    return printers;
}

void loadAndPrint(benchmark::State& state)
{
    QTemporaryDir folder;
    ui::SaveDialogRecorder dialog;
    dialog.answer = folder.filePath(QStringLiteral("report.pdf"));
    auto printers = pdfWriter();
    for (auto _ : state) {
        const QString failure = printReport(*printers, dialog.answer);
        if (!failure.isEmpty()) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
    }
    state.SetLabel(QStringLiteral("%1 bytes").arg(QFileInfo(dialog.answer).size()).toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    base::setRegional(base::Regional::german());
    modTexte::subInitSprache(1);
    if (argc == 2 && argv[1][0] != '-') {
        ui::SaveDialogRecorder dialog;
        dialog.answer = QString::fromLocal8Bit(argv[1]);
        auto printers = pdfWriter();
        const QString failure = printReport(*printers, dialog.answer);
        if (!failure.isEmpty())
            qCritical("%s", qPrintable(failure));
        return failure.isEmpty() ? 0 : 1;
    }
    benchmark::RegisterBenchmark("report: load and print to a PDF file", loadAndPrint)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
