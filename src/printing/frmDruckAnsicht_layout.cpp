// The report page's controls at their designed positions.
#include "printing/frmDruckAnsicht.h"

#include "printing/ReportDrawing.h"
#include "printing/ReportLogo.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace {

constexpr int kRowTop = 3885;
constexpr int kRowPitch = 1050;

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(ui::twips(left), ui::twips(top), ui::twips(width), ui::twips(height));
}

// A caption that names the field beside it stands on the same line as the
// field's text: it takes the field's top and height and is centred the same
// way. (Left at its own top it would sit a point or two lower.)
void onFieldLine(QLabel* caption, const QLabel* field)
{
    const Qt::Alignment horizontal = caption->alignment() & Qt::AlignHorizontal_Mask;
    if (caption->textFormat() == Qt::RichText) {
        // Rich text lines are taller than the plain line; start the first at the plain line's top instead.
        const int top = field->y() + (field->height() - field->fontMetrics().height()) / 2;
        caption->setGeometry(caption->x(), top, caption->width(), field->y() + field->height() - top);
        caption->setAlignment(horizontal | Qt::AlignTop);
        return;
    }
    caption->setGeometry(caption->x(), field->y(), caption->width(), field->height());
    caption->setAlignment(horizontal | Qt::AlignVCenter);
}

}  // namespace

QLabel* frmDruckAnsicht::label(const QString& name, int left, int top, int width, int height, QWidget* parent)
{
    auto* widget = new QLabel(parent ? parent : this);
    widget->setObjectName(name);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Captions break at blanks where one line is too narrow, as the window's labels do.
    widget->setWordWrap(true);
    ui::placeTwips(widget, left, top, width, height);
    return widget;
}

QLabel* frmDruckAnsicht::field(const QString& name, int left, int top, int width, int height, QWidget* parent)
{
    QLabel* widget = label(name, left, top, width, height, parent);
    // A field holds one line of the windows' text and clips the rest, as a text box does.
    widget->setWordWrap(false);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    widget->setFrameShape(QFrame::Box);
    widget->setLineWidth(1);
    widget->setIndent(2);
    m_grounds.insert(widget, Qt::white);
    return widget;
}

void frmDruckAnsicht::buildHeader()
{
    m_txtDatum = field(QStringLiteral("txtDatum"), 420, 735, 1170, 330);
    auto* logo = new ReportLogo(this);
    logo->setObjectName(QStringLiteral("Image2"));
    ui::placeTwips(logo, 12390, 630, 2925, 435);

    m_lblTitel = label(QStringLiteral("lblTitel"), 420, 1320, 15270, 315);
    QFont bold = m_lblTitel->font();
    bold.setBold(true);
    bold.setPointSize(10);
    m_lblTitel->setFont(bold);
    m_lblTitel->setAlignment(Qt::AlignCenter);
    m_grounds.insert(m_lblTitel, ui::lightGrey());

    m_lblFirma = label(QStringLiteral("lblFirma"), 525, 1995, 855, 225);
    m_txtFirma = field(QStringLiteral("txtFirma"), 1470, 1890, 2955, 315);
    m_lblFahrer = label(QStringLiteral("lblFahrer"), 4830, 1995, 1695, 225);
    m_txtFahrer = field(QStringLiteral("txtFahrer"), 6615, 1890, 2790, 315);
    m_lblFahrererfahrung = label(QStringLiteral("lblFahrererfahrung"), 9555, 1995, 2970, 225);
    m_txtFahrererfahrung = field(QStringLiteral("txtFahrererfahrung"), 12600, 1890, 2745, 315);
    onFieldLine(m_lblFirma, m_txtFirma);
    onFieldLine(m_lblFahrer, m_txtFahrer);
    onFieldLine(m_lblFahrererfahrung, m_txtFahrererfahrung);
}

void frmDruckAnsicht::buildHeadings()
{
    m_lblMesswertQuelle = label(QStringLiteral("lblMesswertQuelle"), 630, 2520, 1170, 645);
    m_lblMaschinenfamilie = label(QStringLiteral("lblMaschinenfamilie"), 1785, 2730, 2115, 225);
    m_lblMaschinentyp = label(QStringLiteral("lblMaschinentyp"), 3990, 2730, 2850, 225);
    m_lblArbeitszyklus = label(QStringLiteral("lblArbeitszyklus"), 6930, 2730, 1905, 225);
    m_lblBetriebsbedingungen = label(QStringLiteral("lblBetriebsbedingungen"), 8925, 2625, 960, 435);
    m_lblEinwirkungsdauer = label(QStringLiteral("lblEinwirkungsdauer"), 9870, 2520, 750, 645);
    const std::array<QString, 3> axisNames{QStringLiteral("lblXAchse"), QStringLiteral("lblYAchse"),
                                           QStringLiteral("lblZAchse")};
    for (int axis = 0; axis < 3; ++axis) {
        const int left = 10710 + 735 * axis;
        m_lblAchse[std::size_t(axis)] = label(axisNames[std::size_t(axis)], left, 2625, 750, 330);
        QLabel* unit = label(QStringLiteral("lblEinheitAchse_%1").arg(axis), left, 2835, 750, 225);
        unit->setText(QStringLiteral("m/s²"));
    }

    m_lblDetailsTitel = label(QStringLiteral("lblDetailsTitel"), 630, 3360, 855, 225);
    m_lblZustandUntergrund = label(QStringLiteral("lblZustandUntergrund"), 1785, 3360, 2115, 225);
    m_lblFestigkeitUntergrund = label(QStringLiteral("lblFestigkeitUntergrund"), 3990, 3360, 2850, 225);
    m_lblBewegtesMaterial = label(QStringLiteral("lblBewegtesMaterial"), 6930, 3360, 1905, 225);
    m_lblFahrstil = label(QStringLiteral("lblFahrstil"), 8925, 3360, 1590, 225);
    for (int axis = 0; axis < 3; ++axis)
        m_lblPunkteAchse[std::size_t(axis)] = label(QStringLiteral("lblPunkteAchse_%1").arg(axis), 10815 + 735 * axis,
                                                    3360, 435, 225);
    m_lblAnmerkungen = label(QStringLiteral("lblAnmerkungen"), 13230, 3360, 1890, 225);
}

