#pragma once

#include "calculation/Measures.h"

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The site details window: ground condition, ground firmness, moved material,
// driving style and a remark for each of the five work-cycle rows.
class frmDetails : public QDialog {
    Q_OBJECT

public:
    static constexpr int kRows = calculation::kRows;

    // Tells whether row 1..5 of the main window is in use; handed over by the
    // main window so that this window needs nothing of it.
    using RowInUse = std::function<bool(int row)>;

    // The interface language 1..5, the main window's, asked for on every activation.
    using Language = std::function<quint8()>;

    frmDetails(RowInUse rowInUse, Language bytSprachNr, QWidget* parent = nullptr);

    // The five texts of a row as the window shows them; a list without a
    // selected entry shows nothing.
    struct RowTexts {
        QString ZustandUntergrund;
        QString FestigkeitUntergrund;
        QString BewegtesMaterial;
        QString Fahrstil;
        QString Anmerkung;
    };
    RowTexts rowTexts(int row) const;

    // Runs whenever the window is shown or becomes active: captions, row
    // enabling from the main window's row state, fills of empty lists.
    void Form_Activate();

    // Row reset of the main window: the row's lists lose all entries, its texts are emptied.
    void clearRow(int row);
    // Full reset: back to the state right after creation, without being shown.
    void reload();

    // What a test cannot reach through the controls; defined below.
    class TestSeam;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QGroupBox* frame = nullptr;
        QComboBox* zustand = nullptr;
        QComboBox* festigkeit = nullptr;
        QLineEdit* material = nullptr;
        QComboBox* fahrstil = nullptr;
        QPlainTextEdit* anmerkung = nullptr;

        // The five input controls, left to right.
        std::array<QWidget*, 5> controls() const;
    };

    void subInitForm(quint8 language);
    void subFuellZustandUntergrund(quint8 row, quint8 language);
    void subFuellFestigkeitUntergrund(quint8 row, quint8 language);
    void subFuellFahrstil(quint8 row, quint8 language);
    void btnSchliessen_Click();

    const Row& row(int number) const;
    void resetToInitialState();
    static void setRowInUse(const Row& row, bool inUse);

    // Activation bookkeeping: the showing itself runs Form_Activate, so the
    // activation right after it does not; coming back from a message box is no
    // activation either, or an error box raised by Form_Activate would return forever.
    bool m_activating = false;
    bool m_awaitingFirstActivation = false;
    bool m_leftForMessageBox = false;

    RowInUse m_rowInUse;
    Language m_bytSprachNr;
    std::array<Row, kRows> m_rows;
    QLabel* m_lblZustandUntergrund = nullptr;
    QLabel* m_lblFestigkeitUntergrund = nullptr;
    QLabel* m_lblBewegtesMaterial = nullptr;
    QLabel* m_lblFahrstil = nullptr;
    QLabel* m_lblAnmerkungen = nullptr;
    QPushButton* m_btnSchliessen = nullptr;
};

// The routines called as no control calls them: with a row or a language the
// window does not have. Tests drive everything else as a user does.
class frmDetails::TestSeam {
public:
    explicit TestSeam(frmDetails& window)
        : m_window(window)
    {
    }

    void subInitForm(quint8 language) { m_window.subInitForm(language); }
    void subFuellFestigkeitUntergrund(quint8 row, quint8 language)
    {
        m_window.subFuellFestigkeitUntergrund(row, language);
    }
    void subFuellFahrstil(quint8 row, quint8 language) { m_window.subFuellFahrstil(row, language); }

private:
    frmDetails& m_window;
};
