#include "details/frmDetails.h"

#include "base/ErrorGuard.h"
#include "base/RuntimeError.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/Lists.h"
#include "ui/TextLimit.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTextDocument>
#include <initializer_list>

namespace {

constexpr int kMaterialLength = 20;
constexpr int kRemarkLength = 60;

// A row's columns in twips, inside its frame. The ground lists are as wide as
// their longest entry in any language; the text fields give up what they need.
using ui::Column;
constexpr Column kZustand{210, 2595};
constexpr Column kFestigkeit{2895, 2265};
constexpr Column kMaterial{5250, 1800};
constexpr Column kFahrstil{7140, 1425};
constexpr Column kAnmerkung{8655, 1755};

using namespace modTexte;

// Text-table entries of the list entries, in list order; the codes are 1, 2, 3, …
constexpr std::initializer_list<TextEntry> kZustandEntries{Eben,         LeichtUneben, Wellig,
                                                           LeichtWellig, Steinig,      LeichtSteinig};
constexpr std::initializer_list<TextEntry> kFestigkeitEntries{
    Asphaltiert, Betoniert, Sandig, Felsig, WeicheErde, VerdichteteErde, VerdichteterSchotter};
constexpr std::initializer_list<TextEntry> kFahrstilEntries{Langsam, Norm, Schnell};

QString rowName(const char* control, int row)
{
    return ui::controlName(QLatin1String(control), row);
}

// A list with a real entry selected is left alone; otherwise it is filled anew
// with the empty entry and the table's entries, nothing selected.
void fillList(QComboBox* list, quint8 language, std::initializer_list<TextEntry> entries)
{
    if (!list->currentText().trimmed().isEmpty())
        return;
    list->clear();
    ui::setItemData(list, ui::addItem(list, QString()), 0);
    int code = 0;
    for (const TextEntry entry : entries)
        ui::setItemData(list, ui::addItem(list, modTexte::Texte(language, entry)), ++code);
}

}  // namespace

frmDetails::frmDetails(RowInUse rowInUse, Language bytSprachNr, QWidget* parent)
    : QDialog(parent)
    , m_rowInUse(std::move(rowInUse))
    , m_bytSprachNr(std::move(bytSprachNr))
{
    setObjectName(QStringLiteral("frmDetails"));
    setFixedSize(ui::twips(11040), ui::twips(10200));

    auto columnLabel = [this](const char* name, int left, int width) {
        auto* label = ui::makeControl<QLabel>(this, QLatin1String(name), left, 1365, width, 435);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        return label;
    };
    // Each over its column; the row frames start 210 twips in.
    m_lblZustandUntergrund = columnLabel("lblZustandUntergrund", 210 + kZustand.left, kZustand.width);
    m_lblFestigkeitUntergrund = columnLabel("lblFestigkeitUntergrund", 210 + kFestigkeit.left, kFestigkeit.width);
    m_lblBewegtesMaterial = columnLabel("lblBewegtesMaterial", 210 + kMaterial.left, kMaterial.width);
    m_lblFahrstil = columnLabel("lblFahrstil", 210 + kFahrstil.left, kFahrstil.width);
    m_lblAnmerkungen = columnLabel("lblAnmerkungen", 210 + kAnmerkung.left, kAnmerkung.width);

    for (int i = 1; i <= kRows; ++i) {
        Row& r = m_rows[static_cast<std::size_t>(i - 1)];
        r.frame = ui::makeControl<QGroupBox>(this, rowName("fraEingabe", i), 210, 2100 + 1470 * (i - 1), 10620, 1275);

        auto pickList = [&](const char* name, Column column) {
            auto* list = ui::makeControl<ui::DropDownList>(r.frame, rowName(name, i), column.left, 315, column.width,
                                                           315);
            list->setEditable(false);
            ui::setSorted(list, false);
            ui::wheelOnlyWithFocus(list);
            return list;
        };
        r.zustand = pickList("cboZustandUntergrund", kZustand);
        r.festigkeit = pickList("cboFestigkeitUntergrund", kFestigkeit);

        r.material = ui::makeControl<QLineEdit>(r.frame, rowName("txtBewegtesMaterial", i), kMaterial.left, 315,
                                                kMaterial.width, 315);
        r.material->setMaxLength(kMaterialLength);

        r.fahrstil = pickList("cboFahrstil", kFahrstil);

        r.anmerkung = ui::makeControl<QPlainTextEdit>(r.frame, rowName("txtAnmerkung", i), kAnmerkung.left, 315,
                                                      kAnmerkung.width, 735);
        r.anmerkung->setTabChangesFocus(true);
        ui::setMaxLength(r.anmerkung, kRemarkLength);
    }

    m_btnSchliessen = ui::makeControl<QPushButton>(this, QStringLiteral("btnSchliessen"), 8715, 9450, 1695, 435);
    // Enter in a field must not close the window.
    m_btnSchliessen->setAutoDefault(false);
    connect(m_btnSchliessen, &QPushButton::clicked, this, &frmDetails::btnSchliessen_Click);

    resetToInitialState();
}

std::array<QWidget*, 5> frmDetails::Row::controls() const
{
    return {zustand, festigkeit, material, fahrstil, anmerkung};
}

const frmDetails::Row& frmDetails::row(int number) const
{
    if (number < 1 || number > kRows)
        base::raise(base::ErrSubscript);
    return m_rows[static_cast<std::size_t>(number - 1)];
}

