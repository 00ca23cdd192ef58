// Reading the largest instruction document, as the instructions window does when it opens:
// the RTF into a text document, and the same followed by the layout at the view's width.
#include "rtf/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// The largest Readme_*.rtf that the build put beside the program.
QByteArray largestInstructions(QString* name)
{
    QDir folder(QStringLiteral(ZELVARO_PROGRAM_FOLDER));
    const QFileInfoList files = folder.entryInfoList({QStringLiteral("Readme_*.rtf")}, QDir::Files, QDir::Size);
    if (files.isEmpty())
        qFatal("no instruction documents in %s", ZELVARO_PROGRAM_FOLDER);
    *name = files.first().fileName();
    QFile file(files.first().filePath());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(*name));
    return file.readAll();
}

void read(benchmark::State& state, bool layOut)
{
    QString name;
    const QByteArray data = largestInstructions(&name);
    state.SetLabel(QStringLiteral("%1, %2 bytes").arg(name).arg(data.size()).toStdString());
    QTextDocument document;
    for (auto _ : state) {
        rtf::readInto(document, data);
        if (layOut) {
            document.setTextWidth(700);  // about the width of the instructions view
            benchmark::DoNotOptimize(document.size());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}

const bool registered = [] {
    benchmark::RegisterBenchmark("RTF: read the largest instructions", read, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RTF: read and lay out the largest instructions", read, true)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
