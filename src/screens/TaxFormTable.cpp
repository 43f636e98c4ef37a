#include "screens/TaxFormTable.h"

namespace qv {

const std::vector<TaxFormTraits>& taxForms() {
  static const std::vector<TaxFormTraits> forms = {
      {.name = "TF_W2", .caption = "W-2 (Wage and Tax Statement)", .menuCaption = "W2 (Wages)"},
      {.name = "TF_W2G", .caption = "W2-G (Certain Gambling Winnings)", .menuCaption = "W2-G (Gambling)"},
      {.name = "TF_1099R", .caption = "1099-R (Distributons from Pensions, Annuities, etc.)",
       .menuCaption = "1099-R (Pension)"},
      {.name = "TF_1099K", .caption = "1099-K (Payment Card and Third Party Network Transactions)",
       .menuCaption = "1099-K (Payment Card and Third Party Network Transactions)",
       .checkPairs = {{3, 4}, {5, 6}}},
      {.name = "TF_1099MISC", .caption = "1099-MISC (Miscellaneous Income)",
       .menuCaption = "1099-MISC (Miscellaneous)"},
      {.name = "TF_1099NEC", .caption = "1099-NEC (Nonemployee Compensation)",
       .menuCaption = "1099-NEC (Nonemployee Compensation)"},
      {.name = "TF_1099INT", .caption = "1099-INT (Interest Income)", .menuCaption = "1099-INT (Interest)"},
      {.name = "TF_1099DIV", .caption = "1099-DIV (Dividend Income)", .menuCaption = "1099-DIV (Dividend)"},
      {.name = "TF_1099G", .caption = "", .menuCaption = "1099-G (Unemployment)", .taxYearField = 5},
      {.name = "TF_1099LTC", .caption = "1099-LTC (Long Term Care)", .menuCaption = "1099-LTC (Long Term Care)",
       .checkPairs = {{1, 2}, {4, 5}}},
      {.name = "TF_1099A", .caption = "1099-A (Abandonment of Property)",
       .menuCaption = "1099-A (Abandonment of Property)"},
      {.name = "TF_1099C", .caption = "1099-C (Cancellation of Debt)", .menuCaption = "1099-C (Cancellation of Debt)"},
      {.name = "TF_1099Q", .caption = "1099-Q (Qualified Education Programs)",
       .menuCaption = "1099-Q (Qualified Education Programs)", .oneOfChecks = {1, 2, 3}},
      {.name = "TF_1099B", .caption = "1099-B (Proceeds from Broker and Barter Exchange Transactions)",
       .menuCaption = "1099-B Proceeds From Broker Exchange ", .checkPairs = {{2, 3}, {6, 7}, {11, 12}},
       .outOfScope = {21, 22, 23, 24}},
      {.name = "TF_1099SA", .caption = "1099-SA (Health Savings Accounts)",
       .menuCaption = "1099-SA (Health Savings Account)", .oneOfChecks = {2, 3, 4}},
      {.name = "TF_1098", .caption = "1098 (Mortgage Interest Statement)", .menuCaption = "1098 (Mortgage Interest)"},
      {.name = "TF_1098E", .caption = "1098-E (Student Loan Interest)", .menuCaption = "1098-E (Student Loan Interest)"},
      {.name = "TF_1098T", .caption = "1098-T (Tuition Statement)", .menuCaption = "1098-T (Tuition)"},
      {.name = "TF_SSA1099", .caption = "SSA 1099 (Social Security Benefit Statement)",
       .menuCaption = "SSA 1099 (Social Security)", .border = false},
      {.name = "TF_RRB1099", .caption = "RRB-1099 and RRB-1099-R (Railroad Retirement Statement)",
       .menuCaption = "RRB 1099 & RRB 1099-R (Railroad Retirement)", .border = false},
      {.name = "TF_CSA1099R", .caption = "CSA-1099R (Federal Retirement Benefits)",
       .menuCaption = "CSA 1099R (Federal Retirement)"},
      {.name = "TF_CSF1099R", .caption = "CSF-1099R (Federal Death Benefit)",
       .menuCaption = "CSF 1099R (Federal Death Benefit)"},
      {.name = "TF_1095A", .caption = "1095-A (Parts I, II and III)",
       .menuCaption = "1095-A Health Insurance Marketplace Statement Parts I, II and III", .border = false,
       .enterAsTab = true},
      {.name = "TF_1095B", .caption = "Form 1095-B (Health Coverage)", .menuCaption = "1095-B Health Coverage",
       .border = false, .enterAsTab = true},
      {.name = "TF_1095C", .caption = "Form 1095-C (Employer-Provided Health Insurance Offer/Coverage)",
       .menuCaption = "1095-C Employer-Provided Health Insurance", .border = false, .enterAsTab = true},
  };
  return forms;
}

const TaxFormTraits* taxFormTraits(const QString& screenName) {
  for (const TaxFormTraits& t : taxForms())
    if (screenName.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0) return &t;
  return nullptr;
}

}  // namespace qv
