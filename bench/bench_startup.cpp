// Start-up: from constructing the frame window to the first moment the event
// loop has nothing left to do, with the main window shown and the details window loaded.
#include "support/BenchSupport.h"

#include "app/frmMDI.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void startUp(benchmark::State& state, const QByteArray& storedLanguage)
{
    QTemporaryDir folder;
    if (!storedLanguage.isEmpty())
        bench::writeSettings(folder.path(), storedLanguage);
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        auto frame = std::make_unique<frmMDI>(folder.path());
        frame->show();
        bench::runUntilIdle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        // Closing the window is not part of the start-up.
        frame.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("start-up (no settings file)", startUp, QByteArray())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    // A stored language switches the whole window once more during start-up.
    benchmark::RegisterBenchmark("start-up (English stored)", startUp, QByteArrayLiteral("SPRACHE=1\r\n"))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
