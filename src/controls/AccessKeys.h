#pragma once
// Access keys in captions (labels, command buttons, frames, check boxes and
// option buttons), as the desktop the program came from shows them: a single
// "&" is not shown and marks the next character as the access key, "&&" shows
// one "&". Menus follow the same rule.
#include <QString>

namespace qv {

struct AccessKeyCaption {
  QString text;      // the caption as shown
  int keyIndex = -1; // the access key's position in `text`, -1 for none
};

// The first marked character is the access key; a later single "&" and one
// at the very end are dropped.
AccessKeyCaption accessKeyCaption(const QString& caption);

}  // namespace qv
