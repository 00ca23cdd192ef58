#include "base/RuntimeError.h"

namespace base {

QString errorDescription(int number)
{
    switch (number) {
    case ErrInvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow: return QStringLiteral("Overflow");
    case ErrOutOfMemory: return QStringLiteral("Out of memory");
    case ErrSubscript: return QStringLiteral("Subscript out of range");
    case ErrTypeMismatch: return QStringLiteral("Type mismatch");
    case ErrInternal: return QStringLiteral("Internal error");
    case ErrFileNotFound: return QStringLiteral("File not found");
    case ErrInvalidIndex: return QStringLiteral("Invalid property array index");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number)
    , m_description(description.isEmpty() ? errorDescription(number) : std::move(description))
    , m_what(QString::number(number).append(QStringLiteral(" => ")).append(m_description).toUtf8())
{
}

void raise(int number)
{
    throw RuntimeError(number);
}

}  // namespace base
