#pragma once

#include "grid/WorkRow.h"

#include <QWidget>
#include <array>
#include <functional>

class frmDetails;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window: header, five work-cycle rows, the day result and the commands.
class frmMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 5;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    WorkRow& row(int number);
    const WorkRow& row(int number) const;

    // Header
    QComboBox* cboSprache = nullptr;
    QPushButton* btnSpracheGo = nullptr;
    QLineEdit* txtFirma = nullptr;
    QLineEdit* txtFahrer = nullptr;
    QComboBox* cboFahrererfahrung = nullptr;
    QLineEdit* txtDatum = nullptr;

    // Day result
    QLineEdit* txtDauerSum = nullptr;
    QLineEdit* txtAnzSum = nullptr;
    QLineEdit* txtA8X = nullptr;
    QLineEdit* txtA8Y = nullptr;
    QLineEdit* txtA8Z = nullptr;
    QLineEdit* txtPunkteGesX = nullptr;
    QLineEdit* txtPunkteGesY = nullptr;
    QLineEdit* txtPunkteGesZ = nullptr;
    QLineEdit* txtPktMax = nullptr;
    QLineEdit* txtA8Max = nullptr;

    // Commands
    QPushButton* btnDetails = nullptr;
    QPushButton* btnBerechnen = nullptr;
    QPushButton* btnDrucken = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnAnleitung = nullptr;
    QPushButton* btnExit = nullptr;

    // The details window this window opens and resets; created on first use.
    frmDetails* details();
    // Unloads the details window (exit); the next use creates it again.
    void unloadDetails();
    bool rowInUse(int number) const;

    // Captions in the given language (frmMain_captions.cpp)
    void subInitForm(quint8 language);
    void subFuellFahrererfahrung(quint8 language);

    // Lists (frmMain_lists.cpp)
    void subFuellBetriebsbedingung(quint8 row, quint8 language, const QString& suffix);
    void subFuellEinwirkungsdauer(quint8 row, const QString& suffix);
    void subFuellMaschinenfamilie(quint8 row, quint8 language);
    void subFuellMaschinentyp(quint8 row, const QString& language, quint8 family);
    void subFuellArbeitszyklus(quint8 row, const QString& language, quint8 type);
    void MaschinenFamilie_G_Validate(int row);
    void MaschinenTyp_G_Validate(int row);
    void Arbeitszyklus_G_Validate(int row);
    void Betriebsbedingung_G_Validate(int row);
    void Einwirkungsdauer_G_Validate(int row);
    void Einwirkungsdauer_E_Validate(int row);

    // Input modes (frmMain_rows.cpp)
    void optEingabe_G_Click(int row);
    void optEingabe_E_Click(int row);
    void subZeilenEinAus(quint8 row, const QString& suffix, bool on, bool rowButtons);

    // Measured values (frmMain_values.cpp)
    void Messwert_E_Change(int row, Axis axis);
    void Messwert_E_LostFocus(int row, Axis axis);

    // Calculation (frmMain_calculation.cpp)
    void subSetzeStatus(quint8 row, const QString& state);
    void subLoescheErgebnis();
    bool subCheckAusfuellenOK(quint8 row);
    void subBerechnePunkte(quint8 row, const QString& suffix, double aX, double aY, double aZ, double hours);
    void btnBerechnenZeile_Click(int row);
    void btnBerechnen_Click();
    void subErmittleSummen();

    // Resets (frmMain_resets.cpp)
    void btnReset_Click();
    void subResetDaten();
    void btnResetZeile_Click(int row);
    void btnDetails_Click();

private:
    void buildHeader();
    void buildHeadings();
    void buildRow(WorkRow& row);
    void buildResults();
    void buildCommands();
    void connectRow(WorkRow& row);
    void clearDetailsRow(int row);
    // Leaving a row list: the row's last check and the day result no longer hold.
    void markRowEdited(const QString& routine, int row);

    std::array<WorkRow, kRows> m_rows;
    frmDetails* m_details = nullptr;
    bool m_returningFocus = false;

    // Captioned labels of the main window, set by subInitForm.
    QLabel* lblTitel = nullptr;
    QLabel* lblFirma = nullptr;
    QLabel* lblFahrer = nullptr;
    QLabel* lblFahrererfahrung = nullptr;
    QLabel* lblMesswertQuelle = nullptr;
    QLabel* lblMaschinenfamilie = nullptr;
    QLabel* lblMaschinentyp = nullptr;
    QLabel* lblArbeitszyklus = nullptr;
    QLabel* lblBetriebsbedingungen = nullptr;
    QLabel* lblEinwirkungsdauer = nullptr;
    QLabel* lblXAchse = nullptr;
    QLabel* lblYAchse = nullptr;
    QLabel* lblZAchse = nullptr;
    std::array<QLabel*, 3> lblPunkteAchse{};
    std::array<QLabel*, 3> lblPunkteErgebnis{};
    QLabel* lblZwischenergebnis = nullptr;
    QLabel* lblEndergebnis = nullptr;
    QLabel* lblSummeAllerArbeitszyklen = nullptr;
    QLabel* lblTaeglicheSchwingungsbelastung = nullptr;
    QLabel* lblGesamtpunktezahl = nullptr;
    QLabel* lblSumDauer = nullptr;
    QLabel* lblAnzahlZyklen = nullptr;
};
