#include "../support/MessageBoxes.h"
#include "../support/QtTranslation.h"
#include "../support/ReportedErrors.h"
#include "../support/WidgetDriver.h"
#include "base/ErrorGuard.h"
#include "ui/Accessibility.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/ProgramPalette.h"
#include "ui/QtTexts.h"
#include "ui/SaveDialog.h"
#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

namespace {

// The reasons of the focus-outs a list gets while its pop-up is open.
class FocusOutsWithOpenPopup : public QObject {
public:
    explicit FocusOutsWithOpenPopup(QComboBox* list)
        : m_list(list)
    {
        list->installEventFilter(this);
    }
    QList<Qt::FocusReason> reasons;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && m_list->view()->isVisible())
            reasons << static_cast<QFocusEvent*>(event)->reason();
        return false;
    }

private:
    QComboBox* m_list;
};

// The program's list with the palette it hands the style exposed.
class DrawnList : public ui::DropDownList {
public:
    using ui::DropDownList::DropDownList;
    QPalette drawnWith() const
    {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return option.palette;
    }
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::reportErrorsInMessageBoxes(); }

    void guardShowsCommonMessageAndReturnsFallback()
    {
        ui::MsgBoxRecorder boxes;
        const int result = base::guarded(QStringLiteral("fktTest"), -7, []() -> int { base::raise(6); });
        QCOMPARE(result, -7);
        support::expectBox(boxes, QStringLiteral("Error in Routine <fktTest>"), QStringLiteral("6 => Overflow"),
                           ui::MsgIcon::Critical);
    }

    void guardTitlesControlArrayHandlersWithIndex()
    {
        ui::MsgBoxRecorder boxes;
        QVERIFY(!base::guard(base::indexed(QStringLiteral("btnBerechnenZeile_Click"), 3), [] { base::raise(13); }));
        support::expectRoutineError(boxes, QStringLiteral("btnBerechnenZeile_Click (3)"), base::ErrTypeMismatch);
    }

    void guardSilentlyShowsNothing()
    {
        ui::MsgBoxRecorder boxes;
        QVERIFY(!base::guardSilently([] { base::raise(53); }));
        QVERIFY(base::guardSilently([] {}));
        QVERIFY(boxes.calls.isEmpty());
    }

    void sortedListReportsNewIndexAndKeepsItemData()
    {
        QComboBox list;
        ui::setSorted(&list, true);
        const QStringList texts{"Walzen", "Muldenfahrzeuge", "bagger", "Müllverdichter", "Lader", "Überführung", "Uhu"};
        for (int code = 1; code <= texts.size(); ++code)
            ui::setItemData(&list, ui::addItem(&list, texts[code - 1]), code);
        QCOMPARE(driver::texts(&list),
                 (QStringList{"bagger", "Lader", "Muldenfahrzeuge", "Müllverdichter", "Überführung", "Uhu", "Walzen"}));
        QCOMPARE(driver::codes(&list), (QList<int>{3, 5, 2, 4, 6, 7, 1}));
        QCOMPARE(ui::listIndex(&list), -1);
    }

    void unsortedListKeepsOrderOfAdding()
    {
        QComboBox list;
        QCOMPARE(ui::addItem(&list, QStringLiteral("b")), 0);
        QCOMPARE(ui::addItem(&list, QStringLiteral("a")), 1);
        QCOMPARE(ui::listIndex(&list), -1);
    }

    void missingSelectionIsError381()
    {
        QComboBox list;
        ui::addItem(&list, QStringLiteral("x"));
        QCOMPARE(support::errorNumber([&] { ui::selectedItemData(&list); }), 381);
        QVERIFY_THROWS_EXCEPTION(base::RuntimeError, ui::setItemData(&list, 1, 5));
        QVERIFY_THROWS_EXCEPTION(base::RuntimeError, ui::setListIndex(&list, 4));
        ui::setListIndex(&list, 0);
        ui::setItemData(&list, 0, 42);
        QCOMPARE(ui::selectedItemData(&list), 42);
    }

    void focusLeaveRunsForOtherControlsOnly()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* list = new QComboBox;
        list->addItem(QStringLiteral("leicht"));  // a list without entries opens no pop-up
        auto* other = new QLineEdit;
        layout->addWidget(list);
        layout->addWidget(other);
        int leaves = 0;
        ui::onFocusLeave(list, [&] { ++leaves; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Only in the active window do focus changes and pop-ups send focus events.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        list->setFocus(Qt::TabFocusReason);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(leaves, 1);

        list->setFocus(Qt::MouseFocusReason);
        list->showPopup();
        QCOMPARE(leaves, 1);
        list->hidePopup();

        list->setFocus(Qt::OtherFocusReason);
        list->setEnabled(false);  // the program disabling a list is no leave by the user
        QCOMPARE(leaves, 1);

        // Qt's own list, for as long as a Qt needs the program's check of the open pop-up:
        // opening it the first time also sends a focus-out of an ordinary reason. Once this
        // fails, the check can go.
        auto* qtOwn = new QComboBox;
        qtOwn->addItem(QStringLiteral("leicht"));
        layout->addWidget(qtOwn);
        qtOwn->show();
        FocusOutsWithOpenPopup whileOpen(qtOwn);
        qtOwn->setFocus(Qt::TabFocusReason);
        qtOwn->showPopup();
        QCOMPARE(whileOpen.reasons, (QList<Qt::FocusReason>{Qt::PopupFocusReason, Qt::OtherFocusReason}));
        qtOwn->hidePopup();
    }

    // Qt on Linux names a list after its chosen entry, and a screen reader loses the list's own
    // name; the program's interface keeps the name and tells the entry as the list's value.
    void listKeepsItsNameWhateverEntryIsChosen()
    {
        const auto spoken = [](QComboBox* list) {
            list->setAccessibleName(QStringLiteral("Betriebsbedingung"));
            list->addItems({QStringLiteral("leicht"), QStringLiteral("hart")});
            list->setCurrentIndex(1);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
            return QStringList{accessible->text(QAccessible::Name), accessible->text(QAccessible::Value)};
        };
        // Qt's own interface, for as long as a Qt needs the program's: once this fails, it can go.
        QComboBox qtOwn;
        QCOMPARE(spoken(&qtOwn), (QStringList{"hart", "hart"}));
        ui::installAccessibleInterfaces();
        QComboBox list;
        QCOMPARE(spoken(&list), (QStringList{"Betriebsbedingung", "hart"}));
    }

    // Qt takes each colour role an application palette leaves unset from the desktop theme's
    // palette, on start and on every theme change, as resolve() does. A palette made from one
    // colour leaves these four to the theme, and the program's palette sets them by name: once
    // the first comparison fails, see which roles the program's palette must set now.
    void desktopThemeFillsNoRoleOfTheProgramColours()
    {
        QPalette theme;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                if (role != QPalette::NoRole)
                    theme.setColor(group, static_cast<QPalette::ColorRole>(role), QColor(1, 2, 3));
        const auto filledByTheme = [&](const QPalette& palette) {
            const QPalette shown = palette.resolve(theme);
            QStringList filled;
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                for (int role = 0; role < QPalette::NColorRoles; ++role) {
                    const auto r = static_cast<QPalette::ColorRole>(role);
                    if (r != QPalette::NoRole && shown.brush(group, r) != palette.brush(group, r))
                        filled << QLatin1String(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role));
                }
            filled.removeDuplicates();
            return filled;
        };
        QCOMPARE(filledByTheme(QPalette(QColor(240, 240, 240))),
                 (QStringList{"Highlight", "HighlightedText", "Link", "LinkVisited"}));
        QCOMPARE(filledByTheme(ui::programPalette()), QStringList());
    }

    // A switched-off field is disabled and must still show its colour: the
    // palette's disabled group and a list's button face carry it too. The
    // program's list draws exactly as a plain one, handing the style the same
    // palette object as a list of the same colours and no other.
    void backColourShowsOnDisabledFieldsAndLists_data()
    {
        QTest::addColumn<bool>("list");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("text field") << false << true;
        QTest::newRow("disabled text field") << false << false;
        QTest::newRow("list") << true << true;
        QTest::newRow("disabled list") << true << false;
    }
    void backColourShowsOnDisabledFieldsAndLists()
    {
        QFETCH(bool, list);
        QFETCH(bool, enabled);
        std::unique_ptr<QWidget> field = list ? std::unique_ptr<QWidget>(new QComboBox)
                                              : std::unique_ptr<QWidget>(new QLineEdit);
        field->setEnabled(enabled);
        ui::setBackColor(field.get(), ui::lightRed());
        const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
        const QPalette::ColorRole role = list ? QPalette::Button : QPalette::Base;
        QCOMPARE(field->palette().color(group, role), QColor(255, 192, 192));
        QCOMPARE(ui::backColor(field.get()), QColor(255, 192, 192));
        if (!list)
            return;
        QWidget window;
        DrawnList first(&window);
        DrawnList same(&window);
        DrawnList other(&window);
        QComboBox plain(&window);
        for (QComboBox* each : std::initializer_list<QComboBox*>{&first, &same, &other, &plain}) {
            each->resize(120, 21);
            each->setEnabled(enabled);
            ui::setBackColor(each, ui::lightRed());
        }
        ui::setBackColor(&other, ui::lightYellow());
        QCOMPARE(first.grab().toImage(), plain.grab().toImage());
        QCOMPARE(first.drawnWith().cacheKey(), same.drawnWith().cacheKey());
        QVERIFY(first.drawnWith().cacheKey() != other.drawnWith().cacheKey());
        QStyleOption reference;
        reference.initFrom(&same);
        QCOMPARE(same.drawnWith().currentColorGroup(), reference.palette.currentColorGroup());
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("an inch") << 1440 << 96;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("7 rounds down") << 7 << 0;
        QTest::newRow("8 rounds up") << 8 << 1;
        QTest::newRow("main window width") << 15270 << 1018;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(ui::twips(twips), pixels);
    }

    // Fields change colour back and forth; a colour set again must still show,
    // in every state of the field, whatever the fields share.
    void backColourFollowsEveryChange()
    {
        QWidget parent;
        QLineEdit first(&parent);
        QLineEdit second(&parent);
        for (const QColor& colour : {ui::lightYellow(), ui::buttonFace(), ui::lightYellow(), ui::lightRed()}) {
            ui::setBackColor(&first, colour);
            QCOMPARE(ui::backColor(&first), colour);
            QCOMPARE(first.palette().color(QPalette::Disabled, QPalette::Button), colour);
        }
        ui::setBackColor(&second, ui::lightYellow());
        QCOMPARE(ui::backColor(&first), ui::lightRed());
        QCOMPARE(ui::backColor(&second), ui::lightYellow());
        // Only the background is the field's own; the text colour still comes from its window.
        QPalette blue = parent.palette();
        blue.setColor(QPalette::Text, Qt::blue);
        parent.setPalette(blue);
        QCOMPARE(second.palette().color(QPalette::Text), QColor(Qt::blue));
    }

    // The caption is drawn exactly as a frame with a bold font draws it; the
    // controls in the frame keep the plain font.
    void boldTitleFrameLooksLikeABoldFrame()
    {
        ui::BoldTitleGroupBox frame;
        QGroupBox reference;
        QFont bold = reference.font();
        bold.setBold(true);
        reference.setFont(bold);
        for (QGroupBox* box : {static_cast<QGroupBox*>(&frame), &reference}) {
            box->setTitle(QStringLiteral(" Eingabe 1 "));
            box->resize(300, 60);
        }
        QCOMPARE(frame.grab().toImage(), reference.grab().toImage());
        const QLineEdit field(&frame);
        QVERIFY(!field.font().bold());
    }

    // Qt's own texts in the language whose translation is found; without one
    // they are Qt's English, and nothing else happens.
    void qtTextsFromTheTranslationFound()
    {
        QTemporaryDir noTranslations;
        QLineEdit field;
        const auto undo = [&] {
            const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            return menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0);
        };
        ui::MsgBoxRecorder boxes;
        QVERIFY(ui::useQtTexts(QStringLiteral("de")));
        QCOMPARE(undo(), support::QtTranslation(QStringLiteral("de")).text("QLineEdit", "&Undo"));
        QVERIFY(undo() != QLatin1String("&Undo"));
        QVERIFY(!ui::useQtTexts(QStringLiteral("fr"), noTranslations.path()));
        QCOMPARE(undo(), QStringLiteral("&Undo"));
        QVERIFY(boxes.calls.isEmpty());
    }

    // The user chooses the file with the normal pointer; the busy pointer of
    // the print is back for the writing.
    void saveDialogSuspendsTheBusyPointer()
    {
        ui::SaveDialogRecorder dialog;
        dialog.answer = QStringLiteral("/tmp/x.pdf");
        bool busyWhileOpen = true;
        dialog.onCall = [&](const ui::SaveDialogCall&) { busyWhileOpen = QApplication::overrideCursor(); };
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString path = ui::saveFileName(QStringLiteral("Drucken"), QString(), QString());
        const QCursor* afterwards = QApplication::overrideCursor();
        const Qt::CursorShape shape = afterwards ? afterwards->shape() : Qt::ArrowCursor;
        QApplication::restoreOverrideCursor();
        QCOMPARE(path, dialog.answer);
        QVERIFY(!busyWhileOpen);
        QCOMPARE(shape, Qt::WaitCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
