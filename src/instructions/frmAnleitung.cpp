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
    shpHarvelt = new QLabel(QStringLiteral("Zelvaro  "), this);
    shpHarvelt->setObjectName(QStringLiteral("shpHarvelt"));
    shpHarvelt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shpHarvelt->setAutoFillBackground(true);
    QPalette white = shpHarvelt->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0, 51, 128));
    shpHarvelt->setPalette(white);
    QFont wordmark = shpHarvelt->font();
    wordmark.setBold(true);
    wordmark.setPointSize(16);
    shpHarvelt->setFont(wordmark);

    lblTitel = new QLabel(this);
    lblTitel->setObjectName(QStringLiteral("lblTitel"));
    lblTitel->setAutoFillBackground(true);
    QPalette band = lblTitel->palette();
    band.setColor(QPalette::Window, QColor(0, 51, 128));
    lblTitel->setPalette(band);

    rtfAnleitung = new QTextEdit(this);
    rtfAnleitung->setObjectName(QStringLiteral("rtfAnleitung"));
    rtfAnleitung->setReadOnly(true);
    // Selectable with mouse and keyboard, so that one part can be chosen for printing.
    rtfAnleitung->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rtfAnleitung->setFocusPolicy(Qt::StrongFocus);
    // Tabs are counted from where a line starts; a list item's first line starts a quarter
    // inch left of its hanging indent, so this tab width puts its text on that indent.
    rtfAnleitung->setTabStopDistance(ui::twips(kDefaultTab));

    btnDrucken = new QPushButton(this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnDrucken->setAutoDefault(false);
    connect(btnDrucken, &QPushButton::clicked, this, &frmAnleitung::btnDrucken_Click);

    btnSchliessen = new QPushButton(this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setAutoDefault(false);
    connect(btnSchliessen, &QPushButton::clicked, this, &frmAnleitung::btnSchliessen_Click);
    // The cancel button: Escape anywhere in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, btnSchliessen, &QPushButton::click);

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
            rtfAnleitung->clear();
            return;
        }
        rtf::readInto(*rtfAnleitung->document(), content);
        // Open at the beginning, whatever the reading left the cursor at.
        rtfAnleitung->moveCursor(QTextCursor::Start);
    });
}

void frmAnleitung::subInitForm(quint8 language)
{
    base::guard(QStringLiteral("subInitForm"), [this, language] {
        setWindowTitle(QLatin1Char(' ') + modTexte::Texte(language, modTexte::Anleitung));
        setAccessibleName(modTexte::Texte(language, modTexte::Anleitung));
        rtfAnleitung->setAccessibleName(modTexte::Texte(language, modTexte::Anleitung));
        btnDrucken->setText(modTexte::Texte(language, modTexte::Drucken));
        btnSchliessen->setText(modTexte::Texte(language, modTexte::Schliessen));
    });
}

void frmAnleitung::btnDrucken_Click()
{
    base::guard(QStringLiteral("btnDrucken_Click"), [this] {
        if (m_printDialog)
            m_printDialog(rtfAnleitung);
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
    shpHarvelt->setGeometry(0, 0, width(), twips(kBandHeight));
    lblTitel->setGeometry(0, twips(kTitleTop), width(), twips(kTitleHeight));
    rtfAnleitung->setGeometry(twips(kMargin), twips(kViewTop), width() - 2 * twips(kMargin),
                              buttonTop - twips(kButtonGap) - twips(kViewTop));
    btnDrucken->setGeometry(twips(kDruckenLeft) + shift, buttonTop, twips(kButtonWidth), twips(kButtonHeight));
    btnSchliessen->setGeometry(twips(kSchliessenLeft) + shift, buttonTop, twips(kButtonWidth), twips(kButtonHeight));
}
