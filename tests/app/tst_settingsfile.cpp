// Reading and writing the settings file, without any window.
#include "app/SettingsFile.h"
#include "base/Regional.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void readLanguagePositions_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("one line") << QByteArray("SPRACHE=1\r\n") << false << QList<int>{1};
        QTest::newRow("later line wins") << QByteArray("SPRACHE=1\r\nSPRACHE=4\r\n") << false << QList<int>{1, 4};
        QTest::newRow("out of range 7") << QByteArray("SPRACHE=7\r\n") << false << QList<int>{};
        QTest::newRow("negative") << QByteArray("SPRACHE=-1\r\n") << false << QList<int>{};
        QTest::newRow("letters") << QByteArray("SPRACHE=abc\r\n") << false << QList<int>{};
        QTest::newRow("lower-case key") << QByteArray("sprache=1\r\n") << false << QList<int>{};
        QTest::newRow("key not at start") << QByteArray(" SPRACHE=1\r\n") << false << QList<int>{};
        QTest::newRow("2.6 rounds under english") << QByteArray("SPRACHE=2.6\r\n") << false << QList<int>{3};
        QTest::newRow("2.6 no number under german") << QByteArray("SPRACHE=2.6\r\n") << true << QList<int>{};
        QTest::newRow("2,5 ties to even under german") << QByteArray("SPRACHE=2,5") << true << QList<int>{2};
        QTest::newRow("4.5 ties to even is 4") << QByteArray("SPRACHE=4.5") << false << QList<int>{4};
        QTest::newRow("no line end") << QByteArray("SPRACHE=2") << false << QList<int>{2};
        QTest::newRow("lone CR ends a line") << QByteArray("SPRACHE=2\rSPRACHE=0\r") << false << QList<int>{2, 0};
        QTest::newRow("mixed line ends") << QByteArray("SPRACHE=1\rx\r\nSPRACHE=3\n\n\rSPRACHE=4") << false
                                         << QList<int>{1, 3, 4};
        QTest::newRow("CR right after the key") << QByteArray("SPRACHE=\r2\r") << false << QList<int>{};
        QTest::newRow("unix line ends") << QByteArray("SPRACHE=2\nSPRACHE=0\n") << false << QList<int>{2, 0};
        QTest::newRow("empty") << QByteArray() << false << QList<int>{};
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01SPRACHE=\x00\x02", 14) << false << QList<int>{};
        QTest::newRow("too large stops reading")
            << QByteArray("SPRACHE=2\r\nSPRACHE=99999\r\nSPRACHE=3\r\n") << false << QList<int>{2};
        QTest::newRow("invalid lines between")
            << QByteArray("x\r\nSPRACHE=9\r\nSPRACHE=1\r\n\r\n") << false << QList<int>{1};
    }
    void readLanguagePositions()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, german);
        QFETCH(QList<int>, positions);
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const base::Regional regional = german ? base::Regional::german() : base::Regional::english();
        QCOMPARE(settings::readLanguagePositions(buffer, regional), positions);
    }

    void userSettingsFolder_data()
    {
        QTest::addColumn<QByteArray>("xdgConfigHome");  // null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("default") << QByteArray() << QByteArray("/home/anna") << "/home/anna/.config/zelvaro";
        QTest::newRow("xdg") << QByteArray("/srv/cfg") << QByteArray("/home/anna") << "/srv/cfg/zelvaro";
        QTest::newRow("xdg relative is ignored")
            << QByteArray("cfg") << QByteArray("/home/anna") << "/home/anna/.config/zelvaro";
        QTest::newRow("xdg empty is ignored")
            << QByteArray("") << QByteArray("/home/anna/") << "/home/anna/.config/zelvaro";
        QTest::newRow("no home") << QByteArray() << QByteArray() << "";
        QTest::newRow("relative home") << QByteArray() << QByteArray("anna") << "";
        QTest::newRow("xdg without home") << QByteArray("/srv/cfg") << QByteArray() << "/srv/cfg/zelvaro";
    }
    void userSettingsFolder()
    {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
        const QByteArray oldHome = qgetenv("HOME");
        const auto set = [](const char* name, const QByteArray& value) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        };
        set("XDG_CONFIG_HOME", xdgConfigHome);
        set("HOME", home);
        const QString found = settings::userSettingsFolder();
        set("XDG_CONFIG_HOME", oldXdg.isEmpty() ? QByteArray() : oldXdg);
        set("HOME", oldHome.isEmpty() ? QByteArray() : oldHome);
        QCOMPARE(found, folder);
    }

    void writableFolderIsReadAndWrittenAsBefore()
    {
        QTemporaryDir folder;
        const QString path = settings::settingsFilePath(folder.path());
        QCOMPARE(settings::settingsWritePath(folder.path()), path);
        QCOMPARE(settings::settingsReadPath(folder.path()), path);
        QVERIFY(settings::saveLanguagePosition(folder.path(), 2));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"kv.inf"});
    }

    void hugeFileIsReadToItsLastLine()
    {
        QByteArray content(4 * 1024 * 1024, 'x');
        content.append("\r\nSPRACHE=4");
        QBuffer buffer(&content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(settings::readLanguagePositions(buffer, base::Regional::english()), QList<int>{4});
    }

    void lineEndsAcrossReadBlocks_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("CR") << QByteArray("\r");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }
    void lineEndsAcrossReadBlocks()
    {
        // The file is read in blocks of 4 KiB: a line and its end lie across the first
        // boundary at every offset.
        QFETCH(QByteArray, lineEnd);
        const QByteArray lines = "SPRACHE=1" + lineEnd + "SPRACHE=2" + lineEnd;
        for (int shift = 0; shift <= lines.size(); ++shift) {
            QByteArray content = "x" + lineEnd + QByteArray(4096 - shift, 'x') + lineEnd + lines;
            QBuffer buffer(&content);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            QCOMPARE(settings::readLanguagePositions(buffer, base::Regional::english()), (QList<int>{1, 2}));
        }
    }

    void writeReplacesTheFileWithOneLine()
    {
        QTemporaryDir folder;
        const QString path = settings::settingsFilePath(folder.path());
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("kv.inf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("SPRACHE=1\r\nSPRACHE=2\r\nsomething else\r\n");
        old.close();

        QVERIFY(settings::writeLanguagePosition(path, 3));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("SPRACHE=3\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kv.inf"});
    }

    void writeFailsWithoutAPlaceToWrite()
    {
        QTemporaryDir folder;
        QVERIFY(!settings::writeLanguagePosition(settings::settingsFilePath(folder.filePath("missing")), 1));
        // A settings path that is taken by a folder cannot be replaced, not even by root.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("kv.inf")));
        QVERIFY(!settings::writeLanguagePosition(settings::settingsFilePath(folder.path()), 1));
        QVERIFY(QFileInfo(settings::settingsFilePath(folder.path())).isDir());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
