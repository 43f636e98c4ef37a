#pragma once
// One control of a screen: a bag of the properties the program's screens use,
// in the units they are written in (twips, &H00BBGGRR colours, points).
// Setting a property tells the screen's observer (the view), which redraws.
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace qv {

class Screen;

using Color = std::uint32_t;  // &H00BBGGRR; &H80000000 | n is system colour n

namespace colors {
constexpr Color Black = 0x00000000;
constexpr Color White = 0x00FFFFFF;
constexpr Color Red = 0x000000FF;
constexpr Color ButtonFace = 0x8000000F;
constexpr Color WindowBackground = 0x80000005;
constexpr Color WindowText = 0x80000008;
constexpr Color ButtonText = 0x80000012;
constexpr Color InfoBackground = 0x80000018;
inline bool isSystem(Color c) { return (c & 0x80000000u) != 0; }
}  // namespace colors

enum class ControlType {
  TextBox, Label, Shape, Line, Image, PictureBox, Frame, ComboBox,
  OptionButton, CheckBox, CommandButton, TabControl, Grid
};

QString controlTypeName(ControlType t);
bool controlTypeFromName(const QString& name, ControlType& out);

struct Font {
  QString name = QStringLiteral("Tahoma");
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

// What changed, for the observer.
enum class Prop {
  Geometry, Visible, Enabled, Caption, Text, Selection, Font, Colors, Appearance,
  Value, List, ListIndex, Picture, Tabs, Cells, CurrentRow, Focus
};

enum class Align { Left = 0, Right = 1, Center = 2 };

class Control {
 public:
  Control(ControlType type, QString name, int index = -1);

  ControlType type() const { return type_; }
  const QString& name() const { return name_; }
  int index() const { return index_; }          // -1: not part of a control array
  bool inArray() const { return index_ >= 0; }
  // "Text1(5)" or "labelMisc".
  QString displayName() const;

  Screen* screen() const { return screen_; }
  Control* container() const { return container_; }  // nullptr: the screen itself
  void setContainer(Control* c) { container_ = c; }
  int tabPage() const { return tabPage_; }            // page of a tab-control container, -1 none
  void setTabPage(int p) { tabPage_ = p; }

  // Graphical controls are painted on the screen's canvas; the others are windows.
  bool isGraphical() const;
  // Can hold the focus at all (a windowed control that takes input).
  bool canHaveFocus() const;

  // Geometry in twips, relative to the container.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void move(int left, int top, int width, int height);
  // Lines: end points relative to the container.
  int x1() const { return left_; }
  int y1() const { return top_; }
  int x2() const { return left_ + width_; }
  int y2() const { return top_ + height_; }
  void setLine(int x1, int y1, int x2, int y2);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  // Visible and enabled, with every container too.
  bool effectivelyVisible() const;
  bool effectivelyEnabled() const;
  // Can take the keyboard: shown and enabled, except that a field on a tab page
  // that is not up still counts (the screen turns to its page when it gets there).
  bool focusable() const;

  const QString& caption() const { return caption_; }
  void setCaption(const QString& c);
  const QString& text() const { return text_; }
  // Programmatic text: no length limit, the caret goes to the start; raises Change.
  void setText(const QString& t);
  const QString& tag() const { return tag_; }
  void setTag(const QString& t) { tag_ = t; }
  const QString& toolTip() const { return toolTip_; }
  void setToolTip(const QString& t) { if (t != toolTip_) { toolTip_ = t; changed(Prop::Appearance); } }

  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  QString selText() const { return text_.mid(selStart_, selLength_); }
  void setSelStart(int s);
  void setSelLength(int n);
  void select(int start, int length);
  // Replaces the selection as typing or pasting does (honours MaxLength); raises Change.
  void replaceSelection(const QString& s);

  const Font& font() const { return font_; }
  void setFont(const Font& f);
  void setFontName(const QString& n);
  void setFontSize(double s);
  void setFontBold(bool b);

  Color backColor() const { return backColor_; }
  void setBackColor(Color c);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color c);
  // Labels and shapes: 0 transparent, 1 opaque.
  int backStyle() const { return backStyle_; }
  void setBackStyle(int s);
  // Windowed controls and labels: 0 none, 1 fixed single. Shapes and lines: the
  // line style (0 transparent, 1 solid, 2 dash, 3 dot, ...).
  int borderStyle() const { return borderStyle_; }
  void setBorderStyle(int s);
  Color borderColor() const { return borderColor_; }
  void setBorderColor(Color c);
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int w);
  // Shapes: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
  int shape() const { return shape_; }
  void setShape(int s);
  Color fillColor() const { return fillColor_; }
  void setFillColor(Color c);
  // 0 solid, 1 transparent.
  int fillStyle() const { return fillStyle_; }
  void setFillStyle(int s);

  Align alignment() const { return alignment_; }
  void setAlignment(Align a);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool w);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool a) { if (a != autoSize_) { autoSize_ = a; changed(Prop::Appearance); } }

  int tabIndex() const { return tabIndex_; }
  void setTabIndex(int i) { tabIndex_ = i; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool t) { tabStop_ = t; }
  bool locked() const { return locked_; }
  void setLocked(bool l);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m) { multiLine_ = m; }
  int maxLength() const { return maxLength_; }  // 0: no limit
  void setMaxLength(int n) { maxLength_ = n; }
  bool causesValidation() const { return causesValidation_; }
  void setCausesValidation(bool c) { causesValidation_ = c; }

  // Command buttons: graphical style shows back colour and picture; the
  // default button takes Enter, the cancel button Escape.
  bool graphicalStyle() const { return graphicalStyle_; }
  void setGraphicalStyle(bool g) { if (g != graphicalStyle_) { graphicalStyle_ = g; changed(Prop::Appearance); } }
  bool isDefault() const { return default_; }
  void setDefault(bool d) { if (d != default_) { default_ = d; changed(Prop::Appearance); } }
  bool isCancel() const { return cancel_; }
  void setCancel(bool c) { cancel_ = c; }

  // Images, picture boxes, graphical buttons: a picture file (host or program
  // path, or ":/..." resource).
  const QString& picture() const { return picture_; }
  void setPicture(const QString& p);
  // Stretched: an image fills its rectangle; a picture box covers its inside
  // with the picture, keeping its proportions (centred, the overflow cut off).
  bool stretch() const { return stretch_; }
  void setStretch(bool s) { if (s != stretch_) { stretch_ = s; changed(Prop::Picture); } }

  // Check boxes (0, 1, 2) and option buttons (0, 1).
  int value() const { return value_; }
  void setValue(int v);

  // Combo boxes: the list and the chosen entry (-1 none). Tab controls: the page captions.
  const QStringList& items() const { return items_; }
  void setItems(const QStringList& items);
  void addItem(const QString& item);
  void clearItems();
  int listIndex() const { return listIndex_; }
  void setListIndex(int i);

  // Tab controls: the page shown and the height of the tab strip (twips).
  int currentTab() const { return currentTab_; }
  void setCurrentTab(int t);
  int tabHeight() const { return tabHeight_; }
  void setTabHeight(int h);

  // Grids: cells by row and column.
  int rows() const { return cells_.size(); }
  int cols() const { return cols_; }
  void setGridSize(int rows, int cols);
  QString cell(int row, int col) const;
  void setCell(int row, int col, const QString& text);
  QVector<int>& colWidths() { return colWidths_; }
  // The alignment setting of a column (1 left, 4 centred, 7 right; all
  // centred vertically), 1 when none is set.
  int colAlignment(int col) const { return col >= 0 && col < colAlignments_.size() ? colAlignments_[col] : 1; }
  void setColAlignment(int col, int setting);
  // Appends a row: its cells' texts separated by tab characters.
  void addGridRow(const QString& tabbedCells);
  // The current row: the one a click chose or the keys moved to (shown
  // highlighted); -1 for none.
  int gridRow() const { return gridRow_; }
  void setGridRow(int row) { if (row != gridRow_) { gridRow_ = row; changed(Prop::CurrentRow); } }
  // The height of the rows (twips); 0: by the font. The page keys move the
  // current row by the rows that fit below the fixed first row.
  int rowHeight() const { return rowHeight_; }
  void setRowHeight(int h) { if (h != rowHeight_) { rowHeight_ = h; changed(Prop::Cells); } }

  void SetFocus();  // the program's own spelling, through the focus protocol

 private:
  friend class Screen;
  void changed(Prop p);

  ControlType type_;
  QString name_;
  int index_;
  Screen* screen_ = nullptr;
  Control* container_ = nullptr;
  int tabPage_ = -1;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true, enabled_ = true;
  QString caption_, text_, tag_, toolTip_;
  int selStart_ = 0, selLength_ = 0;
  Font font_;
  Color backColor_ = colors::WindowBackground;
  Color foreColor_ = colors::WindowText;
  int backStyle_ = 1;
  int borderStyle_ = 0;
  Color borderColor_ = colors::WindowText;
  int borderWidth_ = 1;
  int shape_ = 0;
  Color fillColor_ = colors::Black;
  int fillStyle_ = 1;
  Align alignment_ = Align::Left;
  bool wordWrap_ = false, autoSize_ = false;
  int tabIndex_ = 0;
  bool tabStop_ = true, locked_ = false, multiLine_ = false;
  int maxLength_ = 0;
  bool causesValidation_ = true;
  bool graphicalStyle_ = false, default_ = false, cancel_ = false;
  QString picture_;
  bool stretch_ = false;
  int value_ = 0;
  QStringList items_;
  int listIndex_ = -1;
  int currentTab_ = 0, tabHeight_ = 0;
  QVector<QStringList> cells_;
  int cols_ = 0;
  QVector<int> colWidths_;
  QVector<int> colAlignments_;
  int gridRow_ = -1;
  int rowHeight_ = 0;
};

}  // namespace qv
