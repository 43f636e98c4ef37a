#include "controls/Layout.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "controls/Screen.h"

namespace qv::layout {

bool parseColor(const QString& text, Color& out) {
  QString t = text.trimmed();
  bool ok = false;
  if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
    t = t.mid(2);
    if (t.endsWith(u'&')) t.chop(1);
    out = Color(t.toUInt(&ok, 16));
  } else {
    out = Color(t.toLongLong(&ok));
  }
  return ok;
}

QString colorText(Color c) {
  return QStringLiteral("&H%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

namespace {

struct Reader {
  QString error;

  bool color(const QJsonObject& o, const char* key, Color& out) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined()) return true;
    Color c = 0;
    const bool ok = v.isDouble() ? (c = Color(v.toDouble()), true) : parseColor(v.toString(), c);
    if (!ok) {
      error = QStringLiteral("bad colour in %1").arg(QLatin1String(key));
      return false;
    }
    out = c;
    return true;
  }

  static Font font(const QJsonValue& v, const Font& base) {
    Font f = base;
    if (!v.isObject()) return f;
    const QJsonObject o = v.toObject();
    f.name = o.value(QLatin1String("name")).toString(f.name);
    f.size = o.value(QLatin1String("size")).toDouble(f.size);
    f.bold = o.value(QLatin1String("bold")).toBool(f.bold);
    f.italic = o.value(QLatin1String("italic")).toBool(f.italic);
    f.underline = o.value(QLatin1String("underline")).toBool(f.underline);
    return f;
  }

  static Align align(const QJsonValue& v, Align def) {
    if (v.isDouble()) return Align(std::clamp(v.toInt(), 0, 2));
    const QString s = v.toString().toLower();
    if (s == u"right") return Align::Right;
    if (s == u"center" || s == u"centre") return Align::Center;
    if (s == u"left") return Align::Left;
    return def;
  }

  // "Frame1" or "Frame1(2)".
  static Control* containerOf(Screen& s, const QString& ref) {
    static const QRegularExpression re(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*(?:\\((\\d+)\\))?\\s*$"));
    const auto m = re.match(ref);
    if (!m.hasMatch()) return nullptr;
    return m.captured(2).isEmpty() ? s.find(m.captured(1)) : s.find(m.captured(1), m.captured(2).toInt());
  }

  bool menu(const QJsonObject& o, Menu& into) {
    for (const QJsonValue& v : o.value(QLatin1String("items")).toArray()) {
      const QJsonObject mo = v.toObject();
      if (mo.value(QLatin1String("separator")).toBool()) {
        into.addSeparator().name = mo.value(QLatin1String("name")).toString();
        continue;
      }
      Menu& m = into.addItem(mo.value(QLatin1String("name")).toString(),
                             mo.value(QLatin1String("caption")).toString());
      m.enabled = mo.value(QLatin1String("enabled")).toBool(true);
      m.visible = mo.value(QLatin1String("visible")).toBool(true);
      if (!menu(mo, m)) return false;
    }
    return true;
  }

  bool control(Screen& s, const QJsonObject& o, int order) {
    ControlType type;
    const QString typeName = o.value(QLatin1String("type")).toString();
    if (!controlTypeFromName(typeName, type)) {
      error = QStringLiteral("control %1: unknown type \"%2\"").arg(order).arg(typeName);
      return false;
    }
    const QString name = o.value(QLatin1String("name")).toString();
    if (name.isEmpty()) {
      error = QStringLiteral("control %1 has no name").arg(order);
      return false;
    }
    const int index = o.value(QLatin1String("index")).toInt(-1);
    auto c = std::make_unique<Control>(type, name, index);
    // A name is either one control or a control array, never both.
    if (index >= 0 ? s.find(name, index) || s.find(name) : s.has(name)) {
      error = QStringLiteral("control %1 appears twice").arg(c->displayName());
      return false;
    }
    Control& r = *c;

    if (o.contains(QLatin1String("container"))) {
      const QString ref = o.value(QLatin1String("container")).toString();
      Control* parent = containerOf(s, ref);
      if (!parent) {
        error = QStringLiteral("%1: container %2 is not defined before it").arg(r.displayName(), ref);
        return false;
      }
      r.setContainer(parent);
    }
    r.setTabPage(o.value(QLatin1String("tabPage")).toInt(-1));

    auto num = [&](const char* k, int def) { return o.value(QLatin1String(k)).toInt(def); };
    auto flag = [&](const char* k, bool def) { return o.value(QLatin1String(k)).toBool(def); };
    auto str = [&](const char* k) { return o.value(QLatin1String(k)).toString(); };

    if (type == ControlType::Line) {
      const int x1 = num("x1", 0), y1 = num("y1", 0);
      r.setLine(x1, y1, num("x2", x1), num("y2", y1));
    } else {
      r.move(num("left", 0), num("top", 0), num("width", 0), num("height", 0));
    }
    r.setCaption(str("caption"));
    r.setText(str("text"));
    r.setTag(str("tag"));
    r.setToolTip(str("toolTip"));
    r.setFont(font(o.value(QLatin1String("font")), s.font()));

    Color col = r.backColor();
    if (!color(o, "backColor", col)) return false;
    r.setBackColor(col);
    col = r.foreColor();
    if (!color(o, "foreColor", col)) return false;
    r.setForeColor(col);
    col = r.borderColor();
    if (!color(o, "borderColor", col)) return false;
    r.setBorderColor(col);
    col = r.fillColor();
    if (!color(o, "fillColor", col)) return false;
    r.setFillColor(col);

    r.setBackStyle(num("backStyle", r.backStyle()));
    r.setBorderStyle(num("borderStyle", r.borderStyle()));
    r.setBorderWidth(num("borderWidth", r.borderWidth()));
    r.setShape(num("shape", r.shape()));
    r.setFillStyle(num("fillStyle", r.fillStyle()));
    r.setAlignment(align(o.value(QLatin1String("alignment")), r.alignment()));
    r.setWordWrap(flag("wordWrap", r.wordWrap()));
    r.setAutoSize(flag("autoSize", r.autoSize()));
    r.setTabIndex(num("tabIndex", order));
    r.setTabStop(flag("tabStop", r.tabStop()));
    r.setLocked(flag("locked", false));
    r.setVisible(flag("visible", true));
    r.setEnabled(flag("enabled", true));
    r.setMultiLine(flag("multiLine", false));
    r.setMaxLength(num("maxLength", 0));
    r.setCausesValidation(flag("causesValidation", true));
    r.setGraphicalStyle(flag("graphical", false));
    r.setDefault(flag("default", false));
    r.setCancel(flag("cancel", false));
    r.setPicture(str("picture"));
    r.setStretch(flag("stretch", false));
    r.setValue(num("value", 0));
    QStringList items;
    for (const QJsonValue& v : o.value(QLatin1String("items")).toArray()) items << v.toString();
    if (!items.isEmpty()) r.setItems(items);
    if (o.contains(QLatin1String("listIndex"))) r.setListIndex(std::clamp(num("listIndex", -1), -1, int(items.size()) - 1));
    r.setTabHeight(num("tabHeight", 0));
    if (o.contains(QLatin1String("currentTab"))) r.setCurrentTab(num("currentTab", 0));
    if (o.contains(QLatin1String("rows")) || o.contains(QLatin1String("cols")))
      r.setGridSize(num("rows", 0), num("cols", 0));
    r.setRowHeight(num("rowHeight", 0));
    s.add(std::move(c));
    return true;
  }
};

}  // namespace

namespace {

// Parses a layout; false with the parser's reason.
bool parse(const QByteArray& json, QJsonObject& root, QString* error) {
  QJsonParseError pe;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
  if (!doc.isObject()) {
    if (error) *error = pe.errorString();
    return false;
  }
  root = doc.object();
  return true;
}

bool build(Screen& s, const QJsonObject& root, QString* error) {
  Reader rd;
  const QJsonObject so = root.value(QLatin1String("screen")).toObject();
  if (so.contains(QLatin1String("caption"))) s.setCaption(so.value(QLatin1String("caption")).toString());
  s.setFont(Reader::font(so.value(QLatin1String("font")), s.font()));
  s.move(so.value(QLatin1String("left")).toInt(s.left()), so.value(QLatin1String("top")).toInt(s.top()));
  s.setInsideWidth(so.value(QLatin1String("width")).toInt(s.scaleWidth()));
  s.setInsideHeight(so.value(QLatin1String("height")).toInt(s.scaleHeight()));
  Color back = s.backColor();
  if (!rd.color(so, "backColor", back)) {
    if (error) *error = rd.error;
    return false;
  }
  s.setBackColor(back);
  s.setFixedDialog(so.value(QLatin1String("fixedDialog")).toBool(false));

  for (const QJsonValue& v : root.value(QLatin1String("menus")).toArray()) {
    const QJsonObject mo = v.toObject();
    auto m = std::make_unique<Menu>();
    m->name = mo.value(QLatin1String("name")).toString();
    m->caption = mo.value(QLatin1String("caption")).toString();
    if (!rd.menu(mo, *m)) break;
    s.menus().push_back(std::move(m));
  }

  int order = 0;
  for (const QJsonValue& v : root.value(QLatin1String("controls")).toArray()) {
    if (!rd.control(s, v.toObject(), order++)) {
      if (error) *error = rd.error;
      return false;
    }
  }
  return true;
}

}  // namespace

bool loadJson(Screen& s, const QByteArray& json, QString* error) {
  QJsonObject root;
  return parse(json, root, error) && build(s, root, error);
}

bool load(Screen& s, const QString& nameOrPath, QString* error) {
  const bool builtIn = !nameOrPath.endsWith(QLatin1String(".json"));
  const QString path = builtIn ? QStringLiteral(":/screens/%1.json").arg(nameOrPath) : nameOrPath;
  // The built-in layouts never change: each is parsed once, on the screen's
  // first load, so that opening a screen again costs no parsing.
  static QHash<QString, QJsonObject> parsed;
  if (builtIn)
    if (auto it = parsed.constFind(path); it != parsed.cend()) return build(s, *it, error);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("cannot read %1").arg(path);
    return false;
  }
  QJsonObject root;
  if (!parse(f.readAll(), root, error)) return false;
  if (builtIn) parsed.insert(path, root);
  return build(s, root, error);
}

}  // namespace qv::layout
