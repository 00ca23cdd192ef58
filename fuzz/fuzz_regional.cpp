// Any bytes as number text and as a double, through every part of the regional number unit.
#include "FuzzCheck.h"
#include "base/Regional.h"
#include "base/RuntimeError.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstring>

using base::Regional;

namespace {

bool raisesError(int number, auto&& action)
{
    try {
        action();
    } catch (const base::RuntimeError& e) {
        FUZZ_CHECK(e.number() == number);
        return true;
    }
    return false;
}

// The parts of a text that passed the numeric test: sign, whole digits, fraction digits.
struct DecimalText {
    bool negative = false;
    QString whole;
    QString fraction;
};

DecimalText split(const QString& numeric, QChar separator)
{
    DecimalText d;
    QString t = numeric.trimmed();
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        d.negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    const qsizetype point = t.indexOf(separator);
    d.whole = point < 0 ? t : t.left(point);
    d.fraction = point < 0 ? QString() : t.mid(point + 1);
    while (d.whole.startsWith(QLatin1Char('0')))
        d.whole.remove(0, 1);
    return d;
}

qsizetype significantDigits(const DecimalText& d)
{
    QString digits = d.whole + d.fraction;
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return digits.size();
}

// "0.00" of a decimal text, worked out on its digits: half away from zero, no minus for zero.
QString fixed2OfText(const DecimalText& d, QChar separator)
{
    QString digits = (d.whole.isEmpty() ? QStringLiteral("0") : d.whole) + (d.fraction + QStringLiteral("000")).left(3);
    const bool up = digits.back() >= QLatin1Char('5');
    digits.chop(1);
    if (up) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits[i] == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    while (digits.size() > 3 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    const bool zero = digits.count(QLatin1Char('0')) == digits.size();
    return (d.negative && !zero ? QStringLiteral("-") : QString()) + digits.left(digits.size() - 2) + separator
        + digits.right(2);
}

bool isFixed2Form(const QString& text, QChar separator)
{
    const qsizetype start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype point = text.size() - 3;
    if (point <= start || text[point] != separator)
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (i != point && (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')))
            return false;
    }
    return true;
}

void checkValue(const Regional& r, double value)
{
    const QChar separator = r.decimalSeparator();

    // 16-bit conversion: nearest, ties to even, error 6 exactly outside -32768..32767.
    const bool fits = value >= -32768.5 && value < 32767.5;
    qint16 whole = 0;
    FUZZ_CHECK(raisesError(base::ErrOverflow, [&] { whole = base::toInt16(value); }) == !fits);
    if (fits) {
        const double distance = std::fabs(double(whole) - value);
        FUZZ_CHECK(distance <= 0.5);
        FUZZ_CHECK(distance < 0.5 || whole % 2 == 0);
    }

    if (!std::isfinite(value)) {
        FUZZ_CHECK(raisesError(base::ErrOverflow, [&] { r.generalNumber(value); }));
        FUZZ_CHECK(raisesError(base::ErrOverflow, [&] { r.fixed2(value); }));
        return;
    }

    // General text: at most 15 significant digits, no trailing zeros, read back as the value
    // rounded to 15 digits (beyond the largest double that rounding overflows).
    const QString general = r.generalNumber(value);
    FUZZ_CHECK(r.isNumeric(general));
    const DecimalText parts = split(general, separator);
    FUZZ_CHECK(significantDigits(parts) <= 15);
    FUZZ_CHECK(!general.contains(separator) || !general.endsWith(QLatin1Char('0')));
    const double fifteenDigits = QString::number(value, 'g', 15).toDouble();
    double readBack = 0.0;
    const bool overflow = raisesError(base::ErrOverflow, [&] { readBack = r.toDouble(general); });
    FUZZ_CHECK(overflow == std::isinf(fifteenDigits));
    FUZZ_CHECK(overflow || readBack == fifteenDigits);

    // "0.00": the form, read back, within half a hundredth, symmetric around zero.
    const QString fixed = r.fixed2(value);
    FUZZ_CHECK(isFixed2Form(fixed, separator));
    FUZZ_CHECK(r.isNumeric(fixed));
    const double hundredths = r.toDouble(fixed);
    FUZZ_CHECK(std::fabs(hundredths - value) <= 0.005 + std::fabs(value) * 1e-15);
    const QString mirrored = r.fixed2(-value);
    FUZZ_CHECK(mirrored == fixed || mirrored == QLatin1Char('-') + fixed || QLatin1Char('-') + mirrored == fixed);
}

void checkText(const Regional& r, const QString& text)
{
    const bool numeric = r.isNumeric(text);
    double value = 0.0;
    bool overflow = false;
    try {
        value = r.toDouble(text);
    } catch (const base::RuntimeError& e) {
        FUZZ_CHECK(e.number() == (numeric ? base::ErrOverflow : base::ErrTypeMismatch));
        overflow = true;
    }
    if (!numeric) {
        FUZZ_CHECK(overflow);
        return;
    }
    // An accepted text converts; only a whole part beyond the largest double (309 digits) overflows.
    const DecimalText parts = split(text, r.decimalSeparator());
    FUZZ_CHECK(overflow ? parts.whole.size() >= 309 : parts.whole.size() <= 309);
    if (overflow)
        return;
    FUZZ_CHECK(std::isfinite(value));
    QString c = text.trimmed();
    c.replace(r.decimalSeparator(), QLatin1Char('.'));
    bool ok = false;
    const double qtValue = QLocale::c().toDouble(c, &ok);
    FUZZ_CHECK(!ok || qtValue == value);

    // A text of at most 15 significant digits is what its double shows: "0.00" rounds its digits.
    if (significantDigits(parts) <= 15)
        FUZZ_CHECK(r.fixed2(value) == fixed2OfText(parts, r.decimalSeparator()));
    checkValue(r, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Regional german = Regional::german();
    static const Regional english = Regional::english();
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    double raw = 0.0;
    if (size >= sizeof raw)
        std::memcpy(&raw, data, sizeof raw);
    for (const Regional* r : {&german, &english}) {
        checkText(*r, text);
        if (size >= sizeof raw)
            checkValue(*r, raw);
    }
    return 0;
}
