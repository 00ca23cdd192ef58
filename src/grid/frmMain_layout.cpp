// Creating and placing the controls of the main window.
#include "grid/frmMain.h"

#include "details/frmDetails.h"
#include "ui/Lists.h"
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

QString indexedName(const char* base, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

template <class W>
W* make(QWidget* parent, const QString& name, int left, int top, int width, int height = kLineHeight)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    ui::placeTwips(widget, left, top, width, height);
    return widget;
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
    auto* list = make<QComboBox>(parent, name, left, top, width);
    ui::setSorted(list, sorted);
    // Texts of the lists are often wider than their column.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
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
}

frmMain::~frmMain() = default;

void frmMain::buildHeader()
{
    auto* band = make<QFrame>(this, QStringLiteral("shpHarvelt"), 0, 0, 15270, 780);
    band->setAutoFillBackground(true);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    band->setPalette(white);

    cboSprache = dropDown(this, QStringLiteral("cboSprache"), 210, 180, 1275, true);
    btnSpracheGo = make<QPushButton>(this, QStringLiteral("btnSpracheGo"), 1470, 165, 435, 330);
    btnSpracheGo->setText(QStringLiteral("Go"));

    lblTitel = label(this, QStringLiteral("lblTitel"), QString(), 0, 795, 15270, 360, Qt::AlignCenter);
    QFont titleFont = lblTitel->font();
    titleFont.setBold(true);
    titleFont.setPointSize(10);
    lblTitel->setFont(titleFont);

    lblFirma = label(this, QStringLiteral("lblFirma"), QString(), 210, 1260, 930);
    txtFirma = textBox(this, QStringLiteral("txtFirma"), 1155, 1260, 2955, 30);
    lblFahrer = label(this, QStringLiteral("lblFahrer"), QString(), 4410, 1260, 1350);
    txtFahrer = textBox(this, QStringLiteral("txtFahrer"), 5775, 1260, 2790, 30);
    lblFahrererfahrung = label(this, QStringLiteral("lblFahrererfahrung"), QString(), 8580, 1260, 2640);
    cboFahrererfahrung = dropDown(this, QStringLiteral("cboFahrererfahrung"), 11235, 1260, 2535, false);
    txtDatum = textBox(this, QStringLiteral("txtDatum"), 13965, 1260, 1170, 0);
    txtDatum->setAlignment(Qt::AlignCenter);
}

void frmMain::buildHeadings()
{
    // Column headings sit over the row frames, which start 105 twips in.
    constexpr int x0 = 105;
    constexpr int top = 1700;
    constexpr int height = 900;
    const Qt::Alignment bottom = Qt::AlignLeft | Qt::AlignBottom;
    lblMesswertQuelle = label(this, QStringLiteral("lblMesswertQuelle"), {}, x0 + 105, top, 1250, height, bottom);
    lblMaschinenfamilie = label(this, QStringLiteral("lblMaschinenfamilie"), {}, x0 + 1365, top, 1695, height, bottom);
    lblMaschinentyp = label(this, QStringLiteral("lblMaschinentyp"), {}, x0 + 3150, top, 2850, height, bottom);
    lblArbeitszyklus = label(this, QStringLiteral("lblArbeitszyklus"), {}, x0 + 6090, top, 2010, height, bottom);
    lblBetriebsbedingungen =
        label(this, QStringLiteral("lblBetriebsbedingungen"), {}, x0 + 8190, top, 1100, height, bottom);
    lblEinwirkungsdauer = label(this, QStringLiteral("lblEinwirkungsdauer"), {}, x0 + 9345, top, 830, height, bottom);
    for (QLabel* heading : {lblMesswertQuelle, lblMaschinenfamilie, lblMaschinentyp, lblArbeitszyklus,
                            lblBetriebsbedingungen, lblEinwirkungsdauer})
        heading->setWordWrap(true);

    const std::array<int, 3> valueLeft{10185, 11445, 12705};
    const std::array<const char*, 3> axisNames{"lblXAchse", "lblYAchse", "lblZAchse"};
    std::array<QLabel*, 3> axisLabels{};
    for (int axis = 0; axis < 3; ++axis) {
        const int left = x0 + valueLeft[axis];
        axisLabels[axis] = label(this, QLatin1String(axisNames[axis]), {}, left, 2000, 1000, 280, Qt::AlignCenter);
        label(this, indexedName("Label2", axis), QStringLiteral("m/s²"), left, 2300, 500, 280, Qt::AlignCenter);
        lblPunkteAchse[axis] = label(this, indexedName("lblPunkteAchse", axis), {}, left + 525, 2300, 500, 280,
                                     Qt::AlignCenter);
    }
    lblXAchse = axisLabels[0];
    lblYAchse = axisLabels[1];
    lblZAchse = axisLabels[2];
    for (QLabel* heading : axisLabels)
        makeBold(heading);
}

