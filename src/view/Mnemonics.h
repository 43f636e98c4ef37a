#pragma once
// Captions in Qt's mnemonic spelling, for widgets that draw their own text.
#include <QString>

#include "controls/AccessKeys.h"

namespace qv {

// Every shown "&" doubled, one "&" before the access key.
QString qtMnemonicText(const QString& caption);

}  // namespace qv
