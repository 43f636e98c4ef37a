#pragma once
// A menu or menu item of a screen's menu bar. A caption's "&" marks the access
// key and "&&" shows one ampersand, as on the desktop the program came from.
#include <QString>
#include <memory>
#include <vector>

namespace qv {

class Menu {
 public:
  QString name;
  QString caption;
  bool enabled = true;
  bool visible = true;
  bool separator = false;
  Menu* parent = nullptr;
  std::vector<std::unique_ptr<Menu>> items;

  Menu& addItem(const QString& name, const QString& caption);
  Menu& addSeparator();
  // Searches this menu and its items, ignoring case.
  Menu* find(const QString& name);
  // The caption as shown: access-key marks removed, "&&" as "&".
  QString shownCaption() const;
  // Enabled and visible, with every parent too.
  bool available() const;
};

}  // namespace qv
