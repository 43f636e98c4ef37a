#include "view/QtHost.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBuffer>
#include <QMimeData>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "view/Fonts.h"
#include "view/Guard.h"
#include "view/MainWindowView.h"
#include "view/ScreenView.h"
#include "view/ScreenWindow.h"
#include "view/Units.h"

namespace qv {

namespace {

QMessageBox::Icon messageIcon(StandardIcon icon) {
  switch (icon) {
    case StandardIcon::Information: return QMessageBox::Information;
    case StandardIcon::Warning: return QMessageBox::Warning;
    case StandardIcon::Critical: return QMessageBox::Critical;
    case StandardIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

// A screen shown for the first time: Activate, then the focus on the first
// tab stop unless Activate put it somewhere.
void firstActivation(Screen& s) {
  guarded([&] {
    s.activate();
    if (s.loaded() && !s.activeControl()) s.focusFirst();
  });
}

QString dialogStart(const FileDialogRequest& request) {
  const QString folder = request.initialFolder.isEmpty() ? QString() : paths::toHost(request.initialFolder);
  if (request.fileName.isEmpty()) return folder;
  return folder.isEmpty() ? request.fileName : QDir(folder).filePath(request.fileName);
}

// Wide enough to show whole the names the file-name patterns make (names,
// form and payer run to some 60 characters) with their size, type and date
// beside the list of places; never larger than the screen.
QSize firstFileDialogSize(const QWidget& dialog) {
  const QFontMetrics fm(dialog.font());
  const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(1024, 768);
  return QSize(fm.averageCharWidth() * 170, fm.height() * 36).expandedTo(dialog.sizeHint()).boundedTo(room);
}

}  // namespace

QString qtNameFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QChar(0));
  QStringList filters;
  for (int i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    if (description.isEmpty()) continue;
    QStringList patterns = i + 1 < parts.size() ? parts[i + 1].split(u';', Qt::SkipEmptyParts) : QStringList();
    for (QString& p : patterns) p = p.trimmed();
    const QString list = patterns.join(u' ');
    // "Form Files (*.velmora)" already names its pattern; Qt reads it from there.
    if (list.isEmpty() || description.endsWith(u'(' + list + u')', Qt::CaseInsensitive))
      filters << description;
    else
      filters << QStringLiteral("%1 (%2)").arg(description, list);
  }
  return filters.join(QLatin1String(";;"));
}

QtHost::QtHost() { installFonts(); }

QtHost::~QtHost() = default;

void QtHost::setMainWindow(MainWindowView* window) { mainWindow_ = window; }

void QtHost::setPdfFolder(const QString& hostFolder) { pdfFolder_ = hostFolder; }

QString QtHost::pdfFolder() const {
  if (!pdfFolder_.isEmpty()) return pdfFolder_;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

QWidget* QtHost::dialogParent() const {
  if (QWidget* active = QApplication::activeModalWidget()) return active;
  if (mainWindow_) return mainWindow_.data();
  return QApplication::activeWindow();
}

// ---- Screens ----

void QtHost::showModal(Screen& screen) {
  if (!screen.loaded()) guarded([&] { screen.load(); });
  if (!screen.loaded()) return;
  const QPointer<QWidget> parent = dialogParent();
  QDialog dialog(parent.data(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* view = new ScreenView(screen, &dialog);
  layout->addWidget(view);
  view->routeKeysFrom(&dialog);
  auto* binding = new ScreenWindowBinding(&dialog, view, ScreenWindowBinding::Kind::Dialog);
  dialog.setWindowModality(Qt::ApplicationModal);

  // Activate lays the screen out (a message box sizes itself there), so it
  // runs before the window is placed and shown.
  guarded([&] { screen.setVisible(true); });
  firstActivation(screen);
  if (!screen.loaded()) return;
  binding->apply();
  dialog.adjustSize();
  const QRect around = parent ? parent->frameGeometry()
                              : QGuiApplication::primaryScreen()->availableGeometry();
  dialog.move(around.center() - QPoint(dialog.width() / 2, dialog.height() / 2));

  QEventLoop loop;
  QObject::connect(view, &ScreenView::unloaded, &loop, &QEventLoop::quit);
  dialog.show();
  view->syncFocus();
  modalShown(screen, *view);
  if (screen.loaded()) loop.exec(QEventLoop::DialogExec);
  // The window under the dialog takes the keyboard back, as a desktop's
  // window manager gives it back, so the focus the program set there counts.
  dialog.hide();
  if (parent) parent->window()->activateWindow();
}

void QtHost::showScreen(Screen& screen) {
  if (mainWindow_ && &screen == &mainWindow_->screen()) {
    guarded([&] { screen.setVisible(true); });
    mainWindow_->show();
    // Start-up focused the first screen while the window was hidden.
    mainWindow_->activateWindow();
    mainWindow_->giveKeyboard();
    return;
  }
  // Document screens live in the main window; any other screen shown without
  // waiting is a window of its own above it.
  if (mainWindow_ && screen.isChild()) {
    mainWindow_->showChild(screen);
    return;
  }
  if (!screen.loaded()) guarded([&] { screen.load(); });
  if (!screen.loaded()) return;
  if (ScreenView* shown = windows_.value(&screen)) {
    shown->show();
    shown->raise();
    shown->activateWindow();
    return;
  }
  auto* view = new ScreenView(screen);
  if (mainWindow_) view->setParent(mainWindow_.data(), Qt::Window);
  view->setAttribute(Qt::WA_DeleteOnClose);
  auto* binding = new ScreenWindowBinding(view, view, ScreenWindowBinding::Kind::TopLevel);
  windows_.insert(&screen, view);
  guarded([&] { screen.setVisible(true); });
  firstActivation(screen);
  if (!screen.loaded()) return;
  binding->apply();
  view->show();
  view->syncFocus();
}

int QtHost::standardMessage(StandardIcon icon, const QString& title, const QString& text,
                            const QStringList& buttons) {
  QMessageBox box(messageIcon(icon), title, text, QMessageBox::NoButton, dialogParent());
  const QStringList captions = buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons;
  QList<QAbstractButton*> added;
  for (const QString& caption : captions) added << box.addButton(caption, QMessageBox::AcceptRole);
  // Escape and the close box answer with the last button (No, Cancel, OK).
  box.setEscapeButton(added.last());
  box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
  box.exec();
  const int index = int(added.indexOf(box.clickedButton()));
  return index >= 0 ? index : int(added.size()) - 1;
}

QString QtHost::runFileDialog(QFileDialog& dialog) {
  dialog.resize(fileDialogSize_.isValid() ? fileDialogSize_ : firstFileDialogSize(dialog));
  // Each column as wide as its longest entry (a whole name, a whole date),
  // however the desktop's last dialog left them.
  if (auto* files = dialog.findChild<QTreeView*>())
    files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  fileDialogSize_ = dialog.size();
  return chosen ? dialog.selectedFiles().value(0) : QString();
}

QString QtHost::openFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(dialogParent(), request.title.isEmpty() ? QStringLiteral("Open") : request.title,
                     dialogStart(request), qtNameFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return runFileDialog(dialog);
}

QString QtHost::saveFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(dialogParent(), request.title.isEmpty() ? QStringLiteral("Save As") : request.title,
                     dialogStart(request), qtNameFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The program asks about existing files itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  return runFileDialog(dialog);
}

// ---- Printing ----

QStringList QtHost::printers() {
  QStringList out;
  const QString standard = QPrinterInfo::defaultPrinterName();
  if (!standard.isEmpty()) out << standard;
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    if (name != standard && name != PdfPrinterName) out << name;
  out << PdfPrinterName;
  return out;
}

bool QtHost::printScreen(Screen& screen, const QString& printerName, PrintOutcome& outcome) {
  auto fail = [&](const QString& why) {
    outcome.error = why;
    return false;
  };
  if (screen.scaleWidth() <= 0 || screen.scaleHeight() <= 0)
    return fail(QStringLiteral("The screen %1 has no area to print.").arg(screen.name()));
  std::unique_ptr<QPrinter> printer;
  if (printerName == PdfPrinterName) {
    const QString folder = pdfFolder();
    if (!QDir().mkpath(folder)) return fail(QStringLiteral("Cannot create the PDF folder %1.").arg(folder));
    const QString stem = QStringLiteral("%1_%2").arg(screen.name(), clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss")));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)  // two prints within one second
      path = QDir(folder).filePath(QStringLiteral("%1_%2.pdf").arg(stem).arg(n));
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::Letter));
  } else {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) return fail(QStringLiteral("The printer \"%1\" does not exist.").arg(printerName));
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  printer->setDocName(screen.caption().isEmpty() ? screen.name() : screen.caption());
  printer->setPageOrientation(screen.scaleWidth() > screen.scaleHeight() ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
  QPainter p;
  if (!p.begin(printer.get()))
    return fail(QStringLiteral("The printer \"%1\" cannot print now.").arg(printerName));
  // At its own size from the top left of the printable area, shrunk only
  // when it would not fit the page.
  const double scale = printer->resolution() / 1440.0;
  const double fit = std::min({1.0, printer->width() / (screen.scaleWidth() * scale),
                               printer->height() / (screen.scaleHeight() * scale)});
  p.scale(scale * fit, scale * fit);
  ScreenPainter(screen, PaintOptions{true, true}).paintScreen(p);
  if (!p.end()) return fail(QStringLiteral("The printer \"%1\" did not finish the page.").arg(printerName));
  if (printer->outputFormat() == QPrinter::PdfFormat) outcome.file = printer->outputFileName();
  return true;
}

// ---- Clipboard and desktop ----

bool QtHost::copyScreenPicture(Screen& screen) {
  const QImage picture = renderScreen(screen, PaintOptions{true, false});
  if (picture.isNull()) return false;
  // As an image and as PNG bytes, so that every program that pastes finds it.
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return false;
  auto* data = new QMimeData;
  data->setImageData(picture);
  data->setData(QStringLiteral("image/png"), png);
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

QString QtHost::clipboardText() { return QGuiApplication::clipboard()->text(); }

void QtHost::setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool QtHost::openDocument(const QString& hostPath) {
  if (!QFileInfo::exists(hostPath)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath));
}

QSize QtHost::screenSizeTwips() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize pixels = screen ? screen->size() : QSize(1024, 768);
  return QSize(pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height()));
}

void QtHost::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::quit(int code) {
  // At once: no window is asked to close, so no closing handler runs.
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(code);
  if (QThread::currentThread()->loopLevel() == 0)  // before the event loop started
    QTimer::singleShot(0, qApp, [code] { QCoreApplication::exit(code); });
}

}  // namespace qv
