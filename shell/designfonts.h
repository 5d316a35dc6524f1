#pragma once

#include <QFont>
#include <QString>

class QApplication;

// The faces the windows are designed in, mapped to the freely licensed
// fonts bundled in the executable (cut down to the characters the game
// shows; see resources/fonts/README.md).
enum class Face {
    Comic,       // "Comic Neue TR": Comic Neue with ğ, Ğ and İ added
    SansSerif,   // "Korubel Sans": Liberation Sans, close in width to the classic UI face
    SansNarrow,  // "Korubel Sans Narrow": Liberation Sans Narrow, where a wide bold number must fit
    Tahoma,      // DejaVu Sans
    Terminal,    // "Korubel Terminal": Terminus (TTF), the counters' face
};

QString familyOf(Face face);

// Point sizes are the design's; they are turned into whole pixels at 96 dpi
// (8.25 pt = 11 px, 24 pt = 32 px) so every text has the same size on every
// screen and the fixed layout keeps fitting.
int pixelsForPoints(qreal points);
QFont designFont(Face face, qreal points, bool bold = false);

// The bundled fonts in two groups, each registered once. The start screen,
// the study screens and the About box use the first; only the game panel
// uses the second (the counters' face, the narrow face and the "?" face),
// registered on entering game mode (0.4 to 1.2 ms on that click), so that
// the start reads none of those fonts' pages of the executable.
enum class FontGroup { Start, GamePanel };

// Registers a group (once) and returns false if any of its fonts is missing.
bool registerBundledFonts(FontGroup group);

// Gives the font configuration library (fontconfig, beneath Qt's font
// database on Linux) a configuration of the program's own that knows no
// system fonts, so only the bundled fonts are ever listed or matched and
// the system's configuration files and font lists are never read. The
// rendering rules are those of a stock Debian desktop. Call it before any
// font is used; false (nothing changed) where fontconfig is not in use.
bool useBundledFontsOnly();

// The most the widget style's cache of drawn button looks may hold, in KB.
constexpr int kPixmapCacheKB = 64;

// Fonts, widget style and the like: everything the program sets up on the
// application before creating its first window. Tests call it too.
void prepareApplication(QApplication &app);
