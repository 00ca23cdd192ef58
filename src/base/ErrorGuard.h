#pragma once

#include "base/RuntimeError.h"

#include <QString>
#include <functional>
#include <new>
#include <utility>

namespace base {

// "Error in Routine <name>"
QString errorTitle(const QString& routine);

// The routine name of an event handler of a control array: "name (index)".
QString indexed(const QString& routine, int index);

// How a routine's run-time error reaches the user. The application installs
// one (the program shows the common message box); until then the error is
// written to the standard error output.
using ErrorReporter = std::function<void(const QString& routine, const RuntimeError& error)>;

// Replaces the reporter; returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Hands the routine's error to the reporter.
void reportError(const QString& routine, const RuntimeError& error);

// Runs body; a run-time error ends it and is reported. Returns false
// when the body was cut short.
template <class F>
bool guard(const QString& routine, F&& body)
{
    try {
        std::forward<F>(body)();
        return true;
    } catch (const RuntimeError& e) {
        reportError(routine, e);
    } catch (const std::bad_alloc&) {
        reportError(routine, RuntimeError(ErrOutOfMemory));
    } catch (const std::exception& e) {
        reportError(routine, RuntimeError(ErrInternal, QString::fromUtf8(e.what())));
    }
    return false;
}

// Like guard, for a function: returns the body's result, or fallback after an error.
template <class T, class F>
T guarded(const QString& routine, T fallback, F&& body)
{
    T result = fallback;
    guard(routine, [&] { result = std::forward<F>(body)(); });
    return result;
}

// For the routines that stay silent on failure.
template <class F>
bool guardSilently(F&& body)
{
    try {
        std::forward<F>(body)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace base
