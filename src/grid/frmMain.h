#pragma once

#include "calculation/DayTotals.h"
#include "calculation/Measures.h"
#include "report/ReportData.h"
#include "grid/WorkRow.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class frmDetails;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window: header, five work-cycle rows, the day result and the commands.
// Its start-up sequence (Form_Load) and the language switch are the frame
// window's: app/frmMDI.cpp and app/Language.cpp.
class frmMain : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = calculation::kRows;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // For the frame window: start-up, the language switch and the program's end.
    QComboBox* cboSprache() { return m_cboSprache; }
    const QPushButton* btnSpracheGo() const { return m_btnSpracheGo; }
    const QPushButton* btnExit() const { return m_btnExit; }
    void setDatum(const QString& text);
    // Captions in the given language (frmMain_captions.cpp).
    void subInitForm(quint8 language);
    // Every row switched off and emptied, the result and the site details too (frmMain_resets.cpp).
    void subResetDaten();
    // The language shown in the language list (the instruction file is named after it).
    QString spracheText() const;
    // The interface language 1..5, the frame window's, asked for whenever a text or list needs it.
    void setLanguage(std::function<quint8()> bytSprachNr);
    // What the print and instructions buttons open.
    void setPrintOpener(std::function<void()> opener);
    void setInstructionsOpener(std::function<void()> opener);
    // The details window this window opens and resets; created on first use (frmMain_details.cpp).
    frmDetails* details();
    // Unloads the details window (exit); the next use creates it again.
    void unloadDetails();

    // For the details window: whether row 1..5 is switched on.
    bool rowInUse(int number) const;

    // For the report: everything it copies, as the main and details windows show it now.
    ReportData reportData() const;

    // What a test cannot reach through the controls; defined below.
    class TestSeam;

private:
    WorkRow& row(int number);
    const WorkRow& row(int number) const;
    quint8 bytSprachNr() const;
    // The hidden working fields of row 1..5; another row number raises 381.
    RowResult& workingFields(int row);

    void btnDetails_Click();
    void subFuellFahrererfahrung(quint8 language);

    // Lists (frmMain_lists.cpp)
    void subFuellBetriebsbedingung(quint8 row, quint8 language, const QString& suffix);
    void subFuellEinwirkungsdauer(quint8 row, const QString& suffix);
    void subFuellMaschinenfamilie(quint8 row, quint8 language);
    void subFuellMaschinentyp(quint8 row, const QString& language, quint8 family);
    void subFuellArbeitszyklus(quint8 row, const QString& language, quint8 type);
    // The cascade below a list: rebuilt only when the entry differs from the one the list below was built
    // for. False, changing nothing, when the list has no entry selected.
    bool cascadeFromFamily(int row);
    bool cascadeFromType(int row);
    void MaschinenFamilie_G_Validate(int row);
    void MaschinenTyp_G_Validate(int row);
    void Arbeitszyklus_G_Validate(int row);
    void Betriebsbedingung_G_Validate(int row);
    void Einwirkungsdauer_G_Validate(int row);
    void Einwirkungsdauer_E_Validate(int row);

    // Input modes and the rows' signals (frmMain_rows.cpp)
    void optEingabe_G_Click(int row);
    void optEingabe_E_Click(int row);
    void subZeilenEinAus(quint8 row, const QString& suffix, bool on, bool rowButtons);
    void switchLine(quint8 row, InputMode mode, bool on, bool rowButtons);

    // Measured values (frmMain_values.cpp)
    void Messwert_E_Change(int row, Axis axis);
    void Messwert_E_LostFocus(int row, Axis axis);

    // Calculation (frmMain_calculation.cpp)
    void subSetzeStatus(quint8 row, const QString& state);
    void setStatus(quint8 row, RowStatus status);
    void subLoescheErgebnis();
    bool subCheckAusfuellenOK(quint8 row);
    void subBerechnePunkte(quint8 row, const QString& suffix, double aX, double aY, double aZ, double hours);
    void berechnePunkte(quint8 row, InputMode mode, const std::array<double, 3>& values, double hours);
    void btnBerechnenZeile_Click(int row);
    void btnBerechnen_Click();
    void subErmittleSummen();

    // Resets (frmMain_resets.cpp)
    void btnReset_Click();
    void btnResetZeile_Click(int row);

    // Print and instructions (frmMain_report.cpp)
    void btnDrucken_Click();
    void btnAnleitung_Click();

    void buildHeader();
    void buildHeadings();
    void buildRow(WorkRow& row);
    void buildResults();
    void buildCommands();
    void connectRow(WorkRow& row);
    // The row's typed state follows every edit of its controls.
    void keepStateCurrent(WorkRow& row);
    void switchInputMode(const QString& routine, int row, InputMode on, InputMode off);
    void clearDetailsRow(int row);
    // Leaving a row list: the row's last check and the day result no longer hold.
    void markRowEdited(const QString& routine, int row);
    // The row's mark and the day result emptied.
    void rowEntryChanged(int row);
    std::array<QLineEdit*, 10> resultFields() const;
    // The day result's fields show m_day, or nothing.
    void showDay();
    // Keyboard and screen-reader access (frmMain_access.cpp).
    void setTabChain();
    void setAccessibleNames(quint8 language);

    std::array<WorkRow, kRows> m_rows;
    // The day result on screen; none while its fields are empty.
    std::optional<calculation::DayTotals> m_day;
    // Like every window made on use: its Qt parent owns it, and a QPointer reads
    // null once Qt has deleted it, whoever did.
    QPointer<frmDetails> m_details;
    bool m_returningFocus = false;
    std::function<quint8()> m_bytSprachNr;
    std::function<void()> m_printOpener;
    std::function<void()> m_instructionsOpener;

    // Header
    QComboBox* m_cboSprache = nullptr;
    QPushButton* m_btnSpracheGo = nullptr;
    QLineEdit* m_txtFirma = nullptr;
    QLineEdit* m_txtFahrer = nullptr;
    QComboBox* m_cboFahrererfahrung = nullptr;
    QLineEdit* m_txtDatum = nullptr;

    // Day result
    QLineEdit* m_txtDauerSum = nullptr;
    QLineEdit* m_txtAnzSum = nullptr;
    QLineEdit* m_txtA8X = nullptr;
    QLineEdit* m_txtA8Y = nullptr;
    QLineEdit* m_txtA8Z = nullptr;
    QLineEdit* m_txtPunkteGesX = nullptr;
    QLineEdit* m_txtPunkteGesY = nullptr;
    QLineEdit* m_txtPunkteGesZ = nullptr;
    QLineEdit* m_txtPktMax = nullptr;
    QLineEdit* m_txtA8Max = nullptr;

    // Commands
    QPushButton* m_btnDetails = nullptr;
    QPushButton* m_btnBerechnen = nullptr;
    QPushButton* m_btnDrucken = nullptr;
    QPushButton* m_btnReset = nullptr;
    QPushButton* m_btnAnleitung = nullptr;
    QPushButton* m_btnExit = nullptr;

    // Captioned labels, set by subInitForm.
    QLabel* m_lblTitel = nullptr;
    QLabel* m_lblFirma = nullptr;
    QLabel* m_lblFahrer = nullptr;
    QLabel* m_lblFahrererfahrung = nullptr;
    QLabel* m_lblMesswertQuelle = nullptr;
    QLabel* m_lblMaschinenfamilie = nullptr;
    QLabel* m_lblMaschinentyp = nullptr;
    QLabel* m_lblArbeitszyklus = nullptr;
    QLabel* m_lblBetriebsbedingungen = nullptr;
    QLabel* m_lblEinwirkungsdauer = nullptr;
    std::array<QLabel*, 3> m_lblAchse{};  // x, y, z
    std::array<QLabel*, 3> m_lblPunkteAchse{};
    std::array<QLabel*, 3> m_lblPunkteErgebnis{};
    QLabel* m_lblZwischenergebnis = nullptr;
    QLabel* m_lblEndergebnis = nullptr;
    QLabel* m_lblSummeAllerArbeitszyklen = nullptr;
    QLabel* m_lblTaeglicheSchwingungsbelastung = nullptr;
    QLabel* m_lblGesamtpunktezahl = nullptr;
    QLabel* m_lblSumDauer = nullptr;
    QLabel* m_lblAnzahlZyklen = nullptr;
};

