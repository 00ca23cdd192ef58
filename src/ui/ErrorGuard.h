#pragma once

#include "ui/RuntimeError.h"

#include <QString>
#include <new>
#include <utility>

namespace ui {

// "Error in Routine <name>"
QString errorTitle(const QString& routine);

// The routine name of an event handler of a control array: "name (index)".
QString indexed(const QString& routine, int index);

// Shows the common error message: critical icon, OK only, "N => description".
void reportError(const QString& routine, const RuntimeError& error);

// Runs body; a run-time error ends it with the common message. Returns false
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

}  // namespace ui
