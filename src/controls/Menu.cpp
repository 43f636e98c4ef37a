#include "controls/Menu.h"

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

QString Menu::shownCaption() const {
  QString out;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

bool Menu::available() const {
  for (const Menu* m = this; m; m = m->parent)
    if (!m->enabled || !m->visible) return false;
  return true;
}

}  // namespace qv
