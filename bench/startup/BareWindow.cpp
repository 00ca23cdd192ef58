// A bare window with the controls of the program's frame, main and details
// windows, of the same kinds, numbers, sizes, captions, font faces and list
// entries, set up the plain way: each property written once, no program logic.
#include "StartupOnce.h"

#include "ui/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

template <class W>
W* place(QWidget* parent, int left, int top, int width, int height = 315)
{
    auto* widget = new W(parent);
    widget->setGeometry(left / 15, top / 15, width / 15, height / 15);
    return widget;
}

QLabel* label(QWidget* parent, const char* text, int left, int top, int width, int height = 315)
{
    auto* l = place<QLabel>(parent, left, top, width, height);
    l->setText(QString::fromUtf8(text));
    l->setWordWrap(true);
    return l;
}

void fill(QComboBox* list, int entries)
{
    for (int i = 0; i < entries; ++i)
        list->addItem(QStringLiteral("Eintrag %1").arg(i));
}

void buildRow(QWidget* window, int row)
{
    auto* frame = place<ui::BoldTitleGroupBox>(window, 105, 2625 + 1050 * (row - 1), 15030, 960);
    frame->setTitle(QStringLiteral(" Eingabe %1 ").arg(row));
    frame->setAutoFillBackground(true);
    QPalette colours = frame->palette();
    colours.setColor(QPalette::Window, QColor(225, 225, 225));
    frame->setPalette(colours);
    const int valueLeft[] = {10185, 10710, 11445, 11970, 12705, 13230};
    for (int line = 0; line < 2; ++line) {
        const int top = line == 0 ? 210 : 540;
        place<QRadioButton>(frame, 105, top + 45, 1275, 225)
            ->setText(line == 0 ? QStringLiteral("genormt") : QStringLiteral("eigene"));
        QList<QWidget*> fields;
        if (line == 0) {
            fields << place<QComboBox>(frame, 1365, top, 1695) << place<QComboBox>(frame, 3150, top, 2850)
                   << place<QComboBox>(frame, 6090, top, 2010);
        } else {
            fields << place<QLineEdit>(frame, 1365, top, 1695) << place<QLineEdit>(frame, 3150, top, 2850)
                   << place<QLineEdit>(frame, 6090, top, 2010);
        }
        fields << place<QComboBox>(frame, 8190, top, 855) << place<QComboBox>(frame, 9345, top, 540);
        for (const int left : valueLeft)
            fields << place<QLineEdit>(frame, left, top, 435);
        for (QWidget* field : fields)
            field->setEnabled(false);
    }
    label(frame, "", 13650, 420, 330, 330)->setEnabled(false);
    place<QPushButton>(frame, 13965, 210, 960)->setText(QStringLiteral("Reset"));
    place<QPushButton>(frame, 13965, 540, 960)->setText(QStringLiteral("Berechnen"));
    for (QPushButton* button : frame->findChildren<QPushButton*>())
        button->setEnabled(false);
}