frmDetails::RowTexts frmDetails::rowTexts(int number) const
{
    const Row& r = row(number);
    return {r.zustand->currentText(), r.festigkeit->currentText(), r.material->text(), r.fahrstil->currentText(),
            r.anmerkung->toPlainText()};
}

void frmDetails::Form_Activate()
{
    const QScopedValueRollback activating(m_activating, true);
    base::guard(QStringLiteral("Form_Activate"), [this] {
        const quint8 language = m_bytSprachNr ? m_bytSprachNr() : 1;
        subInitForm(language);
        for (int i = 1; i <= kRows; ++i)
            setRowInUse(row(i), m_rowInUse && m_rowInUse(i));
        for (quint8 i = 1; i <= kRows; ++i) {
            subFuellZustandUntergrund(i, language);
            subFuellFestigkeitUntergrund(i, language);
            subFuellFahrstil(i, language);
        }
    });
}

void frmDetails::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [this, language] {
        setWindowTitle(QLatin1Char(' ') + Texte(language, Details));
        setAccessibleName(Texte(language, Details));
        for (int i = 1; i <= kRows; ++i)
            row(i).frame->setTitle(rowFrameCaption(language, i));
        m_lblZustandUntergrund->setText(Texte(language, ZustandDesUntergrundes));
        m_lblFestigkeitUntergrund->setText(Texte(language, FestigkeitDesUntergrundes));
        m_lblBewegtesMaterial->setText(Texte(language, BewegtesMaterial));
        m_lblFahrstil->setText(Texte(language, Fahrstil));
        m_lblAnmerkungen->setText(Texte(language, Anmerkungen));
        m_btnSchliessen->setText(Texte(language, Schliessen));
        // Names for a screen reader: the row, then the column heading.
        for (int i = 1; i <= kRows; ++i) {
            const Row& r = row(i);
            const QString rowName = ui::oneLine(r.frame->title()) + QStringLiteral(", ");
            const std::array<QString, 5> columns{
                Texte(language, ZustandDesUntergrundes), Texte(language, FestigkeitDesUntergrundes),
                Texte(language, BewegtesMaterial), Texte(language, Fahrstil), Texte(language, Anmerkungen)};
            const std::array<QWidget*, 5> controls = r.controls();
            for (std::size_t c = 0; c < controls.size(); ++c)
                controls[c]->setAccessibleName(rowName + ui::oneLine(columns[c]));
        }
    });
}

void frmDetails::subFuellZustandUntergrund(quint8 rowNumber, quint8 language)
{
    base::guard(QStringLiteral("subFuellZustandUntergrund"),
                [&] { fillList(row(rowNumber).zustand, language, kZustandEntries); });
}

void frmDetails::subFuellFestigkeitUntergrund(quint8 rowNumber, quint8 language)
{
    base::guard(QStringLiteral("subFuellFestigkeitUntergrund"),
                [&] { fillList(row(rowNumber).festigkeit, language, kFestigkeitEntries); });
}

void frmDetails::subFuellFahrstil(quint8 rowNumber, quint8 language)
{
    base::guard(QStringLiteral("subFuellFahrstil"),
                [&] { fillList(row(rowNumber).fahrstil, language, kFahrstilEntries); });
}

void frmDetails::btnSchliessen_Click()
{
    // Only hidden, so that every entry stays for the next opening and the report.
    base::guard(QStringLiteral("btnSchliessen_Click"), [this] { hide(); });
}

// clearRow and reload are steps of the main window's resets; their errors end
// up in the reset's own handler.
void frmDetails::clearRow(int number)
{
    const Row& r = row(number);
    r.zustand->clear();
    r.festigkeit->clear();
    r.fahrstil->clear();
    r.material->clear();
    // Emptying an empty remark with no undo history would only rebuild its document.
    const QTextDocument* remark = r.anmerkung->document();
    if (!remark->isEmpty() || remark->isUndoAvailable() || remark->isRedoAvailable())
        r.anmerkung->clear();
}

void frmDetails::reload()
{
    hide();
    resetToInitialState();
}

void frmDetails::resetToInitialState()
{
    for (int i = 1; i <= kRows; ++i) {
        clearRow(i);
        for (QWidget* control : row(i).controls()) {
            control->setEnabled(true);
            control->setPalette(QPalette());
        }
    }
    m_awaitingFirstActivation = false;
    m_leftForMessageBox = false;
}

void frmDetails::setRowInUse(const Row& r, bool inUse)
{
    const QColor colour = inUse ? ui::windowBackground() : ui::buttonFace();
    for (QWidget* control : r.controls()) {
        control->setEnabled(inUse);
        ui::setBackColor(control, colour);
    }
}

void frmDetails::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar is not shown anew; its activation follows.
    if (event->spontaneous())
        return;
    m_awaitingFirstActivation = true;
    Form_Activate();
}

void frmDetails::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        m_leftForMessageBox = qobject_cast<QMessageBox*>(QApplication::activeWindow()) != nullptr;
        return;
    }
    const bool runs = !m_awaitingFirstActivation && !m_leftForMessageBox && !m_activating;
    m_awaitingFirstActivation = false;
    m_leftForMessageBox = false;
    if (runs)
        Form_Activate();
}
