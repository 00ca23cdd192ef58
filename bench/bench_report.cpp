// Loading the filled report page and printing it to a PDF file.
//   bench_report            runs the benchmark
//   bench_report FILE.pdf   writes one report to FILE.pdf and exits
#include "../tests/support/SampleReport.h"
#include "printing/frmDruckAnsicht.h"
#include "texts/modTexte.h"
#include "ui/Printers.h"
#include "ui/Regional.h"
#include "ui/SaveDialog.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void printReport(ui::Printers& printers)
{
    frmDruckAnsicht page([] { return sample::filledReport(); });
    page.Form_Load();
    printers.printPage(page);
}

std::unique_ptr<ui::Printers> pdfWriter()
{
    auto printers = ui::makeCupsPrinters();
    printers->setCurrent(int(printers->deviceNames().size()) - 1);
    printers->setOrientation(ui::kLandscape);
    return printers;
}

void BM_LoadAndPrintReport(benchmark::State& state)
{
    QTemporaryDir folder;
    ui::SaveDialogRecorder dialog;
    dialog.answer = folder.filePath(QStringLiteral("report.pdf"));
    auto printers = pdfWriter();
    for (auto _ : state)
        printReport(*printers);
}
BENCHMARK(BM_LoadAndPrintReport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::setRegional(ui::Regional::german());
    bytSprachNr = 1;
    modTexte::subInitSprache(bytSprachNr);
    if (argc == 2 && argv[1][0] != '-') {
        ui::SaveDialogRecorder dialog;
        dialog.answer = QString::fromLocal8Bit(argv[1]);
        auto printers = pdfWriter();
        printReport(*printers);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
