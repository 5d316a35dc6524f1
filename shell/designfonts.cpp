#include "designfonts.h"

#include <QApplication>
#include <QFontDatabase>
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
        for (const char *file : files)
            all = QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0 && all;
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
