#include "screens/Catalog.h"

#include <QFile>
#include <map>
#include <memory>

#include "runtime/Text.h"
#include "screens/TaxFormScreen.h"
#include "taxpayer/TaxpayerSheet.h"

namespace qv {

namespace {

bool hasLayout(const QString& name) { return QFile::exists(QStringLiteral(":/screens/%1.json").arg(name)); }

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
  if (sameText(name, QLatin1String("F5_TPInfo")))
    return hasLayout(QStringLiteral("F5_TPInfo")) ? (screens[key] = std::make_unique<F5_TPInfo>()).get() : nullptr;
  const TaxFormTraits* traits = taxFormTraits(name);
  if (!traits || !hasLayout(QLatin1String(traits->name))) return nullptr;
  return (screens[key] = std::make_unique<TaxFormScreen>(*traits)).get();
}

}  // namespace qv
