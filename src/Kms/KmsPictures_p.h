#pragma once

// Pictures of the KMS database are kept as the bytes of a BMP file. Everything that turns
// bytes or files into images goes through here, with limits, because the bytes come from
// a table any tool may have written.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace KorvexKmsDatabase {

/// The picture held by \a bytes, read as BMP; a null image for empty bytes and for bytes
/// that are no BMP picture (or one too large to be a sketch).
QImage DecodeBmp(const QByteArray &bytes);
/// \a image as the bytes of a BMP file; empty for a null image.
QByteArray EncodeBmp(const QImage &image);
/// The picture in the file \a path, in any format Qt reads; a null image when it cannot be
/// read.
QImage ReadPictureFile(const QString &path);

} // namespace KorvexKmsDatabase
