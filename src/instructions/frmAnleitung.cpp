#include "instructions/frmAnleitung.h"

#include "base/ErrorGuard.h"
#include "rtf/RtfReader.h"
#include "texts/modTexte.h"
#include "texts/TextEntries.h"
#include "ui/MsgBox.h"
#include "ui/Widgets.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Designed size of the window and the places of its controls, in twips.
constexpr int kWidth = 10305;
constexpr int kHeight = 8850;
// Far beyond any instructions; a larger file is read only this far.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

constexpr int kBandHeight = 780;
constexpr int kDefaultTab = 360;
constexpr int kTitleTop = 825;
constexpr int kTitleHeight = 120;
constexpr int kViewTop = 1050;
constexpr int kMargin = 210;
constexpr int kButtonGap = 435;     // from the view's bottom to the buttons
constexpr int kButtonBottom = 435;  // from the buttons to the window's bottom
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 435;
constexpr int kDruckenLeft = 2205;
constexpr int kSchliessenLeft = 6405;

}  // namespace

frmAnleitung::frmAnleitung(QString programFolder, quint8 language, LanguageText languageText, PrintDialog printDialog,
                           QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_programFolder(std::move(programFolder))
    , m_bytSprachNr(language)
    , m_languageText(std::move(languageText))
    , m_printDialog(std::move(printDialog))
{
    setObjectName(QStringLiteral("frmAnleitung"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ui::twips(kWidth), ui::twips(kHeight));
    setMinimumSize(ui::twips(kSchliessenLeft + kButtonWidth + kMargin), ui::twips(kViewTop + 3000));

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(244, 244, 244));
    setPalette(background);

    // Decoration: a white band with the program's name, and a title bar under it.
    m_shpHarvelt = new QLabel(QStringLiteral("Zelvaro  "), this);
    m_shpHarvelt->setObjectName(QStringLiteral("shpHarvelt"));
    m_shpHarvelt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_shpHarvelt->setAutoFillBackground(true);
    QPalette white = m_shpHarvelt->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0, 51, 128));
    m_shpHarvelt->setPalette(white);
    QFont wordmark = m_shpHarvelt->font();
    wordmark.setBold(true);
    wordmark.setPointSize(16);
    m_shpHarvelt->setFont(wordmark);

    m_lblTitel = new QLabel(this);
    m_lblTitel->setObjectName(QStringLiteral("lblTitel"));
    m_lblTitel->setAutoFillBackground(true);
    QPalette band = m_lblTitel->palette();
    band.setColor(QPalette::Window, QColor(0, 51, 128));
    m_lblTitel->setPalette(band);

    m_rtfAnleitung = new QTextEdit(this);
    m_rtfAnleitung->setObjectName(QStringLiteral("rtfAnleitung"));
    m_rtfAnleitung->setReadOnly(true);
    // Selectable with mouse and keyboard, so that one part can be chosen for printing.
    m_rtfAnleitung->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_rtfAnleitung->setFocusPolicy(Qt::StrongFocus);
    // Tabs are counted from where a line starts; a list item's first line starts a quarter
    // inch left of its hanging indent, so this tab width puts its text on that indent.
    m_rtfAnleitung->setTabStopDistance(ui::twips(kDefaultTab));

    m_btnDrucken = new QPushButton(this);
    m_btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    m_btnDrucken->setAutoDefault(false);
    connect(m_btnDrucken, &QPushButton::clicked, this, &frmAnleitung::btnDrucken_Click);

    m_btnSchliessen = new QPushButton(this);
    m_btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    m_btnSchliessen->setAutoDefault(false);
    connect(m_btnSchliessen, &QPushButton::clicked, this, &frmAnleitung::btnSchliessen_Click);
    // The cancel button: Escape anywhere in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_btnSchliessen, &QPushButton::click);

    placeControls();
    Form_Load();
}

QString frmAnleitung::fileName(const QString& language)
{
    return QStringLiteral("Readme_") + language + QStringLiteral(".rtf");
}

QString frmAnleitung::filePath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

void frmAnleitung::Form_Load()
{
    base::guard(QStringLiteral("Form_Load"), [this] {
        subInitForm(m_bytSprachNr);
        const QString name = fileName(m_languageText ? m_languageText() : QString());
        QFile file(filePath(m_programFolder, name));
        // Only a plain file: a pipe or device under that name would block the reading.
        const bool opened = QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly);
        const QByteArray content = opened ? file.read(kMaxFileBytes) : QByteArray();
        if (!opened || file.error() != QFileDevice::NoError) {
            ui::msgBox(QStringLiteral("File <") + name + QStringLiteral("> not found."), ui::MsgIcon::Critical,
                       base::errorTitle(QStringLiteral("Form_Load")));
            m_rtfAnleitung->clear();
            return;
        }
        rtf::readInto(*m_rtfAnleitung->document(), content);
        // Open at the beginning, whatever the reading left the cursor at.
        m_rtfAnleitung->moveCursor(QTextCursor::Start);
    });
}

void frmAnleitung::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [this, language] {
        setWindowTitle(QLatin1Char(' ') + modTexte::Texte(language, modTexte::Anleitung));
        setAccessibleName(modTexte::Texte(language, modTexte::Anleitung));
        m_rtfAnleitung->setAccessibleName(modTexte::Texte(language, modTexte::Anleitung));
        m_btnDrucken->setText(modTexte::Texte(language, modTexte::Drucken));
        m_btnSchliessen->setText(modTexte::Texte(language, modTexte::Schliessen));
    });
}

void frmAnleitung::btnDrucken_Click()
{
    base::guard(QStringLiteral("btnDrucken_Click"), [this] {
        if (m_printDialog)
            m_printDialog(m_rtfAnleitung);
    });
}

void frmAnleitung::btnSchliessen_Click()
{
    base::guard(QStringLiteral("btnSchliessen_Click"), [this] { close(); });
}

void frmAnleitung::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

// The designed layout, with the text view taking up what the window grows by.
void frmAnleitung::placeControls()
{
    using ui::twips;
    const int buttonTop = height() - twips(kButtonBottom + kButtonHeight);
    const int shift = (width() - twips(kWidth)) / 2;
    m_shpHarvelt->setGeometry(0, 0, width(), twips(kBandHeight));
    m_lblTitel->setGeometry(0, twips(kTitleTop), width(), twips(kTitleHeight));
    m_rtfAnleitung->setGeometry(twips(kMargin), twips(kViewTop), width() - 2 * twips(kMargin),
                                buttonTop - twips(kButtonGap) - twips(kViewTop));
    m_btnDrucken->setGeometry(twips(kDruckenLeft) + shift, buttonTop, twips(kButtonWidth), twips(kButtonHeight));
    m_btnSchliessen->setGeometry(twips(kSchliessenLeft) + shift, buttonTop, twips(kButtonWidth), twips(kButtonHeight));
}
