#include "view/AccessKeys.h"

namespace qv {

AccessKeyCaption accessKeyCaption(const QString& caption) {
  AccessKeyCaption out;
  out.text.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      out.text += caption[i];
      continue;
    }
    if (i + 1 >= caption.size()) break;
    if (caption[i + 1] == u'&') {
      out.text += u'&';
      ++i;
    } else if (out.keyIndex < 0) {
      out.keyIndex = int(out.text.size());
    }
  }
  return out;
}

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
