// Creating and placing the controls of the main window.
#include "grid/frmMain.h"

#include "ui/Lists.h"
#include "ui/StatusMark.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor kFormBackground(244, 244, 244);
const QColor kRowFrameBackground(225, 225, 225);
const QColor kCaptionBlue(0, 0, 128);
constexpr int kLineHeight = 315;

// The row's columns in twips. The type and work-cycle lists are as wide as
// their longest entry in any language (the Italian ones), so the columns to
// their right stand closer together than the classic layout has them.
using ui::Column;
constexpr Column kFamily{1365, 1695};
constexpr Column kType{3150, 3180};
constexpr Column kCycle{6420, 2310};
constexpr Column kCondition{8820, 840};
constexpr Column kDuration{9750, 540};
// Left edges of the X, Y and Z value columns; each axis's points column follows 525 twips on.
constexpr std::array<int, 3> kValueLeft{10485, 11595, 12705};

QString indexedName(const char* base, int index)
{
    return ui::controlName(QLatin1String(base), index);
}

template <class W>
W* make(QWidget* parent, const QString& name, int left, int top, int width, int height = kLineHeight)
{
    return ui::makeControl<W>(parent, name, left, top, width, height);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
              int height = kLineHeight, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = make<QLabel>(parent, name, left, top, width, height);
    l->setText(text);
    l->setAlignment(alignment);
    return l;
}

QLineEdit* resultField(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* field = make<QLineEdit>(parent, QLatin1String(name), left, top, width);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

QComboBox* dropDown(QWidget* parent, const QString& name, int left, int top, int width, bool sorted)
{
    auto* list = make<ui::DropDownList>(parent, name, left, top, width);
    ui::setSorted(list, sorted);
    ui::wheelOnlyWithFocus(list);
    return list;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int maxLength)
{
    auto* field = make<QLineEdit>(parent, name, left, top, width);
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    return field;
}

void makeBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setFixedSize(ui::twips(15270), ui::twips(10200));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kFormBackground);
    setPalette(p);

    buildHeader();
    buildHeadings();
    for (int i = 0; i < kRows; ++i) {
        m_rows[i].number = i + 1;
        buildRow(m_rows[i]);
        connectRow(m_rows[i]);
    }
    buildResults();
    buildCommands();
    setTabChain();
}

frmMain::~frmMain() = default;

void frmMain::buildHeader()
{
    auto* band = make<QFrame>(this, QStringLiteral("shpHarvelt"), 0, 0, 15270, 780);
    band->setAutoFillBackground(true);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    band->setPalette(white);

    m_cboSprache = dropDown(this, QStringLiteral("cboSprache"), 210, 180, 1275, true);
    m_btnSpracheGo = make<QPushButton>(this, QStringLiteral("btnSpracheGo"), 1470, 165, 435, 330);
    m_btnSpracheGo->setText(QStringLiteral("Go"));

    m_lblTitel = label(this, QStringLiteral("lblTitel"), QString(), 0, 795, 15270, 360, Qt::AlignCenter);
    QFont titleFont = m_lblTitel->font();
    titleFont.setBold(true);
    titleFont.setPointSize(10);
    m_lblTitel->setFont(titleFont);

    m_lblFirma = label(this, QStringLiteral("lblFirma"), QString(), 210, 1260, 930);
    m_txtFirma = textBox(this, QStringLiteral("txtFirma"), 1155, 1260, 2955, 30);
    m_lblFahrer = label(this, QStringLiteral("lblFahrer"), QString(), 4410, 1260, 1350);
    m_txtFahrer = textBox(this, QStringLiteral("txtFahrer"), 5775, 1260, 2790, 30);
    // A blank's width clear of the driver field before it.
    m_lblFahrererfahrung = label(this, QStringLiteral("lblFahrererfahrung"), QString(), 8640, 1260, 2580);
    m_cboFahrererfahrung = dropDown(this, QStringLiteral("cboFahrererfahrung"), 11235, 1260, 2535, false);
    m_txtDatum = textBox(this, QStringLiteral("txtDatum"), 13965, 1260, 1170, 0);
    m_txtDatum->setAlignment(Qt::AlignCenter);
}

