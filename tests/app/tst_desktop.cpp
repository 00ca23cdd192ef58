// The program on desktops as people set theirs up: under a dark theme, at the
// scale factor the test runs under (QT_SCALE_FACTOR), in every language; the
// real frame window and the windows it opens, read as they are drawn.
#include "../support/OnScreen.h"
#include "../support/ProgramTest.h"
#include "../support/WidgetDriver.h"
#include "app/frmMDI.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "instructions/frmAnleitung.h"
#include "instructions/InstructionsWindow.h"
#include "ui/MsgBox.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <memory>
#include <optional>

namespace {

// Breeze Dark's colours, as a dark desktop theme hands them to every program.
QPalette darkTheme()
{
    QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(role, QColor(252, 252, 252));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(98, 108, 118));
    return dark;
}

bool isInput(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QPushButton*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget);
}

bool isSymbolPiece(const QWidget* caption)
{
    return caption->objectName().startsWith(QLatin1String("Label1"));
}

// Captions below root whose ink comes nearer than a blank's width to a control
// or to another caption's ink, each as "caption/other". The pieces of a symbol
// ("A" and "(8) x") sit together by design.
QStringList crowdedCaptions(QWidget* root)
{
    constexpr qreal kClear = 3;
    QList<std::pair<QWidget*, QRectF>> controls;
    QList<std::pair<QWidget*, QRectF>> captions;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != root->window())
            continue;
        if (isInput(widget))
            controls.append({widget, QRectF(widget->mapTo(root, QPoint()), widget->size())});
        else if (qobject_cast<QLabel*>(widget) || qobject_cast<QRadioButton*>(widget))
            if (const QRectF ink = onscreen::inkRect(widget, root); !ink.isEmpty())
                captions.append({widget, ink});
    }
    QStringList crowded;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const auto& [caption, ink] = captions[i];
        const QRectF reach = ink.adjusted(-kClear, -kClear, kClear, kClear);
        QList<std::pair<QWidget*, QRectF>> others = controls;
        for (qsizetype j = i + 1; j < captions.size(); ++j)
            if (!isSymbolPiece(caption) || !isSymbolPiece(captions[j].first))
                others.append(captions[j]);
        for (const auto& [other, place] : others)
            if (reach.intersects(place))
                crowded << caption->objectName() + QLatin1Char('/') + other->objectName();
    }
    return crowded;
}

// The entries of the list that its closed list cuts off: wider, in the list's
// font, than the text field the style gives the closed list (the style draws
// the entry a pixel in from either side of it), each as "list: entry (needs > has)".
QStringList cutEntries(const QComboBox* list)
{
    QStyleOptionComboBox closed;
    closed.initFrom(list);
    closed.editable = list->isEditable();
    closed.frame = list->hasFrame();
    closed.subControls = QStyle::SC_All;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &closed, QStyle::SC_ComboBoxEditField, list);
    const int room = field.width() - 2;
    QStringList cut;
    for (int i = 0; i < list->count(); ++i)
        if (const int needs = list->fontMetrics().horizontalAdvance(list->itemText(i)); needs > room)
            cut << QStringLiteral("%1: %2 (%3 > %4)").arg(list->objectName(), list->itemText(i)).arg(needs).arg(room);
    return cut;
}

}  // namespace

class DesktopTest : public support::ProgramTest {
    Q_OBJECT

    // Row 1 from the catalogue and row 2 with own values, both counted, row 3
    // incomplete, row 4 with a rejected value; company and driver experience.
    void enterDay() const
    {
        driver::type(control<QLineEdit>(QStringLiteral("txtFirma")), QStringLiteral("Tiefbau Gruber"));
        driver::chooseIndex(control<QComboBox>(QStringLiteral("cboFahrererfahrung")), 1);
        click("optEingabe_G", 1);
        for (const char* list :
             {"MaschinenFamilie_G", "MaschinenTyp_G", "Arbeitszyklus_G", "Betriebsbedingung_G", "Einwirkungsdauer_G"})
            driver::chooseIndex(control<QComboBox>(list, 1), 0);
        click("optEingabe_E", 2);
        driver::type(control<QLineEdit>("MaschinenFamilie_E", 2), QStringLiteral("Radlader"));
        driver::chooseIndex(control<QComboBox>("Einwirkungsdauer_E", 2), 3);
        for (const char* value : {"MesswertX_E", "MesswertY_E", "MesswertZ_E"})
            driver::type(control<QLineEdit>(value, 2), QStringLiteral("1"));
        click("optEingabe_G", 3);
        click(QStringLiteral("btnBerechnen"));
        click("optEingabe_E", 4);
        driver::type(control<QLineEdit>("MesswertX_E", 4), QStringLiteral("12"));
    }

private slots:
    void initTestCase()
    {
        // The desktop's theme is in place before the program starts.
        QApplication::setPalette(darkTheme());
        writeInstructions();
    }

