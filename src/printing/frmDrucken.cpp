#include "printing/frmDrucken.h"

#include "base/ErrorGuard.h"
#include "printers/Printers.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/Accessibility.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

// The busy pointer for as long as it lives; given back before any error
// message, because the guard catches only after the stack has unwound.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void release()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

}  // namespace

frmDrucken::frmDrucken(QWidget* opener, quint8 language, frmDruckAnsicht::Source report, const QTextEdit* instructions)
    : QDialog(opener)
    , m_bytSprachNr(language)
    , m_report(std::move(report))
    , m_instructions(instructions)
{
    setObjectName(QStringLiteral("frmDrucken"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(ui::twips(4110), ui::twips(4845));

    m_frmDrucker = new QGroupBox(this);
    m_frmDrucker->setObjectName(QStringLiteral("frmDrucker"));
    ui::placeTwips(m_frmDrucker, 315, 210, 3480, 3270);
    m_lstDrucker = new QListWidget(m_frmDrucker);
    m_lstDrucker->setObjectName(QStringLiteral("lstDrucker"));
    m_lstDrucker->setSortingEnabled(false);
    ui::announceCurrentItemOnFocus(m_lstDrucker);
    ui::placeTwips(m_lstDrucker, 105, 315, 3270, 2790);

    m_frmButtons = new QGroupBox(this);
    m_frmButtons->setObjectName(QStringLiteral("frmButtons"));
    ui::placeTwips(m_frmButtons, 315, 3570, 3480, 960);
    m_btnDrucken = new QPushButton(m_frmButtons);
    m_btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    m_btnDrucken->setDefault(true);
    ui::placeTwips(m_btnDrucken, 315, 315, 1275, 435);
    m_btnSchliessen = new QPushButton(m_frmButtons);
    m_btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    // While it has the focus, Enter closes, as Escape does, instead of printing.
    m_btnSchliessen->setAutoDefault(true);
    ui::placeTwips(m_btnSchliessen, 1785, 315, 1380, 435);

    connect(m_btnDrucken, &QPushButton::clicked, this, [this] { btnDrucken_Click(); });
    connect(m_btnSchliessen, &QPushButton::clicked, this, [this] { btnSchliessen_Click(); });
}

void frmDrucken::showModal(QWidget* opener, quint8 language, frmDruckAnsicht::Source report)
{
    open(opener, language, std::move(report), nullptr);
}

void frmDrucken::showModal(QWidget* opener, quint8 language, const QTextEdit* instructions)
{
    open(opener, language, {}, instructions);
}

void frmDrucken::open(QWidget* opener, quint8 language, frmDruckAnsicht::Source report, const QTextEdit* instructions)
{
    // A window of its opener, so that it goes with it even while it is open.
    const QPointer<frmDrucken> dialog = new frmDrucken(opener, language, std::move(report), instructions);
    dialog->Form_Load();
    if (dialog && !dialog->m_unloaded)
        dialog->exec();
    delete dialog.data();
}

void frmDrucken::Form_Load()
{
    base::guard(QStringLiteral("Form_Load"), [&] {
        if (!m_report && !m_instructions) {
            done(QDialog::Rejected);
            return;
        }
        subInitForm(m_bytSprachNr);
        m_lstDrucker->clear();
        int preselected = 0;
        int counter = 0;
        printers::Printers& printers = printers::collection();
        const QString current = printers.currentDeviceName();
        for (const QString& name : printers.deviceNames()) {
            m_lstDrucker->addItem(name);
            if (name == current)
                preselected = counter;
            ++counter;
        }
        if (m_lstDrucker->count() > 0)
            m_lstDrucker->setCurrentRow(preselected);
    });
}

void frmDrucken::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [&] {
        setWindowTitle(QStringLiteral(" %1 ...").arg(modTexte::Texte(language, modTexte::Drucken)));
        setAccessibleName(modTexte::Texte(language, modTexte::Drucken));
        m_frmDrucker->setTitle(QStringLiteral(" %1 ").arg(modTexte::Texte(language, modTexte::Drucker)));
        m_lstDrucker->setAccessibleName(modTexte::Texte(language, modTexte::Drucker));
        m_btnDrucken->setText(modTexte::Texte(language, modTexte::Drucken));
        m_btnSchliessen->setText(modTexte::Texte(language, modTexte::Schliessen));
    });
}

void frmDrucken::btnDrucken_Click()
{
    bool printed = false;
    base::guard(QStringLiteral("btnDrucken_Click"), [&] {
        const QList<QListWidgetItem*> selected = m_lstDrucker->selectedItems();
        if (selected.isEmpty()) {
            ui::msgBox(modTexte::Texte(m_bytSprachNr, modTexte::BitteDruckerAuswaehlen), ui::MsgIcon::Exclamation,
                       modTexte::Texte(m_bytSprachNr, modTexte::Drucker) + QStringLiteral(" ?"));
            return;
        }
        BusyPointer busy;
        printers::collection().setCurrent(m_lstDrucker->row(selected.first()));
        if (m_report)
            printed = printReport();
        else if (m_instructions)
            printed = printInstructions();
        else
            printed = true;  // nothing to print, and nothing left to choose
        busy.release();
    });
    if (printed)
        done(QDialog::Accepted);
}

bool frmDrucken::printReport()
{
    printers::Printers& printers = printers::collection();
    printers.setOrientation(printers::kLandscape);
    // The page exists only while it prints, as a window of this dialog.
    const QPointer<frmDruckAnsicht> page = new frmDruckAnsicht(m_report, m_bytSprachNr, this);
    const auto unload = qScopeGuard([&] { delete page.data(); });
    page->Form_Load();
    return printers.printPage(*page, job(page->documentTitle())) == printers::PrintOutcome::Printed;
}

printers::PrintJob frmDrucken::job(const QString& title) const
{
    return {title, modTexte::Texte(m_bytSprachNr, modTexte::Drucken)};
}

bool frmDrucken::printInstructions()
{
    printers::Printers& printers = printers::collection();
    printers.setOrientation(printers::kPortrait);
    const printers::PrintJob instructions = job(m_instructions->window()->windowTitle().trimmed());
    const QTextCursor cursor = m_instructions->textCursor();
    if (!cursor.hasSelection())
        return printers.printDocument(*m_instructions->document(), instructions) == printers::PrintOutcome::Printed;
    QTextDocument part;
    part.setDefaultFont(m_instructions->document()->defaultFont());
    part.setDefaultTextOption(m_instructions->document()->defaultTextOption());  // the tab stops
    QTextCursor(&part).insertFragment(cursor.selection());
    return printers.printDocument(part, instructions) == printers::PrintOutcome::Printed;
}

void frmDrucken::btnSchliessen_Click()
{
    base::guard(QStringLiteral("btnSchliessen_Click"), [&] { done(QDialog::Rejected); });
}

void frmDrucken::done(int result)
{
    m_unloaded = true;
    QDialog::done(result);
}

void frmDrucken::keyPressEvent(QKeyEvent* event)
{
    // Escape is the close button's key, as Enter is the print button's.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_btnSchliessen->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
