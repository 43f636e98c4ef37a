#include "screens/Catalog.h"

#include <QFile>
#include <map>
#include <memory>

#include "runtime/Text.h"
#include "screens/Form1095AScreen.h"
#include "screens/K1Screen.h"
#include "screens/RRB1099Screen.h"
#include "screens/SSA1099Screen.h"
#include "screens/TaxFormScreen.h"
#include "screens/W2Screen.h"
#include "taxpayer/CardsScreen.h"
#include "taxpayer/BlankCheck.h"
#include "taxpayer/DriversLicence.h"
#include "taxpayer/TaxpayerSheet.h"

namespace qv {

namespace {

bool hasLayout(const QString& name) { return QFile::exists(QStringLiteral(":/screens/%1.json").arg(name)); }

template <class S>
std::unique_ptr<Screen> make(const TaxFormTraits& traits) {
  return std::make_unique<S>(traits);
}

// The screens with handlers of their own; every other one is the common pattern.
struct OwnClass {
  const char* name;
  std::unique_ptr<Screen> (*create)(const TaxFormTraits&);
};
constexpr OwnClass kOwnClasses[] = {
    {"TF_W2", make<TF_W2>},
    {"TF_SSA1099", make<TF_SSA1099>},
    {"TF_RRB1099", make<TF_RRB1099>},
    {"TF_1095A", make<TF_1095A>},
};

// The identity screens, each a class of its own.
template <class S>
std::unique_ptr<Screen> makeIdentity() {
  return std::make_unique<S>();
}
struct IdentityScreen {
  const char* name;
  std::unique_ptr<Screen> (*create)();
};
constexpr IdentityScreen kIdentityScreens[] = {
    {"F5_TPInfo", makeIdentity<F5_TPInfo>},
    {"F3_DL", makeIdentity<F3_DL>},
    {"F2_SS_ITIN", makeIdentity<F2_SS_ITIN>},
    {"F4_CHK", makeIdentity<F4_CHK>},
};

std::unique_ptr<Screen> create(const TaxFormTraits& traits) {
  for (const OwnClass& own : kOwnClasses)
    if (qstrcmp(own.name, traits.name) == 0) return own.create(traits);
  return std::make_unique<TaxFormScreen>(traits);
}

std::map<QString, std::unique_ptr<Screen>>& instances() {
  // The screen registries must outlive the screens: made first, destroyed last.
  (void)Screen::loadedScreens();
  (void)Screen::activationOrder();
  static std::map<QString, std::unique_ptr<Screen>> screens;
  return screens;
}

}  // namespace

Screen* screenNamed(const QString& name) {
  auto& screens = instances();
  const QString key = name.toUpper();
  if (auto it = screens.find(key); it != screens.end()) return it->second.get();
  if (const K1Traits* k1 = k1Traits(name))
    return hasLayout(QLatin1String(k1->name)) ? (screens[key] = std::make_unique<K1Screen>(*k1)).get() : nullptr;
  for (const IdentityScreen& identity : kIdentityScreens)
    if (sameText(name, QLatin1String(identity.name)))
      return hasLayout(QLatin1String(identity.name)) ? (screens[key] = identity.create()).get() : nullptr;
  const TaxFormTraits* traits = taxFormTraits(name);
  if (!traits || !hasLayout(QLatin1String(traits->name))) return nullptr;
  return (screens[key] = create(*traits)).get();
}

}  // namespace qv
