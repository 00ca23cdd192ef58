#include "app/SettingsFile.h"

#include "ui/Regional.h"
#include "ui/RuntimeError.h"

#include <QDir>
#include <QIODevice>
#include <QSaveFile>

namespace settings {

namespace {

const QByteArray kPrefix = QByteArrayLiteral("SPRACHE=");
constexpr int kLowestPosition = 0;
constexpr int kHighestPosition = 4;

}  // namespace

QString settingsFilePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("kv.inf"));
}

QList<int> readLanguagePositions(QIODevice& file, const ui::Regional& regional)
{
    QList<int> positions;
    try {
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            if (!line.startsWith(kPrefix))
                continue;
            const QString value = QString::fromLatin1(line.mid(kPrefix.size()));
            if (!regional.isNumeric(value))
                continue;
            const int position = ui::toInt16(regional.toDouble(value));
            if (position >= kLowestPosition && position <= kHighestPosition)
                positions.append(position);
        }
    } catch (const ui::RuntimeError&) {
        // A number too large ends the reading; the lines before it still count.
    }
    return positions;
}

bool writeLanguagePosition(const QString& path, int position)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(kPrefix + QByteArray::number(position) + QByteArrayLiteral("\r\n"));
    return file.commit();
}

}  // namespace settings
