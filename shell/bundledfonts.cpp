#include "shell/bundledfonts.h"

#include <QFontDatabase>
#include <QString>

#include <fontconfig/fontconfig.h>

namespace {

// Rendering as Debian's default configuration has it: grey antialiasing,
// slight hinting (both only where the desktop sets nothing else) and a
// synthetic bold for faces without one (the counters' face has only a
// medium weight).
const char fontRules[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
</fontconfig>
)";

const char *const bundledFonts[] = {
    ":/fonts/ComicNeueTR-Regular.ttf",
    ":/fonts/ComicNeueTR-Bold.ttf",
    ":/fonts/KorubelSans-Regular.ttf",
    ":/fonts/KorubelSans-Bold.ttf",
    ":/fonts/KorubelSansNarrow-Bold.ttf",
    ":/fonts/DejaVuSans-Bold.ttf",
    ":/fonts/KorubelTerminal-Medium.ttf",
};

// Where fontconfig is not beneath Qt's font database this changes nothing
// Qt uses, and the bundled fonts are still added.
void configureFontconfig()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(fontRules), FcTrue))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config); // the current configuration holds a reference of its own
}

} // namespace

bool useBundledFontsOnly()
{
    configureFontconfig();
    bool all = true;
    for (const char *file : bundledFonts)
        all = QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0 && all;
    return all;
}
