// Build step: turns a JPEG or PNG picture into the raw form the program
// embeds (shell/rawimage.h).
//   korubel-rawimage INPUT OUTPUT rgb888|argb32
#include <QFile>
#include <QImage>
#include <cstdio>

#include "shell/rawimage.h"

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT rgb888|argb32\n", argv[0]);
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[3]);
    if (kind != QLatin1String("rgb888") && kind != QLatin1String("argb32")) {
        std::fprintf(stderr, "%s: unknown pixel format %s\n", argv[0], argv[3]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QImage image = source.convertToFormat(kind == QLatin1String("rgb888") ? QImage::Format_RGB888
                                                                              : QImage::Format_ARGB32);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(rawimage::encode(image)) < 0 || !out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
