// Positioning, clearing and the folder services: the folder of a path, the
// check of the remembered folders, the fixed values a clear puts back and
// the errors that end a positioning.
#include "EngineTest.h"
#include "engine/Positioning.h"
#include "frame/Ini.h"
#include "frame/MainWindow.h"

namespace {

using qvtest::EngineTest;
using qvtest::fieldLine;
using qvtest::JsonScreen;
using qvtest::layoutOf;

TEST(GetFolderName, IsTheTextBeforeTheLastSeparatorAtMost99Long) {
  const QString folder99 = QStringLiteral("C:\\") + QString(96, u'a');
  const QString folder100 = QStringLiteral("C:\\b") + QString(96, u'a');
  const QString name120 = QString(21, u'n') + QString(99, u'm');
  const std::pair<QString, QString> cases[] = {
      {"C:\\VelmoraForms\\DOE_JOHN_W2_000.velmora", "C:\\VelmoraForms"},
      {"C:\\DOE.velmora", "C:"},
      {"DOE_JOHN_W2_000.velmora", "DOE_JOHN_W2_000.velmora"},
      {"C:\\Forms\\", "C:\\Forms"},
      {"/home/trainer/Forms/DOE.velmora", "/home/trainer/Forms"},
      {"C:\\Forms/Sub\\DOE.velmora", "C:\\Forms/Sub"},
      {folder99 + "\\DOE.velmora", folder99},
      {folder100 + "\\DOE.velmora", folder100.mid(1)},
      {name120, name120.right(99)},
      {QString(), QString()},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(qv::GetFolderName(path), folder) << path.toStdString();
}

// A screen that leaves no current form when it comes to the front: the
// object stays missing however often it is looked for.
class ScreenLosingCurrentForm : public JsonScreen {
 public:
  using JsonScreen::JsonScreen;

 protected:
  void onActivate() override { qv::state().CurrentForm = nullptr; }
};

class Positioning : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    qv::mainWindow().setWidth(16500);
  }
  void TearDown() override {
    if (screen_ && screen_->loaded()) screen_->unload();
    EngineTest::TearDown();
  }
  template <class Kind = JsonScreen>
  JsonScreen& make(const QString& name, const QStringList& controls) {
    if (screen_ && screen_->loaded()) screen_->unload();
    screen_ = std::make_unique<Kind>(name, layoutOf(controls));
    return *screen_;
  }
  JsonScreen& open(const QString& name, const QStringList& controls) {
    JsonScreen& s = make(name, controls);
    s.load();
    qv::state().CurrentForm = &s;
    return s;
  }
  void userInf(const QByteArray& text) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Inf")));
    put(QStringLiteral("Inf/User.inf"), text);
  }
  QString userKey(const char* key) const {
    return qv::ReadINF(QStringLiteral("TESTER"), QLatin1String(key), QStringLiteral("<none>"),
                       QStringLiteral("C:\\Inf\\User.inf"));
  }
  std::unique_ptr<JsonScreen> screen_;
};

TEST_F(Positioning, VerifyInfEntryForgetsOnlyItsOwnMissingFolder) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Kept")));
  const struct {
    const char* mode;
    const char* open;
    const char* save;
  } cases[] = {
      {"Open", "", "C:\\Gone"}, {"OPEN", "", "C:\\Gone"}, {"oPeN", "", "C:\\Gone"},
      {"Save", "C:\\Gone", ""}, {"SAVE", "C:\\Gone", ""}, {"save", "C:\\Gone", ""},
  };
  for (const auto& c : cases) {
    userInf("[TESTER]\r\nLastOpenFolder=C:\\Gone\r\nLastSaveFolder=C:\\Gone\r\nTaxFormsFolder=C:\\Kept\r\n");
    qv::Verify_INF_Entry(QLatin1String(c.mode));
    EXPECT_EQ(userKey("LastOpenFolder"), c.open) << c.mode;
    EXPECT_EQ(userKey("LastSaveFolder"), c.save) << c.mode;
  }
  userInf("[TESTER]\r\nLastOpenFolder=C:\\Kept\r\n");
  qv::Verify_INF_Entry(QStringLiteral("Open"));
  EXPECT_EQ(userKey("LastOpenFolder"), "C:\\Kept") << "a folder that exists stays";
  EXPECT_TRUE(reports().empty());
}

