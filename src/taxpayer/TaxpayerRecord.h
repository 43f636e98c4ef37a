#pragma once
// The taxpayer record: the taxpayer's, the spouse's and seven other persons'
// data kept in the user's settings section, written when a taxpayer sheet is
// saved, and copied into the open screen by Load TP 1 and Load TP 2.
#include <QString>

namespace qv {

class Screen;

// One person as Load TP copies it.
struct TaxpayerData {
  QString SSN;
  QString DOB;
  QString NameAddr;  // the lines joined by CR LF
  QString Name;      // the first line
  QString Address;   // Street, and LastLine on a line of its own when there is one
  QString Street;    // the lines between the first and the last, joined by blanks
  QString LastLine;  // the last line of three or more
};

// Splits a stored name-and-address ("»" between the lines, in NameAddr).
void TPInfo_Parse_NameAddr(TaxpayerData& person);

// The thirteen taxpayer keys from the record just saved (FileRecord) and the
// other-person rows of the sheet on display.
void TPInfo_Save();

// Load TP: "TP 1" copies the taxpayer into the current screen, any other
// text the spouse.
void TPInfo_Read(const QString& which);

// The focus back to the field CurrentField names.
void Restore_Field_Focus();

// Fills of the screens that take more than the name, address and number.
void TPInfo_Process_1095A(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other);
void TPInfo_Process_1095B(Screen& form, const TaxpayerData& chosen);
void TPInfo_Process_1095C(Screen& form, const TaxpayerData& chosen);
void TPInfo_Process_SSA1099(Screen& form, const TaxpayerData& chosen);
void TPInfo_Process_DriverLicenses(Screen& form, const TaxpayerData& chosen, const TaxpayerData& other);

// The cards screen: a card for each person of the record with a number, the
// taxpayer first for `which` 1, the spouse first for 2.
void TPInfo_Process_TIN_Cards(Screen& cards, int which);

}  // namespace qv
