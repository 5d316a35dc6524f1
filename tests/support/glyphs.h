#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QString>

// The text a label, a button or a text field shows; empty for any other
// widget.
inline QString textOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *field = qobject_cast<QLineEdit *>(w))
        return field->text();
    return {};
}

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