void frmMain::buildHeadings()
{
    // Column headings sit over the row frames, which start 105 twips in.
    constexpr int x0 = 105;
    constexpr int top = 1700;
    constexpr int height = 900;
    const Qt::Alignment bottom = Qt::AlignLeft | Qt::AlignBottom;
    m_lblMesswertQuelle = label(this, QStringLiteral("lblMesswertQuelle"), {}, x0 + 105, top, 1250, height, bottom);
    const auto columnHeading = [&](const char* name, Column column, int width) {
        return label(this, QLatin1String(name), {}, x0 + column.left, top, width, height, bottom);
    };
    m_lblMaschinenfamilie = columnHeading("lblMaschinenfamilie", kFamily, kFamily.width);
    m_lblMaschinentyp = columnHeading("lblMaschinentyp", kType, kType.width);
    m_lblArbeitszyklus = columnHeading("lblArbeitszyklus", kCycle, kCycle.width);
    m_lblBetriebsbedingungen = columnHeading("lblBetriebsbedingungen", kCondition, 1100);
    m_lblEinwirkungsdauer = columnHeading("lblEinwirkungsdauer", kDuration, 830);
    for (QLabel* heading : {m_lblMesswertQuelle, m_lblMaschinenfamilie, m_lblMaschinentyp, m_lblArbeitszyklus,
                            m_lblBetriebsbedingungen, m_lblEinwirkungsdauer})
        heading->setWordWrap(true);

    const std::array<const char*, 3> axisNames{"lblXAchse", "lblYAchse", "lblZAchse"};
    for (int axis = 0; axis < 3; ++axis) {
        const int left = x0 + kValueLeft[axis];
        m_lblAchse[axis] = label(this, QLatin1String(axisNames[axis]), {}, left, 2000, 1000, 280, Qt::AlignCenter);
        makeBold(m_lblAchse[axis]);
        label(this, indexedName("Label2", axis), QStringLiteral("m/s²"), left, 2300, 500, 280, Qt::AlignCenter);
        m_lblPunkteAchse[axis] = label(this, indexedName("lblPunkteAchse", axis), {}, left + 525, 2300, 500, 280,
                                       Qt::AlignCenter);
    }
}

