#pragma once

#include "jpeg_file.h"

// The bands across the top of the Social Security and ITIN cards (SSN.jpg,
// ITIN.jpg). The card screen stretches them over its picture box, 4230 x 795
// twips (282 x 53 pixels at 96 dpi); they hold that box at three pixels for
// each of its own, 288 dpi, so that a printed card stays as sharp as its
// lettering, which the printer draws at its own resolution.
constexpr int bandDotsPerInch = 288;
constexpr int bandPixelWidth = 846;
constexpr int bandPixelHeight = 159;

QList<JpegPicture> cardPictures();
