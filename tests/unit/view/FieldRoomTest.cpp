// Every field of every screen built into the program holds the longest value
// it realistically takes, whole: on the display, inside the Qt text box's
// frame and margins, and on paper, inside the painter's text rectangle, each
// in the font the program gives the field. What a field holds follows from
// its kind; fields whose kind does not say (plain, ISSUER, TPNAME, COMPUTED)
// are classified in a table here, by screen, field array and index, and a
// field the table misses fails the test.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QTextEdit>
#include <initializer_list>
#include <set>
#include <tuple>

#include "controls/Screen.h"
#include "engine/FormReset.h"
#include "frame/ProgramState.h"
#include "unit/engine/EngineTest.h"
#include "view/Fonts.h"
#include "view/ScreenPainter.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {
namespace {

// What a field holds at its longest: one sample per line of the box.
struct Content {
  const char* name;
  std::initializer_list<const char*> lines;
};

// Amounts reach $9,999,999.99; the engine writes MONEY with its dollar sign,
// SMONEY without, -MONEY in parentheses, computed boxes with a minus sign.
const Content kDollars{"amount", {"$9,999,999.99"}};
const Content kBareAmount{"amount without dollar sign", {"9,999,999.99"}};
const Content kSignedDollars{"signed amount", {"($9,999,999.99)"}};
const Content kComputedAmount{"computed amount", {"-$9,999,999.99"}};
const Content kSsn{"SSN", {"123-45-6789"}};
const Content kEin{"EIN", {"12-3456789"}};
const Content kDate{"date", {"12/31/2026"}};
const Content kYear{"year", {"2026"}};
const Content kOfferCode{"offer code", {"1M"}};
const Content kSafeHarborCode{"safe harbor code", {"2H"}};
const Content kZip{"ZIP code", {"12345"}};
const Content kOutOfScope{"out of scope", {"OUT OF SCOPE"}};

// Names and address lines of 30 characters, as upper-case names really are.
constexpr const char* kNameLine = "ALEXANDRA K. FITZGERALD-MORRIS";
constexpr const char* kPayerLine = "FIRST NATIONAL BANK OF ANYTOWN";
constexpr const char* kStreetLine = "4500 NORTH RIVERSIDE DR APT 12";
constexpr const char* kCityLine = "SAN FRANCISCO, CA 94105-1234";
constexpr const char* kPhoneLine = "(555) 555-0123";
const Content kName{"name line (30)", {kNameLine}};
const Content kBusinessName{"business name (30)", {kPayerLine}};
const Content kStreet{"street address (30)", {kStreetLine}};
const Content kCity{"city, state and ZIP", {kCityLine}};
const Content kPhone{"telephone number", {kPhoneLine}};
const Content kNameAndAddress{"name and address", {kNameLine, kStreetLine, kCityLine}};
const Content kNameAndThreeAddressLines{
    "name and three address lines", {kNameLine, "C/O MARGARET FITZGERALD-MORRIS", kStreetLine, kCityLine}};
const Content kPayerBlock{"name, address and telephone", {kPayerLine, kStreetLine, kCityLine, kPhoneLine}};
const Content kAddress{"address", {kStreetLine, kCityLine}};

const Content kStateCode{"state code", {"WV"}};
const Content kStateId{"state ID (15)", {"12-3456789-0001"}};
const Content kAccount{"account number (20)", {"0012345678-ABCD-9012"}};
const Content kLocality{"locality name (15)", {"MONTGOMERY CNTY"}};
const Content kCountry{"country", {"UNITED KINGDOM"}};
const Content kRoutingNumber{"routing number", {"021000021"}};
const Content kCusip{"CUSIP number", {"912828YK0"}};
const Content kPolicyNumber{"policy number (15)", {"HX1234567890123"}};
const Content kCodeLetter{"code letter", {"D"}};
const Content kDistributionCode{"distribution code", {"7D"}};
const Content kPercentage{"percentage", {"100.00"}};
const Content kMonthNumber{"month number", {"12"}};
const Content kControlNumber{"W-2 control number", {"E-0012345678"}};
const Content kBox12Code{"W-2 box 12 code", {"DD"}};
const Content kBox14Description{"W-2 box 14 description", {"UNION DUES"}};
const Content kVerificationCode{"W-2 verification code", {"A1B2-C3D4-E5F6-0789"}};
const Content kWagerType{"type of wager", {"POKER TOURNAMENT"}};
const Content kTransaction{"wager transaction", {"0123-4567-8901"}};
const Content kRace{"race", {"RACE 12 AQUEDUCT"}};
const Content kCashier{"cashier", {"CASHIER 123456"}};
const Content kWindow{"window", {"WINDOW 12"}};
const Content kIdentification{"identification", {"PASSPORT 123456789"}};
const Content kMerchantCategory{"merchant category code", {"5812"}};
const Content kTransactionCount{"number of transactions", {"123456"}};
const Content kSecurity{"description of property", {"100 SH. INTL BUSINESS MACHINES"}};
const Content kDebt{"debt description", {"CREDIT CARD ACCOUNT 4012", "CHARGED OFF 03/15/2026"}};
const Content kPropertyCount{"number of properties", {"12"}};
const Content kMortgageOther{"mortgage other", {"PROPERTY TAX 4,321.00", "HAZARD INS 1,234.56"}};
const Content kOpmClaim{"retirement claim number", {"CSA 1234567"}};
const Content kOpmCode{"OPM distribution code", {"7-NONDISABILITY"}};
const Content kRrbClaim{"claim number and payee code", {"MA 123-45-6789 10"}};
const Content kSsaClaim{"claim number", {"123-45-6789A"}};
const Content kTaxRate{"rate of tax", {"30%"}};
const Content kSsaDescription{"description of amount",
                               {"BENEFITS REPAID TO SSA IN 2026", "OVERPAYMENT RECOVERED 1,234.00"}};
const Content kReserved{"reserved box (holds nothing)", {}};
const Content kOtherInformation{"other information (25)", {"GRANDMOTHER, WIDOWED 2019"}};
const Content kAge{"age at the end of the tax year", {"N/A"}};
const Content kIrsCenter{"IRS center", {"KANSAS CITY, MO 64999-0013"}};
const Content kShareCount{"number of shares", {"10,000,000"}};
const Content kAllocation{"allocation percentage", {"33.333333"}};
// A Schedule K-1 box number (8c) or code from the code list; AW is the widest.
const Content kK1Code{"K-1 box number or code", {"AW"}};
const Content kXCell{"X cell", {"X"}};
// A card's name box takes 50 characters in large type, a long name on two lines.
const Content kCardHolder{"holder's name on a card (50)", {"ALEXANDRA KATHERINE ANNE", "FITZGERALD-MORRISON III"}};
// The check's holders as Load TP writes them: the chosen person, the other
// person, the street and the city line.
const Content kCheckHolders{"account holders and address",
                            {kNameLine, "MARGARET L. FITZGERALD-MORRIS", kStreetLine, kCityLine}};
const Content kBankBlock{"bank name and address", {kPayerLine, kStreetLine, kCityLine}};
const Content kCheckingAccount{"checking account number (17)", {"12345678901234567"}};
const Content kLicenceNumber{"licence number (date and time)", {"20261231235959"}};
const Content kTrustName{"estate's or trust's name (30)", {"FITZGERALD-MORRIS FAMILY TRUST"}};
const Content kPartnershipBlock{"partnership name and address", {kPayerLine, kStreetLine, kCityLine}};
const Content kEntityType{"type of entity", {"EXEMPT ORGANIZATION"}};
const Content kPartnerShare{"share of profit, loss or capital", {"66.666667"}};

// Kinds that say what their fields hold.
const std::pair<const char*, const Content*> kKinds[] = {
    {"MONEY", &kDollars},        {"SMONEY", &kBareAmount},   {"-MONEY", &kSignedDollars},
    {"TIN", &kSsn},              {"EIN", &kEin},             {"DATE", &kDate},
    {"DATEX", &kDate},           {"YEAR", &kYear},           {"TAXYEAR1099G", &kYear},
    {"1095C-14", &kOfferCode},   {"1095C-16", &kSafeHarborCode}, {"1095C-17", &kZip},
    {"OUT OF SCOPE", &kOutOfScope}, {"PHONE", &kPhone},
};

// What the fields whose kind does not say hold, by screen, field array and index.
struct Classified {
  const char* screen;
  std::initializer_list<int> indexes;
  const Content* content;
  const char* array = "Text1";
};
const Classified kClassified[] = {
    {"TF_W2", {4, 13}, &kNameAndAddress},
    {"TF_W2", {11}, &kControlNumber},
    {"TF_W2", {14}, &kDollars},  // box 11, an amount typed as it stands
    {"TF_W2", {15, 17, 19, 21}, &kBox12Code},
    {"TF_W2", {23, 25, 27, 29}, &kBox14Description},
    {"TF_W2", {31, 38}, &kStateCode},
    {"TF_W2", {32, 39}, &kStateId},
    {"TF_W2", {37, 44}, &kLocality},
    {"TF_W2", {45}, &kVerificationCode},
    {"TF_W2G", {0}, &kPayerBlock},
    {"TF_W2G", {13}, &kNameAndAddress},
    {"TF_W2G", {3}, &kWagerType},
    {"TF_W2G", {5}, &kTransaction},
    {"TF_W2G", {6}, &kRace},
    {"TF_W2G", {8}, &kCashier},
    {"TF_W2G", {10}, &kPhone},
    {"TF_W2G", {12}, &kWindow},
    {"TF_W2G", {14, 15}, &kIdentification},
    {"TF_W2G", {16}, &kStateId},
    {"TF_W2G", {21}, &kLocality},
    {"TF_1099R", {0}, &kPayerBlock},
    {"TF_1099R", {7}, &kNameAndAddress},
    {"TF_1099R", {10}, &kDistributionCode},
    {"TF_1099R", {12}, &kPercentage},
    {"TF_1099R", {17, 20}, &kStateId},
    {"TF_1099R", {22}, &kAccount},
    {"TF_1099R", {24, 27}, &kLocality},
    {"TF_1099K", {0}, &kPayerBlock},
    {"TF_1099K", {1}, &kNameAndAddress},
    {"TF_1099K", {2}, &kBusinessName},  // the PSE's name, its telephone number below
    {"TF_1099K", {9}, &kPhone},
    {"TF_1099K", {3}, &kAccount},
    {"TF_1099K", {7}, &kMerchantCategory},
    {"TF_1099K", {8}, &kTransactionCount},
    {"TF_1099K", {24, 27}, &kStateCode},
    {"TF_1099K", {25, 28}, &kStateId},
    {"TF_1099MISC", {0}, &kPayerBlock},
    {"TF_1099MISC", {9}, &kNameAndAddress},
    {"TF_1099MISC", {15}, &kAccount},
    {"TF_1099MISC", {21, 24}, &kStateId},
    {"TF_1099NEC", {0}, &kPayerBlock},
    {"TF_1099NEC", {3}, &kNameAndAddress},
    {"TF_1099NEC", {4}, &kAccount},
    {"TF_1099NEC", {8, 11}, &kStateId},
    {"TF_1099INT", {0}, &kPayerBlock},
    {"TF_1099INT", {7}, &kNameAndAddress},
    {"TF_1099INT", {1}, &kRoutingNumber},
    {"TF_1099INT", {11}, &kCountry},
    {"TF_1099INT", {14}, &kAccount},
    {"TF_1099INT", {17}, &kCusip},
    {"TF_1099INT", {18, 19}, &kStateCode},
    {"TF_1099INT", {20, 21}, &kStateId},
    {"TF_1099DIV", {0}, &kPayerBlock},
    {"TF_1099DIV", {9}, &kNameAndAddress},
    {"TF_1099DIV", {14}, &kCountry},
    {"TF_1099DIV", {17}, &kAccount},
    {"TF_1099DIV", {26, 28}, &kStateCode},
    {"TF_1099DIV", {27, 29}, &kStateId},
    {"TF_1099G", {0}, &kPayerBlock},
    {"TF_1099G", {7}, &kNameAndAddress},
    {"TF_1099G", {12}, &kAccount},
    {"TF_1099G", {13, 14}, &kStateCode},
    {"TF_1099G", {17, 18}, &kStateId},
    {"TF_1099LTC", {0}, &kPayerBlock},
    {"TF_1099LTC", {6, 7}, &kNameAndAddress},  // the policyholder and the insured
    {"TF_1099LTC", {8}, &kAccount},
    {"TF_1099A", {0}, &kPayerBlock},
    {"TF_1099A", {3}, &kNameAndAddress},
    {"TF_1099A", {4}, &kAccount},
    {"TF_1099A", {8}, &kAddress},  // the property
    {"TF_1099C", {0}, &kPayerBlock},
    {"TF_1099C", {3}, &kNameAndAddress},
    {"TF_1099C", {4}, &kAccount},
    {"TF_1099C", {8}, &kDebt},
    {"TF_1099C", {9}, &kCodeLetter},
    {"TF_1099Q", {0}, &kPayerBlock},
    {"TF_1099Q", {3}, &kNameAndAddress},
    {"TF_1099Q", {4}, &kAccount},
    {"TF_1099B", {0}, &kPayerBlock},
    {"TF_1099B", {3}, &kNameAndAddress},
    {"TF_1099B", {4}, &kCodeLetter},  // the Form 8949 check box
    {"TF_1099B", {5}, &kSecurity},
    {"TF_1099B", {6}, &kAccount},
    {"TF_1099B", {7}, &kCusip},
    {"TF_1099B", {9, 12}, &kStateCode},
    {"TF_1099B", {10, 13}, &kStateId},
    {"TF_1099SA", {0}, &kPayerBlock},
    {"TF_1099SA", {3}, &kNameAndAddress},
    {"TF_1099SA", {4}, &kAccount},
    {"TF_1099SA", {7}, &kDistributionCode},
    {"TF_1098", {0}, &kPayerBlock},
    {"TF_1098", {4}, &kNameAndAddress},
    {"TF_1098", {7}, &kAddress},  // the property securing the mortgage
    {"TF_1098", {8}, &kPropertyCount},
    {"TF_1098", {13}, &kMortgageOther},
    {"TF_1098", {14}, &kAccount},
    {"TF_1098E", {0}, &kPayerBlock},
    {"TF_1098E", {4}, &kNameAndAddress},
    {"TF_1098E", {5}, &kAccount},
    {"TF_1098T", {0}, &kPayerBlock},
    {"TF_1098T", {5}, &kNameAndAddress},
    {"TF_1098T", {9}, &kAccount},
    {"TF_SSA1099", {0}, &kName},
    {"TF_SSA1099", {4, 5, 8, 16}, &kComputedAmount},
    {"TF_SSA1099", {12}, &kSsaDescription},
    {"TF_SSA1099", {14}, &kAddress},
    {"TF_SSA1099", {15}, &kSsaClaim},
    {"TF_RRB1099", {1, 14}, &kRrbClaim},
    {"TF_RRB1099", {3, 16}, &kNameAndAddress},
    {"TF_RRB1099", {6, 21}, &kComputedAmount},
    {"TF_RRB1099", {13}, &kEin},
    {"TF_RRB1099", {15}, &kSsn},
    {"TF_RRB1099", {24}, &kTaxRate},
    {"TF_RRB1099", {25}, &kCountry},
    {"TF_CSA1099R", {2}, &kOpmClaim},
    {"TF_CSA1099R", {4}, &kOpmCode},
    {"TF_CSA1099R", {11}, &kNameAndAddress},
    {"TF_CSA1099R", {12, 13}, &kStateCode},
    {"TF_CSF1099R", {2}, &kOpmClaim},
    {"TF_CSF1099R", {4}, &kOpmCode},
    {"TF_CSF1099R", {11}, &kNameAndAddress},
    {"TF_CSF1099R", {12, 13}, &kStateCode},
    {"TF_1095A", {1}, &kPolicyNumber},
    {"TF_1095A", {2}, &kBusinessName},
    {"TF_1095A", {3, 6, 13, 18, 23, 28, 33}, &kName},
    {"TF_1095A", {11}, &kStreet},
    {"TF_1095A", {12}, &kCity},
    {"TF_1095B", {7, 11}, &kBusinessName},
    {"TF_1095B", {0, 16, 19, 22, 25, 28, 31}, &kName},
    {"TF_1095B", {3, 9, 14}, &kStreet},
    {"TF_1095B", {4, 10, 15}, &kCity},
    {"TF_1095B", {5}, &kCodeLetter},  // origin of the coverage
    {"TF_1095B", {6}, &kReserved},
    {"TF_1095B", {13}, &kPhone},
    {"TF_1095C", {2}, &kBusinessName},
    {"TF_1095C", {0, 49, 52, 55, 58, 61, 64}, &kName},
    {"TF_1095C", {4, 5}, &kStreet},
    {"TF_1095C", {6}, &kPhone},
    {"TF_1095C", {7, 8}, &kCity},
    {"TF_1095C", {9}, &kMonthNumber},  // plan start month
    {"TF_K11120S", {3, 8}, &kNameAndAddress},  // the corporation and the shareholder
    {"TF_K11120S", {4}, &kIrsCenter},
    {"TF_K11120S", {5, 6, 10, 11}, &kShareCount},
    {"TF_K11120S", {9}, &kAllocation},
    {"TF_K11120S", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
     &kK1Code, "Text2"},
    {"TF_K11120S", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
     &kK1Code, "Text4"},
    {"TF_K11120S", {5}, &kXCell, "Text5"},
    {"TF_K11041", {3}, &kTrustName},
    {"TF_K11041", {4}, &kNameAndThreeAddressLines},  // the fiduciary, often in care of a trust officer
    {"TF_K11041", {7}, &kNameAndAddress},
    {"TF_K11041", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, &kK1Code, "Text2"},
    {"TF_K11041", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, &kK1Code, "Text4"},
    {"F5_TPInfo", {0, 3}, &kNameAndThreeAddressLines},
    {"F5_TPInfo", {6, 10, 14, 18, 22, 26, 30}, &kName},
    {"F5_TPInfo", {9, 13, 17, 21, 25, 29, 33}, &kOtherInformation},
    {"F5_TPInfo", {0, 1, 2, 3, 4, 5, 6, 7, 8}, &kAge, "Text2"},
    {"F2_SS_ITIN", {1, 3, 5, 7, 9, 11, 13, 15, 17}, &kCardHolder},
    {"F4_CHK", {0}, &kCheckHolders},
    {"F4_CHK", {3}, &kBankBlock},
    {"F4_CHK", {1}, &kRoutingNumber},
    {"F4_CHK", {2}, &kCheckingAccount},
    {"F3_DL", {0, 4}, &kNameAndThreeAddressLines},  // as Load TP copies them from the sheet
    {"F3_DL", {2, 6}, &kLicenceNumber},
    {"F3_DL", {3, 7, 8, 9}, &kDate},  // the expiration and issue dates
    {"TF_K11065", {3}, &kPartnershipBlock},
    {"TF_K11065", {6}, &kNameAndAddress},
    {"TF_K11065", {8}, &kBusinessName},  // the disregarded entity
    {"TF_K11065", {9}, &kEntityType},
    {"TF_K11065", {10, 11, 12, 13, 14, 15}, &kPartnerShare},
    {"TF_K11065", {4}, &kIrsCenter},
    {"TF_K11065", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
     &kK1Code, "Text2"},
    {"TF_K11065", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, &kK1Code, "Text4"},
    {"TF_K11065", {4}, &kXCell, "Text5"},
};

const Content* contentOfKind(const QString& tag) {
  const QString kind = tag.section(QChar(0x00B7), 0, 0).trimmed().toUpper();
  for (const auto& [word, content] : kKinds)
    if (kind == QLatin1String(word)) return content;
  return nullptr;
}

bool isField(const Control& c) {
  static const QRegularExpression re(QStringLiteral("^Text[1-5]$"), QRegularExpression::CaseInsensitiveOption);
  return c.type() == ControlType::TextBox && c.inArray() && re.match(c.name()).hasMatch();
}

QStringList builtInScreens() {
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("*.json")}, QDir::Files))
    names << file.chopped(5);
  return names;
}