TEST_F(Positioning, VerifyInfEntryOfAnyOtherModeIsAProgramError) {
  userInf("[TESTER]\r\nLastOpenFolder=C:\\Gone\r\n");
  for (const char* mode : {"Print", "", "Opened"}) {
    const size_t before = reports().size();
    qv::Verify_INF_Entry(QLatin1String(mode));
    ASSERT_EQ(reports().size(), before + 1) << mode;
    const qv::ShownModal r = reports().back();
    EXPECT_TRUE(shows(r, "M3_Quorvane:Verify_INF_Entry")) << r.text.toStdString();
    EXPECT_TRUE(shows(r, "900")) << r.text.toStdString();
    EXPECT_TRUE(shows(r, "Program Error")) << r.text.toStdString();
  }
  EXPECT_EQ(userKey("LastOpenFolder"), "C:\\Gone");
}

// Fields 0 to `last` holding "OLD", a ticked check label, a status line
// message and the licence photographs.
QStringList filledScreen(int last) {
  QStringList controls;
  for (int i = 0; i <= last; ++i) controls << fieldLine(i, "", R"("text": "OLD")");
  controls << R"({"type": "TextBox", "name": "txtOther", "text": "OLD"})"
           << R"({"type": "Label", "name": "Check", "index": 0, "caption": "X"})"
           << R"({"type": "Label", "name": "Caption", "caption": "Box 1"})"
           << R"({"type": "PictureBox", "name": "Picture1", "picture": "Front.jpg"})"
           << R"({"type": "PictureBox", "name": "Picture2", "picture": "Photo.jpg"})"
           << R"({"type": "PictureBox", "name": "picture4", "picture": "Photo2.jpg"})";
  return controls;
}

TEST_F(Positioning, ClearEmptiesTheScreenAndPutsBackItsSampleValues) {
  qv::state().PartBPremium = QStringLiteral("2,096.40");
  const struct {
    const char* screen;
    int last;
    std::map<int, QString> kept;
  } cases[] = {
      {"TF_1099INT", 3, {}},
      {"TF_SSA1099", 8, {{6, "2,096.40"}}},
      {"TF_RRB1099", 14, {{0, "36-3314600"}, {12, "2,096.40"}, {13, "36-3314600"}}},
      {"F4_CHK", 3, {{1, "325070760"}, {2, "987123654"}}},
  };
  for (const auto& c : cases) {
    JsonScreen& s = open(c.screen, filledScreen(c.last));
    s("labelMisc").setCaption(QStringLiteral("Value Entered: [1] is INVALID"));
    qv::state().CurrentFile = QStringLiteral("C:\\VelmoraForms\\DOE.velmora");
    qv::Form_Clear();
    for (int i = 0; i <= c.last; ++i) {
      const auto kept = c.kept.find(i);
      EXPECT_EQ(s("Text1", i).text(), kept == c.kept.end() ? QString() : kept->second) << c.screen << " Text1(" << i << ")";
    }
    EXPECT_EQ(s("txtOther").text(), "") << c.screen;
    EXPECT_EQ(s("Check", 0).caption(), "") << c.screen;
    EXPECT_EQ(s("Caption").caption(), "Box 1") << c.screen;
    EXPECT_EQ(s("labelMisc").caption(), "") << c.screen;
    EXPECT_EQ(s("Picture1").picture(), "Front.jpg") << c.screen;
    EXPECT_EQ(s("Picture2").picture(), "") << c.screen;
    EXPECT_EQ(s("Picture4").picture(), "") << c.screen;
    EXPECT_EQ(qv::state().CurrentFile, "") << c.screen;
  }
  EXPECT_TRUE(reports().empty());
}

QStringList k1Grid() {
  QStringList controls = filledScreen(1);
  for (int i = 0; i < 2; ++i)
    controls << QStringLiteral(R"({"type": "TextBox", "name": "Text2", "index": %1, "text": "Z"})").arg(i)
             << QStringLiteral(R"({"type": "TextBox", "name": "Text3", "index": %1, "tag": "MONEY"})").arg(i);
  controls << R"({"type": "TextBox", "name": "Text4", "index": 0, "text": "Z"})"
           << R"({"type": "TextBox", "name": "Text5", "index": 0, "tag": "MONEY"})";
  return controls;
}

