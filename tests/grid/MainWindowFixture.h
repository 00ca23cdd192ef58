#pragma once

#include "../support/MessageBoxes.h"
#include "../support/Languages.h"
#include "../support/WidgetDriver.h"
#include "base/Regional.h"
#include "grid/frmMain.h"
#include "texts/modTexte.h"
#include "ui/MsgBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

// The main window as start-up leaves it, in German, shown offscreen.
struct MainWindowFixture {
    std::unique_ptr<frmMain> window;

    explicit MainWindowFixture(const base::Regional& settings = base::Regional::english(), quint8 language = 1)
    {
        ui::reportErrorsInMessageBoxes();
        base::setRegional(settings);
        support::useLanguage(language);
        window = std::make_unique<frmMain>();
        window->setLanguage([language] { return language; });
        window->subInitForm(language);
        window->subResetDaten();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("main window not exposed");
        window->activateWindow();
    }

    frmMain::TestSeam seam() const { return frmMain::TestSeam(*window); }

    template <class T = QWidget>
    T* get(const QString& name) const
    {
        return driver::find<T>(window.get(), name);
    }
    template <class T = QWidget>
    T* get(const char* base, int row) const
    {
        return get<T>(driver::rowName(base, row));
    }

    QRadioButton* option(const char* suffix, int row) const
    {
        return get<QRadioButton>(ui::controlName(QStringLiteral("optEingabe"), QLatin1String(suffix), row));
    }
    QComboBox* list(const char* name, int row) const { return get<QComboBox>(name, row); }
    QLineEdit* field(const char* name, int row) const { return get<QLineEdit>(name, row); }
    QString status(int row) const { return get<QLabel>("lblStatus", row)->text(); }

    void chooseMode(const char* suffix, int row) const
    {
        QTest::mouseClick(option(suffix, row), Qt::LeftButton);
        QApplication::processEvents();
    }

    // A complete catalogue row: family, type, work cycle, condition and hours by code.
    void catalogueRow(int row, int family, int type, int workCycle, int condition, int hours) const
    {
        chooseMode("G", row);
        driver::choose(list("MaschinenFamilie_G", row), family);
        driver::choose(list("MaschinenTyp_G", row), type);
        driver::choose(list("Arbeitszyklus_G", row), workCycle);
        driver::choose(list("Betriebsbedingung_G", row), condition);
        driver::choose(list("Einwirkungsdauer_G", row), hours);
    }

    // A complete own-values row typed as the user would.
    void ownRow(int row, const QString& x, const QString& y, const QString& z, int hours) const
    {
        chooseMode("E", row);
        driver::choose(list("Einwirkungsdauer_E", row), hours);
        driver::type(field("MesswertX_E", row), x);
        driver::type(field("MesswertY_E", row), y);
        driver::type(field("MesswertZ_E", row), z);
    }

    void calculate() const
    {
        QTest::mouseClick(get<QPushButton>(QStringLiteral("btnBerechnen")), Qt::LeftButton);
        QApplication::processEvents();
    }

    // The text of one result field, found by its name.
    QString result(const char* name) const { return get<QLineEdit>(QLatin1String(name))->text(); }

    // All ten result texts, for comparing a whole day result at once.
    QStringList results() const
    {
        QStringList texts;
        for (const char* name : {"txtAnzSum", "txtDauerSum", "txtPunkteGesX", "txtPunkteGesY", "txtPunkteGesZ",
                                 "txtPktMax", "txtA8X", "txtA8Y", "txtA8Z", "txtA8Max"})
            texts << result(name);
        return texts;
    }
};
