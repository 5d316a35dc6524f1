#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>

// The characters of a text that a font has no glyph for. The program knows
// no fonts but its own, so such a character would be drawn as an empty box.
inline QString missingGlyphs(const QFont &font, const QString &text)
{
    const QRawFont raw = QRawFont::fromFont(font);
    QString missing;
    for (QChar c : text)
        if (!c.isSpace() && !raw.supportsCharacter(c) && !missing.contains(c))
            missing += c;
    return missing;
}
