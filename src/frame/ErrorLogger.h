#pragma once
// The single road by which the program reports an error.
#include <QString>

namespace qv {

// 800 to 899: the program's own data errors, shown in the "Data Error" box;
// any other number: the error report.
void Error_Logger(const QString& procedureName, int number, const QString& description);

// "Quorvane_Kestrum v.25.1.5".
QString versionText();

}  // namespace qv
