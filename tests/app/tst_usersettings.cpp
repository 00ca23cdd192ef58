// Where the language choice is kept when the program folder is not writable,
// as an installed program's is: the real start-up in a helper executable, run
// as a user who cannot write the program folder.
#include "../support/ProbeSandbox.h"

#include <QFileInfo>
#include <QTest>

using sandbox::contentOf;
using sandbox::entriesOf;
using sandbox::Sandbox;

namespace {

const QString kProgramFolder = QStringLiteral("lib/zelvaro");
const QString kCleanEnd = QStringLiteral("languages=5 boxes=0");

// Places the probe in the program folder, with kv.inf content when given, and
// closes the folder to the probe's user.
QString installProbe(const Sandbox& box, const QByteArray& settings = {}, bool closed = true)
{
    const QString folder = closed ? box.path(kProgramFolder) : box.userFolder(kProgramFolder);
    QDir().mkpath(folder);
    const QString probe = Sandbox::placeProbe(folder);
    if (!settings.isNull())
        Sandbox::writeFile(QDir(folder).filePath(QStringLiteral("kv.inf")), settings);
    if (closed)
        Sandbox::close(folder);
    return probe;
}

}  // namespace

class UserSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void writableProgramFolderKeepsItsOwnFile()
    {
        Sandbox box;
        const QString probe = installProbe(box, {}, false);
        const QString home = box.userFolder(QStringLiteral("home"));
        const auto first = Sandbox::run(probe, home, {}, QStringList{"Francais"});
        QCOMPARE(first.chosen, QStringLiteral("Francais"));
        QCOMPARE(contentOf(box.path(kProgramFolder + QStringLiteral("/kv.inf"))), QByteArray("SPRACHE=3\r\n"));
        QCOMPARE(entriesOf(home), QStringList{});
        QCOMPARE(Sandbox::run(probe, home).started, QStringLiteral("Francais"));
    }

    void readOnlyFolderRemembersThroughTheUsersFile_data()
    {
        QTest::addColumn<bool>("ownConfigFolder");
        QTest::newRow("~/.config/zelvaro") << false;
        QTest::newRow("XDG_CONFIG_HOME") << true;
    }
    void readOnlyFolderRemembersThroughTheUsersFile()
    {
        QFETCH(bool, ownConfigFolder);
        Sandbox box;
        const QString probe = installProbe(box);
        const QString home = box.userFolder(QStringLiteral("home"));
        const QString xdg = ownConfigFolder ? box.userFolder(QStringLiteral("xdg")) : QString();
        const QString userFile = (ownConfigFolder ? xdg : home + QStringLiteral("/.config"))
            + QStringLiteral("/zelvaro/kv.inf");

        const auto first = Sandbox::run(probe, home, xdg, QStringList{"Francais"});
        QCOMPARE(first.started, QStringLiteral("Deutsch"));
        QCOMPARE(first.chosen, QStringLiteral("Francais"));
        QCOMPARE(first.summary, kCleanEnd);
        QCOMPARE(contentOf(userFile), QByteArray("SPRACHE=3\r\n"));
        QCOMPARE(entriesOf(QFileInfo(userFile).path()), QStringList{"kv.inf"});
        QCOMPARE(entriesOf(box.path(kProgramFolder)), QStringList{"settings_probe"});

        const auto second = Sandbox::run(probe, home, xdg);
        QCOMPARE(second.started, QStringLiteral("Francais"));
        QCOMPARE(second.summary, kCleanEnd);
    }

    void administratorsFileServesUntilTheUserHasOne()
    {
        Sandbox box;
        const QString probe = installProbe(box, "SPRACHE=4\r\n");
        const QString home = box.userFolder(QStringLiteral("home"));
        const auto first = Sandbox::run(probe, home, {}, QStringList{"English"});
        QCOMPARE(first.started, QStringLiteral("Italiano"));
        QCOMPARE(first.chosen, QStringLiteral("English"));
        QCOMPARE(contentOf(home + QStringLiteral("/.config/zelvaro/kv.inf")), QByteArray("SPRACHE=1\r\n"));
        QCOMPARE(contentOf(box.path(kProgramFolder + QStringLiteral("/kv.inf"))), QByteArray("SPRACHE=4\r\n"));
        QCOMPARE(Sandbox::run(probe, home).started, QStringLiteral("English"));
    }

    void programFolderThroughAChainOfLinks()
    {
        Sandbox box;
        installProbe(box, "SPRACHE=1\r\n");
        const QString home = box.userFolder(QStringLiteral("home"));
        QDir().mkpath(box.path(QStringLiteral("bin")));
        QVERIFY(QFile::link(QStringLiteral("../lib/zelvaro/settings_probe"), box.path(QStringLiteral("bin/second"))));
        QVERIFY(QFile::link(QStringLiteral("second"), box.path(QStringLiteral("bin/first"))));
        const auto run = Sandbox::run(box.path(QStringLiteral("bin/first")), home, {}, QStringList{"Italiano"});
        QCOMPARE(run.started, QStringLiteral("English"));
        QCOMPARE(run.summary, kCleanEnd);
        QCOMPARE(contentOf(home + QStringLiteral("/.config/zelvaro/kv.inf")), QByteArray("SPRACHE=4\r\n"));
        QCOMPARE(entriesOf(box.path(QStringLiteral("bin"))), (QStringList{"first", "second"}));
    }

    // Every case starts, switches to English without a message and leaves no partial file.
    // clang-format off
    void badPlacesAreSilent_data()
    {
        QTest::addColumn<QString>("homeKind");   // own, config closed, missing, unset
        QTest::addColumn<QString>("userKv");     // none, folder, dangling link
        QTest::addColumn<QString>("adminKv");    // none, folder, dangling link, or the content
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("restarted");  // after choosing English
        QTest::newRow("~/.config not writable") << "config closed" << "none" << "none" << "Deutsch" << "Deutsch";
        QTest::newRow("home missing") << "missing" << "none" << "SPRACHE=3" << "Francais" << "Francais";
        QTest::newRow("HOME unset") << "unset" << "none" << "SPRACHE=2" << "Espaniol" << "Espaniol";
        QTest::newRow("user's kv.inf a folder") << "own" << "folder" << "SPRACHE=4" << "Italiano" << "Italiano";
        QTest::newRow("user's kv.inf dangling") << "own" << "dangling link" << "SPRACHE=3" << "Francais"
                                                << "Francais";
        QTest::newRow("admin's kv.inf a folder") << "own" << "none" << "folder" << "Deutsch" << "English";
        QTest::newRow("admin's kv.inf dangling") << "own" << "none" << "dangling link" << "Deutsch" << "English";
        QTest::newRow("admin's kv.inf invalid") << "own" << "none" << "SPRACHE=9" << "Deutsch" << "English";
    }
    // clang-format on
    void badPlacesAreSilent()
    {
        QFETCH(QString, homeKind);
        QFETCH(QString, userKv);
        QFETCH(QString, adminKv);
        QFETCH(QString, started);
        QFETCH(QString, restarted);
        Sandbox box;
        const QString programFolder = box.path(kProgramFolder);
        QDir().mkpath(programFolder);
        const QString probe = Sandbox::placeProbe(programFolder);
        const QString adminFile = QDir(programFolder).filePath(QStringLiteral("kv.inf"));
        if (adminKv == QLatin1String("folder"))
            QDir().mkpath(adminFile);
        else if (adminKv == QLatin1String("dangling link"))
            QVERIFY(QFile::link(QStringLiteral("missing/kv.inf"), adminFile));
        else if (adminKv != QLatin1String("none"))
            Sandbox::writeFile(adminFile, adminKv.toLatin1() + "\r\n");
        Sandbox::close(programFolder);

        QString home;
        if (homeKind == QLatin1String("missing"))
            home = box.closedFolder(QStringLiteral("closed")) + QStringLiteral("/home");
        else if (homeKind != QLatin1String("unset"))
            home = box.userFolder(QStringLiteral("home"));
        if (homeKind == QLatin1String("config closed"))
            box.closedFolder(QStringLiteral("home/.config"));
        const QString userFolder = home + QStringLiteral("/.config/zelvaro");
        if (userKv != QLatin1String("none")) {
            box.userFolder(QStringLiteral("home/.config/zelvaro"));
            if (userKv == QLatin1String("folder"))
                box.userFolder(QStringLiteral("home/.config/zelvaro/kv.inf"));
            else
                QVERIFY(QFile::link(QStringLiteral("missing/kv.inf"), userFolder + QStringLiteral("/kv.inf")));
        }
        const QStringList userEntries = entriesOf(userFolder);
        const QStringList programEntries = entriesOf(programFolder);

        const auto first = Sandbox::run(probe, home, {}, QStringList{"English"});
        QCOMPARE(first.started, started);
        QCOMPARE(first.chosen, QStringLiteral("English"));
        QCOMPARE(first.summary, kCleanEnd);
        const auto second = Sandbox::run(probe, home);
        QCOMPARE(second.started, restarted);
        QCOMPARE(second.summary, kCleanEnd);

        QCOMPARE(entriesOf(programFolder), programEntries);
        if (restarted == QLatin1String("English"))
            QCOMPARE(contentOf(userFolder + QStringLiteral("/kv.inf")), QByteArray("SPRACHE=1\r\n"));
        else
            QCOMPARE(entriesOf(userFolder), userEntries);
    }
};

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "tst_usersettings.moc"
