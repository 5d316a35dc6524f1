#pragma once

#include <QFont>
#include <QString>

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
// so every text has the same size on every screen and the fixed layout
// keeps fitting.
int pixelsForPoints(qreal points);
QFont designFont(Face face, qreal points, bool bold = false);
