#include "app/frmMDI.h"

#include "app/AppIdentity.h"
#include "app/Language.h"
#include "base/ErrorGuard.h"
#include "base/Regional.h"
#include "details/frmDetails.h"
#include "grid/frmMain.h"
#include "instructions/InstructionsWindow.h"
#include "printing/frmDrucken.h"
#include "ui/Accessibility.h"
#include "ui/Lists.h"
#include "ui/MsgBox.h"
#include "ui/ListArrows.h"
#include "ui/ProgramPalette.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>

namespace {

// Before any window is made, the frame window itself included: lists with room
// for their entries, the program's colours over the desktop theme's and Qt's
// own texts in the language the program starts in unless a stored one follows
// (applied later, each would be worked into every control once more), what a
// screen reader is told where Qt's own interfaces lose it, and a routine's
// error shown as the common message box.
QWidget* preparedDesktop(QWidget* parent)
{
    ui::useSlimListArrows();
    ui::applyProgramPalette();
    Language::useQtTexts(1);
    ui::installAccessibleInterfaces();
    ui::reportErrorsInMessageBoxes();
    return parent;
}

}  // namespace

frmMDI::frmMDI(const QString& programFolder, QWidget* parent)
    : QMainWindow(preparedDesktop(parent))
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral(" Zelvaro"));
    setAccessibleName(windowTitle().trimmed());
    setWindowIcon(app::programIcon());
    MDIForm_Load();
}

frmMDI::~frmMDI() = default;

void frmMDI::MDIForm_Load()
{
    base::guard(QStringLiteral("MDIForm_Load"), [&] {
        // A scroll area, so that small screens still reach every control.
        auto* area = new QScrollArea(this);
        area->setObjectName(QStringLiteral("mdiClient"));
        area->setAlignment(Qt::AlignCenter);
        // Only the controls take the focus; the area still scrolls to the one that has it.
        area->setFocusPolicy(Qt::NoFocus);
        m_main = new frmMain;
        area->setWidget(m_main);
        setCentralWidget(area);
        m_main->setLanguage([this] { return m_bytSprachNr; });
        m_language = new Language(m_main, m_programFolder, m_bytSprachNr);
        connect(m_main->btnExit(), &QPushButton::clicked, this, [this] { btnExit_Click(); });
        // The instructions follow the entry shown in the language list, applied or not.
        m_instructions = std::make_unique<InstructionsWindow>(
            m_programFolder, [this] { return m_main ? m_main->spracheText() : QString(); },
            [this](const QTextEdit* view) {
                frmDrucken::showModal(view ? view->window() : nullptr, m_bytSprachNr, view);
            },
            this);
        m_main->setInstructionsOpener([this] { m_instructions->show(m_bytSprachNr); });
        m_main->setPrintOpener([this] {
            frmDrucken::showModal(m_main, m_bytSprachNr,
                                  [this] { return m_main ? m_main->reportData() : ReportData{}; });
        });

        const QSize wanted = m_main->size() + QSize(4, 4);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        resize(wanted.boundedTo(available.size() - QSize(40, 60)));
        move(available.center() - rect().center());
        Form_Load();
    });
}

void frmMDI::Form_Load()
{
    base::guard(QStringLiteral("Form_Load"), [&] {
        frmMain* window = m_main;
        m_language->subFuellSprache();
        if (!m_language->fktLeseSprache())
            ui::setListIndex(window->cboSprache(), 0);
        m_bytSprachNr = base::toByte(ui::selectedItemData(window->cboSprache()));
        window->setDatum(base::regional().shortDate(QDate::currentDate()));
        m_language->subInit(m_bytSprachNr);
        window->subResetDaten();
        // Loaded with its lists filled, but not shown.
        window->details()->Form_Activate();
    });
}

void frmMDI::unloadWindows()
{
    if (m_main) {
        m_main->unloadDetails();
        // The exit button's own click is still running inside the main window.
        m_main->hide();
        // With it go the language switch, and a print dialog it opened with the
        // report page that dialog prints, if there is one.
        m_main->deleteLater();
        m_main = nullptr;
        m_language = nullptr;
    }
    if (m_instructions)
        m_instructions->unload();
}

void frmMDI::btnExit_Click()
{
    base::guard(QStringLiteral("btnExit_Click"), [&] {
        unloadWindows();
        close();
    });
}

void frmMDI::MDIForm_Unload()
{
    base::guard(QStringLiteral("MDIForm_Unload"), [&] { unloadWindows(); });
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    MDIForm_Unload();
    event->accept();
}