void frmMain::buildRow(WorkRow& r)
{
    const int i = r.number;
    auto* frame = make<ui::BoldTitleGroupBox>(this, indexedName("fraEingabe", i), 105, 2625 + 1050 * (i - 1), 15030,
                                              960);
    r.fraEingabe = frame;
    frame->setAutoFillBackground(true);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, kRowFrameBackground);
    framePalette.setColor(QPalette::WindowText, kCaptionBlue);
    // The fields start switched off: they take the off colour from the frame
    // instead of each being given a palette of its own by the first reset.
    framePalette.setColor(QPalette::Base, ui::buttonFace());
    frame->setPalette(framePalette);

    auto lineName = [i](const char* base, const QString& suffix) {
        return ui::controlName(QLatin1String(base), suffix, i);
    };
    // Controls are made in tab order: option, machine columns, condition, duration, values.
    auto buildLine = [&](InputLine& line, const QString& s, int top, int optionTop, auto makeMachineFields) {
        const bool catalogueLine = s == QLatin1String("G");
        line.suffix = s;
        // 45 twips left of the design, so that the longest caption keeps clear of the family column.
        line.optEingabe = make<QRadioButton>(frame, lineName("optEingabe", s), 60, optionTop, 1275, 225);
        makeMachineFields(s, top);
        line.Betriebsbedingung = dropDown(frame, lineName("Betriebsbedingung", s), kCondition.left, top,
                                          kCondition.width, false);
        line.Einwirkungsdauer = dropDown(frame, lineName("Einwirkungsdauer", s), kDuration.left, top, kDuration.width,
                                         false);
        const std::array<const char*, 3> values{"MesswertX", "MesswertY", "MesswertZ"};
        const std::array<const char*, 3> points{"PunkteX", "PunkteY", "PunkteZ"};
        for (int axis = 0; axis < 3; ++axis) {
            line.Messwert[axis] = textBox(frame, lineName(values[axis], s), kValueLeft[axis], top, 435,
                                          catalogueLine ? 0 : 4);
            line.Messwert[axis]->setReadOnly(catalogueLine);
            line.Messwert[axis]->setAlignment(Qt::AlignCenter);
            line.Punkte[axis] = textBox(frame, lineName(points[axis], s), kValueLeft[axis] + 525, top, 435, 0);
            line.Punkte[axis]->setReadOnly(true);
            line.Punkte[axis]->setAlignment(Qt::AlignCenter);
        }
        // The frame's blue is for its caption only, its off colour for the fields only.
        QPalette optionPalette = line.optEingabe->palette();
        optionPalette.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            optionPalette.setColor(group, QPalette::Base, palette().color(group, QPalette::Base));
        line.optEingabe->setPalette(optionPalette);
    };
    buildLine(r.G, QStringLiteral("G"), 210, 255, [&](const QString& s, int top) {
        r.G.MaschinenFamilie = dropDown(frame, lineName("MaschinenFamilie", s), kFamily.left, top, kFamily.width, true);
        r.G.MaschinenTyp = dropDown(frame, lineName("MaschinenTyp", s), kType.left, top, kType.width, true);
        r.G.Arbeitszyklus = dropDown(frame, lineName("Arbeitszyklus", s), kCycle.left, top, kCycle.width, true);
    });
    buildLine(r.E, QStringLiteral("E"), 540, 585, [&](const QString& s, int top) {
        r.E.MaschinenFamilie = textBox(frame, lineName("MaschinenFamilie", s), kFamily.left, top, kFamily.width, 20);
        r.E.MaschinenTyp = textBox(frame, lineName("MaschinenTyp", s), kType.left, top, kType.width, 34);
        r.E.Arbeitszyklus = textBox(frame, lineName("Arbeitszyklus", s), kCycle.left, top, kCycle.width, 24);
    });

    r.lblStatus = make<ui::StatusMark>(frame, indexedName("lblStatus", i), 13650, 420, 330, 330);
    r.lblStatus->setFrameStyle(QFrame::Box | QFrame::Plain);

    r.btnResetZeile = make<QPushButton>(frame, indexedName("btnResetZeile", i), 13965, 210, 960);
    r.btnBerechnenZeile = make<QPushButton>(frame, indexedName("btnBerechnenZeile", i), 13965, 540, 960);
}