TEST_F(Positioning, ClearRestoresTheK1CellsOfLoadTime) {
  auto& d = qv::state().K1GridDefaults;
  d = {QStringList{"A", "B"}, QStringList{"-MONEY", "MONEY"}, QStringList{"C"}, QStringList{"AMONEY"}};
  JsonScreen& s = open("TF_K11065", k1Grid());
  qv::Form_Clear();
  EXPECT_EQ(s("Text2", 0).text(), "A");
  EXPECT_EQ(s("Text2", 1).text(), "B");
  EXPECT_EQ(s("Text3", 0).tag(), "-MONEY");
  EXPECT_EQ(s("Text3", 1).tag(), "MONEY");
  EXPECT_EQ(s("Text4", 0).text(), "C");
  EXPECT_EQ(s("Text5", 0).tag(), "AMONEY");
  EXPECT_TRUE(reports().empty());

  // Defaults that do not cover every cell stop the clear, which keeps the form file.
  d[2].clear();
  s("Text4", 0).setText(QStringLiteral("Z"));
  s("Check", 0).setCaption(QStringLiteral("X"));
  qv::state().CurrentFile = QStringLiteral("C:\\VelmoraForms\\K1.velmora");
  qv::Form_Clear();
  ASSERT_EQ(reports().size(), 1u);
  EXPECT_TRUE(shows(reports().back(), "M3_Quorvane:Form_Clear"));
  EXPECT_TRUE(shows(reports().back(), "9"));
  EXPECT_EQ(s("Check", 0).caption(), "X");
  EXPECT_EQ(qv::state().CurrentFile, "C:\\VelmoraForms\\K1.velmora");
}

const QString kYearLabel = QStringLiteral(R"({"type": "Label", "name": "TaxYear", "index": 1, "caption": "??"})");

TEST_F(Positioning, PlacesTheScreenAtTheTopCentreOfTheMainWindowsInside) {
  const std::pair<int, int> cases[] = {{13035, 825}, {14685, 0}, {3000, 5842}, {20000, 0}};
  for (const auto& [width, left] : cases) {
    JsonScreen& s = open("TF_1099INT", {fieldLine(0, ""), kYearLabel});
    s.move(500, 700);
    s.setWidth(width);
    qv::state().FocusOnStartup = 0;
    qv::Form_Position(s);
    EXPECT_EQ(s.top(), 0) << width;
    EXPECT_EQ(s.left(), left) << width;
    EXPECT_EQ(s.activeControl(), &s("Text1", 0)) << width;
    EXPECT_EQ(s("TaxYear", 1).caption(), "24") << width;
  }
  EXPECT_TRUE(reports().empty());
}

TEST_F(Positioning, ErrorsEndThePositioningAndAreReported) {
  const struct {
    const char* why;
    bool currentForm;
    int focus;
    const char* extra;
    int number;
  } cases[] = {
      {"no current form, however often it is retried", false, 0, "", 91},
      {"a start-up field the screen does not have", true, 3, "", 340},
      {"a hidden start-up field", true, 0, R"("visible": false)", 5},
  };
  for (const auto& c : cases) {
    const QStringList controls = {fieldLine(0, "", QLatin1String(c.extra)), kYearLabel};
    JsonScreen& s = c.currentForm ? make("TF_1099INT", controls) : make<ScreenLosingCurrentForm>("TF_1099INT", controls);
    qv::state().CurrentForm = c.currentForm ? &s : nullptr;
    qv::state().FocusOnStartup = c.focus;
    const size_t before = reports().size();
    qv::Form_Position(s);
    ASSERT_EQ(reports().size(), before + 1) << c.why;
    EXPECT_TRUE(shows(reports().back(), "M3_Quorvane:Form_Position")) << c.why;
    EXPECT_TRUE(shows(reports().back(), QString::number(c.number))) << c.why << "\n"
                                                                     << reports().back().text.toStdString();
    EXPECT_TRUE(s.loaded()) << c.why;
    EXPECT_EQ(s.activeControl(), nullptr) << c.why;
  }
}

}  // namespace
