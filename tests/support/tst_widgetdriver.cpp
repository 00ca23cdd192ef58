// The test helpers that find controls by name.
#include "WidgetDriver.h"

#include <QPushButton>

class WidgetDriverTest : public QObject {
    Q_OBJECT

    QWidget m_window;
    QComboBox* m_list = nullptr;

private slots:
    void initTestCase()
    {
        m_list = ui::makeControl<QComboBox>(&m_window, driver::rowName("MaschinenTyp_G", 3), 0, 0, 900, 315);
        ui::makeControl<QPushButton>(&m_window, QStringLiteral("btnBerechnen"), 0, 400, 900, 315);
    }

    void findsByNameAndKind()
    {
        QCOMPARE(driver::find<QComboBox>(&m_window, QStringLiteral("MaschinenTyp_G_3")), m_list);
        QCOMPARE(driver::find(&m_window, ui::controlName(QStringLiteral("MaschinenTyp"), QStringLiteral("G"), 3)),
                 static_cast<QWidget*>(m_list));
        QCOMPARE(driver::find<QPushButton>(&m_window, QStringLiteral("btnBerechnen"))->parentWidget(), &m_window);
    }

    void missingControlFailsTheTestWithoutCrashing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown name") << "MaschinenTyp_G_6";
        QTest::newRow("right name, other kind") << "btnBerechnen";
    }
    void missingControlFailsTheTestWithoutCrashing()
    {
        QFETCH(QString, name);
        QEXPECT_FAIL("", "the missing control is named in the failure", Continue);
        QComboBox* list = driver::find<QComboBox>(&m_window, name);
        // The stand-in can be used like the control, and it is no part of the window.
        QVERIFY(list);
        list->addItem(QStringLiteral("x"));
        QCOMPARE(list->objectName(), name);
        QVERIFY(!m_window.isAncestorOf(list));
        delete list;
    }
};

QTEST_MAIN(WidgetDriverTest)
#include "tst_widgetdriver.moc"