void frmMain::buildResults()
{
    m_lblZwischenergebnis = label(this, QStringLiteral("lblZwischenergebnis"), {}, 210, 8085, 1900);
    m_lblSummeAllerArbeitszyklen = label(this, QStringLiteral("lblSummeAllerArbeitszyklen"), {}, 2100, 8085, 3300, 520,
                                         Qt::AlignLeft | Qt::AlignTop);
    m_lblEndergebnis = label(this, QStringLiteral("lblEndergebnis"), {}, 210, 9135, 1900);
    makeBold(m_lblZwischenergebnis);
    makeBold(m_lblEndergebnis);

    // The headings over the result fields end a blank's height above them, descenders included.
    const Qt::Alignment bottomCentre = Qt::AlignHCenter | Qt::AlignBottom;
    m_lblSumDauer = label(this, QStringLiteral("lblSumDauer"), {}, 5400, 8085, 1150, 460, bottomCentre);
    m_lblAnzahlZyklen = label(this, QStringLiteral("lblAnzahlZyklen"), {}, 6450, 8085, 1000, 460, bottomCentre);
    for (QLabel* heading : {m_lblSumDauer, m_lblAnzahlZyklen})
        heading->setWordWrap(true);
    m_txtDauerSum = resultField(this, "txtDauerSum", 5775, 8610, 435);
    m_txtAnzSum = resultField(this, "txtAnzSum", 6720, 8610, 435);

    const std::array<int, 3> a8Left{7560, 8925, 10290};
    const std::array<const char*, 3> subscripts{"(8) x", "(8) y", "(8) z"};
    const std::array<int, 3> unitIndex{0, 5, 2};
    m_txtA8X = resultField(this, "txtA8X", a8Left[0], 8610, 540);
    m_txtA8Y = resultField(this, "txtA8Y", a8Left[1], 8610, 540);
    m_txtA8Z = resultField(this, "txtA8Z", a8Left[2], 8610, 540);
    m_txtPunkteGesX = resultField(this, "txtPunkteGesX", a8Left[0] + 630, 8610, 540);
    m_txtPunkteGesY = resultField(this, "txtPunkteGesY", a8Left[1] + 630, 8610, 540);
    m_txtPunkteGesZ = resultField(this, "txtPunkteGesZ", a8Left[2] + 630, 8610, 540);
    QFont subscriptFont = font();
    subscriptFont.setPointSize(6);
    for (int axis = 0; axis < 3; ++axis) {
        const int left = a8Left[axis];
        label(this, indexedName("Label10", axis), QStringLiteral("A"), left + 60, 8200, 150, 300,
              Qt::AlignRight | Qt::AlignBottom);
        label(this, indexedName("Label11", axis), QLatin1String(subscripts[axis]), left + 210, 8300, 420, 240,
              Qt::AlignLeft | Qt::AlignBottom)
            ->setFont(subscriptFont);
        label(this, indexedName("lblms2", unitIndex[axis]), QStringLiteral("m/s²"), left, 8925, 540, 240,
              Qt::AlignCenter)
            ->setFont(subscriptFont);
        m_lblPunkteErgebnis[axis] = label(this, indexedName("lblPunkteErgebnis", axis), {}, left + 630, 8240, 540, 300,
                                          bottomCentre);
    }

    m_lblGesamtpunktezahl = label(this, QStringLiteral("lblGesamtpunktezahl"), {}, 4200, 9240, 4900, kLineHeight,
                                  Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 3), QStringLiteral("P"), 9250, 9200, 180, 330,
          Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 4), QStringLiteral("E,total"), 9430, 9300, 520, 260,
          Qt::AlignLeft | Qt::AlignBottom)
        ->setFont(subscriptFont);
    label(this, indexedName("Label10", 5), QStringLiteral("="), 9950, 9240, 200, kLineHeight, Qt::AlignCenter);
    m_txtPktMax = resultField(this, "txtPktMax", 10185, 9240, 1275);

    m_lblTaeglicheSchwingungsbelastung = label(this, QStringLiteral("lblTaeglicheSchwingungsbelastung"), {}, 3300, 9660,
                                               5800, kLineHeight, Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 6), QStringLiteral("A"), 9250, 9620, 180, 330,
          Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 7), QStringLiteral("(8)"), 9430, 9720, 520, 260, Qt::AlignLeft | Qt::AlignBottom)
        ->setFont(subscriptFont);
    label(this, indexedName("Label10", 8), QStringLiteral("="), 9950, 9660, 200, kLineHeight, Qt::AlignCenter);
    m_txtA8Max = resultField(this, "txtA8Max", 10185, 9660, 1275);
    makeBold(m_txtPktMax);
    makeBold(m_txtA8Max);
}

void frmMain::buildCommands()
{
    auto button = [&](const char* name, int left, int top) {
        auto* b = make<QPushButton>(this, QLatin1String(name), left, top, 1380, 435);
        makeBold(b);
        return b;
    };
    m_btnDetails = button("btnDetails", 12120, 8190);
    m_btnBerechnen = button("btnBerechnen", 13605, 8190);
    m_btnDrucken = button("btnDrucken", 12120, 8820);
    m_btnReset = button("btnReset", 13605, 8820);
    m_btnAnleitung = button("btnAnleitung", 12120, 9450);
    m_btnExit = button("btnExit", 13605, 9450);
    connect(m_btnBerechnen, &QPushButton::clicked, this, [this] { btnBerechnen_Click(); });
    connect(m_btnReset, &QPushButton::clicked, this, [this] { btnReset_Click(); });
    connect(m_btnDetails, &QPushButton::clicked, this, [this] { btnDetails_Click(); });
    connect(m_btnDrucken, &QPushButton::clicked, this, [this] { btnDrucken_Click(); });
    connect(m_btnAnleitung, &QPushButton::clicked, this, [this] { btnAnleitung_Click(); });

    label(this, QStringLiteral("lblVersion"), QStringLiteral("Zelvaro %1").arg(QLatin1String(ZELVARO_VERSION)), 210,
          9800, 3000, 280);
}
