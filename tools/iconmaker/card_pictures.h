#pragma once

#include "jpeg_file.h"

#include <QRectF>

// The backgrounds of the Social Security and ITIN card facsimiles (SSN.jpg,
// ITIN.jpg). A card is 3.375 x 2.125 in; the pictures hold it at 192 pixels
// an inch, twice its real size on a 96-dpi screen (324 x 204), so that it
// stays sharp when the card screen draws it about 300 pixels wide.
constexpr int cardDotsPerInch = 192;
constexpr int cardPixelWidth = 648;
constexpr int cardPixelHeight = 408;

// Where the card screen's fields stand, in fractions of the card's width and
// height: both pictures leave these bands to the background pattern, and print
// "THIS NUMBER HAS BEEN ESTABLISHED FOR" between them.
inline const QRectF cardNumberBand(0.06, 0.315, 0.88, 0.155);
inline const QRectF cardNameBand(0.06, 0.56, 0.88, 0.185);

QList<JpegPicture> cardPictures();
