#include "jpeg_file.h"

#include <QImageWriter>

#include <cmath>

QString writeJpegFile(const QString& path, QImage image, int dotsPerInch)
{
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(jpegQuality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (writer.write(image))
        return {};
    return writer.errorString();
}
