#pragma once

// Makes the fonts built into the executable the only ones the program
// knows. First the font configuration library (fontconfig, beneath Qt's
// font database on Linux) gets a configuration of the program's own that
// knows no system fonts, so the system's configuration files and font
// lists are never read and no system face can stand in for a bundled one;
// its rendering rules are those of a stock Debian desktop. Then every
// bundled font is added to Qt's font database. Call it once, before any
// font is used; false if a bundled font could not be added.
bool useBundledFontsOnly();