void frmDruckAnsicht::buildRow(int number)
{
    Row& r = m_rows[std::size_t(number - 1)];
    auto name = [number](const char* base) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(number); };

    r.fraEingabe = new QGroupBox(this);
    r.fraEingabe->setObjectName(name("fraEingabe"));
    ui::placeTwips(r.fraEingabe, 525, kRowTop + kRowPitch * (number - 1), 14805, 960);
    m_grounds.insert(r.fraEingabe, report_drawing::kRowGrey);
    QWidget* frame = r.fraEingabe;

    r.optEingabe = new QRadioButton(frame);
    r.optEingabe->setObjectName(name("optEingabe"));
    r.optEingabe->setAutoExclusive(false);
    ui::placeTwips(r.optEingabe, 105, 315, 1275, 225);
    r.lblDetails = label(name("lblDetails"), 420, 630, 750, 225, frame);

    constexpr int first = 210;
    constexpr int second = 525;
    constexpr int high = 315;
    r.MaschinenFamilie = field(name("MaschinenFamilie"), 1365, first, 1905, high, frame);
    r.MaschinenTyp = field(name("MaschinenTyp"), 3360, first, 2955, high, frame);
    r.Arbeitszyklus = field(name("Arbeitszyklus"), 6405, first, 2010, high, frame);
    r.Betriebsbedingung = field(name("Betriebsbedingung"), 8505, first, 750, high, frame);
    r.Einwirkungsdauer = field(name("Einwirkungsdauer"), 9450, first, 435, high, frame);
    r.ZustandUntergrund = field(name("ZustandUntergrund"), 1365, second, 1905, high, frame);
    r.FestigkeitUntergrund = field(name("FestigkeitUntergrund"), 3360, second, 2955, high, frame);
    r.BewegtesMaterial = field(name("BewegtesMaterial"), 6405, second, 2010, high, frame);
    r.Fahrstil = field(name("Fahrstil"), 8505, second, 1380, high, frame);
    const std::array<const char*, 3> values{"MesswertX", "MesswertY", "MesswertZ"};
    const std::array<const char*, 3> points{"PunkteX", "PunkteY", "PunkteZ"};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const int left = 10290 + 735 * int(axis);
        r.Messwert[axis] = field(name(values[axis]), left, first, 435, high, frame);
        r.Punkte[axis] = field(name(points[axis]), left, second, 435, high, frame);
    }
    for (QLabel* centred :
         {r.Einwirkungsdauer, r.Messwert[0], r.Messwert[1], r.Messwert[2], r.Punkte[0], r.Punkte[1], r.Punkte[2]})
        centred->setAlignment(Qt::AlignCenter);
    r.txtAnmerkung = field(name("txtAnmerkung"), 12600, 165, 2115, 720, frame);
    r.txtAnmerkung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    r.txtAnmerkung->setWordWrap(true);
    onFieldLine(r.lblDetails, r.ZustandUntergrund);
}

