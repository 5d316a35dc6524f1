#include "designfonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QResource>
#include <QStyleFactory>
#include <cmath>

QString familyOf(Face face)
{
    switch (face) {
    case Face::Comic: return QStringLiteral("Comic Neue TR");
    case Face::SansSerif: return QStringLiteral("Liberation Sans");
    case Face::SansNarrow: return QStringLiteral("Liberation Sans Narrow");
    case Face::Tahoma: return QStringLiteral("DejaVu Sans");
    case Face::Terminal: return QStringLiteral("Terminus (TTF)");
    }
    return {};
}

int pixelsForPoints(qreal points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

QFont designFont(Face face, qreal points, bool bold)
{
    QFont font(familyOf(face));
    font.setPixelSize(pixelsForPoints(points));
    font.setBold(bold);
    // Never let a missing glyph silently come from another face.
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

bool registerBundledFonts()
{
    static const bool ok = [] {
        static const char *const files[] = {
            ":/fonts/ComicNeueTR-Regular.ttf",
            ":/fonts/ComicNeueTR-Bold.ttf",
            ":/fonts/LiberationSans-Regular.ttf",
            ":/fonts/LiberationSans-Bold.ttf",
            ":/fonts/LiberationSansNarrow-Bold.ttf",
            ":/fonts/DejaVuSans-Bold.ttf",
            ":/fonts/TerminusTTF-4.46.0.ttf",
        };
        bool all = true;
        for (const char *file : files) {
            // The fonts are stored uncompressed in the executable: hand
            // their bytes over in place instead of reading a copy.
            const QResource resource(QString::fromLatin1(file));
            const QByteArray data = resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size())
                : QByteArray();
            all = !data.isEmpty() && QFontDatabase::addApplicationFontFromData(data) >= 0 && all;
        }
        return all;
    }();
    return ok;
}

void prepareApplication(QApplication &app)
{
    registerBundledFonts();
    // One widget style everywhere, so buttons and fields have the same
    // metrics on every desktop and the fixed layout looks as designed.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setFont(designFont(Face::SansSerif, 8.25));
}
