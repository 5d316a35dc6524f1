#include "shell/listitemaccessible.h"

#include "shell/listbox.h"

ListItemAccessible::ListItemAccessible(ListBox *list, int row)
    : m_list(list)
    , m_row(row)
{
}

bool ListItemAccessible::isValid() const
{
    return m_list && m_row < m_list->count();
}

QAccessibleInterface *ListItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_list);
}

QAccessibleInterface *ListItemAccessible::table() const
{
    return parent();
}

QString ListItemAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && m_list ? m_list->itemText(m_row) : QString();
}

QAccessible::State ListItemAccessible::state() const
{
    QAccessible::State state;
    if (!m_list)
        return state;
    // Every item can be picked; the current one, where the keys act, is
    // the focused one, whether or not the list has the focus.
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = m_list->currentRow() == m_row;
    return state;
}

QRect ListItemAccessible::rect() const
{
    return m_list ? m_list->itemRect(m_row).translated(m_list->mapToGlobal(QPoint(0, 0))) : QRect();
}

void *ListItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

bool ListItemAccessible::isSelected() const
{
    return m_list && m_list->selectedRow() == m_row;
}

void ListItemAccessible::doAction(const QString &actionName)
{
    // Toggling picks an item; the one picked item cannot be given up,
    // as with the mouse and keys without Ctrl.
    if (actionName == toggleAction() && m_list && !isSelected())
        m_list->selectRow(m_row);
}