// Widths and heights in display pixels (paper: twips / 15).
struct Room {
  double needed = 0, available = 0;
  bool enough() const { return needed <= available; }
};

// QLineEdit lays its text out in the style's contents rectangle, less its
// text margins and a fixed gap of two pixels on each side, and scrolls it
// (cutting one end off) once the advance, rounded, plus one pixel for the
// cursor is wider than that.
constexpr int kLineEditSideGap = 2;
struct LineEditAccess : QLineEdit {
  using QLineEdit::initStyleOption;
};
Room lineEditRoom(const QLineEdit& e, const QString& line) {
  QStyleOptionFrame option;
  (e.*&LineEditAccess::initStyleOption)(&option);
  const QRect contents =
      e.style()->subElementRect(QStyle::SE_LineEditContents, &option, &e).marginsRemoved(e.textMargins());
  return {double(qRound(QFontMetricsF(e.font()).horizontalAdvance(line)) + 1),
          double(contents.width() - 2 * kLineEditSideGap)};
}

// A multi-line text edit wraps a line wider than its viewport less the
// document margins, and shows lines one font height apart below the top margin.
Room textEditWidth(const QTextEdit& t, const QString& line) {
  const double margin = t.document()->documentMargin();
  return {QFontMetricsF(t.font()).horizontalAdvance(line), t.contentsRect().width() - 2 * margin};
}
Room textEditHeight(const QTextEdit& t, int lines) {
  return {t.document()->documentMargin() + lines * boxLines(t.font()).height,
          double(t.contentsRect().height())};
}

