// Every tax form screen, filled in full, saved, cleared and opened again: each
// text and check mark comes back as it was, the file is one Windows-1252 line
// ended by CR LF, and saving the opened screen again writes the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "FilesTest.h"
#include "engine/FieldEdits.h"
#include "runtime/Text.h"

namespace filestest {
namespace {

using qv::Control;
using qv::ControlType;

// Every text and check caption of the screen, by the control's name and index.
std::map<QString, QString> contentOf(const qv::Screen& screen) {
  std::map<QString, QString> content;
  for (Control* c : screen.controls())
    if (c->type() == ControlType::TextBox) content[c->displayName()] = c->text();
  for (Control* c : checksOf(screen)) content[c->displayName()] = c->caption();
  return content;
}

// The item a filled control writes: Text1(i) as TXTi, Textn(i) as TXni, Check(i) as CHKi.
QString itemOf(const Control& c) {
  if (c.type() == ControlType::Label) return QStringLiteral("CHK%1=%2").arg(c.index()).arg(c.caption());
  const QString key = c.name() == u"Text1" ? QStringLiteral("TXT%1").arg(c.index())
                                            : QStringLiteral("TX%1%2").arg(c.name().mid(4)).arg(c.index());
  return key + u'=' + QString(c.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\u00BB"));
}

class RoundTrip : public FilesTest, public ::testing::WithParamInterface<const char*> {
 protected:
  // Fills every field with the sample of its kind and ticks every check label.
  void fillIn() {
    for (Control* field : fieldsOf(form())) {
      field->setText(typedValue(*field));
      ASSERT_TRUE(qv::EditCtl(*field)) << qPrintable(field->displayName()) << " kind \"" << qPrintable(field->tag())
                                       << "\" refuses " << qPrintable(typedValue(*field));
      const QString sample = field->text();
      ASSERT_TRUE(qv::EditCtl(*field) && field->text() == sample)
          << qPrintable(field->displayName()) << ": the edit changes its own result " << qPrintable(sample);
    }
    for (Control* check : checksOf(form())) check->setCaption(QStringLiteral("X"));
  }
};

TEST_P(RoundTrip, SaveClearOpenBringsEveryValueBack) {
  const QString name = QLatin1String(GetParam());
  qv::Screen& screen = show(name);
  fillIn();
  if (HasFatalFailure()) return;
  // The keyboard goes through the boxes of names and numbers, as typing does,
  // so that boxes a screen copies from them (the RRB-1099's second payer and
  // recipient) hold the copies. Amount boxes are left: the samples are no
  // sound return, and a computation would refuse them.
  for (Control* field : fieldsOf(screen)) {
    const QString kind = qv::uCase(field->tag());
    if (field->focusable() && !kind.contains(u"MONEY") && kind != u"COMPUTED") screen.setFocus(*field);
  }
  screen.setFocus(*fieldsOf(screen).front());
  ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals());
  const std::map<QString, QString> typed = contentOf(screen);
  // The controls that write an item, in control order: every field and check label.
  const std::vector<Control*> fields = fieldsOf(screen), checks = checksOf(screen);
  std::vector<Control*> writers;
  for (Control* c : screen.controls())
    if (std::count(fields.begin(), fields.end(), c) || std::count(checks.begin(), checks.end(), c)) writers.push_back(c);
  const auto twoLine = std::count_if(fields.begin(), fields.end(), [](Control* f) { return f->multiLine(); });

  const QString path = QStringLiteral("C:\\Forms\\") + name + QStringLiteral("_000") + kExtension;
  save(path);
  ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals());
  ASSERT_EQ(host_.dialogs().size(), 1u);
  EXPECT_TRUE(host_.dialogs()[0].save);
  const std::map<QString, QString> filled = contentOf(screen);
  EXPECT_EQ(filled, typed) << "saving changed the screen";

  // One line, CR LF once at its end; "·" and "»" as their Windows-1252 bytes.
  const QByteArray bytes = fileBytes(path);
  ASSERT_TRUE(bytes.endsWith("\r\n")) << bytes.right(20).toStdString();
  const QByteArray line = bytes.chopped(2);
  EXPECT_FALSE(line.contains('\r') || line.contains('\n'));
  EXPECT_EQ(line.count(kDot), 1 + qsizetype(writers.size()));
  EXPECT_EQ(line.count(kBreak), twoLine);
  EXPECT_FALSE(line.contains('?')) << "a character was lost to the code page";
  const QString prefix = qv::GetFormInfo(name, QStringLiteral("RecordPrefix"));
  ASSERT_FALSE(prefix.isEmpty());
  QStringList expected = {prefix, QStringLiteral("2024")};
  for (Control* c : writers) expected << itemOf(*c);
  EXPECT_EQ(qv::decodeWin1252(line), expected.join(QChar(0x00B7)));

  qv::Form_Clear();
  ASSERT_NE(contentOf(screen), filled);

  open(path);
  ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals());
  EXPECT_EQ(&form(), &screen);
  EXPECT_TRUE(screen.loaded() && screen.visible());
  EXPECT_EQ(qv::state().CurrentFile, path);
  EXPECT_EQ(contentOf(screen), filled);
  EXPECT_EQ(screen.ctl(QStringLiteral("labelMisc")).caption(), path);
  EXPECT_EQ(fileBytes(path), bytes) << "opening changed the file";

  // Saved again as a new file beside it: the same bytes.
  host_.queueAnswer(QStringLiteral("ASSIGN Next Sequence Number"));
  qv::Save_File();
  ASSERT_EQ(host_.modals().size(), 1u) << describe(host_.modals());
  EXPECT_EQ(host_.modals()[0].screen, "F7_Save");
  const QString second = QStringLiteral("C:\\Forms\\") + name + QStringLiteral("_001") + kExtension;
  EXPECT_EQ(fileBytes(second), bytes);
  EXPECT_EQ(fileBytes(path), bytes);
  EXPECT_EQ(host_.dialogs().size(), 2u) << "an opened file is saved without the save dialog";
}

INSTANTIATE_TEST_SUITE_P(EveryTaxForm, RoundTrip, ::testing::ValuesIn(builtTaxForms()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace filestest
