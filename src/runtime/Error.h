#pragma once
// Run-time errors as the program reports them: a number, a description and
// the procedure that raised it. Raised inside a procedure, caught by the
// nearest error trap (frame/ErrorTrap.h), never past it.
#include <QString>
#include <exception>

namespace qv {

struct ProgramError : std::exception {
  int number = 0;
  QString description;
  QString source;
  ProgramError(int n, QString desc, QString src = {})
      : number(n), description(std::move(desc)), source(std::move(src)) {}
  const char* what() const noexcept override { return "ProgramError"; }
};

[[noreturn]] void raiseError(int number, const QString& description, const QString& source = {});
// The standard text of a run-time error number ("Subscript out of range").
QString errorText(int number);

// Run-time error numbers the program meets.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPropertyValue = 380;
constexpr int NoSuchArrayElement = 340;
constexpr int NotAnArray = 343;
constexpr int NoSuchMember = 438;
constexpr int CantMoveFocus = 5;
constexpr int ProgramFailure = 900;
}  // namespace err

}  // namespace qv
