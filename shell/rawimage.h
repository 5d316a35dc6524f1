#pragma once

#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include "shell/embedded.h"

// The pictures are embedded as raw pixels rather than as JPEG or PNG: the
// program then shows them straight from its own read-only data, without
// loading an image decoder (libjpeg) or searching Qt's image plugins, and
// without a decoded copy in memory. The build makes these files from the
// JPEG and PNG sources in resources/ (see rawimage_tool.cpp).
//
// Layout, little-endian: "KRI1", width, height, QImage::Format and bytes
// per line as 32-bit numbers, then the rows as QImage stores them.
namespace rawimage {

constexpr int headerSize = 20;
constexpr int maxSide = 4096;

inline bool supported(QImage::Format format)
{
    return format == QImage::Format_RGB888 || format == QImage::Format_ARGB32;
}

inline QByteArray encode(const QImage &image)
{
    if (image.isNull() || !supported(image.format()))
        return {};
    QByteArray out("KRI1");
    out.resize(headerSize, '\0');
    const quint32 fields[] = {quint32(image.width()), quint32(image.height()), quint32(image.format()),
                              quint32(image.bytesPerLine())};
    for (int n = 0; n < 4; ++n)
        qToLittleEndian(fields[n], out.data() + 4 + 4 * n);
    out.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return out;
}

// A view of the pixels in place (the data must outlive the image), or a
// null image if the data is not a whole, sane raw image.
inline QImage decode(const uchar *data, qint64 size)
{
    if (!data || size < headerSize || QByteArray::fromRawData(reinterpret_cast<const char *>(data), 4) != "KRI1")
        return {};
    const auto field = [data](int n) { return qFromLittleEndian<quint32>(data + 4 + 4 * n); };
    const quint32 width = field(0), height = field(1), bytesPerLine = field(3);
    const auto format = QImage::Format(field(2));
    if (width == 0 || height == 0 || width > maxSide || height > maxSide || !supported(format))
        return {};
    const quint32 depth = format == QImage::Format_RGB888 ? 24 : 32;
    if (bytesPerLine != (width * depth + 31) / 32 * 4 || size != headerSize + qint64(bytesPerLine) * height)
        return {};
    QImage image(data + headerSize, int(width), int(height), int(bytesPerLine), format);
    // Four-byte pixels are read as whole words: hand out an aligned copy.
    if (depth == 32 && quintptr(data + headerSize) % 4 != 0)
        image = image.copy();
    return image;
}

// An embedded raw image, shown from the program's own data; null if the
// resource is missing, compressed or not a raw image.
inline QImage fromResource(const QString &path)
{
    const QByteArray data = embeddedBytes(path);
    return decode(reinterpret_cast<const uchar *>(data.constData()), data.size());
}

} // namespace rawimage
