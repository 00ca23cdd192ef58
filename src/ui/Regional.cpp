#include "ui/Regional.h"

#include "ui/RuntimeError.h"

#include <cmath>
#include <memory>

namespace ui {

namespace {

std::unique_ptr<Regional>& current()
{
    static std::unique_ptr<Regional> settings = std::make_unique<Regional>(Regional::fromSystem());
    return settings;
}

double roundHalfEven(double value)
{
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return std::nearbyint(value);
}

}  // namespace

Regional::Regional(const QLocale& locale)
    : m_locale(locale)
{
    const QString point = locale.decimalPoint();
    m_separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

Regional Regional::german()
{
    return Regional(QLocale(QLocale::German, QLocale::Germany));
}

Regional Regional::english()
{
    return Regional(QLocale(QLocale::English, QLocale::UnitedStates));
}

Regional Regional::fromSystem()
{
    return Regional(QLocale::system());
}

bool Regional::isNumeric(const QString& text) const
{
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    bool separatorSeen = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
        } else if (c == m_separator && !separatorSeen) {
            separatorSeen = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

double Regional::toDouble(const QString& text) const
{
    if (!isNumeric(text))
        raise(ErrTypeMismatch);
    QString t = text.trimmed();
    t.replace(m_separator, QLatin1Char('.'));
    return QLocale::c().toDouble(t);
}

QString Regional::generalNumber(double value) const
{
    if (value == 0.0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        // Only extreme values get an exponent; keep the desktop's "1E-05" style.
        text = text.toUpper();
    }
    text.replace(QLatin1Char('.'), m_separator);
    return text;
}

QString Regional::fixed2(double value) const
{
    // Round the 15-digit decimal form of value*100, so that 0.475 gives 0.48
    // as the decimal text suggests, not 0.47 from its binary neighbour.
    const double scaled = QString::number(value * 100.0, 'g', 15).toDouble();
    const double hundredths = std::round(scaled);  // half away from zero
    const bool negative = hundredths < 0;
    const double magnitude = std::fabs(hundredths);
    const double whole = std::floor(magnitude / 100.0);
    const int cents = static_cast<int>(magnitude - whole * 100.0);
    QString text = QString::number(whole, 'f', 0);
    text.append(m_separator);
    text.append(QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0')));
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Regional::shortDate(const QDate& date) const
{
    return m_locale.toString(date, QLocale::ShortFormat);
}

const Regional& regional()
{
    return *current();
}

void setRegional(const Regional& settings)
{
    current() = std::make_unique<Regional>(settings);
}

qint16 toInt16(double value)
{
    if (std::isnan(value))
        raise(ErrOverflow);
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        raise(ErrOverflow);
    return static_cast<qint16>(r);
}

quint8 toByte(double value)
{
    if (std::isnan(value))
        raise(ErrOverflow);
    const double r = roundHalfEven(value);
    if (r < 0.0 || r > 255.0)
        raise(ErrOverflow);
    return static_cast<quint8>(r);
}

}  // namespace ui
