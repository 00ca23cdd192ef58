#include "base/ErrorGuard.h"

#include <QtGlobal>

namespace base {

namespace {

ErrorReporter& installedReporter()
{
    static ErrorReporter reporter = [](const QString& routine, const RuntimeError& error) {
        qCritical("%s %s", qUtf8Printable(errorTitle(routine)), qUtf8Printable(error.message()));
    };
    return reporter;
}

}  // namespace

QString errorTitle(const QString& routine)
{
    return QStringLiteral("Error in Routine <%1>").arg(routine);
}

QString indexed(const QString& routine, int index)
{
    return QStringLiteral("%1 (%2)").arg(routine).arg(index);
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(installedReporter(), std::move(reporter));
}

void reportError(const QString& routine, const RuntimeError& error)
{
    installedReporter()(routine, error);
}

}  // namespace base
