#pragma once

// A throw-away program installation for the settings probe: a program folder
// the probe's user may enter but not write into, and a home of their own.
// Run as root, the probe runs as "nobody" (root ignores folder permissions);
// run as anyone else, it runs as that user with the write bits taken away.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace sandbox {

constexpr unsigned kNobody = 65534;

inline bool asRoot()
{
    return ::geteuid() == 0;
}

struct ProbeRun {
    QString started;       // the language shown after start-up
    QString chosen;        // the language after "Go", when one was chosen
    QString summary;       // "languages=5 boxes=0" when the window came up and showed no message
    QString instructions;  // characters shown by the instructions window, -1 without one
    QString output;
};

inline ProbeRun parse(const QByteArray& output)
{
    ProbeRun run;
    run.output = QString::fromLocal8Bit(output);
    for (const QString& line : run.output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("started=")))
            run.started = line.mid(8);
        else if (line.startsWith(QLatin1String("chosen=")))
            run.chosen = line.mid(7);
        else if (line.startsWith(QLatin1String("instructions=")))
            run.instructions = line.mid(13);
        else if (line.startsWith(QLatin1String("languages=")))
            run.summary = line;
    }
    return run;
}

class Sandbox {
public:
    Sandbox() { ::chmod(QFile::encodeName(m_root.path()).constData(), 0755); }
    ~Sandbox()
    {
        // Folders closed to ourselves must be opened again to be removed.
        if (!asRoot())
            QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_root.path()});
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    QString path(const QString& relative) const { return QDir(m_root.path()).filePath(relative); }

    // A folder that belongs to the probe's user.
    QString userFolder(const QString& relative) const
    {
        const QString folder = path(relative);
        QDir().mkpath(folder);
        if (asRoot() && ::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) != 0)
            qWarning("cannot give %s to nobody", qPrintable(folder));
        return folder;
    }

    // A folder the probe's user may enter and read but not write into.
    QString closedFolder(const QString& relative) const
    {
        const QString folder = path(relative);
        QDir().mkpath(folder);
        close(folder);
        return folder;
    }

    static void close(const QString& folder) { ::chmod(QFile::encodeName(folder).constData(), asRoot() ? 0755 : 0555); }

    static void writeFile(const QString& file, const QByteArray& content)
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            qWarning("cannot write %s", qPrintable(file));
        out.write(content);
    }

    // Copies the probe into folder, which becomes its program folder.
    static QString placeProbe(const QString& folder)
    {
        const QString probe = QDir(folder).filePath(QStringLiteral("settings_probe"));
        if (!QFile::copy(QStringLiteral(SETTINGS_PROBE), probe))
            qWarning("cannot copy the probe to %s", qPrintable(folder));
        return probe;
    }

    // home empty: HOME is unset. xdgConfig empty: XDG_CONFIG_HOME is unset.
    static ProbeRun run(const QString& program, const QString& home, const QString& xdgConfig = {},
                        const QStringList& arguments = {})
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        if (!home.isEmpty()) {
            environment.insert(QStringLiteral("HOME"), home);
            // The font library writes its cache for fonts the system's cache lacks (as on a fresh
            // Debian 13) below XDG_CACHE_HOME: beside the home, whose contents the tests look at.
            const QString cache = QFileInfo(home).absolutePath() + QStringLiteral("/library-cache");
            QDir().mkpath(cache);
            if (asRoot() && ::chown(QFile::encodeName(cache).constData(), kNobody, kNobody) != 0)
                qWarning("cannot give %s to nobody", qPrintable(cache));
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        }
        if (!xdgConfig.isEmpty())
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), xdgConfig);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (asRoot()) {
            process.start(QStringLiteral("setpriv"),
                          QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                      QStringLiteral("--clear-groups"), QStringLiteral("--"), program}
                              + arguments);
        } else {
            process.start(program, arguments);
        }
        if (!process.waitForFinished(60000))
            qWarning("the probe did not finish");
        return parse(process.readAllStandardOutput());
    }

private:
    QTemporaryDir m_root;
};

inline QByteArray contentOf(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<none>");
}

// The entries of a folder, hidden ones too: a leftover half-written file shows here.
inline QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace sandbox
