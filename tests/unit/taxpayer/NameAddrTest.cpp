// A stored name and address split the way Load TP copies it.
#include <gtest/gtest.h>

#include <ostream>

#include "support/CaseNames.h"
#include "taxpayer/TaxpayerRecord.h"

namespace {

struct ParseCase {
  const char* what;
  QString stored;  // "»" between the lines
  QString name, street, lastLine, address, nameAddr;
};
inline void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.what; }

class ParseNameAddr : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNameAddr, SplitsNameStreetAndLastLine) {
  const ParseCase& c = GetParam();
  qv::TaxpayerData person;
  person.Name = "left over";
  person.Street = "left over";
  person.LastLine = "left over";
  person.Address = "left over";
  person.NameAddr = c.stored;
  qv::TPInfo_Parse_NameAddr(person);
  EXPECT_EQ(person.Name, c.name);
  EXPECT_EQ(person.Street, c.street);
  EXPECT_EQ(person.LastLine, c.lastLine);
  EXPECT_EQ(person.Address, c.address);
  EXPECT_EQ(person.NameAddr, c.nameAddr);
}

const QString kCrLf = QStringLiteral("\r\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNameAddr,
    ::testing::Values(
        ParseCase{"one line", "JOHN DOE", "JOHN DOE", "", "", "", "JOHN DOE"},
        ParseCase{"name and street", "JOHN DOE»12 ELM ST", "JOHN DOE", "12 ELM ST", "", "12 ELM ST",
                  "JOHN DOE" + kCrLf + "12 ELM ST"},
        ParseCase{"four lines", "JOHN DOE»SUITE 4»12 ELM ST»SPRINGFIELD, IL 62701", "JOHN DOE", "SUITE 4 12 ELM ST",
                  "SPRINGFIELD, IL 62701", "SUITE 4 12 ELM ST" + kCrLf + "SPRINGFIELD, IL 62701",
                  "JOHN DOE" + kCrLf + "SUITE 4" + kCrLf + "12 ELM ST" + kCrLf + "SPRINGFIELD, IL 62701"},
        ParseCase{"a trailing line break", "JOHN DOE»12 ELM ST»CITY»", "JOHN DOE", "12 ELM ST CITY", "",
                  "12 ELM ST CITY", "JOHN DOE" + kCrLf + "12 ELM ST" + kCrLf + "CITY" + kCrLf},
        ParseCase{"erased", "", "", "", "", "", ""}),
    qv::test::ByWhat());

}  // namespace
