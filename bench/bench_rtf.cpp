// Reading the largest instruction document: the RTF reader alone into a text
// document, and the instructions window as it opens, its view filled and
// repainted until the event loop is idle.
#include "instructions/frmAnleitung.h"
#include "rtf/RtfReader.h"
#include "support/BenchSupport.h"
#include "texts/modTexte.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QString kFolder = QStringLiteral(ZELVARO_PROGRAM_FOLDER);

// The largest Readme_*.rtf that the build put beside the program.
QFileInfo largestInstructions()
{
    const QFileInfoList files = QDir(kFolder).entryInfoList({QStringLiteral("Readme_*.rtf")}, QDir::Files, QDir::Size);
    if (files.isEmpty())
        qFatal("no instruction documents in %s", qPrintable(kFolder));
    return files.first();
}

QString label(const QFileInfo& file)
{
    return QStringLiteral("%1, %2 bytes").arg(file.fileName()).arg(file.size());
}

void readDocument(benchmark::State& state)
{
    const QFileInfo largest = largestInstructions();
    QFile file(largest.filePath());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(largest.filePath()));
    const QByteArray data = file.readAll();
    state.SetLabel(label(largest).toStdString());
    QTextDocument document;
    for (auto _ : state)
        rtf::readInto(document, data);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}

// What opening the window costs: the file read into the view, laid out at the
// view's width and painted.
void openWindow(benchmark::State& state)
{
    const QFileInfo largest = largestInstructions();
    const QString language = largest.completeBaseName().mid(QStringLiteral("Readme_").size());
    modTexte::subInitSprache(1);
    state.SetLabel(label(largest).toStdString());
    qsizetype characters = 0;
    for (auto _ : state) {
        auto window = std::make_unique<frmAnleitung>(
            kFolder, 1, [&] { return language; }, frmAnleitung::PrintDialog());
        window->show();
        bench::runUntilIdle();
        characters = window->findChild<QTextEdit*>(QStringLiteral("rtfAnleitung"))->document()->characterCount();
        state.PauseTiming();
        window.reset();
        bench::runUntilIdle();
        state.ResumeTiming();
    }
    if (characters < 8000)
        state.SkipWithError("the view did not show the document");
}

const bool registered = [] {
    benchmark::RegisterBenchmark("RTF: read the largest instructions", readDocument)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("instructions window: open with the largest document", openWindow)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
