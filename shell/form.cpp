#include "shell/form.h"

#include "shell/designfonts.h"

void setUpForm(QWidget *form, const char *name, const QString &title, QSize size, const QColor &backColor)
{
    registerBundledFonts(FontGroup::Start);
    form->setObjectName(QLatin1String(name));
    form->setWindowTitle(title);
    form->setFixedSize(size);
    form->setFont(designFont(Face::SansSerif, 8.25));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, backColor);
    form->setPalette(pal);
    form->setAutoFillBackground(true);
}
