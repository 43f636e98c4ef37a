// The sums of the benefit statements, their tests
// against zero and the messages that report them.
#include <gtest/gtest.h>

#include "ProgramScreenTest.h"
#include "screens/SSA1099Screen.h"

namespace {

using qvtest::ProgramScreenTest;

struct Case {
  const char* what;
  std::map<int, const char*> typed;
  std::map<int, const char*> shown;
  int message;  // 0: none
  int redBox;   // -1: none
};

class BenefitStatement : public ProgramScreenTest {
 protected:
  // Fills the boxes, runs the computation, and checks what it shows.
  template <class Compute>
  void check(const Case& c, const std::vector<int>& checkedBoxes, Compute compute, bool& flag) {
    fill(c.typed);
    flag = false;
    const size_t before = host_.modals().size();
    compute();
    for (const auto& [index, text] : c.shown) EXPECT_EQ(field(index).text(), QString::fromUtf8(text)) << c.what << ": box " << index;
    EXPECT_EQ(messageSince(before), c.message) << c.what;
    EXPECT_EQ(flag, c.message != 0) << c.what;
    for (int i : checkedBoxes)
      EXPECT_EQ(field(i).foreColor(), i == c.redBox ? qv::colors::Red : qv::colors::Black) << c.what << ": box " << i;
  }
};

TEST_F(BenefitStatement, SocialSecurityBenefitsAddUpAndTheFirstNegativeResultIsReported) {
  auto& ssa = open<qv::TF_SSA1099>("TF_SSA1099");
  // Boxes: 2 benefits paid, 3 repaid, 4 net, 5 paid by check, 6 Part B, 7 Part D,
  // 8 benefits for the tax year, 9-11 earlier years, 13 tax withheld, 16 additions.
  const Case cases[] = {
      {"sums",
       {{2, "$1,000.00"}, {3, "$100.00"}, {6, "$100.00"}, {7, "20"}, {9, "50"}, {10, "25"}, {13, "$30.00"}},
       {{4, "$900.00"}, {16, "$150.00"}, {5, "$750.00"}, {8, "$825.00"}, {7, "$20.00"}, {11, ""}},
       0, -1},
      {"box 3 alone", {{2, "1000"}}, {{2, "$1,000.00"}, {4, "$1,000.00"}, {5, "$1,000.00"}, {8, "$1,000.00"}, {16, ""}}, 0, -1},
      {"box 4 over box 3", {{2, "100"}, {3, "200"}, {6, "2096.40"}},
       {{4, "-$100.00"}, {5, "-$2,196.40"}, {6, "$2,096.40"}, {8, "-$100.00"}}, 801, 4},
      {"additions over net benefits", {{2, "1000"}, {6, "2096.40"}},
       {{4, "$1,000.00"}, {16, "$2,096.40"}, {5, "-$1,096.40"}, {8, "$1,000.00"}}, 802, 5},
      {"earlier years over net benefits", {{2, "1000"}, {9, "600"}, {10, "500"}}, {{5, "$1,000.00"}, {8, "-$100.00"}},
       803, 8},
      {"zero empties its box", {{2, "500"}, {3, "$500.00"}, {6, "0"}}, {{3, "$500.00"}, {4, ""}, {5, ""}, {6, ""}, {8, ""}},
       0, -1},
      {"seven digits and cents", {{2, "$1,234,567.89"}, {3, ".89"}, {6, "2096.40"}, {11, "0.01"}},
       {{4, "$1,234,567.00"}, {16, "$2,096.40"}, {5, "$1,232,470.60"}, {8, "$1,234,566.99"}, {3, "$.89"}}, 0, -1},
  };
  for (const Case& c : cases) check(c, {4, 5, 8}, [&] { ssa.ComputeSSA(2); }, ssa.b_SSAError);
  EXPECT_TRUE(reports().empty());
}

TEST_F(BenefitStatement, SocialSecurityMessagesNameTheLineBelowZero) {
  auto& ssa = open<qv::TF_SSA1099>("TF_SSA1099");
  fill({{2, "100"}, {3, "200"}});
  ssa.ComputeSSA(3);
  EXPECT_EQ(lastBox().title, "TF_SSA1099:ComputeSSA");
  EXPECT_EQ(lastBox().buttons, QStringList{"OK"});
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 801\r\nSSA1099 - Error in Social Security Computations\r\n"
            "Box 5. Net Benefits... is LESS THAN ZERO\r\nMake corrections before continuing.");
  fill({{2, "100"}, {11, "200"}});
  ssa.ComputeSSA(11);
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 803\r\nSSA1099 - Error in Social Security Computations\r\n"
            "Benefits for 2024  is LESS THAN ZERO\r\nMake corrections before continuing.");
}

TEST_F(BenefitStatement, SocialSecurityComputesNothingWithoutBox3) {
  auto& ssa = open<qv::TF_SSA1099>("TF_SSA1099");
  fill({{3, "7"}, {4, "$1.00"}, {6, "2096.40"}});
  ssa.b_SSAError = true;
  ssa.ComputeSSA(3);
  EXPECT_EQ(field(3).text(), "7");
  EXPECT_EQ(field(4).text(), "$1.00");
  EXPECT_EQ(field(6).text(), "2096.40");
  EXPECT_TRUE(ssa.b_SSAError);
  EXPECT_TRUE(host_.modals().empty());
}

// A premium in the settings file that is no amount cannot be added up: the
// computation reports it and leaves the boxes and the flag as they were.
TEST_F(BenefitStatement, SocialSecurityReportsAPremiumThatIsNoAmount) {
  auto& ssa = open<qv::TF_SSA1099>("TF_SSA1099");
  settings("[MCPartBPremium]\r\n2024=two thousand\r\n");
  fill({{2, "$1,000.00"}});
  ssa.Form_Activate();
  EXPECT_TRUE(reported("TF_SSA1099:ComputeSSA"));
  EXPECT_EQ(field(6).text(), "two thousand");
  EXPECT_EQ(field(4).text(), "");
  EXPECT_FALSE(ssa.b_SSAError);
}

}  // namespace
