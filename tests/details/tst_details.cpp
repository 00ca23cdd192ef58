#include "../support/Languages.h"
#include "../support/WidgetDriver.h"
#include "base/RuntimeError.h"
#include "details/frmDetails.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kControls{"cboZustandUntergrund", "cboFestigkeitUntergrund", "txtBewegtesMaterial", "cboFahrstil",
                            "txtAnmerkung"};

}  // namespace

class DetailsTest : public QObject {
    Q_OBJECT

    std::array<bool, frmDetails::kRows + 1> m_inUse{};
    support::OpenersLanguage m_language;
    std::unique_ptr<frmDetails> m_window;

    template <class T = QWidget>
    T* child(const QString& control, int row = 0) const
    {
        return m_window->findChild<T*>(row ? ui::controlName(control, row) : control);
    }
    QComboBox* list(const QString& control, int row) const { return child<QComboBox>(control, row); }
    void reopen()
    {
        if (m_window->isVisible())
            QTest::mouseClick(child<QPushButton>("btnSchliessen"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        m_window->show();
    }

private slots:
    void initTestCase() { ui::reportErrorsInMessageBoxes(); }

    void init()
    {
        m_language.use(1);
        m_inUse.fill(false);
        m_window = std::make_unique<frmDetails>([this](int row) { return m_inUse.at(row); },
                                                [this] { return m_language.number; });
    }
    void cleanup() { m_window.reset(); }

    void rowsFollowTheMainWindowOnEachShowing()
    {
        QVERIFY(ui::buttonFace() != ui::windowBackground());
        reopen();
        child<QLineEdit>("txtBewegtesMaterial", 3)->setText("Kies");
        for (const std::array<bool, 6>& inUse :
             {std::array{false, false, true, false, true, false}, std::array<bool, 6>{}}) {
            m_inUse = inUse;
            reopen();
            for (int row = 1; row <= frmDetails::kRows; ++row) {
                for (const QString& control : kControls) {
                    QCOMPARE(child(control, row)->isEnabled(), inUse[row]);
                    QCOMPARE(ui::backColor(child(control, row)),
                             inUse[row] ? ui::windowBackground() : ui::buttonFace());
                }
            }
        }
        QCOMPARE(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", 3))->text(),
                 QStringLiteral("Kies"));
        frmDetails withoutCallback({}, {});
        withoutCallback.Form_Activate();
        QVERIFY(!driver::find<QComboBox>(&withoutCallback, driver::rowName("cboFahrstil", 1))->isEnabled());
    }

    void listsHoldTheirEntriesAndCodes_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("ground de") << 1 << "cboZustandUntergrund"
                                   << QStringList{
                                          "",        "eben",          "leicht uneben", "wellig", "leicht wellig",
                                          "steinig", "leicht steinig"};
        QTest::newRow("firmness de") << 1 << "cboFestigkeitUntergrund"
                                     << QStringList{
                                            "",       "asphaltiert", "betoniert",        "sandig",
                                            "felsig", "weiche Erde", "verdichtete Erde", "verdichteter Schotter"};
        QTest::newRow("style de") << 1 << "cboFahrstil" << QStringList{"", "langsam", "norm.", "schnell "};
        QTest::newRow("ground en") << 2 << "cboZustandUntergrund"
                                   << QStringList{
                                          "",      "level",         "slightly uneven", "unlevel", "slightly unlevel",
                                          "stony", "slightly stony"};
        QTest::newRow("firmness en") << 2 << "cboFestigkeitUntergrund"
                                     << QStringList{"",      "asphalt",      "concrete",        "sandy",
                                                    "rocky", "smooth earth", "compacted earth", "compacted gravel"};
        QTest::newRow("style en") << 2 << "cboFahrstil" << QStringList{"", "slow", "norm.", "fast"};
    }
    void listsHoldTheirEntriesAndCodes()
    {
        QFETCH(int, language);
        QFETCH(QString, control);
        QFETCH(QStringList, texts);
        m_language.use(static_cast<quint8>(language));
        reopen();
        for (int row = 1; row <= frmDetails::kRows; ++row) {
            QVERIFY(!list(control, row)->isEditable());
            QCOMPARE(driver::texts(list(control, row)), texts);
            QCOMPARE(list(control, row)->currentIndex(), -1);
            for (int code = 0; code < texts.size(); ++code)
                QCOMPARE(list(control, row)->itemData(code).toInt(), code);
        }
    }

    void selectionStaysEmptyEntryIsRefilled()
    {
        m_inUse[1] = true;
        reopen();
        QComboBox* ground = list("cboZustandUntergrund", 1);
        QComboBox* style = list("cboFahrstil", 1);
        QTest::keyClick(ground, 'w');
        QTest::keyClick(style, 'l');
        QTest::keyClick(style, Qt::Key_Home);
        QCOMPARE(style->currentIndex(), 0);
        driver::wheel(style, true);  // a list without the focus lets the wheel pass
        QCOMPARE(style->currentIndex(), 0);
        QVERIFY(!style->hasFocus());
        m_language.use(2);  // only lists without a selection follow the language
        reopen();
        QCOMPARE(ground->currentText(), QStringLiteral("wellig"));
        QCOMPARE(ground->currentData().toInt(), 3);
        QCOMPARE(driver::texts(style), (QStringList{"", "slow", "norm.", "fast"}));
        QCOMPARE(style->currentIndex(), -1);
    }

    void languageChangeReloadsEmptyWithNewCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions");  // title, frame 3, five labels, button
        QTest::newRow("German") << 1
                                << QStringList{" Details",
                                               " Eingabe 3 ",
                                               "Zustand des Untergrundes",
                                               "Festigkeit des Untergrundes",
                                               "Bewegtes Material",
                                               "Fahrstil",
                                               "Anmerkungen",
                                               "Schließen"};
        QTest::newRow("English") << 2 << QStringList{" details",
                                                     " entry 3 ",
                                                     "surface condition",
                                                     "surface strength",
                                                     "moved material",
                                                     "driving style",
                                                     "notes",
                                                     "close"};
    }
    void languageChangeReloadsEmptyWithNewCaptions()
    {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        m_inUse.fill(true);
        reopen();
        QTest::keyClick(list("cboFahrstil", 4), 's');
        QCOMPARE(list("cboFahrstil", 4)->currentIndex(), 3);
        QTest::keyClicks(driver::find<QPlainTextEdit>(m_window.get(), driver::rowName("txtAnmerkung", 5)), "nass");
        m_language.use(static_cast<quint8>(language));
        m_window->reload();
        QVERIFY(!m_window->isVisible());
        reopen();
        QStringList shown{m_window->windowTitle(), child<QGroupBox>("fraEingabe", 3)->title()};
        for (const char* label : {"lblZustandUntergrund", "lblFestigkeitUntergrund", "lblBewegtesMaterial",
                                  "lblFahrstil", "lblAnmerkungen"})
            shown << child<QLabel>(label)->text();
        QCOMPARE(shown << driver::find<QPushButton>(m_window.get(), QStringLiteral("btnSchliessen"))->text(), captions);
        QCOMPARE(list("cboFahrstil", 4)->currentIndex(), -1);
        QVERIFY(
            driver::find<QPlainTextEdit>(m_window.get(), driver::rowName("txtAnmerkung", 5))->toPlainText().isEmpty());
    }

