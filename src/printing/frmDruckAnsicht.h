#pragma once

#include "calculation/Measures.h"
#include "report/ReportData.h"
#include "printing/ReportDrawing.h"

#include <QWidget>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QRadioButton;

// The printed report: one landscape page laid out as a window, filled with
// copies of the texts the main and details windows show. Never shown on
// screen: the print dialog makes it as a window of its own, loads it, prints
// it and deletes it. The controls hold the page's texts and places; the page
// draws them itself.
class frmDruckAnsicht : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = calculation::kRows;
    using Source = std::function<ReportData()>;

    // source gives the main and details windows' texts at the moment of printing,
    // language (1..5) the captions; the page is a window of owner, and goes with it.
    frmDruckAnsicht(Source source, quint8 language, QWidget* owner = nullptr);

    // Width, captions in the page's language, then the texts.
    void Form_Load();

    // What a PDF of the page is called: the title, the company and the date as printed.
    QString documentTitle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Row {
        QGroupBox* fraEingabe = nullptr;
        QRadioButton* optEingabe = nullptr;
        QLabel* lblDetails = nullptr;
        QLabel* MaschinenFamilie = nullptr;
        QLabel* MaschinenTyp = nullptr;
        QLabel* Arbeitszyklus = nullptr;
        QLabel* Betriebsbedingung = nullptr;
        QLabel* Einwirkungsdauer = nullptr;
        std::array<QLabel*, 3> Messwert{};
        std::array<QLabel*, 3> Punkte{};
        QLabel* ZustandUntergrund = nullptr;
        QLabel* FestigkeitUntergrund = nullptr;
        QLabel* BewegtesMaterial = nullptr;
        QLabel* Fahrstil = nullptr;
        QLabel* txtAnmerkung = nullptr;
    };

    void subInitForm(quint8 language);
    void subFuellDruckAnsicht();

    // The designed page, in twips.
    static constexpr int kPageWidth = 16600;
    static constexpr int kPageHeight = 10770;

    // frmDruckAnsicht_layout.cpp
    void buildHeader();
    void buildHeadings();
    void buildRow(int number);
    void buildResults();
    QLabel* label(const QString& name, int left, int top, int width, int height, QWidget* parent = nullptr);
    QLabel* field(const QString& name, int left, int top, int width, int height, QWidget* parent = nullptr);

    void fillRow(int number, const ReportRow& source);

    Source m_source;
    quint8 m_bytSprachNr;
    std::array<Row, kRows> m_rows;
    report_drawing::Grounds m_grounds;

    QLabel* m_txtDatum = nullptr;
    QLabel* m_txtFirma = nullptr;
    QLabel* m_txtFahrer = nullptr;
    QLabel* m_txtFahrererfahrung = nullptr;
    QLabel* m_txtA8X = nullptr;
    QLabel* m_txtA8Y = nullptr;
    QLabel* m_txtA8Z = nullptr;
    QLabel* m_txtPunkteGesX = nullptr;
    QLabel* m_txtPunkteGesY = nullptr;
    QLabel* m_txtPunkteGesZ = nullptr;
    QLabel* m_txtDauerSum = nullptr;
    QLabel* m_txtA8Max = nullptr;
    QLabel* m_txtPktMax = nullptr;

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
    std::array<QLabel*, 3> m_lblAchse{};
    std::array<QLabel*, 3> m_lblPunkteAchse{};
    std::array<QLabel*, 3> m_lblPunkteErgebnis{};
    QLabel* m_lblDetailsTitel = nullptr;
    QLabel* m_lblZustandUntergrund = nullptr;
    QLabel* m_lblFestigkeitUntergrund = nullptr;
    QLabel* m_lblBewegtesMaterial = nullptr;
    QLabel* m_lblFahrstil = nullptr;
    QLabel* m_lblAnmerkungen = nullptr;
    QLabel* m_lblZwischenergebnis = nullptr;
    QLabel* m_lblEndergebnis = nullptr;
    QLabel* m_lblSummeAllerArbeitszyklen = nullptr;
    QLabel* m_lblTaeglicheSchwingungsbelastung = nullptr;
    QLabel* m_lblGesamtpunktezahl = nullptr;
    QLabel* m_lblSumDauer = nullptr;
};
