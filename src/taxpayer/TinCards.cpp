// Load TP on the cards screen: a card for each person of the taxpayer record
// who has a number, the chosen taxpayer first.
#include <QStringList>
#include <array>

#include "controls/Screen.h"
#include "engine/TextUtils.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"
#include "runtime/Text.h"
#include "taxpayer/CardsScreen.h"
#include "taxpayer/TaxpayerRecord.h"

namespace qv {

namespace {

// The user's section is read in one go into a buffer of this many characters.
constexpr int kSectionBuffer = 1024;
constexpr int kOtherPersons = 7;

struct Holder {
  QString name, number;
};

struct Record {
  Holder taxpayer[2];                           // taxpayer 1, taxpayer 2
  std::array<QString, kOtherPersons> others;  // "name·number", or empty
};

// The section's "key=value" lines as far as the buffer holds them. A line the
// buffer cuts short is left out with those after it: half a name would make a
// card for nobody.
QStringList sectionLines() {
  const ProgramState& s = state();
  QString buffer;
  const int length = GetPrivateProfileSectionA(s.UserSection, buffer, kSectionBuffer, s.UserInfFile);
  QStringList lines = buffer.left(length).split(QChar(0));
  if (length == kSectionBuffer - 2) lines.removeLast();
  return lines;
}

Record readRecord() {
  Record r;
  QStringList seen;
  for (const QString& line : sectionLines()) {
    if (line.isEmpty()) continue;
    // The value is all after the first "=": a name may hold one too.
    const qsizetype eq = line.indexOf(u'=');
    const QString key = lCase(line.left(eq));
    const QString value = eq < 0 ? QString() : line.mid(eq + 1);
    // The first of two lines of a key counts, as for every other read of it.
    if (seen.contains(key)) continue;
    seen << key;
    for (int t = 0; t < 2; ++t) {
      // The name is the first line of the name and address.
      if (key == QStringLiteral("tp%1nameaddr").arg(t + 1)) r.taxpayer[t].name = value.section(kLineBreakMark, 0, 0);
      else if (key == QStringLiteral("tp%1ssn").arg(t + 1) || key == QStringLiteral("tp%1tin").arg(t + 1))
        r.taxpayer[t].number = value;
    }
    for (int n = 1; n <= kOtherPersons; ++n)
      if (key == QStringLiteral("dependent%1").arg(n)) r.others[n - 1] = value;
  }
  return r;
}

}  // namespace

void TPInfo_Process_TIN_Cards(Screen& screen, int which) {
  trap(QStringLiteral("M6_TPInfo:TPInfo_Process_TIN_Cards"), [&] {
    auto* cards = dynamic_cast<F2_SS_ITIN*>(&screen);
    if (!cards) raiseError(err::TypeMismatch, errorText(err::TypeMismatch));
    const Record record = readRecord();
    for (Control* f : cards->array(QStringLiteral("Text1"))) f->setText(QString());
    for (int card = 0; card < F2_SS_ITIN::kCards; ++card) cards->showPicture(card, F2_SS_ITIN::Picture::None);

    // Each card shows its picture as it is made, so that the cards made
    // before a failure are whole.
    auto put = [&](const Holder& h, int k) {
      cards->Add_SS_ITIN_Card(h.number, h.name, k);
      cards->showPicture(k / 2, F2_SS_ITIN::pictureOfFirstDigit(h.number));
    };
    const Holder& chosen = record.taxpayer[which == 1 ? 0 : 1];
    const Holder& other = record.taxpayer[which == 1 ? 1 : 0];
    bool twoCards = false;
    if (!chosen.name.isEmpty()) {
      put(chosen, 0);
      if (!other.name.isEmpty()) {
        put(other, 2);
        twoCards = true;
      }
    } else if (which == 2) {
      put(other, 0);
    }

    int k = twoCards ? 4 : 2;
    for (const QString& entry : record.others) {
      if (entry.isEmpty()) continue;
      const QStringList parts = entry.split(kSeparator);
      if (parts.size() < 2) raiseError(err::SubscriptOutOfRange, errorText(err::SubscriptOutOfRange));
      // A person without a number leaves a blank card.
      if (!parts[1].isEmpty()) put({parts[0], parts[1]}, k);
      k += 2;
    }
  });
}

}  // namespace qv
