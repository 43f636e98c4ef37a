#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

// Quality of every JPEG the tool writes: fine lines and lettering stay clean.
constexpr int jpegQuality = 92;

// Writes `image` as a baseline JPEG (grey-scale when the image is
// Format_Grayscale8) at `dotsPerInch`. The same image gives the same bytes on
// every run: no progressive or optimised coding and nothing in the file but
// the JFIF header and the picture. Returns an empty string on success, else
// the reason it failed.
QString writeJpegFile(const QString& path, QImage image, int dotsPerInch);

// A picture the program shows from its folder, drawn on demand.
struct JpegPicture {
    QString fileName;
    int dotsPerInch;
    std::function<QImage()> draw;
};
