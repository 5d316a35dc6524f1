#include "shell/designfonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPixmapCache>
#include <QStyleFactory>
#include <cmath>
#include <initializer_list>
#include <fontconfig/fontconfig.h>

#include "shell/embedded.h"

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

bool registerBundledFonts(FontGroup group)
{
    const auto registerAll = [](std::initializer_list<const char *> files) {
        bool all = true;
        for (const char *file : files) {
            // Handed over in place instead of reading a copy.
            const QByteArray data = embeddedBytes(QString::fromLatin1(file));
            all = !data.isEmpty() && QFontDatabase::addApplicationFontFromData(data) >= 0 && all;
        }
        return all;
    };
    if (group == FontGroup::Start) {
        static const bool ok = registerAll({
            ":/fonts/ComicNeueTR-Regular.ttf",
            ":/fonts/ComicNeueTR-Bold.ttf",
            ":/fonts/KorubelSans-Regular.ttf",
            ":/fonts/KorubelSans-Bold.ttf",
        });
        return ok;
    }
    static const bool ok = registerAll({
        ":/fonts/KorubelSansNarrow-Bold.ttf",
        ":/fonts/DejaVuSans-Bold.ttf",
        ":/fonts/KorubelTerminal-Medium.ttf",
    });
    return ok;
}

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

} // namespace

bool useBundledFontsOnly()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return false;
    const bool ok = FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(fontRules), FcTrue)
                    && FcConfigSetCurrent(config);
    FcConfigDestroy(config); // the current configuration holds a reference of its own
    return ok;
}

void prepareApplication(QApplication &app)
{
    useBundledFontsOnly();
    registerBundledFonts(FontGroup::Start);
    // One widget style everywhere, so buttons and fields have the same
    // metrics on every desktop and the fixed layout looks as designed.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setFont(designFont(Face::SansSerif, 8.25));
    // The style keeps every look of every button it has drawn (about 16 KB
    // each, a few for each button: plain, default, pressed, under the
    // mouse), up to 10 MB. Drawing one afresh takes some 30 to 50 µs more,
    // and the game redraws a button only when its look changes: keep a few.
    QPixmapCache::setCacheLimit(kPixmapCacheKB);
}