// The painter draws in twips with the unhinted font, each line one font
// height below the last (from a whole twip), clipped to its text rectangle.
QRectF paperRect(const Control& field) { return ScreenPainter::textBoxTextRect(field, ScreenPainter::rectOf(field)); }
Room paperWidth(const Control& field, const QString& line) {
  const QFont font = qtFont(field.font(), TwipsPerPoint);
  return {QFontMetricsF(font).horizontalAdvance(line) / TwipsPerPixel, paperRect(field).width() / TwipsPerPixel};
}
Room paperHeight(const Control& field, int lines) {
  const double lineHeight = boxLines(qtFont(field.font(), TwipsPerPoint)).height;
  double height = 0;
  for (int i = 0; i < lines; ++i) height = std::ceil(height) + lineHeight;
  return {height / TwipsPerPixel, paperRect(field).height() / TwipsPerPixel};
}

class FieldRoom : public qvtest::EngineTest {
 protected:
  // The screen's fields, in the fonts the appearance reset gives them.
  std::vector<Control*> loadFields(Screen& screen) {
    screen.load();
    std::vector<Control*> fields;
    for (Control* c : screen.controls())
      if (isField(*c)) fields.push_back(c);
    if (fields.empty()) return fields;
    state().CurrentForm = &screen;
    Form_Init_Reset();
    state().CurrentForm = nullptr;
    EXPECT_TRUE(reports().empty()) << screen.name().toStdString() << ": the reset reported an error";
    return fields;
  }