void frmDruckAnsicht::buildResults()
{
    auto yellow = [this](QLabel* widget) {
        m_grounds.insert(widget, report_drawing::kYellow);
        return widget;
    };
    auto symbol = [&](const QString& name, const QString& html, int left, int top, int width) {
        QLabel* widget = yellow(label(name, left, top, width, 300));
        widget->setTextFormat(html.contains(QLatin1Char('<')) ? Qt::RichText : Qt::PlainText);
        widget->setText(html);
        return widget;
    };
    auto resultField = [&](const QString& name, int left, int top, int width, int height) {
        QLabel* widget = field(name, left, top, width, height);
        widget->setAlignment(Qt::AlignCenter);
        return widget;
    };

    m_lblZwischenergebnis = yellow(label(QStringLiteral("lblZwischenergebnis"), 630, 9450, 1905, 330));
    QFont bold = m_lblZwischenergebnis->font();
    bold.setBold(true);
    m_lblZwischenergebnis->setFont(bold);
    m_lblSumDauer = yellow(label(QStringLiteral("lblSumDauer"), 2520, 9555, 1275, 435));
    m_txtDauerSum = resultField(QStringLiteral("txtDauerSum"), 2940, 10080, 435, 315);
    m_lblSummeAllerArbeitszyklen = yellow(label(QStringLiteral("lblSummeAllerArbeitszyklen"), 735, 9975, 1905, 435));
    m_lblSummeAllerArbeitszyklen->setWordWrap(true);

    const std::array<QString, 3> axes{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    std::array<QLabel**, 3> a8{&m_txtA8X, &m_txtA8Y, &m_txtA8Z};
    std::array<QLabel**, 3> totals{&m_txtPunkteGesX, &m_txtPunkteGesY, &m_txtPunkteGesZ};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const int step = 1365 * int(axis);
        const QString upper = axes[axis].toUpper();
        symbol(QStringLiteral("lblA8Symbol_%1").arg(axis), QStringLiteral("A<sub>(8) %1</sub>").arg(axes[axis]),
               4095 + step, 9555, 720);
        QLabel* unit = yellow(label(QStringLiteral("lblEinheitA8_%1").arg(axis), 3780 + step, 9870, 540, 225));
        unit->setText(QStringLiteral("m/s²"));
        m_lblPunkteErgebnis[axis] = yellow(
            label(QStringLiteral("lblPunkteErgebnis_%1").arg(axis), 4410 + step, 9870, 540, 225));
        *a8[axis] = resultField(QStringLiteral("txtA8") + upper, 3780 + step, 10080, 540, 315);
        *totals[axis] = resultField(QStringLiteral("txtPunkteGes") + upper, 4410 + step, 10080, 540, 315);
    }

    m_lblEndergebnis = yellow(label(QStringLiteral("lblEndergebnis"), 8190, 9450, 5160, 330));
    m_lblEndergebnis->setFont(bold);
    m_lblGesamtpunktezahl = yellow(label(QStringLiteral("lblGesamtpunktezahl"), 8190, 9765, 4530, 225));
    QLabel* pSymbol = symbol(QStringLiteral("lblPSymbol"), QStringLiteral("P<sub>E,total</sub>"), 13005, 9765, 720);
    QLabel* pEquals = symbol(QStringLiteral("lblGleichPkt"), QStringLiteral("="), 13755, 9765, 240);
    m_txtPktMax = resultField(QStringLiteral("txtPktMax"), 14070, 9660, 1065, 330);
    m_lblTaeglicheSchwingungsbelastung = yellow(
        label(QStringLiteral("lblTaeglicheSchwingungsbelastung"), 8190, 10185, 4635, 225));
    QLabel* a8Symbol = symbol(QStringLiteral("lblA8MaxSymbol"), QStringLiteral("A<sub>(8)</sub>"), 13260, 10185, 480);
    QLabel* a8Equals = symbol(QStringLiteral("lblGleichA8"), QStringLiteral("="), 13755, 10185, 240);
    m_txtA8Max = resultField(QStringLiteral("txtA8Max"), 14070, 10080, 1065, 330);
    for (QLabel* caption : {m_lblGesamtpunktezahl, pSymbol, pEquals})
        onFieldLine(caption, m_txtPktMax);
    for (QLabel* caption : {m_lblTaeglicheSchwingungsbelastung, a8Symbol, a8Equals})
        onFieldLine(caption, m_txtA8Max);
}

void frmDruckAnsicht::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);

    // Line2: the rules above and below the title.
    painter.setPen(QPen(report_drawing::kRuleGrey, 1));
    painter.drawLine(ui::twips(420), ui::twips(1260), ui::twips(15720), ui::twips(1260));
    painter.setPen(QPen(report_drawing::kYellow, 2));
    painter.drawLine(ui::twips(420), ui::twips(1680), ui::twips(15720), ui::twips(1680));

    // Shape3: the box of the column headings and its rule.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QRect headings = twipsRect(525, 2415, 14805, 1275);
    painter.drawRect(headings);
    painter.drawLine(headings.left(), ui::twips(3255), headings.right(), ui::twips(3255));

    // Shape4 and Line1: the results box split into intermediate and final result.
    const QRect results = twipsRect(525, 9345, 14820, 1320);
    painter.setBrush(report_drawing::kYellow);
    painter.drawRect(results);
    painter.drawLine(ui::twips(7875), results.top(), ui::twips(7875), results.bottom());

    report_drawing::drawControls(painter, *this, m_grounds);
}

frmDruckAnsicht::frmDruckAnsicht(Source source, quint8 language, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_source(std::move(source))
    , m_bytSprachNr(language)
{
    setObjectName(QStringLiteral("frmDruckAnsicht"));
    setAttribute(Qt::WA_DontShowOnScreen);
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    resize(ui::twips(kPageWidth), ui::twips(kPageHeight));
    buildHeader();
    buildHeadings();
    for (int number = 1; number <= kRows; ++number)
        buildRow(number);
    buildResults();
}
