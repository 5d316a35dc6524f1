#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

// A form of the game: a window with a title bar and a close box only, of one
// size, never maximised.
inline constexpr Qt::WindowFlags kFormFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Gives a form its name and title, a fixed size, the design's default font
// (MS Sans Serif 8.25 pt) and a solid back colour.
void setUpForm(QWidget *form, const char *name, const QString &title, QSize size, const QColor &backColor);
