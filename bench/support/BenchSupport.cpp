#include "BenchSupport.h"

#include "app/frmMDI.h"
#include "ui/Lists.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace bench {

namespace {

QString rowName(const char* base, int row)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(row);
}

// Picks the entry with this code and leaves the list, so that its handler runs.
void choose(QComboBox* list, int code, QWidget* next)
{
    list->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < list->count(); ++i)
        if (ui::itemData(list, i) == code)
            list->setCurrentIndex(i);
    if (list->currentIndex() < 0)
        qFatal("%s has no entry %d", qPrintable(list->objectName()), code);
    next->setFocus(Qt::TabFocusReason);
}

void type(QLineEdit* field, const QString& text, QWidget* next)
{
    field->setFocus(Qt::TabFocusReason);
    field->setText(text);
    next->setFocus(Qt::TabFocusReason);
}

}  // namespace

void runUntilIdle()
{
    QEventLoop loop;
    const auto connection = QObject::connect(QAbstractEventDispatcher::instance(),
                                             &QAbstractEventDispatcher::aboutToBlock, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
}

void writeSettings(const QString& folder, const QByteArray& content)
{
    QFile file(QDir(folder).filePath(QStringLiteral("kv.inf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the settings file in %s", qPrintable(folder));
}

StartedProgram::StartedProgram(const QByteArray& storedLanguage)
{
    if (!storedLanguage.isEmpty())
        writeSettings(m_folder.path(), storedLanguage);
    m_frame = std::make_unique<frmMDI>(m_folder.path());
    m_frame->show();
    m_frame->activateWindow();
    runUntilIdle();
    if (!m_frame->isActiveWindow())
        qFatal("the frame window did not become active");
}

StartedProgram::~StartedProgram() = default;

QWidget* StartedProgram::findControl(const QString& name) const
{
    if (name == m_frame->objectName())
        return m_frame.get();
    return m_frame->findChild<QWidget*>(name);
}

void StartedProgram::enterCompleteDay() const
{
    struct CatalogueRow {
        int family, type, workCycle, condition, hours;
    };
    // Mobilbagger digging, Baggerlader digging, and a third catalogue row.
    const CatalogueRow catalogueRows[] = {{3, 8, 21, 2, 2}, {4, 9, 23, 2, 1}, {3, 7, 17, 3, 1}};
    auto* calculate = control<QWidget>(QStringLiteral("btnBerechnen"));
    for (int row = 1; row <= 3; ++row) {
        const CatalogueRow& r = catalogueRows[row - 1];
        control<QRadioButton>(rowName("optEingabe_G", row))->click();
        choose(control<QComboBox>(rowName("MaschinenFamilie_G", row)), r.family, calculate);
        choose(control<QComboBox>(rowName("MaschinenTyp_G", row)), r.type, calculate);
        choose(control<QComboBox>(rowName("Arbeitszyklus_G", row)), r.workCycle, calculate);
        choose(control<QComboBox>(rowName("Betriebsbedingung_G", row)), r.condition, calculate);
        choose(control<QComboBox>(rowName("Einwirkungsdauer_G", row)), r.hours, calculate);
    }
    for (int row = 4; row <= 5; ++row) {
        control<QRadioButton>(rowName("optEingabe_E", row))->click();
        choose(control<QComboBox>(rowName("Einwirkungsdauer_E", row)), 2, calculate);
        type(control<QLineEdit>(rowName("MesswertX_E", row)), QStringLiteral("0.5"), calculate);
        type(control<QLineEdit>(rowName("MesswertY_E", row)), QStringLiteral("0.3"), calculate);
        type(control<QLineEdit>(rowName("MesswertZ_E", row)), QStringLiteral("0.7"), calculate);
    }
    runUntilIdle();
}

}  // namespace bench
