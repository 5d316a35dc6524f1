#include "shell/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

#include "shell/picturebox.h"

namespace {

// A panel described by its summary where it has one.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(PictureBox *box)
        : QAccessibleWidget(box, QAccessible::Pane)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const QString summary = static_cast<PictureBox *>(widget())->summary();
        return t == QAccessible::Description && !summary.isEmpty() ? summary : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *gameRoles(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("Notice"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // The how-to-play window is a fixed dialog; as such Orca reads its
    // texts when it opens, though nothing in it takes the focus.
    if (className == QLatin1String("FrmAbout"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    // A box that shows a picture is a picture; one that holds controls is
    // a panel.
    if (className == QLatin1String("PictureBox")) {
        auto *box = static_cast<PictureBox *>(widget);
        if (box->picture().isNull())
            return new PanelAccessible(box);
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

class CurrentItemTeller : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            auto *list = static_cast<QAbstractItemView *>(watched);
            // After Qt's own events for this focus change.
            QTimer::singleShot(0, list, [list] {
                const QModelIndex current = list->currentIndex();
                if (!list->hasFocus() || !current.isValid())
                    return;
                QAccessibleEvent focus(list, QAccessible::Focus);
                focus.setChild(current.row());
                QAccessible::updateAccessibility(&focus);
            });
        }
        return false;
    }
};

} // namespace

void tellCurrentItemOnFocus(QAbstractItemView *list)
{
    list->installEventFilter(new CurrentItemTeller(list));
}

void prepareAccessibility()
{
    QAccessible::installFactory(gameRoles);
    // Qt looks for a screen reader only once, at start, and then never
    // again (it cannot follow the bus's ScreenReaderEnabled property).
    if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    // GTK's own accessibility bridge would add a second, empty
    // application of the game's name; Qt's bridge is the one that serves
    // its windows.
    if (qEnvironmentVariableIsEmpty("NO_AT_BRIDGE"))
        qputenv("NO_AT_BRIDGE", "1");
}

QString sentences(const QStringList &parts)
{
    QStringList said;
    for (const QString &part : parts)
        if (!part.isEmpty())
            said << part;
    return said.join(QStringLiteral(". "));
}

Notice::Notice(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    hide();
}

void Notice::tell(const QString &text)
{
    setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(parentWidget(), text);
    QAccessible::updateAccessibility(&announcement);
#else
    hide();
    show();
#endif
}