  // What the field holds, by its kind or else by the table; nullptr (and a
  // fault) when neither says.
  const Content* contentOf(const QString& screen, const Control& field, const QString& where) {
    const Content* content = contentOfKind(field.tag());
    for (const Classified& entry : kClassified) {
      const auto& indexes = entry.indexes;
      if (screen != QLatin1String(entry.screen) ||
          field.name().compare(QLatin1String(entry.array), Qt::CaseInsensitive) != 0 ||
          !std::count(indexes.begin(), indexes.end(), field.index()))
        continue;
      if (content)
        faults << where + QStringLiteral(": its kind %1 says what it holds; take it out of the table").arg(field.tag());
      content = entry.content;
      classified.insert({screen, QLatin1String(entry.array), field.index()});
    }
    if (!content)
      faults << where + QStringLiteral(": a field tagged \"%1\" that the table does not classify; say what it holds")
                            .arg(field.tag());
    return content;
  }

  // Every line of the content across the field, and all its lines down it,
  // on the field's widget and on paper.
  void measure(const Control& field, QWidget* widget, const Content& content, const QString& what) {
    const int lines = int(content.lines.size());
    if (lines > 1 && !field.multiLine()) {
      faults << what + QStringLiteral(": %1 lines for a single-line box").arg(lines);
      return;
    }
    auto* edit = qobject_cast<QLineEdit*>(widget);
    auto* textEdit = qobject_cast<QTextEdit*>(widget);
    if (!edit && !textEdit) {
      faults << what + QStringLiteral(": no text widget");
      return;
    }
    for (const char* sample : content.lines) {
      const QString line = QLatin1String(sample);
      check(what, line, "width", edit ? lineEditRoom(*edit, line) : textEditWidth(*textEdit, line),
            paperWidth(field, line));
    }
    if (textEdit && lines > 1)
      check(what, QStringLiteral("%1 lines").arg(lines), "height", textEditHeight(*textEdit, lines),
            paperHeight(field, lines));
  }