    void resetsEmptyTheirRows_data()
    {
        QTest::addColumn<int>("clearedRow");     // 0: the full reload
        QTest::addColumn<bool>("remarkErased");  // typed and erased again: empty, with something to undo
        QTest::newRow("row 2") << 2 << false;
        QTest::newRow("reload") << 0 << false;
        QTest::newRow("row 2, remark erased") << 2 << true;
        QTest::newRow("reload, remark erased") << 0 << true;
    }
    void resetsEmptyTheirRows()
    {
        QFETCH(int, clearedRow);
        QFETCH(bool, remarkErased);
        m_inUse.fill(true);
        reopen();
        for (int row = 1; row <= frmDetails::kRows; ++row) {
            QTest::keyClick(list("cboFestigkeitUntergrund", row), 's');
            QTest::keyClicks(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", row)),
                             "Sand");
            auto* remark = driver::find<QPlainTextEdit>(m_window.get(), driver::rowName("txtAnmerkung", row));
            QTest::keyClicks(remark, "trocken");
            for (int i = 0; remarkErased && i < 7; ++i)
                QTest::keyClick(remark, Qt::Key_Backspace);
        }
        clearedRow ? m_window->clearRow(clearedRow) : m_window->reload();
        for (int row = 1; row <= frmDetails::kRows; ++row) {
            const bool cleared = !clearedRow || row == clearedRow;
            for (const auto& [control, filled] :
                 {std::pair{"cboZustandUntergrund", 7}, {"cboFestigkeitUntergrund", 8}, {"cboFahrstil", 4}})
                QCOMPARE(list(control, row)->count(), cleared ? 0 : filled);
            QCOMPARE(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", row))->text(),
                     cleared ? "" : "Sand");
            const auto* remark = driver::find<QPlainTextEdit>(m_window.get(), driver::rowName("txtAnmerkung", row));
            QCOMPARE(remark->toPlainText(), cleared || remarkErased ? "" : "trocken");
            // Nothing typed before the reset comes back by undoing.
            QCOMPARE(remark->document()->isUndoAvailable(), !cleared);
        }
        QVERIFY_THROWS_EXCEPTION(base::RuntimeError, m_window->clearRow(6));
        m_inUse.fill(false);
        reopen();
        QCOMPARE(list("cboZustandUntergrund", 2)->count(), 7);
    }

