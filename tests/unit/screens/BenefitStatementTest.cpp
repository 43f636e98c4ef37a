// The sums of the SSA-1099 and RRB-1099 benefit statements, their tests
// against zero and the messages that report them.
#include <gtest/gtest.h>

#include "ProgramScreenTest.h"
#include "screens/RRB1099Screen.h"
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

TEST_F(BenefitStatement, RailroadNetBenefitIsTestedAgainstZeroAndBoxes7To11) {
  auto& rrb = open<qv::TF_RRB1099>("TF_RRB1099");
  // Boxes: 4 box 3, 5 box 4, 6 box 5 (net), 7 box 6 (not in the sum), 8-12 boxes 7 to 11.
  const Case cases[] = {
      {"box 11's premium over the net benefit", {{4, "1000"}, {5, "200"}, {7, "50"}, {8, "100"}, {12, "2096.40"}},
       {{4, "$1,000.00"}, {6, "$800.00"}, {7, "$50.00"}, {12, "$2,096.40"}}, 801, 6},
      {"within boxes 7 to 11", {{4, "3000"}, {5, "200"}, {7, "5000"}, {8, "100"}, {9, "100"}, {10, "100"}, {11, "100"}, {12, "2096.40"}},
       {{6, "$2,800.00"}, {7, "$5,000.00"}}, 0, -1},
      {"box 4 over box 3", {{4, "100"}, {5, "200"}}, {{6, "-$100.00"}}, 801, 6},
      {"box 3 equal to box 4", {{4, "$500.00"}, {5, "500"}}, {{5, "$500.00"}, {6, ""}}, 0, -1},
      {"seven digits and cents", {{4, "$1,234,567.89"}, {5, ".89"}, {12, "2096.40"}}, {{6, "$1,234,567.00"}}, 0, -1},
  };
  for (const Case& c : cases) check(c, {6}, [&] { rrb.ComputeRRB(4); }, rrb.b_RRBError);
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 801\r\nSSA1099 - Error in Social Security Computations\r\n"
            "Box 5. Net Benefits... is LESS THAN ZERO\r\nMake corrections before continuing.");
  fill({{4, "100"}, {12, "2096.40"}});
  rrb.ComputeRRB(12);
  EXPECT_EQ(lastBox().title, "TF_RRB1099:ComputeRRB");
  EXPECT_EQ(qv::state().MbxMessage,
            "Message Number: 801\r\nSSA1099 - Error in Social Security Computations\r\n"
            "Box 5. Net Benefits MINUS total of\r\n--Boxes (7, 8, 9, 10 and 11)\r\nARE LESS THAN ZERO\r\n"
            "Make corrections before continuing.");
}

TEST_F(BenefitStatement, RailroadComputesNothingWithoutBox3) {
  auto& rrb = open<qv::TF_RRB1099>("TF_RRB1099");
  fill({{5, "900"}, {6, "$1.00"}});
  rrb.ComputeRRB(5);
  EXPECT_EQ(field(5).text(), "900");
  EXPECT_EQ(field(6).text(), "$1.00");
  EXPECT_TRUE(host_.modals().empty());
}

TEST_F(BenefitStatement, RailroadLowerPanelTakesAllFourMirrorsWhenABoxOfItIsLeft) {
  auto& rrb = open<qv::TF_RRB1099>("TF_RRB1099");
  fill({{0, "12-3456789"}, {1, "A123"}, {2, "123-45-6789"}, {3, "ANN LEE\r\n1 MAIN ST"}, {17, "5"}});
  rrb.setFocus(field(17));
  rrb.setFocus(field(18));
  EXPECT_EQ(field(13).text(), "12-3456789");
  EXPECT_EQ(field(14).text(), "A123");
  EXPECT_EQ(field(15).text(), "123-45-6789");
  EXPECT_EQ(field(16).text(), "ANN LEE\r\n1 MAIN ST");
  EXPECT_EQ(field(17).text(), "$5.00");
}

// The mirrors of the lower panel are copied when a box outside the upper
// panel's amounts is left, by the index pairs of Forms.inf; a pair that does
// not name two boxes of the screen leaves its mirror alone.
TEST_F(BenefitStatement, RailroadMirrorsFollowTheIndexPairsThatNameTwoBoxes) {
  formsInf("[RRB1099]\r\nFormName=TF_RRB1099\r\nSSNIndex=2\r\nNameAddrIndex=3,99\r\n"
           "MedicareClaimNoIndex=one,14\r\nEINIndex=0 , 13\r\n");
  auto& rrb = open<qv::TF_RRB1099>("TF_RRB1099");
  fill({{0, "12-3456789"}, {1, "A123"}, {2, "123-45-6789"}, {3, "ANN LEE"}});
  rrb.setFocus(field(4));
  rrb.setFocus(field(5));
  EXPECT_EQ(field(13).text(), "");
  rrb.setFocus(field(1));
  rrb.setFocus(field(2));
  EXPECT_EQ(field(13).text(), "12-3456789");
  EXPECT_EQ(field(14).text(), "");
  EXPECT_EQ(field(15).text(), "");
  EXPECT_EQ(field(16).text(), "");
  EXPECT_TRUE(reports().empty());
}

}  // namespace
