// Identification numbers: EIN NN-NNNNNNN and SSN/ITIN NNN-NN-NNNN, X for
// each digit not given; and the duplicate-number check of the sheets.
#include "EditFixture.h"

#include "runtime/Error.h"

namespace edits {
namespace {

class IdNumberEdits : public EditTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(IdNumberEdits, RewriteOrReject) { expectEdit(GetParam()); }

const QString kFirstThree = "First 3 Charaters MUST BE Numeric";

INSTANTIATE_TEST_SUITE_P(
    Ein, IdNumberEdits,
    ::testing::Values(
        EditCase{"ThreeDigits", "EIN", "914", "91-4XXXXXX"},
        EditCase{"FourDigits", "EIN", "91-55", "91-55XXXXX"},
        EditCase{"Complete", "EIN", "914234567", "91-4234567"},
        EditCase{"AlreadyFormatted", "EIN", "91-4234567", "91-4234567"},
        EditCase{"LowerCaseX", "EIN", "91-4xxxxxx", "91-4XXXXXX"},
        EditCase{"UnknownDigitsKeepTheirPlace", "EIN", "914XX5678", "91-4XX5678"},
        EditCase{"StartsWith00", "EIN", "00123", "00123", 2, "EIN can't start with 00"},
        EditCase{"LetterInFirstThree", "EIN", "9A1", "9A1", 2, kFirstThree},
        EditCase{"TooShort", "EIN", "91", "91", 2, kFirstThree},
        EditCase{"PointInFirstThree", "EIN", "1.2345", "1.2345", 2, kFirstThree},
        EditCase{"XsPastTheNinthPlaceDropped", "EIN", "914XXXXXXXX", "91-4XXXXXX"},
        EditCase{"TenDigits", "EIN", "9141234567", "9141234567", 2, "EIN can't be longer than 9 digits"},
        EditCase{"Letters", "EIN", "914ABC", "914ABC", 2, "EIN MUST BE Numeric (X for a missing digit)"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Ssn, IdNumberEdits,
    ::testing::Values(
        EditCase{"ThreeDigits", "TIN", "123", "123-XX-XXXX"},
        EditCase{"FiveDigits", "TIN", "12345", "123-45-XXXX"},
        EditCase{"Complete", "TIN", "123-45-6789", "123-45-6789"},
        EditCase{"Itin", "tin", "912708765", "912-70-8765"},
        EditCase{"LastFourOnly", "TIN", "123-XX-6789", "123-XX-6789"},
        EditCase{"LowerCaseX", "TIN", "123xx", "123-XX-XXXX"},
        EditCase{"Area666", "TIN", "666123456", "666123456", 1, "SSN/ITIN can't begin with '666'"},
        EditCase{"Area000", "TIN", "000-12-3456", "000-12-3456", 1, "SSN/ITIN can't begin with '000'"},
        EditCase{"UnknownArea", "TIN", "XXX-XX-1234", "XXX-XX-1234", 1, kFirstThree},
        EditCase{"TooShort", "TIN", "12", "12", 1, kFirstThree},
        EditCase{"XPastTheNinthPlaceDropped", "TIN", "123456789X", "123-45-6789"},
        EditCase{"NineDigitsAroundAnX", "TIN", "1234X56789", "123-45-6789"},
        EditCase{"TenDigits", "TIN", "1234567890", "1234567890", 1, "SSN/ITIN can't be longer than 9 digits"},
        EditCase{"TenDigitsAndAnX", "TIN", "123X4567890", "123X4567890", 1, "SSN/ITIN can't be longer than 9 digits"},
        EditCase{"Blank", "TIN", "123 456", "123 456", 1,
                 "SSN/ITIN MUST BE Numeric (X for a missing digit)"}),
    caseName);

class DuplicateTin : public EditTest {
 protected:
  void SetUp() override {
    EditTest::SetUp();
    field(1).setText("123-45-6789");
    field(4).setText("987-65-4321");
    field(7).setText("123-45-6789");
  }
};

TEST_F(DuplicateTin, FindsTheFirstListedFieldWithTheSameNumber) {
  host.queueAnswer("OK");
  EXPECT_EQ(qv::DuplicateTinCheck("1,4,7,11", 7), 1);
  EXPECT_EQ(field(7).selStart(), 0);
  EXPECT_EQ(field(7).selLength(), 11);  // the first 12 characters, as many as there are
  EXPECT_EQ(statusText(), "Duplicate SSN/ITIN number");
  EXPECT_EQ(status()->foreColor(), qv::colors::Red);
  ASSERT_EQ(host.modals().size(), 1u);
  EXPECT_EQ(host.modals()[0].title, "DuplicateTinCheck");
  EXPECT_EQ(qv::state().MbxMessage, "Duplicate SS/ITIN Number on this screen");
}

TEST_F(DuplicateTin, NoDuplicateGives99) {
  EXPECT_EQ(qv::DuplicateTinCheck("1,4,7", 4), 99);  // its own entry is passed over
  EXPECT_EQ(qv::DuplicateTinCheck("4, 7", 1), 7);    // blanks around an entry
  field(2).setText("");
  field(3).setText("");
  EXPECT_EQ(qv::DuplicateTinCheck("2,3", 3), 99);  // empty numbers never count
  EXPECT_EQ(host.modals().size(), 1u);
}

TEST_F(DuplicateTin, ErrorsGoToTheCaller) {
  EXPECT_THROW(qv::DuplicateTinCheck("1,40", 4), qv::ProgramError);  // no field 40
  EXPECT_THROW(qv::DuplicateTinCheck("x", 4), qv::ProgramError);
  qv::state().CurrentForm = nullptr;
  EXPECT_THROW(qv::DuplicateTinCheck("1", 4), qv::ProgramError);
}

}  // namespace
}  // namespace edits