// What a test cannot reach through the controls: the hidden working fields
// (the row's last result), and routines called as no control calls them (an
// unknown status, suffix or language, a value beyond the points range, a
// counted row without its points). Tests drive everything else as a user does.
class frmMain::TestSeam {
public:
    explicit TestSeam(frmMain& window)
        : m_window(window)
    {
    }

    RowResult& workingFields(int row) { return m_window.workingFields(row); }
    void subSetzeStatus(quint8 row, const QString& state) { m_window.subSetzeStatus(row, state); }
    void subFuellFahrererfahrung(quint8 language) { m_window.subFuellFahrererfahrung(language); }
    void subFuellBetriebsbedingung(quint8 row, quint8 language, const QString& suffix)
    {
        m_window.subFuellBetriebsbedingung(row, language, suffix);
    }
    void subFuellEinwirkungsdauer(quint8 row, const QString& suffix) { m_window.subFuellEinwirkungsdauer(row, suffix); }
    void subFuellMaschinenfamilie(quint8 row, quint8 language) { m_window.subFuellMaschinenfamilie(row, language); }
    void subFuellMaschinentyp(quint8 row, const QString& language, quint8 family)
    {
        m_window.subFuellMaschinentyp(row, language, family);
    }
    void subFuellArbeitszyklus(quint8 row, const QString& language, quint8 type)
    {
        m_window.subFuellArbeitszyklus(row, language, type);
    }
    void subZeilenEinAus(quint8 row, const QString& suffix, bool on, bool rowButtons)
    {
        m_window.subZeilenEinAus(row, suffix, on, rowButtons);
    }
    void subBerechnePunkte(quint8 row, const QString& suffix, double aX, double aY, double aZ, double hours)
    {
        m_window.subBerechnePunkte(row, suffix, aX, aY, aZ, hours);
    }
    void subErmittleSummen() { m_window.subErmittleSummen(); }

private:
    frmMain& m_window;
};
