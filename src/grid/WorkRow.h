#pragma once

#include <QList>
#include <QString>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

enum Axis { AxisX = 0, AxisY = 1, AxisZ = 2 };

// The controls of one input line of a row: "G" (catalogue) or "E" (own values).
struct InputLine {
    QString suffix;
    QRadioButton* optEingabe = nullptr;
    // Drop-down lists on the G line, free-text fields on the E line.
    QWidget* MaschinenFamilie = nullptr;
    QWidget* MaschinenTyp = nullptr;
    QWidget* Arbeitszyklus = nullptr;
    QComboBox* Betriebsbedingung = nullptr;
    QComboBox* Einwirkungsdauer = nullptr;
    std::array<QLineEdit*, 3> Messwert{};
    std::array<QLineEdit*, 3> Punkte{};

    // The eleven fields in the order the line is switched.
    QList<QWidget*> fields() const;
};

// One of the five work-cycle rows: both lines, its mark, its buttons and the
// hidden working fields the day calculation reads.
struct WorkRow {
    int number = 0;
    QGroupBox* fraEingabe = nullptr;
    InputLine G;
    InputLine E;
    QLabel* lblStatus = nullptr;
    QPushButton* btnResetZeile = nullptr;
    QPushButton* btnBerechnenZeile = nullptr;

    std::array<QString, 3> Messwert;
    std::array<QString, 3> Punkte;
    QString txtDauer;
    QString txtAnzNr;

    InputLine& line(const QString& suffix) { return suffix == QLatin1String("G") ? G : E; }
    void neutraliseWorkingFields();
};
