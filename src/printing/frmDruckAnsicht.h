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
    void subInitForm(quint8 language);
    void subFuellDruckAnsicht();

    // What a PDF of the page is called: the title, the company and the date as printed.
    QString documentTitle() const;

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
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

    QLabel* txtDatum = nullptr;
    QLabel* txtFirma = nullptr;
    QLabel* txtFahrer = nullptr;
    QLabel* txtFahrererfahrung = nullptr;
    QLabel* txtA8X = nullptr;
    QLabel* txtA8Y = nullptr;
    QLabel* txtA8Z = nullptr;
    QLabel* txtPunkteGesX = nullptr;
    QLabel* txtPunkteGesY = nullptr;
    QLabel* txtPunkteGesZ = nullptr;
    QLabel* txtDauerSum = nullptr;
    QLabel* txtA8Max = nullptr;
    QLabel* txtPktMax = nullptr;

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
    std::array<QLabel*, 3> lblAchse{};
    std::array<QLabel*, 3> lblPunkteAchse{};
    std::array<QLabel*, 3> lblPunkteErgebnis{};
    QLabel* lblDetailsTitel = nullptr;
    QLabel* lblZustandUntergrund = nullptr;
    QLabel* lblFestigkeitUntergrund = nullptr;
    QLabel* lblBewegtesMaterial = nullptr;
    QLabel* lblFahrstil = nullptr;
    QLabel* lblAnmerkungen = nullptr;
    QLabel* lblZwischenergebnis = nullptr;
    QLabel* lblEndergebnis = nullptr;
    QLabel* lblSummeAllerArbeitszyklen = nullptr;
    QLabel* lblTaeglicheSchwingungsbelastung = nullptr;
    QLabel* lblGesamtpunktezahl = nullptr;
    QLabel* lblSumDauer = nullptr;
};
