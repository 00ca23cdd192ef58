#pragma once

#include "grid/RowState.h"

#include <QList>
#include <QString>
#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
namespace ui {
class StatusMark;
}

enum Axis { AxisX = 0, AxisY = 1, AxisZ = 2 };

// What both input lines of a row have: "G" (catalogue) or "E" (own values).
struct InputLine {
    virtual ~InputLine() = default;

    QString suffix;
    QRadioButton* optEingabe = nullptr;
    QComboBox* Betriebsbedingung = nullptr;
    QComboBox* Einwirkungsdauer = nullptr;
    std::array<QLineEdit*, 3> Messwert{};
    std::array<QLineEdit*, 3> Punkte{};

    // Machine family, machine type and work cycle, whatever kind of control they are.
    virtual std::array<QWidget*, 3> machineFields() const = 0;
    // Empties them: a list loses its entries, a text field its text.
    virtual void emptyMachineFields() = 0;

    // The eleven fields in the order the line is switched.
    QList<QWidget*> fields() const;
};

// The catalogue line: the machine is chosen from three cascading lists.
struct CatalogueLine final : InputLine {
    QComboBox* MaschinenFamilie = nullptr;
    QComboBox* MaschinenTyp = nullptr;
    QComboBox* Arbeitszyklus = nullptr;

    std::array<QWidget*, 3> machineFields() const override;
    void emptyMachineFields() override;
};

// The own-values line: the machine is described in free text.
struct OwnValuesLine final : InputLine {
    QLineEdit* MaschinenFamilie = nullptr;
    QLineEdit* MaschinenTyp = nullptr;
    QLineEdit* Arbeitszyklus = nullptr;

    std::array<QWidget*, 3> machineFields() const override;
    void emptyMachineFields() override;
};

// One of the work-cycle rows: both lines, its mark, its buttons and its working fields.
struct WorkRow {
    int number = 0;
    QGroupBox* fraEingabe = nullptr;
    CatalogueLine G;
    OwnValuesLine E;
    ui::StatusMark* lblStatus = nullptr;
    QPushButton* btnResetZeile = nullptr;
    QPushButton* btnBerechnenZeile = nullptr;
    RowState state;

    // The line of an input mode; Off has none and raises 381 (invalid property array index).
    InputLine& line(InputMode mode);
    InputLine& line(const QString& suffix) { return line(lineOf(suffix)); }
    // The input mode of the line with suffix "G" or "E"; any other suffix raises 381.
    static InputMode lineOf(const QString& suffix);
};
