// The main window's work on a started program: the day calculation, the
// language switch and the check of a typed measured value, each until the
// window has been repainted and the event loop is idle again.
#include "support/BenchSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

void dayCalculation(benchmark::State& state)
{
    const bench::StartedProgram program;
    program.enterCompleteDay();
    auto* calculate = program.control<QPushButton>(QStringLiteral("btnBerechnen"));
    for (auto _ : state) {
        calculate->click();
        bench::runUntilIdle();
    }
    if (program.control<QLineEdit>(QStringLiteral("txtAnzSum"))->text() != QLatin1String("5"))
        state.SkipWithError("the day did not count five rows");
}

void languageSwitch(benchmark::State& state)
{
    const bench::StartedProgram program;
    auto* languages = program.control<QComboBox>(QStringLiteral("cboSprache"));
    auto* go = program.control<QPushButton>(QStringLiteral("btnSpracheGo"));
    int position = 0;
    for (auto _ : state) {
        // German and English by turns, so that every switch changes every caption.
        position = 1 - position;
        languages->setCurrentIndex(position);
        go->click();
        bench::runUntilIdle();
    }
}

void measuredValueCheck(benchmark::State& state)
{
    const bench::StartedProgram program;
    program.control<QRadioButton>(QStringLiteral("optEingabe_E_1"))->click();
    QLineEdit* fields[] = {program.control<QLineEdit>(QStringLiteral("MesswertX_E_1")),
                           program.control<QLineEdit>(QStringLiteral("MesswertY_E_1"))};
    fields[0]->setText(QStringLiteral("1.25"));
    fields[1]->setText(QStringLiteral("7"));
    fields[0]->setFocus(Qt::TabFocusReason);
    int next = 1;
    for (auto _ : state) {
        // Moving on to the other field checks the value of the one left.
        fields[next]->setFocus(Qt::TabFocusReason);
        bench::runUntilIdle();
        next = 1 - next;
    }
    if (!fields[1 - next]->hasFocus())
        state.SkipWithError("the focus did not move between the fields");
}

const bool registered = [] {
    benchmark::RegisterBenchmark("day calculation (five complete rows)", dayCalculation)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("language switch", languageSwitch)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("measured-value check on leaving the field", measuredValueCheck)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
