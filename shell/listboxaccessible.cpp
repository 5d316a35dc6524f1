#include "shell/listboxaccessible.h"

#include "shell/listbox.h"
#include "shell/listitemaccessible.h"

ListBoxAccessible::ListBoxAccessible(ListBox *list)
    : QAccessibleObject(list)
{
}

ListBoxAccessible::~ListBoxAccessible()
{
    for (QAccessible::Id id : m_items)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *ListBoxAccessible::create(const QString &className, QObject *object)
{
    auto *list = qobject_cast<ListBox *>(object);
    return list && className == QLatin1String("ListBox") ? new ListBoxAccessible(list) : nullptr;
}

ListBox *ListBoxAccessible::list() const
{
    return static_cast<ListBox *>(object());
}

QAccessibleInterface *ListBoxAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(list()->parent());
}

QAccessibleInterface *ListBoxAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (m_items.size() < size_t(childCount()))
        m_items.resize(size_t(childCount()), 0);
    QAccessible::Id &id = m_items[size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new ListItemAccessible(list(), index));
    return QAccessible::accessibleInterface(id);
}

int ListBoxAccessible::childCount() const
{
    return list()->count();
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (size_t n = 0; n < m_items.size(); ++n)
        if (m_items[n] && QAccessible::accessibleInterface(m_items[n]) == child)
            return int(n);
    return -1;
}

QAccessibleInterface *ListBoxAccessible::childAt(int x, int y) const
{
    const int row = list()->rowAt(list()->mapFromGlobal(QPoint(x, y)));
    return row >= 0 ? child(row) : nullptr;
}

QString ListBoxAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Description ? list()->accessibleDescription() : list()->accessibleName();
}

QAccessible::State ListBoxAccessible::state() const
{
    QAccessible::State state;
    const ListBox *box = list();
    state.invisible = !box->isVisible();
    state.focusable = box->focusPolicy() != Qt::NoFocus;
    state.focused = box->hasFocus();
    state.disabled = !box->isEnabled();
    return state;
}

QRect ListBoxAccessible::rect() const
{
    const ListBox *box = list();
    return box->isVisible() ? QRect(box->mapToGlobal(QPoint(0, 0)), box->size()) : QRect();
}

void *ListBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
}

int ListBoxAccessible::rowCount() const
{
    return list()->count();
}

int ListBoxAccessible::selectedRowCount() const
{
    return list()->selectedRow() >= 0 ? 1 : 0;
}

QList<QAccessibleInterface *> ListBoxAccessible::selectedCells() const
{
    const int row = list()->selectedRow();
    return row >= 0 ? QList<QAccessibleInterface *>{child(row)} : QList<QAccessibleInterface *>{};
}

QList<int> ListBoxAccessible::selectedRows() const
{
    const int row = list()->selectedRow();
    return row >= 0 ? QList<int>{row} : QList<int>{};
}

bool ListBoxAccessible::isRowSelected(int row) const
{
    return row >= 0 && list()->selectedRow() == row;
}

bool ListBoxAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    list()->selectRow(row);
    return true;
}

bool ListBoxAccessible::unselectRow(int row)
{
    // Once an item is picked, a screen reader cannot leave the list
    // without one; with none picked, there is nothing to give up.
    return row >= 0 && row < rowCount() && selectedRowCount() == 0;
}

bool ListBoxAccessible::unselectColumn(int column)
{
    // The only column holds every item: giving it up gives up the pick.
    if (column != 0)
        return false;
    list()->clearSelection();
    return true;
}

QAccessibleInterface *ListBoxAccessible::cellAt(int row, int column) const
{
    return column == 0 ? child(row) : nullptr;
}
