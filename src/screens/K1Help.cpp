#include "screens/K1Help.h"

#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr int kSectionBuffer = 2048;

struct Column {
  const char* header;
  int width;
  int alignment;
};
const Column kColumns[] = {
    {"Box #", 660, 7}, {"Purpose", 9500, 1}, {"Additional Information", 5000, 1}, {"O/R", 600, 4}};

QString whereToLook(const QString& section) {
  QString text = QStringLiteral("Additional information is available on the IRS website (www.irs.gov)\r\n");
  if (section.contains(QLatin1String("1041"), Qt::CaseInsensitive))
    text += QStringLiteral("Instructions for Schedule K-1 (Form 1041)");
  else if (section.contains(QLatin1String("1065"), Qt::CaseInsensitive))
    text += QStringLiteral("Instructions for Schedule K-1 (Form 1065)");
  else if (section.contains(QLatin1String("1120"), Qt::CaseInsensitive))
    text += QStringLiteral("Instructions for Schedule K-1 (Form 1120-S)");
  return text + QStringLiteral("\r\nAlso refer to the Additional Information column in the screen.");
}

const QString kResponses = QStringList{
    QStringLiteral("Note: Most K1 codes require a MONETARY response."),
    QStringLiteral("       A few require a TEXTUAL response."),
    QStringLiteral("       An X in the O/R column will cause the MONEY edit"),
    QStringLiteral("       to be overridden and will allow TEXTUAL data."),
}.join(QStringLiteral("\r\n"));

}  // namespace

F6_K1Help& k1HelpScreen() {
  static F6_K1Help window;
  return window;
}

K1Code parseK1HelpLine(const QString& line) {
  const QStringList fields = line.split(u'|');
  if (fields.size() < 3) raiseError(err::SubscriptOutOfRange, errorText(err::SubscriptOutOfRange));
  K1Code k{fields[0], fields[1], QString(), fields[2]};
  const qsizetype brace = fields[1].indexOf(u'{');
  if (brace >= 0) {
    k.purpose = trim(fields[1].left(brace));
    k.info = trim(QString(fields[1].mid(brace + 1)).remove(u'}'));
  }
  return k;
}

QStringList readK1HelpSection(const QString& section) {
  QString buffer;
  const int n = GetPrivateProfileSectionA(section, buffer, kSectionBuffer, state().K1HelpInfFile);
  QStringList lines = buffer.left(n).split(QChar(0));
  lines.removeLast();  // what follows the last terminator is no whole line
  return lines;
}

QString k1CodeOverride(const QString& section, const QString& code) {
  for (const QString& line : readK1HelpSection(section)) {
    if (line.count(u'|') < 2) continue;
    const K1Code k = parseK1HelpLine(line);
    if (sameText(trim(k.code), trim(code))) return trim(k.flag);
  }
  return {};
}

void F6_K1Help::onLoad() {
  trap(QStringLiteral("F6_K1Help:Form_Load"), [&] {
    Control& grid = ctl(QStringLiteral("FG"));
    grid.setGridSize(1, 4);
    for (int col = 0; col < 4; ++col) {
      grid.colWidths()[col] = kColumns[col].width;
      grid.setColAlignment(col, kColumns[col].alignment);
      grid.setCell(0, col, QLatin1String(kColumns[col].header));
    }
    QString caption = F97_K1Key;
    caption.replace(QStringLiteral("Box"), QStringLiteral("Box "), Qt::CaseInsensitive).replace(u'-', u' ');
    setCaption(QStringLiteral("Valid Entries for ") + caption);
    ctl(QStringLiteral("Label0")).setCaption(whereToLook(F97_K1Key));
    ctl(QStringLiteral("Label1")).setCaption(kResponses);
    grid.setGridRow(-1);
    for (const QString& line : readK1HelpSection(F97_K1Key)) {
      const K1Code k = parseK1HelpLine(line);
      // Cell by cell: a tab in the file's text must not push it into the next column.
      const int row = grid.rows();
      grid.addGridRow(QString());
      const QString texts[] = {k.code, k.purpose, k.info, k.flag};
      for (int col = 0; col < 4; ++col) grid.setCell(row, col, texts[col]);
    }
    // The first code is current as the list opens: the keys start there.
    if (grid.rows() > 1) grid.setGridRow(1);
  });
}

void F6_K1Help::onKeyPress(Control& c, int& keyAscii) {
  // Enter takes the current row as a click does (Escape is Cancel's).
  if (keyAscii != keys::Return || !sameText(c.name(), QLatin1String("FG"))) return;
  keyAscii = 0;
  FG_Click(c);
}

void F6_K1Help::onClick(Control& c) {
  if (sameText(c.name(), QLatin1String("FG"))) FG_Click(c);
  else if (sameText(c.name(), QLatin1String("cmdCancel"))) unload();
}

void F6_K1Help::FG_Click(Control& grid) {
  // The header row, or a click below the codes, chooses nothing.
  const int row = grid.gridRow();
  if (row < 1 || row >= grid.rows()) return;
  F97_K1Box = trim(grid.cell(row, 0));
  F97_K1OverRide = grid.cell(row, 3);
  unload();
}

}  // namespace qv
