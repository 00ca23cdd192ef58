#pragma once

// The routines' run-time errors in the tests of the code without windows:
// recorded as the guard reports them, the check of one such report, and the
// number of the error a call raises.

#include "base/ErrorGuard.h"

#include <QList>
#include <QTest>

namespace support {

struct ReportedError {
    QString routine;
    int number = 0;
    QString message;  // "N => description"
};

// Records the routines' errors instead of reporting them, for as long as it lives.
class ErrorReports {
public:
    ErrorReports()
        : m_previous(base::setErrorReporter([this](const QString& routine, const base::RuntimeError& error) {
            calls.append({routine, error.number(), error.message()});
        }))
    {
    }
    ~ErrorReports() { base::setErrorReporter(std::move(m_previous)); }
    ErrorReports(const ErrorReports&) = delete;
    ErrorReports& operator=(const ErrorReports&) = delete;

    QList<ReportedError> calls;

private:
    base::ErrorReporter m_previous;
};

// The number of the run-time error the call raises; 0 when it returns.
template <class Call, class... Arguments>
int errorNumber(Call&& call, Arguments&&... arguments)
{
    try {
        std::invoke(std::forward<Call>(call), std::forward<Arguments>(arguments)...);
    } catch (const base::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// The one error reported is the routine's error of that number.
inline void expectRoutineError(const ErrorReports& errors, const QString& routine, int number)
{
    QCOMPARE(errors.calls.size(), 1);
    const ReportedError& error = errors.calls.front();
    QCOMPARE(error.routine, routine);
    QCOMPARE(error.number, number);
    QVERIFY2(error.message.startsWith(QStringLiteral("%1 => ").arg(number)), qPrintable(error.message));
}

}  // namespace support
