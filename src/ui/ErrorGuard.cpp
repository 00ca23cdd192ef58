#include "ui/ErrorGuard.h"

#include "ui/MsgBox.h"

namespace ui {

QString errorTitle(const QString& routine)
{
    return QStringLiteral("Error in Routine <%1>").arg(routine);
}

QString indexed(const QString& routine, int index)
{
    return QStringLiteral("%1 (%2)").arg(routine).arg(index);
}

void reportError(const QString& routine, const RuntimeError& error)
{
    msgBox(QStringLiteral("%1 => %2").arg(error.number()).arg(error.description()), MsgIcon::Critical,
           errorTitle(routine));
}

}  // namespace ui
