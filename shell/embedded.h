#pragma once

#include <QByteArray>
#include <QResource>
#include <QString>

// The bytes of a resource stored uncompressed in the executable, handed out
// in place (no copy); empty if the resource is missing or compressed.
inline QByteArray embeddedBytes(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
}