void frmMain::buildRow(WorkRow& r)
{
    const int i = r.number;
    auto* frame = make<QGroupBox>(this, indexedName("fraEingabe", i), 105, 2625 + 1050 * (i - 1), 15030, 960);
    r.fraEingabe = frame;
    frame->setAutoFillBackground(true);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, kRowFrameBackground);
    framePalette.setColor(QPalette::WindowText, kCaptionBlue);
    frame->setPalette(framePalette);
    makeBold(frame);
    // Set explicitly, or the controls would inherit the frame caption's bold.
    QFont plain = font();
    plain.setBold(false);

    auto buildLine = [&](InputLine& line, const QString& s, int top, int optionTop) {
        line.suffix = s;
        auto name = [&](const char* base) { return QStringLiteral("%1_%2_%3").arg(QLatin1String(base), s).arg(i); };
        line.optEingabe = make<QRadioButton>(frame, name("optEingabe"), 105, optionTop, 1275, 225);
        if (s == QLatin1String("G")) {
            line.MaschinenFamilie = dropDown(frame, name("MaschinenFamilie"), 1365, top, 1695, true);
            line.MaschinenTyp = dropDown(frame, name("MaschinenTyp"), 3150, top, 2850, true);
            line.Arbeitszyklus = dropDown(frame, name("Arbeitszyklus"), 6090, top, 2010, true);
        } else {
            line.MaschinenFamilie = textBox(frame, name("MaschinenFamilie"), 1365, top, 1695, 20);
            line.MaschinenTyp = textBox(frame, name("MaschinenTyp"), 3150, top, 2850, 34);
            line.Arbeitszyklus = textBox(frame, name("Arbeitszyklus"), 6090, top, 2010, 24);
        }
        line.Betriebsbedingung = dropDown(frame, name("Betriebsbedingung"), 8190, top, 855, false);
        line.Einwirkungsdauer = dropDown(frame, name("Einwirkungsdauer"), 9345, top, 540, false);
        const std::array<const char*, 3> values{"MesswertX", "MesswertY", "MesswertZ"};
        const std::array<const char*, 3> points{"PunkteX", "PunkteY", "PunkteZ"};
        const std::array<int, 3> valueLeft{10185, 11445, 12705};
        for (int axis = 0; axis < 3; ++axis) {
            const bool catalogueLine = s == QLatin1String("G");
            line.Messwert[axis] = textBox(frame, name(values[axis]), valueLeft[axis], top, 435, catalogueLine ? 0 : 4);
            line.Messwert[axis]->setReadOnly(catalogueLine);
            line.Messwert[axis]->setAlignment(Qt::AlignCenter);
            line.Punkte[axis] = textBox(frame, name(points[axis]), valueLeft[axis] + 525, top, 435, 0);
            line.Punkte[axis]->setReadOnly(true);
            line.Punkte[axis]->setAlignment(Qt::AlignCenter);
        }
        for (QWidget* field : line.fields())
            field->setFont(plain);
        line.optEingabe->setFont(plain);
        // The frame's blue is for its caption only.
        QPalette optionPalette = line.optEingabe->palette();
        optionPalette.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
        line.optEingabe->setPalette(optionPalette);
    };
    buildLine(r.G, QStringLiteral("G"), 210, 255);
    buildLine(r.E, QStringLiteral("E"), 540, 585);

    r.lblStatus = label(frame, indexedName("lblStatus", i), {}, 13650, 420, 330, 330, Qt::AlignCenter);
    QFont symbols(QStringLiteral("DejaVu Sans"), 12);
    r.lblStatus->setFont(symbols);
    r.lblStatus->setFrameStyle(QFrame::Box | QFrame::Plain);
    r.lblStatus->setEnabled(false);

    r.btnResetZeile = make<QPushButton>(frame, indexedName("btnResetZeile", i), 13965, 210, 960);
    r.btnBerechnenZeile = make<QPushButton>(frame, indexedName("btnBerechnenZeile", i), 13965, 540, 960);
    r.btnResetZeile->setFont(plain);
    r.btnBerechnenZeile->setFont(plain);
    r.neutraliseWorkingFields();
}

