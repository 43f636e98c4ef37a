#include "files/FileExists.h"

#include <QFile>
#include <QRegularExpression>

#include "files/FileNames.h"
#include "files/FormFiles.h"
#include "files/FormRecord.h"
#include "frame/ErrorTrap.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Paths.h"

namespace qv {

namespace {

const QString kTemplate = QStringLiteral(
    "Current File:   <FILE>\r\n"
    "Current Folder: <FOLDER>\r\n"
    "Options:        Press Save Button\r\n"
    "                 Press Assign Next Sequence Number Button\r\n"
    "                 Press Exit Without Saving Button");

// The separator a path uses: "\" for program paths, "/" for host paths.
qsizetype lastSeparator(const QString& path) { return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')); }

QChar separatorOf(const QString& path) {
  const qsizetype at = lastSeparator(path);
  return at < 0 ? QChar(u'\\') : path.at(at);
}

QString sequenceText(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }

}  // namespace

F7_Save& fileExistsDialog() {
  static F7_Save dialog;
  return dialog;
}

QString currentFileText(const QString& folder, const QString& name, const QString& extension) {
  QString text = kTemplate;
  if (state().CommandLine.contains(QLatin1String("F99"), Qt::CaseInsensitive))
    return text + QString(kTemplate).replace(QStringLiteral("<FILE>"), name, Qt::CaseInsensitive);
  text.replace(QStringLiteral("<FILE>"), name + u'.' + extension, Qt::CaseInsensitive);
  text.replace(QStringLiteral("<FOLDER>"), folder, Qt::CaseInsensitive);
  return text;
}

QString nextSequenceName(const QString& stem, const QString& extension) {
  static const QRegularExpression numbered(QStringLiteral("_(\\d{3})$"));
  const QString& base = stem;
  const QString ext = u'.' + extension;
  QString candidate;
  if (const auto m = numbered.match(stem); m.hasMatch()) {
    const QString head = base.chopped(4);
    for (int n = m.captured(1).toInt() + 1;; ++n) {
      candidate = head + u'_' + sequenceText(n) + ext;
      if (!paths::exists(candidate)) return candidate;
    }
  }
  for (int n = 0;; ++n) {
    candidate = base + u'_' + sequenceText(n) + ext;
    if (!paths::exists(candidate)) return candidate;
  }
}

void F7_Save::onLoad() {
  answered_ = false;
  const qsizetype cut = lastSeparator(F7_FullPath);
  folder_ = cut < 0 ? QString() : F7_FullPath.left(cut);
  const QString file = F7_FullPath.mid(cut + 1);
  const qsizetype dot = file.lastIndexOf(u'.');
  name_ = dot < 0 ? file : file.left(dot);
  extension_ = dot < 0 ? QString() : file.mid(dot + 1);
  ctl(QStringLiteral("Label2")).setCaption(currentFileText(folder_, name_, extension_));
  ctl(QStringLiteral("Text2")).setText(extension_);
  ctl(QStringLiteral("Text1")).setText(name_);  // its Change builds the SAVE caption
  onChange(ctl(QStringLiteral("Text1")));
  ctl(QStringLiteral("Text1")).SetFocus();
}

// A typed name or extension as a file name in the folder: what a file name
// cannot hold ("\", "/" among them) becomes "-", so the file stays there.
QString F7_Save::typed(const QString& box) const { return portableFileName(ctl(box).text()); }

QString F7_Save::renamedPath() const {
  return folder_ + separatorOf(F7_FullPath) + typed(QStringLiteral("Text1")) + u'.' + typed(QStringLiteral("Text2"));
}

void F7_Save::onChange(Control& c) {
  if (c.name() != u"Text1") return;
  ctl(QStringLiteral("cmdSave"))
      .setCaption(QStringLiteral("SAVE\r\n") + folder_ + separatorOf(F7_FullPath) + typed(c.name()) + u'.' +
                  extension_ + QStringLiteral("\r\nEXIT"));
}

void F7_Save::onClick(Control& c) {
  if (c.name() == u"cmdSave") cmdSave_Click();
  else if (c.name() == u"cmdNewSequence") cmdNewSequence_Click();
  else if (c.name() == u"cmdExit") answer(4);
}

void F7_Save::answer(int result) {
  state().SaveResult = result;
  answered_ = true;
  unload();
}

void F7_Save::onQueryUnload(bool&) {
  // The close box leaves without saving: writing on a close is the unsafe choice.
  if (!answered_) state().SaveResult = 4;
}

void F7_Save::cmdSave_Click() {
  Control& name = ctl(QStringLiteral("Text1"));
  if (name.text().isEmpty()) {
    Show_MBX(QStringLiteral("F7_Save:cmdSave_Click"), 800, QStringLiteral("File Name BLANK - Restoring Original File Name."),
             QStringLiteral("OK"), false, {}, {}, {}, 1);
    name.setText(name_);
    return;
  }
  if (typed(QStringLiteral("Text1")).compare(name_, Qt::CaseInsensitive) == 0) return answer(2);
  // Renamed: the record under the new name first, the old file only once that is written.
  trap(QStringLiteral("F7_Save:cmdSave_Click"), [&] {
    Build_Record();
    const QString target = renamedPath();
    writeFormFile(target, state().FileRecord);
    if (!QFile::remove(paths::toHost(F7_FullPath)))
      raiseError(err::PathFileAccess,
                 QStringLiteral("Path/File access error: %1 was saved, but %2 could not be deleted.").arg(target, F7_FullPath));
  });
  answer(4);
}

void F7_Save::cmdNewSequence_Click() {
  trap(QStringLiteral("F7_Save:cmdNewSequence_Click"), [&] {
    writeFormFile(nextSequenceName(folder_ + separatorOf(F7_FullPath) + name_, typed(QStringLiteral("Text2"))),
                  state().FileRecord);
  });
  answer(4);
}

}  // namespace qv
