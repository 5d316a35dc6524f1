#include "shell/designfonts.h"

#include <cmath>

QString familyOf(Face face)
{
    switch (face) {
    case Face::Comic: return QStringLiteral("Comic Neue TR");
    case Face::SansSerif: return QStringLiteral("Korubel Sans");
    case Face::SansNarrow: return QStringLiteral("Korubel Sans Narrow");
    case Face::Tahoma: return QStringLiteral("DejaVu Sans");
    case Face::Terminal: return QStringLiteral("Korubel Terminal");
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
    // Never let a missing glyph silently come from another face: the
    // bundled faces cover every text of the game.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}
