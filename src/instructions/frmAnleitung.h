#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTextEdit;

// The instructions window: shows the instruction file of the language chosen in
// the main window and prints it. Not modal; destroyed when closed.
class frmAnleitung : public QWidget {
    Q_OBJECT

public:
    // The text shown in the main window's language list, asked for when the
    // window is loaded, so that this window needs nothing of the main window.
    using LanguageText = std::function<QString()>;
    // Shows the print dialog modally for the text of this view; handed in by the
    // frame window, which knows the dialog.
    using PrintDialog = std::function<void(const QTextEdit* view)>;

    // programFolder holds the instruction files, language (1..5) gives the captions.
    // The window loads itself on creation.
    frmAnleitung(QString programFolder, quint8 language, LanguageText languageText, PrintDialog printDialog,
                 QWidget* parent = nullptr);

    // "Readme_" & language & ".rtf"
    static QString fileName(const QString& language);
    // The folder with one separator before the file name.
    static QString filePath(const QString& folder, const QString& fileName);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void subInitForm(quint8 language);
    void btnDrucken_Click();
    void btnSchliessen_Click();
    void placeControls();

    QString m_programFolder;
    quint8 m_bytSprachNr;
    LanguageText m_languageText;
    PrintDialog m_printDialog;
    QTextEdit* m_rtfAnleitung = nullptr;
    QPushButton* m_btnDrucken = nullptr;
    QPushButton* m_btnSchliessen = nullptr;
    QLabel* m_shpHarvelt = nullptr;
    QLabel* m_lblTitel = nullptr;
};
