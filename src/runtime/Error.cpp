#include "runtime/Error.h"

namespace qv {

void raiseError(int number, const QString& description, const QString& source) {
  throw ProgramError(number, description.isEmpty() ? errorText(number) : description, source);
}

QString errorText(int number) {
  switch (number) {
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 53: return QStringLiteral("File not found");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 91: return QStringLiteral("Object variable or With block variable not set");
    case 340: return QStringLiteral("Control array element does not exist");
    case 343: return QStringLiteral("Object not an array");
    case 380: return QStringLiteral("Invalid property value");
    case 438: return QStringLiteral("Object doesn't support this property or method");
    default: return QStringLiteral("Application-defined or object-defined error");
  }
}

}  // namespace qv
