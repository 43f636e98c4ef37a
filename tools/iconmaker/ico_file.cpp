#include "ico_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include <algorithm>

// The "ico" image writer stores a single image per file, so each size is
// encoded on its own and the entries are joined into one icon directory.
namespace {

constexpr int headerSize = 6;
constexpr int entrySize = 16;

struct EncodedImage {
    QByteArray entry;  // the 16-byte directory entry, offset still to be set
    QByteArray data;   // the bitmap the entry points at
};

// The writer leaves the padding at the end of each row of the transparency
// mask uninitialised; clearing it keeps the icon files the same from build
// to build. The layout is a BITMAPINFOHEADER, the colour rows, then the mask.
void clearMaskPadding(QByteArray& bitmap)
{
    auto* raw = reinterpret_cast<uchar*>(bitmap.data());
    if (bitmap.size() < 40 || bitmap.startsWith("\x89PNG"))
        return;
    const quint32 headerLength = qFromLittleEndian<quint32>(raw);
    const qint32 width = qFromLittleEndian<qint32>(raw + 4);
    const qint32 height = qFromLittleEndian<qint32>(raw + 8) / 2;  // colour + mask
    const quint16 bitCount = qFromLittleEndian<quint16>(raw + 14);
    if (width <= 0 || height <= 0 || bitCount != 32)
        return;
    const qint64 colourBytes = qint64(width) * 4 * height;
    const qint64 maskStride = (width + 31) / 32 * 4;
    const qint64 maskStart = headerLength + colourBytes;
    if (maskStart + maskStride * height > bitmap.size())
        return;
    const qint64 used = (width + 7) / 8;
    const uchar lastByteBits = width % 8 ? uchar(0xFF << (8 - width % 8)) : 0xFF;
    for (qint32 row = 0; row < height; ++row) {
        uchar* line = raw + maskStart + row * maskStride;
        line[used - 1] &= lastByteBits;
        std::fill(line + used, line + maskStride, uchar(0));
    }
}

QString encode(const QImage& image, EncodedImage& out)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        return writer.errorString();

    const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < headerSize + entrySize || qFromLittleEndian<quint16>(raw + 4) != 1)
        return QStringLiteral("unexpected icon layout from the image writer");
    const quint32 length = qFromLittleEndian<quint32>(raw + headerSize + 8);
    const quint32 offset = qFromLittleEndian<quint32>(raw + headerSize + 12);
    if (quint64(offset) + length > quint64(bytes.size()))
        return QStringLiteral("icon entry points past the end of the data");

    out.entry = bytes.mid(headerSize, entrySize);
    out.data = bytes.mid(offset, length);
    clearMaskPadding(out.data);
    return {};
}

void appendLe16(QByteArray& to, quint16 value)
{
    uchar le[2];
    qToLittleEndian(value, le);
    to.append(reinterpret_cast<const char*>(le), 2);
}

} // namespace

QString writeIcoFile(const QString& path, const QList<QImage>& images)
{
    QList<EncodedImage> encoded(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QString error = encode(images[i], encoded[i]);
        if (!error.isEmpty())
            return error;
    }

    QByteArray file;
    appendLe16(file, 0);  // reserved
    appendLe16(file, 1);  // type: icon
    appendLe16(file, quint16(encoded.size()));
    quint32 offset = headerSize + entrySize * quint32(encoded.size());
    for (EncodedImage& image : encoded) {
        qToLittleEndian(offset, reinterpret_cast<uchar*>(image.entry.data()) + 12);
        file.append(image.entry);
        offset += quint32(image.data.size());
    }
    for (const EncodedImage& image : encoded)
        file.append(image.data);

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return out.errorString();
    return {};
}
