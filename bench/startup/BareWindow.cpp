// A bare window with the controls of the program's frame, main and details
// windows, of the same kinds, numbers, sizes, captions and list entries, set
// up the plain way: each property written once, no program logic.
#include "StartupOnce.h"

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
    auto* frame = place<QGroupBox>(window, 105, 2625 + 1050 * (row - 1), 15030, 960);
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
    label(window,
          "Ganzkörperschwingungen auf Erdbewegungsmaschinen - Berechnung der täglichen "
          "Schwingungsbelastung eines Fahrers",
          0, 795, 15270, 360);
    label(window, "Firma:", 210, 1260, 930);
    place<QLineEdit>(window, 1155, 1260, 2955);
    label(window, "Fahrer:", 4410, 1260, 1350);
    place<QLineEdit>(window, 5775, 1260, 2790);
    label(window, "Fahrerqualifizierung:", 8580, 1260, 2640);
    fill(place<QComboBox>(window, 11235, 1260, 2535), 5);
    place<QLineEdit>(window, 13965, 1260, 1170)->setText(QStringLiteral("09.12.2026"));

    // Column headings, the axis headings with their units, the result headings
    // and symbols: 45 labels beside the five status marks.
    for (int i = 0; i < 45; ++i)
        label(window, "Überschrift", 105 + (i % 15) * 1000, i < 15 ? 1785 : 8085 + (i / 15) * 500, 950);

    for (int row = 1; row <= 5; ++row)
        buildRow(window, row);

    const int resultLeft[] = {5775, 6720, 7560, 8190, 8925, 9555, 10290, 10920};
    for (const int left : resultLeft)
        place<QLineEdit>(window, left, 8610, 540)->setReadOnly(true);
    place<QLineEdit>(window, 10185, 9240, 1275)->setReadOnly(true);
    place<QLineEdit>(window, 10185, 9660, 1275)->setReadOnly(true);
    const char* commands[] = {"Details", "Berechnen", "Drucken", "Reset", "Anleitung", "Beenden"};
    for (int i = 0; i < 6; ++i)
        place<QPushButton>(window, 12120 + (i % 2) * 1485, 8190 + (i / 2) * 630, 1380, 435)
            ->setText(QLatin1String(commands[i]));
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
