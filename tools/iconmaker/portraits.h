#pragma once

#include "jpeg_file.h"

// The sixteen stock licence photographs P1GS.jpg to P16GS.jpg: drawn grey-scale
// head-and-shoulders portraits of made-up people (faces, hair, clothes,
// backgrounds, ages and builds all differ), 3:4 like a licence photograph,
// 300 x 400 pixels: sharp when a screen draws one about 300 pixels wide, and
// 300 dpi at the 1 x 1.33 in of a licence's photograph.
constexpr int portraitDotsPerInch = 300;
constexpr int portraitPixelWidth = 300;
constexpr int portraitPixelHeight = 400;
constexpr int portraitCount = 16;

QList<JpegPicture> portraits();