    void textsKeepTheirLimit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<int>("limit");
        QTest::newRow("material typed") << "txtBewegtesMaterial" << false << 20;
        QTest::newRow("material pasted") << "txtBewegtesMaterial" << true << 20;
        QTest::newRow("remark typed") << "txtAnmerkung" << false << 60;
        QTest::newRow("remark pasted") << "txtAnmerkung" << true << 60;
    }
    void textsKeepTheirLimit()
    {
        QFETCH(QString, control);
        QFETCH(bool, paste);
        QFETCH(int, limit);
        m_inUse[2] = true;
        reopen();
        QWidget* field = child(control, 2);
        QTest::keyClicks(field, "ab");
        QTest::keyClick(field, Qt::Key_Left);  // the input goes between a and b
        QString input;
        while (input.size() < limit + 10)
            input += QString::number(input.size() % 10);
        if (paste) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keySequence(field, QKeySequence::Paste);
        } else {
            QTest::keyClicks(field, input);
        }
        QCOMPARE(field->property(control == "txtAnmerkung" ? "plainText" : "text").toString(),
                 'a' + input.left(limit - 2) + 'b');
    }

    void closingOnlyHides_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void closingOnlyHides()
    {
        QFETCH(int, how);
        m_inUse[1] = true;
        reopen();
        QTest::keyClicks(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", 1)), "Erde");
        QTest::keyClick(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", 1)),
                        Qt::Key_Return);
        QVERIFY(m_window->isVisible());
        if (how == 0)
            QTest::mouseClick(driver::find<QPushButton>(m_window.get(), QStringLiteral("btnSchliessen")),
                              Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(driver::find<QLineEdit>(m_window.get(), driver::rowName("txtBewegtesMaterial", 1)),
                            Qt::Key_Escape);
        else
            m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(child<QLineEdit>("txtBewegtesMaterial", 1)->text(), QStringLiteral("Erde"));
    }

    void reactivationRecomputesRowsUnlessBackFromMessageBox_data()
    {
        QTest::addColumn<bool>("messageBox");
        QTest::newRow("other window") << false;
        QTest::newRow("message box") << true;
    }
    void reactivationRecomputesRowsUnlessBackFromMessageBox()
    {
        QFETCH(bool, messageBox);
        reopen();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        std::unique_ptr<QWidget> other = messageBox ? std::make_unique<QMessageBox>() : std::make_unique<QWidget>();
        other->show();
        QVERIFY(QTest::qWaitForWindowActive(other.get()));
        m_inUse[4] = true;
        other.reset();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(driver::find<QComboBox>(m_window.get(), driver::rowName("cboFahrstil", 4))->isEnabled(), !messageBox);
    }

    void failuresAreReportedUnderTheRoutinesName()
    {
        ui::MsgBoxRecorder boxes;
        frmDetails window([](int) -> bool { base::raise(base::ErrTypeMismatch); }, {});
        frmDetails::TestSeam(window).subFuellFestigkeitUntergrund(1, 6);
        QCOMPARE(driver::texts(driver::find<QComboBox>(&window, driver::rowName("cboFestigkeitUntergrund", 1))),
                 QStringList{""});  // done before the failure, so it stays
        frmDetails::TestSeam(window).subFuellFahrstil(0, 1);
        frmDetails::TestSeam(window).subInitForm(0);
        window.Form_Activate();
        QStringList seen;
        for (const ui::MsgBoxCall& call : boxes.calls)
            seen << call.title + ' ' + call.text.left(5);
        QCOMPARE(seen,
                 (QStringList{"Error in Routine <subFuellFestigkeitUntergrund> 9 => ",
                              "Error in Routine <subFuellFahrstil> 9 => ", "Error in Routine <subInitForm> 9 => ",
                              "Error in Routine <Form_Activate> 13 =>"}));
    }
};

QTEST_MAIN(DetailsTest)
#include "tst_details.moc"
