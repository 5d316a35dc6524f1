#include "shell/form.h"

#include <QEvent>

#include "shell/designfonts.h"

namespace {

// A form has one size. Where the desktop offers to maximise it or make it
// full screen whatever the window asks (the title bar Qt 6.4 draws itself on
// GNOME with Wayland alone; KWin 6's window menu), that state is handed back
// at once: the window goes back to where it was instead of jumping to the
// corner of the screen at its own size.
class FixedSizeKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange) {
            auto *form = static_cast<QWidget *>(watched);
            if (form->windowState() & enlarged)
                form->setWindowState(form->windowState() & ~enlarged);
        }
        return false;
    }
};

} // namespace

void setUpForm(QWidget *form, const char *name, const QString &title, QSize size, const QColor &backColor)
{
    form->setObjectName(QLatin1String(name));
    form->setWindowTitle(title);
    form->setFixedSize(size);
    form->installEventFilter(new FixedSizeKeeper(form));
    form->setFont(designFont(Face::SansSerif, 8.25));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, backColor);
    form->setPalette(pal);
    form->setAutoFillBackground(true);
}
