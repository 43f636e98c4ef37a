#include "view/Mnemonics.h"

namespace qv {

QString qtMnemonicText(const QString& caption) {
  const AccessKeyCaption shown = accessKeyCaption(caption);
  QString out;
  out.reserve(shown.text.size() + 4);
  for (qsizetype i = 0; i < shown.text.size(); ++i) {
    if (i == shown.keyIndex) out += u'&';
    if (shown.text[i] == u'&') out += u'&';
    out += shown.text[i];
  }
  return out;
}

}  // namespace qv
