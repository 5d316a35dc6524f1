#include "shell/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "shell/bundledfonts.h"
#include "shell/designfonts.h"

void prepareApplication(QApplication &app)
{
    if (!useBundledFontsOnly())
        qWarning("Some of the game's own fonts could not be loaded");
    // One widget style everywhere, so buttons and fields have the same
    // metrics on every desktop and the fixed layout looks as designed.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setFont(designFont(Face::SansSerif, 8.25));
}