    void init()
    {
        base::setRegional(base::Regional::german());
        start();
    }

    void cleanup() { end(); }

    // clang-format off
    void readableUnderADarkTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << "main";
        QTest::newRow("main window, a day entered") << "day";
        QTest::newRow("details window") << "details";
        QTest::newRow("print dialog") << "print";
        QTest::newRow("instructions window") << "instructions";
        QTest::newRow("message box") << "message";
    }
    // clang-format on
    void readableUnderADarkTheme()
    {
        QFETCH(QString, window);
        // The rejected value's message stays in the way until its field is right.
        std::optional<ui::MsgBoxRecorder> boxes;
        if (window != QLatin1String("message"))
            boxes.emplace();
        QStringList faint{QStringLiteral("<not shown>")};
        const auto measure = [&](QWidget* shown) { faint = onscreen::faintTexts(shown); };
        if (window == QLatin1String("main") || window == QLatin1String("day")) {
            if (window == QLatin1String("day"))
                enterDay();
            measure(m_frame.get());
        } else if (window == QLatin1String("details")) {
            enterDay();
            QVERIFY(onscreen::whileModal(
                [&] { click(QStringLiteral("btnDetails")); },
                [&](QWidget* details) {
                    if (auto* shown = qobject_cast<frmDetails*>(details))
                        driver::chooseIndex(driver::find<QComboBox>(shown, driver::rowName("cboFahrstil", 1)), 2);
                    measure(details);
                }));
        } else if (window == QLatin1String("print")) {
            QVERIFY(onscreen::whileModal([&] { click(QStringLiteral("btnDrucken")); }, measure));
        } else if (window == QLatin1String("instructions")) {
            click(QStringLiteral("btnAnleitung"));
            QWidget* instructions = frmMDI::TestSeam(*m_frame).instructions()->window();
            QVERIFY(instructions && QTest::qWaitForWindowExposed(instructions));
            measure(instructions);
        } else {
            QVERIFY(onscreen::whileModal([] { ui::msgBox(QStringLiteral("6 => Overflow"), ui::MsgIcon::Critical); },
                                         measure));
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    void captionsKeepTheirDistance_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"Deutsch", "English", "Francais", "Italiano", "Espaniol"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void captionsKeepTheirDistance()
    {
        QFETCH(QString, language);
        switchLanguage(language);
        const QStringList crowded = crowdedCaptions(main());
        QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join(QStringLiteral(", "))));
        QStringList inDetails{QStringLiteral("<not shown>")};
        QVERIFY(onscreen::whileModal([&] { click(QStringLiteral("btnDetails")); },
                                     [&](QWidget* details) { inDetails = crowdedCaptions(details); }));
        QVERIFY2(inDetails.isEmpty(), qPrintable(inDetails.join(QStringLiteral(", "))));
    }

    // Every entry any list can hold, in its closed list: the catalogue's through the
    // whole cascade of row 1, the others as filled; the rows' lists are alike.
    void everyEntryShownWhole_data() { captionsKeepTheirDistance_data(); }
    void everyEntryShownWhole()
    {
        QFETCH(QString, language);
        switchLanguage(language);
        QStringList cut;
        const auto list = [this](const char* base, int row) { return control<QComboBox>(base, row); };
        click("optEingabe_G", 1);
        click("optEingabe_E", 2);
        auto* details = control<frmDetails>(QStringLiteral("frmDetails"));
        details->Form_Activate();
        for (QComboBox* filled :
             {main()->cboSprache(), control<QComboBox>(QStringLiteral("cboFahrererfahrung")),
              list("Betriebsbedingung_G", 1), list("Einwirkungsdauer_G", 1), list("Betriebsbedingung_E", 2),
              list("Einwirkungsdauer_E", 2), driver::find<QComboBox>(details, QStringLiteral("cboZustandUntergrund_1")),
              driver::find<QComboBox>(details, QStringLiteral("cboFestigkeitUntergrund_1")),
              driver::find<QComboBox>(details, QStringLiteral("cboFahrstil_1"))}) {
            QVERIFY2(filled->count() > 0, qPrintable(filled->objectName()));
            cut << cutEntries(filled);
        }
        QComboBox* family = list("MaschinenFamilie_G", 1);
        QComboBox* type = list("MaschinenTyp_G", 1);
        cut << cutEntries(family);
        int cycles = 0;
        for (int f = 0; f < family->count(); ++f) {
            driver::chooseIndex(family, f);
            cut << cutEntries(type);
            for (int t = 0; t < type->count(); ++t) {
                driver::chooseIndex(type, t);
                cut << cutEntries(list("Arbeitszyklus_G", 1));
                cycles += list("Arbeitszyklus_G", 1)->count();
            }
        }
        QCOMPARE(cycles, 43);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
