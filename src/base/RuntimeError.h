#pragma once

#include <QString>
#include <exception>

namespace base {

// The classic run-time error numbers the program reports.
enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrInternal = 51,
    ErrFileNotFound = 53,
    ErrInvalidIndex = 381,
};

QString errorDescription(int number);

// One exception type for every run-time error: the number and its description.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number, QString description = {});
    int number() const { return m_number; }
    QString description() const { return m_description; }
    // "N => description", as the message box shows it.
    QString message() const { return QString::fromUtf8(m_what); }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

[[noreturn]] void raise(int number);

}  // namespace base
