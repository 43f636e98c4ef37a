#include "controls/Menu.h"

#include "controls/AccessKeys.h"

namespace qv {

Menu& Menu::addItem(const QString& n, const QString& c) {
  auto m = std::make_unique<Menu>();
  m->name = n;
  m->caption = c;
  m->parent = this;
  items.push_back(std::move(m));
  return *items.back();
}

Menu& Menu::addSeparator() {
  Menu& m = addItem(QString(), QStringLiteral("-"));
  m.separator = true;
  return m;
}

Menu* Menu::find(const QString& n) {
  if (name.compare(n, Qt::CaseInsensitive) == 0) return this;
  for (auto& i : items)
    if (Menu* f = i->find(n)) return f;
  return nullptr;
}

QString Menu::shownCaption() const { return accessKeyCaption(caption).text; }

bool Menu::available() const {
  for (const Menu* m = this; m; m = m->parent)
    if (!m->enabled || !m->visible) return false;
  return true;
}

}  // namespace qv
