// The pictures the build draws into the program folder for the identity
// screens, under the names the program loads them by: the bands across the top
// of the Social Security and ITIN cards (SSN.jpg, ITIN.jpg, as the card screen
// and its form files name them) and the sixteen stock licence photographs
// (P<n>GS.jpg, as the licence screen and its form files name them).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cmath>
#include <vector>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "view/Units.h"

namespace {

QString programFile(const QString& name) { return QDir(QStringLiteral(QV_PROGRAM_DIR)).filePath(name); }

// How far apart two pictures of one size are: the mean difference of their
// grey levels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
  const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
  const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
  double total = 0;
  for (int y = 0; y < ga.height(); ++y) {
    const uchar* ra = ga.constScanLine(y);
    const uchar* rb = gb.constScanLine(y);
    for (int x = 0; x < ga.width(); ++x) total += std::abs(int(ra[x]) - int(rb[x]));
  }
  return total / (double(ga.width()) * ga.height());
}

// The mean colour of a picture's last `rows` rows.
QColor footColour(const QImage& picture, int rows) {
  double red = 0, green = 0, blue = 0;
  for (int y = picture.height() - rows; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      red += c.red();
      green += c.green();
      blue += c.blue();
    }
  const double n = double(rows) * picture.width();
  return QColor(qRound(red / n), qRound(green / n), qRound(blue / n));
}

// The card screen stretches each picture over the band across the top of a
// card: the picture has that band's shape at three pixels for each of the
// screen's, so that a printed card stays sharp, and its foot is the card's
// own paper, so that the band does not end in an edge.
TEST(ProgramPictures, CardPicturesAreBandsOfTheCardScreenMeetingItsPaper) {
  qv::Screen cards(QStringLiteral("F2_SS_ITIN"));
  QString error;
  ASSERT_TRUE(qv::layout::load(cards, cards.name(), &error)) << error.toStdString();
  const qv::Control& box = cards.ctl(QStringLiteral("Image1"), 0);
  const QSize band(qv::twipsToPixels(box.width()), qv::twipsToPixels(box.height()));
  const QColor paper = qv::qtColor(cards.ctl(QStringLiteral("Label5"), 0).backColor());

  const QImage ssn(programFile(QStringLiteral("SSN.jpg")));
  const QImage itin(programFile(QStringLiteral("ITIN.jpg")));
  for (const QImage* picture : {&ssn, &itin}) {
    ASSERT_FALSE(picture->isNull());
    EXPECT_EQ(picture->size(), band * 3) << picture->width() << " x " << picture->height();
    EXPECT_NEAR(double(picture->width()) / picture->height(), double(box.width()) / box.height(), 0.01);
    EXPECT_FALSE(picture->isGrayscale());
    const QColor foot = footColour(*picture, 2);
    for (const auto& [drawn, wanted] : {std::pair{foot.red(), paper.red()}, std::pair{foot.green(), paper.green()},
                                        std::pair{foot.blue(), paper.blue()}})
      EXPECT_NEAR(drawn, wanted, 4) << "foot " << foot.name().toStdString() << ", paper " << paper.name().toStdString();
  }
  EXPECT_GT(meanDifference(ssn, itin), 10.0) << "the two cards look alike";
}

TEST(ProgramPictures, SixteenClearlyDifferentGreyScalePortraits) {
  std::vector<QImage> photos;
  for (int n = 1; n <= 16; ++n) {
    const QString name = QStringLiteral("P%1GS.jpg").arg(n);
    const QImage photo(programFile(name));
    ASSERT_FALSE(photo.isNull()) << name.toStdString();
    EXPECT_EQ(photo.size(), QSize(300, 400)) << name.toStdString() << ": 3:4 like a licence photograph";
    EXPECT_TRUE(photo.isGrayscale()) << name.toStdString();
    photos.push_back(photo);
  }
  EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("P0GS.jpg"))));
  EXPECT_FALSE(QFile::exists(programFile(QStringLiteral("P17GS.jpg"))));
  for (size_t i = 0; i < photos.size(); ++i)
    for (size_t j = i + 1; j < photos.size(); ++j)
      EXPECT_GT(meanDifference(photos[i], photos[j]), 12.0) << "P" << i + 1 << "GS and P" << j + 1 << "GS look alike";
}

}  // namespace
