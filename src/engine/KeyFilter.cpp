#include "engine/KeyFilter.h"

#include <QString>
#include <cstring>

#include "controls/Control.h"
#include "controls/Screen.h"
#include "engine/TextUtils.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// The keys a kind accepts; every other key is cancelled.
struct KeySet {
  const char* kinds[3];  // whole words; unused places stay null
  const char* passes;    // besides the digits
  bool letters;          // "A" to "Z" pass, "a" to "z" become capitals
};
const KeySet kKeySets[] = {
    {{"DATE", "DATEX"}, "-/Xx", false},
    {{"MONEY", "SMONEY"}, "$,.", false},
    {{"-MONEY"}, "$(),-.", false},
    {{"AMONEY"}, "$(),.", true},
    {{"TIN"}, "-Xx", false},
    {{"YEAR", "TAXYEAR", "TAXYEAR1099G"}, "", false},
    {{"VERIFICATION"}, "-abcdefABCDEF", false},
    {{"%", "#.#"}, ",-.", false},
    {{"#"}, ",.", false},
};

const KeySet* keySetOf(const QString& kind) {
  for (const KeySet& set : kKeySets)
    for (const char* k : set.kinds)
      if (k && kind == QLatin1String(k)) return &set;
  return nullptr;
}

bool isLower(int key) { return key >= 'a' && key <= 'z'; }
bool isUpper(int key) { return key >= 'A' && key <= 'Z'; }

// A field never holds what its form file cannot keep: the item separator "·"
// and the line-break mark "»" have no escape there, and the file is Windows-1252.
bool storable(int key) {
  return key <= 0xFFFF && !isRecordMark(QChar(char16_t(key))) && inCodePage(QChar(char16_t(key)));
}

int filtered(const KeySet& set, int key) {
  if ((key >= '0' && key <= '9') || (key > 0 && key < 128 && std::strchr(set.passes, key))) return key;
  if (set.letters && isUpper(key)) return key;
  if (set.letters && isLower(key)) return key - 32;
  return 0;
}

// Every kind without a set of its own.
int filteredDefault(int key) {
  if (key == keys::Tab || key == keys::Return) return key;
  if (key < 32 || !storable(key)) return 0;
  return isLower(key) ? key - 32 : key;
}

}  // namespace

void Key_Press(Control& field, int& keyAscii) {
  if (keyAscii == keys::Back) return;
  const KeySet* set = keySetOf(uCase(field.tag()));
  keyAscii = set ? filtered(*set, keyAscii) : filteredDefault(keyAscii);
}

}  // namespace qv
