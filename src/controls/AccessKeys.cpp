#include "controls/AccessKeys.h"

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

}  // namespace qv