QWidget* buildMainWindow()
{
    auto* window = new QWidget;
    window->setFixedSize(15270 / 15, 10200 / 15);
    window->setAutoFillBackground(true);
    auto* band = place<QFrame>(window, 0, 0, 15270, 780);
    band->setAutoFillBackground(true);

    auto* languages = place<QComboBox>(window, 210, 180, 1275);
    fill(languages, 5);
    place<QPushButton>(window, 1470, 165, 435, 330)->setText(QStringLiteral("Go"));
    QFont bold = window->font();
    bold.setBold(true);
    QFont title = bold;
    title.setPointSize(10);
    QFont small = window->font();
    small.setPointSize(6);
    label(window,
          "Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen "
          "Schwingungsbelastung eines Fahrers",
          0, 795, 15270, 360)
        ->setFont(title);
    label(window, "Firma:", 210, 1260, 930);
    place<QLineEdit>(window, 1155, 1260, 2955);
    label(window, "Fahrer:", 4410, 1260, 1350);
    place<QLineEdit>(window, 5775, 1260, 2790);
    label(window, "Fahrerqualifizierung:", 8580, 1260, 2640);
    fill(place<QComboBox>(window, 11235, 1260, 2535), 5);
    place<QLineEdit>(window, 13965, 1260, 1170)->setText(QStringLiteral("09.12.2026"));

    // Column headings, the axis headings with their units, the result headings
    // and symbols, in the program's German texts and faces, beside the five status marks.
    enum Face { Plain, Bold, Small };
    struct Caption {
        const char* text;
        int left, top, width, height;
        Face face;
    };
    const Caption captions[] = {
        {"Quelle\nder\nMesswerte", 210, 1695, 1245, 900, Plain},
        {"Maschinenfamilie", 1470, 1695, 1695, 900, Plain},
        {"Maschinentyp", 3255, 1695, 3180, 900, Plain},
        {"Arbeitszyklus", 6525, 1695, 2310, 900, Plain},
        {"Betriebs-\nbedingung", 8925, 1695, 1095, 900, Plain},
        {"Einwirk-\nungszeit\nin h", 9855, 1695, 825, 900, Plain},
        {"x-Achse", 10590, 1995, 1005, 285, Bold},
        {"m/s²", 10590, 2295, 495, 285, Plain},
        {"Pkte.", 11115, 2295, 495, 285, Plain},
        {"y-Achse", 11700, 1995, 1005, 285, Bold},
        {"m/s²", 11700, 2295, 495, 285, Plain},
        {"Pkte.", 12225, 2295, 495, 285, Plain},
        {"z-Achse", 12810, 1995, 1005, 285, Bold},
        {"m/s²", 12810, 2295, 495, 285, Plain},
        {"Pkte.", 13335, 2295, 495, 285, Plain},
        {"Zwischenergebnis:", 210, 8085, 1905, 315, Bold},
        {"Summe aller Arbeitszyklen", 2100, 8085, 3300, 525, Plain},
        {"Endergebnis:", 210, 9135, 1905, 315, Bold},
        {"Einwirkungs-\nzeit in h", 5400, 8085, 1155, 465, Plain},
        {"Anzahl Zyklen", 6450, 8085, 1005, 465, Plain},
        {"A", 7620, 8205, 150, 300, Plain},
        {"(8) x", 7770, 8295, 420, 240, Small},
        {"m/s²", 7560, 8925, 540, 240, Small},
        {"Pkte.", 8190, 8235, 540, 300, Plain},
        {"A", 8985, 8205, 150, 300, Plain},
        {"(8) y", 9135, 8295, 420, 240, Small},
        {"m/s²", 8925, 8925, 540, 240, Small},
        {"Pkte.", 9555, 8235, 540, 300, Plain},
        {"A", 10350, 8205, 150, 300, Plain},
        {"(8) z", 10500, 8295, 420, 240, Small},
        {"m/s²", 10290, 8925, 540, 240, Small},
        {"Pkte.", 10920, 8235, 540, 300, Plain},
        {"Gesamtpunktezahl", 4200, 9240, 4905, 315, Plain},
        {"P", 9255, 9195, 180, 330, Plain},
        {"E,total", 9435, 9300, 525, 255, Small},
        {"=", 9945, 9240, 195, 315, Plain},
        {"Tägliche Schwingungsbelastung in m/s²", 3300, 9660, 5805, 315, Plain},
        {"A", 9255, 9615, 180, 330, Plain},
        {"(8)", 9435, 9720, 525, 255, Small},
        {"=", 9945, 9660, 195, 315, Plain},
        {"Zelvaro 1.0.0", 210, 9795, 3000, 285, Plain},
    };
    for (const Caption& caption : captions) {
        QLabel* l = label(window, caption.text, caption.left, caption.top, caption.width, caption.height);
        if (caption.face != Plain)
            l->setFont(caption.face == Bold ? bold : small);
    }

    for (int row = 1; row <= 5; ++row)
        buildRow(window, row);

    const int resultLeft[] = {5775, 6720, 7560, 8190, 8925, 9555, 10290, 10920};
    for (const int left : resultLeft)
        place<QLineEdit>(window, left, 8610, 540)->setReadOnly(true);
    for (const int top : {9240, 9660}) {
        auto* total = place<QLineEdit>(window, 10185, top, 1275);
        total->setReadOnly(true);
        total->setFont(bold);
    }
    const char* commands[] = {"Details", "Berechnen", "Drucken", "Reset", "Anleitung", "Beenden"};
    for (int i = 0; i < 6; ++i) {
        auto* command = place<QPushButton>(window, 12120 + (i % 2) * 1485, 8190 + (i / 2) * 630, 1380, 435);
        command->setText(QLatin1String(commands[i]));
        command->setFont(bold);
    }
    return window;
}

// The details window: loaded with its lists filled, not shown.
void buildDetailsWindow(QWidget* owner)
{
    auto* details = new QDialog(owner);
    details->setFixedSize(11040 / 15, 10200 / 15);
    const char* columns[] = {"Zustand des Untergrundes", "Festigkeit des Untergrundes", "Bewegtes Material", "Fahrstil",
                             "Anmerkungen"};
    for (int i = 0; i < 5; ++i)
        label(details, columns[i], 420 + 2100 * i, 1365, 2000, 435);
    for (int row = 1; row <= 5; ++row) {
        auto* frame = place<QGroupBox>(details, 210, 2100 + 1470 * (row - 1), 10620, 1275);
        frame->setTitle(QStringLiteral(" Eingabe %1 ").arg(row));
        fill(place<QComboBox>(frame, 210, 315, 2000), 7);
        fill(place<QComboBox>(frame, 2415, 315, 1900), 8);
        place<QLineEdit>(frame, 4515, 315, 2000)->setMaxLength(20);
        fill(place<QComboBox>(frame, 6720, 315, 1400), 4);
        place<QPlainTextEdit>(frame, 8295, 315, 2115, 735);
        for (QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            control->setEnabled(false);
    }
    place<QPushButton>(details, 8715, 9450, 1695, 435)->setText(QStringLiteral("Schließen"));
}

}  // namespace

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Zelvaro"));
}

std::unique_ptr<QWidget> createStartWindow()
{
    auto frame = std::make_unique<QMainWindow>();
    frame->setObjectName(QStringLiteral("bareWindow"));
    frame->setWindowTitle(QStringLiteral(" Zelvaro"));
    auto* area = new QScrollArea(frame.get());
    QWidget* window = buildMainWindow();
    area->setWidget(window);
    frame->setCentralWidget(area);
    buildDetailsWindow(window);
    frame->resize(window->size() + QSize(4, 4));
    return frame;
}
