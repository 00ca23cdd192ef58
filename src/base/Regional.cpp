#include "base/Regional.h"

#include "base/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace base {

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

// Significant digits (no leading zero) whose first digit has the place value 10^exponent,
// written out with the separator where needed and never with an exponent.
QString plainDecimal(const QString& digits, int exponent, QChar separator)
{
    const qsizetype wholeDigits = qsizetype(exponent) + 1;
    if (wholeDigits <= 0)
        return QLatin1Char('0') + separator + QString(-wholeDigits, QLatin1Char('0')) + digits;
    if (wholeDigits >= digits.size())
        return digits + QString(wholeDigits - digits.size(), QLatin1Char('0'));
    return digits.left(wholeDigits) + separator + digits.mid(wholeDigits);
}

// Adds one to the last digit of a string of decimal digits, carrying to the left.
void incrementDigits(QString& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = QLatin1Char('0');
    }
    digits.prepend(QLatin1Char('1'));
}

bool wholePartIsZero(const char* begin, const char* end)
{
    for (const char* p = begin; p != end && *p != '.'; ++p) {
        if (*p >= '1' && *p <= '9')
            return false;
    }
    return true;
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
    const QByteArray bytes = t.toLatin1();
    const char* begin = bytes.constData();
    const char* const end = begin + bytes.size();
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range) {
        // Without an exponent only a whole part beyond the double range is too large;
        // a fraction too small for a double is zero.
        if (!wholePartIsZero(begin, end))
            raise(ErrOverflow);
        return *begin == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != end)
        raise(ErrTypeMismatch);
    return value;
}

QString Regional::generalNumber(double value) const
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    if (value == 0.0)
        return QStringLiteral("0");
    // Fifteen significant digits, then written out in full: an exponent form such as
    // "1E-05" would be refused by the numeric test when the text is read back.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e).remove(QLatin1Char('.'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    QString text = plainDecimal(digits, scientific.mid(e + 1).toInt(), m_separator);
    if (value < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Regional::fixed2(double value) const
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    // Round once, half away from zero, on the shortest decimal text that reads back as value:
    // 0.475 gives 0.48 as its text suggests, and no earlier rounding step can carry into the cents.
    QString digits = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0) {
        point = digits.size();
        digits.append(QLatin1Char('.'));
    }
    digits.append(QStringLiteral("000"));
    const bool roundUp = digits[point + 3] >= QLatin1Char('5');
    digits.truncate(point + 3);
    digits.remove(point, 1);
    if (roundUp)
        incrementDigits(digits);
    QString text = digits.left(digits.size() - 2) + m_separator + digits.right(2);
    const bool zero = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == QLatin1Char('0'); });
    if (value < 0 && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

namespace {

// The format with a two-digit year ("yy") made to write it in full ("yyyy");
// quoted literal text is left as it is.
QString withFullYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (!quoted && c == QLatin1Char('y') && i + run < format.size() && format[i + run] == c)
            ++run;
        result += run == 2 ? QStringLiteral("yyyy") : format.mid(i, run);
        i += run;
    }
    return result;
}

}  // namespace

QString Regional::shortDate(const QDate& date) const
{
    return m_locale.toString(date, withFullYear(m_locale.dateFormat(QLocale::ShortFormat)));
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

}  // namespace base
