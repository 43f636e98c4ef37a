// Mutated K-1 code lists (K1Help.inf), made from the shipped one: the list
// window never crashes or hangs on them; each row shows its line's code,
// purpose, information and flag; a row clicked returns its code and flag; and
// a code cell of a K-1 screen that takes a code from the list lets its amount
// take text exactly when the list's flag says so, as a reopened file does.
#include <gtest/gtest.h>

#include <QFile>

#include "ProgramScreenTest.h"
#include "engine/K1Handlers.h"
#include "runtime/Text.h"
#include "screens/K1Help.h"
#include "support/ProfileFuzz.h"

namespace {

using namespace qvtest::fuzz;

constexpr int kCiInputs = 10000;
constexpr int kThroughCellEvery = 10;  // every so many inputs go through a code cell of a K-1 screen
const char* const kK1Screens[] = {"TF_K11065", "TF_K11120S", "TF_K11041"};

class K1HelpFuzz : public qvtest::ProgramScreenTest {
 protected:
  void SetUp() override {
    ProgramScreenTest::SetUp();
    driveInMemory();
    formsInfAgain();
    qv::state().K1HelpInfFile = QStringLiteral("C:\\K1Help.inf");
    QFile shipped(QStringLiteral(":/inf/K1Help.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    for (const QByteArray& s : sectionsOf(shipped.readAll()))
      if (s.trimmed().startsWith('[')) sections_.push_back(s);
    ASSERT_GE(sections_.size(), 19u);
  }
  void TearDown() override {
    if (qv::k1HelpScreen().loaded()) qv::k1HelpScreen().unload();
    ProgramScreenTest::TearDown();
  }
  // The drive moved: the forms description goes with it.
  void formsInfAgain() {
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    formsInf(shipped.readAll());
  }

  // A file of one to three sections, the one of `section` first when given.
  QByteArray file(Mutator& m, const QString& section) {
    QByteArray start;
    for (const QByteArray& s : sections_)
      if (!section.isEmpty() && s.trimmed().startsWith('[' + section.toLatin1() + ']')) start = s;
    for (int more = m.pick(3); more >= 0; --more) start += m.among(sections_);
    return m.mutate(start, sections_);
  }

  // The list window on its own, as the code cell opens it.
  void checkList(Mutator& m, const QString& section) {
    qv::F6_K1Help& w = qv::k1HelpScreen();
    w.F97_K1Key = section;
    w.F97_K1Box.clear();
    w.F97_K1OverRide.clear();
    w.load();
    const qv::Control& grid = w.ctl(QStringLiteral("FG"));
    const QStringList lines = qv::readK1HelpSection(section);
    const int rows = grid.rows() - 1;
    ASSERT_LE(rows, lines.size());
    // The list stops at a line it cannot split, and only there.
    if (rows < lines.size()) {
      ASSERT_LT(lines[rows].count(u'|'), 2) << "a row is missing: " << qPrintable(lines[rows]);
    }
    for (int r = 1; r <= rows; ++r) {
      const qv::K1Code k = qv::parseK1HelpLine(lines[r - 1]);
      ASSERT_EQ(grid.cell(r, 0), k.code) << "row " << r << " of " << qPrintable(lines[r - 1]);
      ASSERT_EQ(grid.cell(r, 1), k.purpose) << "row " << r << " of " << qPrintable(lines[r - 1]);
      ASSERT_EQ(grid.cell(r, 2), k.info) << "row " << r << " of " << qPrintable(lines[r - 1]);
      ASSERT_EQ(grid.cell(r, 3), k.flag) << "row " << r << " of " << qPrintable(lines[r - 1]);
    }
    if (rows == 0 || m.oneIn(4)) {
      w.click(w.ctl(QStringLiteral("cmdCancel")));
      ASSERT_EQ(w.F97_K1Box, QString());
      return;
    }
    const int r = 1 + m.pick(rows);
    w.ctl(QStringLiteral("FG")).setGridRow(r);
    w.click(w.ctl(QStringLiteral("FG")));
    ASSERT_FALSE(w.loaded());
    const qv::K1Code k = qv::parseK1HelpLine(lines[r - 1]);
    ASSERT_EQ(w.F97_K1Box, qv::trim(k.code));
    ASSERT_EQ(w.F97_K1OverRide, k.flag);
  }

  // The first flag the list gives the code: what a reopened file goes by.
  static QString firstFlag(const QStringList& lines, const QString& code) {
    for (const QString& line : lines)
      if (line.count(u'|') >= 2 && qv::sameText(qv::trim(line.section(u'|', 0, 0)), code))
        return qv::parseK1HelpLine(line).flag;
    return {};
  }

  // A code cell of a K-1 screen, the list answered by a code it shows.
  void checkCell(Mutator& m, qv::Screen& k1, qv::Control& cell) {
    const QString section = cell.tag().mid(7);
    const QStringList lines = qv::readK1HelpSection(section);
    QStringList codes;
    bool answerable = true;  // the scripted answer finds a row by its code without any white space round it
    for (const QString& line : lines) {
      if (line.count(u'|') < 2) break;
      codes << qv::trim(line.section(u'|', 0, 0));
      answerable &= codes.back() == codes.back().trimmed();
    }
    codes.removeAll(QString());
    const QString code =
        codes.isEmpty() || !answerable || m.oneIn(5) ? QStringLiteral("<none>") : codes[m.pick(int(codes.size()))];
    // A line the list cannot split is reported as it loads, before it shows.
    bool reported = false;
    for (const QString& line : lines) reported |= line.count(u'|') < 2;
    if (reported) host_.queueAnswer(QStringLiteral("<the report's close box>"));
    host_.queueAnswer(code == u"<none>" ? QStringLiteral("Cancel") : code);
    const QString before = cell.text();
    qv::K1_Help_KeyDown(k1, cell);
    ASSERT_EQ(host_.pendingAnswers(), 0);
    if (code == u"<none>") {
      ASSERT_EQ(cell.text(), before);
      return;
    }
    ASSERT_EQ(cell.text(), code);
    // The answer clicks the last row of the code; a reopened file goes by the first.
    QString clicked;
    for (const QString& line : lines) {
      if (line.count(u'|') < 2) break;
      if (qv::trim(line.section(u'|', 0, 0)) == code) clicked = qv::parseK1HelpLine(line).flag;
    }
    qv::Control& amount = k1.ctl(cell.name() == u"Text2" ? QStringLiteral("Text3") : QStringLiteral("Text5"), cell.index());
    ASSERT_EQ(amount.tag().isEmpty(), clicked == u"X") << "code " << qPrintable(code) << " flag " << qPrintable(clicked);
    if (firstFlag(lines, code) == clicked) {
      ASSERT_EQ(qv::k1CodeOverride(section, code) == u"X", clicked == u"X")
          << "a reopened file takes code " << qPrintable(code) << " otherwise than the list";
    }
  }

  std::vector<QByteArray> sections_;
};

TEST_F(K1HelpFuzz, MutatedCodeLists) {
  Mutator m(seed());
  int throughCells = 0;
  qv::Screen* k1 = nullptr;
  std::vector<qv::Control*> cells;
  qv::Control* cell = nullptr;
  QString section;
  run(
      "K1Help.inf", kCiInputs,
      [&](int i) {
        if (i % 1000 == 0) host_ = qv::ScriptedHost();  // what it recorded would only grow
        const bool throughCell = i % kThroughCellEvery == 0;
        if (throughCell && (i / kThroughCellEvery) % 100 == 0) {
          if (k1) k1->unload();
          k1 = &open<qv::Screen>(kK1Screens[size_t(i / kThroughCellEvery / 100) % std::size(kK1Screens)]);
          cells.clear();
          for (const char* codes : {"Text2", "Text4"})
            for (qv::Control* c : k1->array(QLatin1String(codes)))
              if (qv::isCodeCell(*c)) cells.push_back(c);
        }
        cell = throughCell && !cells.empty() ? m.among(cells) : nullptr;
        const QStringList known = sectionNamesIn(m.among(sections_));
        section = cell ? cell->tag().mid(7) : m.oneIn(5) ? m.name(known) : known.value(0);
        return file(m, section);
      },
      [&](int, const QByteArray& bytes) {
        SCOPED_TRACE("section " + section.toStdString());
        put(QStringLiteral("K1Help.inf"), bytes);
        if (cell) {
          checkCell(m, *k1, *cell);
          ++throughCells;
        } else {
          checkList(m, section);
        }
        if (qv::k1HelpScreen().loaded()) qv::k1HelpScreen().unload();
      },
      [&] { return std::to_string(throughCells) + " through a code cell"; });
}

}  // namespace