  void check(const QString& what, const QString& sample, const char* aspect, Room screen, Room paper) {
    if (screen.enough() && paper.enough()) return;
    faults << what + QStringLiteral(" \"%1\": %2 on screen needs %3 px, has %4; on paper needs %5 px, has %6")
                         .arg(sample, QLatin1String(aspect))
                         .arg(screen.needed, 0, 'f', 1)
                         .arg(screen.available, 0, 'f', 1)
                         .arg(paper.needed, 0, 'f', 1)
                         .arg(paper.available, 0, 'f', 1);
  }

  QStringList faults;
  std::set<std::tuple<QString, QString, int>> classified;  // table entries met on a layout
};

TEST_F(FieldRoom, EveryFieldHoldsItsLongestRealisticValue) {
  int measured = 0;
  for (const QString& name : builtInScreens()) {
    Screen screen(name);
    const std::vector<Control*> fields = loadFields(screen);
    if (fields.empty()) continue;
    const ScreenView view(screen);
    for (const Control* field : fields) {
      const QString where = QStringLiteral("%1 %2(%3)").arg(name, field->name()).arg(field->index());
      const Content* content = contentOf(name, *field, where);
      if (!content) continue;
      const QString kind = field->tag().isEmpty() ? QStringLiteral("plain") : field->tag();
      measure(*field, view.widgetFor(*field), *content,
              QStringLiteral("%1 [%2, %3]").arg(where, kind, QLatin1String(content->name)));
      ++measured;
    }
  }
  for (const Classified& entry : kClassified)
    for (int index : entry.indexes)
      if (!classified.count({QLatin1String(entry.screen), QLatin1String(entry.array), index}))
        faults << QStringLiteral("the table classifies %1 field %2(%3), which no layout has")
                      .arg(QLatin1String(entry.screen), QLatin1String(entry.array))
                      .arg(index);
  EXPECT_GT(measured, 0);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.join(u'\n').toStdString();
}

}  // namespace
}  // namespace qv
