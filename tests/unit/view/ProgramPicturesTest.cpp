// The pictures the build draws into the program folder for the identity
// screens, under the names the program loads them by: the card backgrounds of
// the Social Security and ITIN cards (SSN.jpg, ITIN.jpg, as the card screen and
// its form files name them) and the sixteen stock licence photographs
// (P<n>GS.jpg, as the licence screen and its form files name them).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cmath>
#include <vector>

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

TEST(ProgramPictures, CardBackgroundsHaveACardsShapeInColour) {
  // A card is 3.375 by 2.125 inches; the pictures hold it at 192 pixels an inch.
  const QImage ssn(programFile(QStringLiteral("SSN.jpg")));
  const QImage itin(programFile(QStringLiteral("ITIN.jpg")));
  for (const QImage* card : {&ssn, &itin}) {
    ASSERT_FALSE(card->isNull());
    EXPECT_EQ(card->size(), QSize(648, 408));
    EXPECT_NEAR(double(card->width()) / card->height(), 3.375 / 2.125, 0.005);
    EXPECT_FALSE(card->isGrayscale());
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
