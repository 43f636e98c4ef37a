// Real printing: the 1099-INT with typed values, positioned and printed as the
// Print button does, on the desktop host's printers: its PDF printer and, when
// the desktop has one, a CUPS PDF queue. The PDF holds the facsimile as vector
// drawing with the typed values as text.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include "controls/Screen.h"
#include "engine/Positioning.h"
#include "files/ScreenClip.h"
#include "platform/Clock.h"
#include "screens/Catalog.h"
#include "unit/engine/EngineTest.h"
#include "view/QtHost.h"

namespace {

using qvtest::EngineTest;

// The scripted host (boxes are answered and recorded) with the desktop's printers.
class DesktopPrinters : public qv::ScriptedHost {
 public:
  QStringList printers() override { return desktop.printers(); }
  bool printScreen(qv::Screen& screen, const QString& printer, qv::PrintOutcome& outcome) override {
    return desktop.printScreen(screen, printer, outcome);
  }
  qv::QtHost desktop;
};

// Runs a poppler tool; its standard output, or a null array when it failed.
QByteArray run(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
  const QByteArray out = p.readAllStandardOutput();
  return out.isNull() ? QByteArray("") : out;
}

class Print : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    qv::setHost(&printers_);
    qv::resetCurrentPrinter();
    shippedFormsInf();
    form_ = qv::screenNamed(QStringLiteral("TF_1099INT"));
    ASSERT_TRUE(form_);
    qv::Form_Position(*form_);
    type(0, "FIRST NATIONAL BANK");
    type(2, "1234.5");
    type(5, "123-45-6789");
    qv::clock::fix(QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));
  }
  void TearDown() override {
    qv::clock::fix(QDateTime());
    if (form_ && form_->loaded()) form_->unload();
    qv::setHost(&host_);
    EngineTest::TearDown();
  }
  // Types into Text1(index) and leaves the field, as the user does.
  void type(int index, const char* text) {
    qv::Control& field = form_->ctl(QStringLiteral("Text1"), index);
    ASSERT_TRUE(form_->setFocus(field));
    form_->typeText(QLatin1String(text));
    form_->tabFocus(false);
  }
  // Prints on `printer` as the Print button does; the boxes shown meanwhile.
  std::vector<qv::ShownModal> print(const QString& printer) {
    const size_t before = printers_.modals().size();
    qv::state().SelectedPrinter = printer;
    printed_ = qv::Form_Print(*form_);
    return {printers_.modals().begin() + before, printers_.modals().end()};
  }
  DesktopPrinters printers_;
  qv::Screen* form_ = nullptr;
  QString printed_;  // what the status line is to say of the last print
};

TEST_F(Print, PdfHoldsTheFacsimileWithTheTypedValuesAsText) {
  ASSERT_EQ(form_->ctl(QStringLiteral("Text1"), 2).text(), "$1,234.50");
  const QString folder = hostPath(QStringLiteral("VelmoraForms"));
  printers_.desktop.setPdfFolder(folder);
  const auto shown = print(qv::QtHost::PdfPrinterName);
  ASSERT_TRUE(shown.empty()) << shown.front().text.toStdString();
  const QString pdf = QDir(folder).filePath(QStringLiteral("TF_1099INT_20250304_050607.pdf"));
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(printed_, QStringLiteral("Printed to C:\\VelmoraForms\\TF_1099INT_20250304_050607.pdf"));

  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    GTEST_SKIP() << "poppler-utils are not installed";
  const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
  for (const char* shown : {"FIRST NATIONAL BANK", "$1,234.50", "123-45-6789", "Interest income"})
    EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown << " is not text in the PDF:\n" << text.toStdString();

  // Drawn as the screen shows it: a page with the box grid on it.
  const QString stem = QDir(folder).filePath(QStringLiteral("page"));
  ASSERT_FALSE(run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                QStringLiteral("-singlefile"), pdf, stem})
                   .isNull());
  const QImage page(stem + QStringLiteral(".png"));
  ASSERT_FALSE(page.isNull());
  int dark = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 128;
  EXPECT_GT(dark, page.width() * page.height() / 200) << "the page is blank";
}

// A page shows the paper document alone: nothing that lies below the cut the
// Print command makes (the status line with its help text, a note box) is on
// it, though the screen window holds it.
TEST_F(Print, APageHoldsNothingBelowTheDocument) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "poppler-utils are not installed";
  const struct {
    const char* screen;
    const char* onPaper;  // text of the document itself
  } cases[] = {
      {"TF_W2", "Wage and Tax Statement"},
      {"TF_1095C", "Employer-Provided Health Insurance"},
      {"TF_SSA1099", "BENEFIT STATEMENT"},
      {"TF_1099MISC", "Miscellaneous"},
  };
  const QString folder = hostPath(QStringLiteral("Pages"));
  printers_.desktop.setPdfFolder(folder);
  int second = 0;
  for (const auto& c : cases) {
    form_->unload();
    form_ = qv::screenNamed(QLatin1String(c.screen));
    ASSERT_TRUE(form_) << c.screen;
    qv::Form_Position(*form_);
    // The first field with a help text puts it on the status line.
    QString help;
    for (qv::Control* field : form_->array(QStringLiteral("Text1")))
      if (help.isEmpty() && form_->setFocus(*field)) help = form_->ctl(QStringLiteral("labelMisc")).caption();
    ASSERT_FALSE(help.isEmpty()) << c.screen << ": the status line shows no help to look for";
    ASSERT_TRUE(qv::Screen_Clip()) << c.screen;
    qv::clock::fix(QDateTime(QDate(2025, 3, 4), QTime(5, 7, second++)));
    const auto shown = print(qv::QtHost::PdfPrinterName);
    ASSERT_TRUE(shown.empty()) << c.screen << ": " << shown.front().text.toStdString();
    const QString pdf = QDir(folder).filePath(QStringLiteral("%1_20250304_0507%2.pdf")
                                                  .arg(QLatin1String(c.screen))
                                                  .arg(second - 1, 2, 10, QLatin1Char('0')));
    ASSERT_TRUE(QFile::exists(pdf)) << pdf.toStdString();
    const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}))
                             .simplified();
    EXPECT_TRUE(text.contains(QLatin1String(c.onPaper), Qt::CaseInsensitive)) << c.screen << ":\n" << text.toStdString();
    EXPECT_FALSE(text.contains(help.simplified())) << c.screen << ": the status line is on the page";
    // Every caption that starts below the cut stays off the page.
    for (const qv::Control* label : form_->controls()) {
      if (label->type() != qv::ControlType::Label || label->container() || label->caption().trimmed().isEmpty())
        continue;
      if (label->top() < form_->scaleHeight()) continue;
      EXPECT_FALSE(text.contains(label->caption().simplified()))
          << c.screen << ": " << label->displayName().toStdString() << " lies below the cut but is on the page";
    }
  }
}

// Only a CUPS queue that writes PDF files is used, never one with paper in it.
TEST_F(Print, CupsPdfQueueTakesTheJob) {
  QString queue;
  for (const QPrinterInfo& p : QPrinterInfo::availablePrinters())
    if (p.makeAndModel().contains(QLatin1String("CUPS-PDF"), Qt::CaseInsensitive)) queue = p.printerName();
  if (queue.isEmpty()) GTEST_SKIP() << "no CUPS-PDF queue on this desktop";
  ASSERT_TRUE(printers_.printers().contains(queue));
  const auto shown = print(queue);
  EXPECT_TRUE(shown.empty()) << queue.toStdString() << ": " << shown.front().text.toStdString();
}

}  // namespace
