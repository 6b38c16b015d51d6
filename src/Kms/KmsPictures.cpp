#include "Kms/KmsPictures_p.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace KorvexKmsDatabase {

namespace {

// A sketch or a device photo is far below either limit; a header that claims more is
// damaged or hostile, and reading it would only stall the editor.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64(8192) * 8192;
constexpr int kAllocationLimitMb = 256;

QImage ReadLimited(QImageReader &reader)
{
    reader.setAllocationLimit(kAllocationLimitMb);
    // A reader that cannot tell the size beforehand still stops at the allocation limit.
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > kMaxSide || size.height() > kMaxSide
            || qint64(size.width()) * size.height() > kMaxPixels))
        return QImage();
    return reader.read();
}

} // namespace

QImage DecodeBmp(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    QByteArray copy = bytes; // QBuffer wants a non-const array; the copy shares the bytes
    QBuffer buffer(&copy);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer, "bmp");
    // Only BMP: bytes of another format are not what the table is meant to hold.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    return ReadLimited(reader);
}

QByteArray EncodeBmp(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // One pixel format for every picture, so that a picture decoded from these bytes
    // encodes to the same bytes again.
    const QImage::Format format
        = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image.convertToFormat(format)))
        return QByteArray();
    return bytes;
}

QImage ReadPictureFile(const QString &path)
{
    QImageReader reader(path);
    return ReadLimited(reader);
}

} // namespace KorvexKmsDatabase