void frmMain::buildResults()
{
    lblZwischenergebnis = label(this, QStringLiteral("lblZwischenergebnis"), {}, 210, 8085, 1900);
    lblSummeAllerArbeitszyklen =
        label(this, QStringLiteral("lblSummeAllerArbeitszyklen"), {}, 2100, 8085, 3300, 520, Qt::AlignLeft | Qt::AlignTop);
    lblEndergebnis = label(this, QStringLiteral("lblEndergebnis"), {}, 210, 9135, 1900);
    makeBold(lblZwischenergebnis);
    makeBold(lblEndergebnis);

    const Qt::Alignment bottomCentre = Qt::AlignHCenter | Qt::AlignBottom;
    lblSumDauer = label(this, QStringLiteral("lblSumDauer"), {}, 5400, 8085, 1150, 520, bottomCentre);
    lblAnzahlZyklen = label(this, QStringLiteral("lblAnzahlZyklen"), {}, 6450, 8085, 1000, 520, bottomCentre);
    for (QLabel* heading : {lblSumDauer, lblAnzahlZyklen})
        heading->setWordWrap(true);
    txtDauerSum = resultField(this, "txtDauerSum", 5775, 8610, 435);
    txtAnzSum = resultField(this, "txtAnzSum", 6720, 8610, 435);

    const std::array<int, 3> a8Left{7560, 8925, 10290};
    const std::array<const char*, 3> subscripts{"(8) x", "(8) y", "(8) z"};
    const std::array<int, 3> unitIndex{0, 5, 2};
    txtA8X = resultField(this, "txtA8X", a8Left[0], 8610, 540);
    txtA8Y = resultField(this, "txtA8Y", a8Left[1], 8610, 540);
    txtA8Z = resultField(this, "txtA8Z", a8Left[2], 8610, 540);
    txtPunkteGesX = resultField(this, "txtPunkteGesX", a8Left[0] + 630, 8610, 540);
    txtPunkteGesY = resultField(this, "txtPunkteGesY", a8Left[1] + 630, 8610, 540);
    txtPunkteGesZ = resultField(this, "txtPunkteGesZ", a8Left[2] + 630, 8610, 540);
    QFont subscriptFont = font();
    subscriptFont.setPointSize(6);
    for (int axis = 0; axis < 3; ++axis) {
        const int left = a8Left[axis];
        label(this, indexedName("Label10", axis), QStringLiteral("A"), left + 60, 8280, 150, 300,
              Qt::AlignRight | Qt::AlignBottom);
        label(this, indexedName("Label11", axis), QLatin1String(subscripts[axis]), left + 210, 8380, 420, 240,
              Qt::AlignLeft | Qt::AlignBottom)->setFont(subscriptFont);
        label(this, indexedName("lblms2", unitIndex[axis]), QStringLiteral("m/s²"), left, 8925, 540, 240,
              Qt::AlignCenter)->setFont(subscriptFont);
        lblPunkteErgebnis[axis] = label(this, indexedName("lblPunkteErgebnis", axis), {}, left + 630, 8300, 540,
                                        300, bottomCentre);
    }

    lblGesamtpunktezahl = label(this, QStringLiteral("lblGesamtpunktezahl"), {}, 4200, 9240, 4900, kLineHeight,
                                Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 3), QStringLiteral("P"), 9250, 9200, 180, 330, Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 4), QStringLiteral("E,total"), 9430, 9300, 520, 260,
          Qt::AlignLeft | Qt::AlignBottom)->setFont(subscriptFont);
    label(this, indexedName("Label10", 5), QStringLiteral("="), 9950, 9240, 200, kLineHeight, Qt::AlignCenter);
    txtPktMax = resultField(this, "txtPktMax", 10185, 9240, 1275);

    lblTaeglicheSchwingungsbelastung =
        label(this, QStringLiteral("lblTaeglicheSchwingungsbelastung"), {}, 3300, 9660, 5800, kLineHeight,
              Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 6), QStringLiteral("A"), 9250, 9620, 180, 330, Qt::AlignRight | Qt::AlignVCenter);
    label(this, indexedName("Label10", 7), QStringLiteral("(8)"), 9430, 9720, 520, 260,
          Qt::AlignLeft | Qt::AlignBottom)->setFont(subscriptFont);
    label(this, indexedName("Label10", 8), QStringLiteral("="), 9950, 9660, 200, kLineHeight, Qt::AlignCenter);
    txtA8Max = resultField(this, "txtA8Max", 10185, 9660, 1275);
    makeBold(txtPktMax);
    makeBold(txtA8Max);
}

void frmMain::buildCommands()
{
    auto button = [&](const char* name, int left, int top) {
        auto* b = make<QPushButton>(this, QLatin1String(name), left, top, 1380, 435);
        makeBold(b);
        return b;
    };
    btnDetails = button("btnDetails", 12120, 8190);
    btnBerechnen = button("btnBerechnen", 13605, 8190);
    btnDrucken = button("btnDrucken", 12120, 8820);
    btnReset = button("btnReset", 13605, 8820);
    btnAnleitung = button("btnAnleitung", 12120, 9450);
    btnExit = button("btnExit", 13605, 9450);
    connect(btnBerechnen, &QPushButton::clicked, this, [this] { btnBerechnen_Click(); });
    connect(btnReset, &QPushButton::clicked, this, [this] { btnReset_Click(); });
    connect(btnDetails, &QPushButton::clicked, this, [this] { btnDetails_Click(); });

    label(this, QStringLiteral("lblVersion"), QStringLiteral("Zelvaro %1").arg(QLatin1String(ZELVARO_VERSION)), 210,
          9800, 3000, 280);
}
