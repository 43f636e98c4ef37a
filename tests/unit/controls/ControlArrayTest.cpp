// Control arrays and name lookups: case-insensitive names, members by index,
// and the errors a missing control raises for the caller's trap.
#include <ostream>
#include "TestScreen.h"
#include "unit/runtime/ErrorOf.h"

namespace {

using qv::Control;
using qvtest::TestScreen;

const QByteArray kArrays = R"j({"controls": [
{"type": "TextBox", "name": "Text1", "index": 12},
{"type": "TextBox", "name": "Text1", "index": 2},
{"type": "Label", "name": "labelMisc"}
]})j";

class ControlArrays : public ::testing::Test {
 protected:
  void SetUp() override { s.load(); }
  TestScreen s{kArrays};
};

TEST_F(ControlArrays, NamesIgnoreCaseAndMembersGoByIndex) {
  EXPECT_EQ(&s.ctl("TEXT1", 12), s.controls()[0]);
  EXPECT_EQ(&s.ctl("text1", 2), s.controls()[1]);
  EXPECT_EQ(s.find("LabelMisc"), s.controls()[2]);
  std::vector<int> indexes;
  for (Control* c : s.array("tExT1")) indexes.push_back(c->index());
  EXPECT_EQ(indexes, (std::vector<int>{2, 12}));
}

struct Missing {
  const char* name;
  int index;  // -1: no index given
  int error;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const Missing& c, std::ostream* os) { *os << c.name; }

class MissingControl : public ControlArrays, public ::testing::WithParamInterface<Missing> {};

TEST_P(MissingControl, RaisesTheErrorForTheTrap) {
  const Missing& m = GetParam();
  const QString name = QString::fromLatin1(m.name);
  EXPECT_EQ(errorOf([&] { m.index < 0 ? s.ctl(name) : s.ctl(name, m.index); }), m.error);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingControl,
                         ::testing::Values(Missing{"Text1", 5, 340}, Missing{"Nope", 0, 438},
                                           Missing{"Nope", -1, 438}, Missing{"Text1", -1, 438},
                                           Missing{"labelMisc", 0, 343}),
                         [](const auto& info) {
                           const int i = info.param.index;
                           return std::string(info.param.name) + (i < 0 ? std::string("WithoutIndex") : "Index" + std::to_string(i));
                         });

}  // namespace
