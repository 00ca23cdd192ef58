#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace base {

// All number text of the program: the numeric test, text to number and number
// to text, with the decimal separator of the user's regional settings.
class Regional {
public:
    explicit Regional(const QLocale& locale);

    static Regional german();
    static Regional english();
    static Regional fromSystem();

    QChar decimalSeparator() const { return m_separator; }

    // Digits, one optional leading sign, at most one decimal separator;
    // surrounding blanks are allowed, thousands separators are not.
    bool isNumeric(const QString& text) const;

    // Raises 13 (type mismatch) when the text is not numeric, 6 (overflow) when
    // it is beyond the double range.
    double toDouble(const QString& text) const;

    // Up to 15 significant digits, no trailing zeros, no separator for whole numbers,
    // never an exponent, so that the numeric test accepts the text.
    // Raises 6 (overflow) for infinity and NaN.
    QString generalNumber(double value) const;

    // The "0.00" pattern: two decimals, rounded half away from zero.
    // Raises 6 (overflow) for infinity and NaN.
    QString fixed2(double value) const;

    // The regional short date, its year in full: "09.12.2026", "12/9/2026". A
    // record kept for years must not leave the century to be guessed.
    QString shortDate(const QDate& date) const;

private:
    QLocale m_locale;
    QChar m_separator;
};

// The settings the program works under; tests replace them.
const Regional& regional();
void setRegional(const Regional& settings);

// Nearest integer, ties to even; raises 6 (overflow) outside -32768..32767.
qint16 toInt16(double value);

// Nearest integer, ties to even; raises 6 (overflow) outside 0..255.
quint8 toByte(double value);

}  // namespace base
