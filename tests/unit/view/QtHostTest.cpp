// The desktop host: pictures, PDF printing, file filters and modal screens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWidget>

#include "RecordingScreen.h"
#include "platform/Clock.h"
#include "view/QtHost.h"

namespace qv {
namespace {

using test::RecordingScreen;

const QByteArray kForm = R"({"screen": {"width": 3000, "height": 2000, "backColor": "&H00FFFFFF"},
"controls": [
{"type": "Label", "name": "Title", "left": 150, "top": 150, "width": 1500, "height": 300, "caption": "Form W-2", "backColor": "&H000000FF"},
{"type": "TextBox", "name": "Text1", "index": 0, "left": 150, "top": 600, "width": 1500, "height": 330, "backColor": "&H0000FF00"}
]})";

TEST(QtHost, ClipboardPictureIsTheClientAreaInPixels) {
  QtHost host;
  RecordingScreen form(QStringLiteral("TF_W2"), kForm);
  form.load();
  ASSERT_TRUE(host.copyScreenPicture(form));
  const QImage picture = QGuiApplication::clipboard()->image();
  EXPECT_EQ(picture.size(), QSize(200, 133));
  EXPECT_EQ(picture.pixelColor(60, 45), QColor(Qt::green)) << "text boxes keep the colours the screen has";
}

TEST(QtHost, PdfPrinterWritesOneFilePerPrint) {
  QtHost host;
  QTemporaryDir dir;
  host.setPdfFolder(dir.filePath(QStringLiteral("pdf")));
  clock::fix(QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));
  RecordingScreen form(QStringLiteral("TF_W2"), kForm);
  form.load();

  EXPECT_EQ(host.printers().last(), QtHost::PdfPrinterName);
  PrintOutcome first, second;
  ASSERT_TRUE(host.printScreen(form, QtHost::PdfPrinterName, first)) << first.error.toStdString();
  ASSERT_TRUE(host.printScreen(form, QtHost::PdfPrinterName, second)) << second.error.toStdString();
  clock::fix(QDateTime());
  const QDir out(dir.filePath(QStringLiteral("pdf")));
  EXPECT_EQ(out.entryList(QDir::Files, QDir::Name),
            (QStringList{"TF_W2_20250304_050607.pdf", "TF_W2_20250304_050607_2.pdf"}));
  EXPECT_EQ(first.file, out.filePath(QStringLiteral("TF_W2_20250304_050607.pdf"))) << "the print says where it went";
  EXPECT_EQ(second.file, out.filePath(QStringLiteral("TF_W2_20250304_050607_2.pdf")));
  QFile pdf(out.filePath(QStringLiteral("TF_W2_20250304_050607.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  PrintOutcome none;
  EXPECT_FALSE(host.printScreen(form, QStringLiteral("No Such Printer"), none));
  EXPECT_TRUE(none.error.contains(QLatin1String("No Such Printer"))) << none.error.toStdString();
  EXPECT_TRUE(none.file.isEmpty());
}

TEST(QtHost, FileFiltersInQtForm) {
  using namespace Qt::Literals::StringLiterals;
  const std::pair<QString, QString> cases[] = {
      {u"Velmora Form Files (*.velmora)\0*.velmora\0"_s, u"Velmora Form Files (*.velmora)"_s},
      {u"Tax Form Files (*.taxform)\0*.taxform\0"_s, u"Tax Form Files (*.taxform)"_s},
      {u"Settings\0*.inf;*.ini\0All Files\0*.*\0"_s, u"Settings (*.inf *.ini);;All Files (*.*)"_s},
      {QString(), QString()},
  };
  for (const auto& [windows, qt] : cases) EXPECT_EQ(qtNameFilter(windows), qt) << windows.toStdString();
}

// The open and save dialogs show a form file's name whole, and open at the
// size the user left the last one at.
TEST(QtHost, FileDialogsShowWholeNamesAndKeepTheUsersSize) {
  QtHost host;
  QTemporaryDir dir, settings;
  // Qt's dialogs take their columns from the desktop's settings, as the last
  // dialog of any run left them: here with the names column made narrow.
  const QString desktopSettings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  const auto restore = qScopeGuard(
      [&] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, desktopSettings); });
  {
    QFileDialog earlier;
    auto* files = earlier.findChild<QTreeView*>();
    ASSERT_TRUE(files);
    files->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    files->header()->resizeSection(0, 80);
  }
  const QString name = QStringLiteral("1099INT_DOE,JOHN_FIRST NATIONAL BANK OF SPRINGFIELD_000.velmora");
  ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
  const QString filter = QStringLiteral("Velmora Form Files (*.velmora)") + QChar(0) + QStringLiteral("*.velmora");
  const FileDialogRequest request{QStringLiteral("Select File"), dir.path(), {}, filter};

  QSize first;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    auto* files = dialog->findChild<QTreeView*>();
    ASSERT_TRUE(files);
    const auto listed = [&] {  // the folder is read in the background
      const QAbstractItemModel* m = files->model();
      for (int row = 0; row < m->rowCount(files->rootIndex()); ++row)
        if (m->index(row, 0, files->rootIndex()).data().toString() == name) return true;
      return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(listed));
    QTest::qWait(50);
    const int column = files->header()->sectionSize(0);
    EXPECT_GE(column, files->fontMetrics().horizontalAdvance(name) + files->iconSize().width()) << "the name is cut";
    EXPECT_LE(column, files->viewport()->width()) << "the names reach past the dialog";
    first = dialog->size();
    dialog->resize(first + QSize(150, 60));  // the user makes it larger
    dialog->reject();
  });
  EXPECT_EQ(host.openFileDialog(request), QString());

  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->size(), first + QSize(150, 60)) << "the save dialog opens as the user left the last one";
    dialog->selectFile(name);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(host.saveFileDialog(request), dir.filePath(name));
}

TEST(QtHost, ModalScreenRunsUntilItUnloads) {
  QtHost host;
  RecordingScreen box(QStringLiteral("F9_MBX"), R"({"screen": {"caption": "Question", "width": 3000, "height": 2000, "fixedDialog": true},
"controls": [{"type": "CommandButton", "name": "cmd1", "left": 150, "top": 150, "width": 1200, "height": 450, "caption": "OK"}]})");
  box.refuseUnload = true;
  bool checked = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Question"));
    EXPECT_EQ(dialog->size(), QSize(200, 133));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed dialog";
    EXPECT_EQ(box.activeControl(), &box.ctl(QStringLiteral("cmd1")));
    dialog->close();  // refused: it stays
    EXPECT_TRUE(box.loaded());
    EXPECT_TRUE(dialog->isVisible());
    box.refuseUnload = false;
    checked = true;
    dialog->close();
  });
  host.showModal(box);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(box.loaded());
  EXPECT_EQ(box.events.filter("QueryUnload").size(), 2);
  EXPECT_EQ(box.events.first(), QStringLiteral("Activate"));
}

}  // namespace
}  // namespace qv
