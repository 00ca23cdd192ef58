#include "app/SettingsFile.h"

#include "base/Regional.h"
#include "base/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

namespace settings {

namespace {

const QByteArray kPrefix = QByteArrayLiteral("SPRACHE=");
constexpr int kLowestPosition = 0;
constexpr int kHighestPosition = 4;
constexpr qsizetype kBlockSize = 4096;

}  // namespace

QString settingsFilePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("kv.inf"));
}

QString userSettingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base)) {
        const QString home = qEnvironmentVariable("HOME");
        // Without a home there is no place of the user's own; "/" is not one.
        if (!QDir::isAbsolutePath(home))
            return {};
        base = QDir(home).filePath(QStringLiteral(".config"));
    }
    return QDir(base).filePath(QStringLiteral("zelvaro"));
}

QString settingsWritePath(const QString& programFolder)
{
    if (QFileInfo(programFolder).isWritable())
        return settingsFilePath(programFolder);
    const QString folder = userSettingsFolder();
    return folder.isEmpty() ? QString() : settingsFilePath(folder);
}

QString settingsReadPath(const QString& programFolder)
{
    const QString own = settingsWritePath(programFolder);
    if (!own.isEmpty() && QFileInfo(own).isFile())
        return own;
    return settingsFilePath(programFolder);
}

QList<int> readLanguagePositions(QIODevice& file, const base::Regional& regional)
{
    QList<int> positions;
    const auto takeLine = [&](const QByteArray& line) {
        if (!line.startsWith(kPrefix))
            return;
        const QString value = QString::fromLatin1(line.mid(kPrefix.size()));
        if (!regional.isNumeric(value))
            return;
        const int position = base::toInt16(regional.toDouble(value));
        if (position >= kLowestPosition && position <= kHighestPosition)
            positions.append(position);
    };
    try {
        // A line ends at CR, at LF or at CR LF. Each CR and each LF ends one here: the empty
        // line this makes of CR LF never holds a setting.
        QByteArray line;
        QByteArray block(kBlockSize, Qt::Uninitialized);
        qint64 size = 0;
        while ((size = file.read(block.data(), kBlockSize)) > 0) {
            qsizetype start = 0;
            for (qsizetype i = 0; i < size; ++i) {
                if (block[i] != '\r' && block[i] != '\n')
                    continue;
                line.append(block.constData() + start, i - start);
                takeLine(line);
                line.clear();
                start = i + 1;
            }
            line.append(block.constData() + start, qsizetype(size) - start);
        }
        takeLine(line);
    } catch (const base::RuntimeError&) {
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

bool saveLanguagePosition(const QString& programFolder, int position)
{
    const QString path = settingsWritePath(programFolder);
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    return writeLanguagePosition(path, position);
}

}  // namespace settings
