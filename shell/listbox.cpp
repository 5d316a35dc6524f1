#include "shell/listbox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

#include "shell/listboxaccessible.h"

ListBox::ListBox(ListItems *items, QWidget *parent)
    : QFrame(parent)
    , m_items(items)
{
    static const bool readable = (QAccessible::installFactory(&ListBoxAccessible::create), true);
    Q_UNUSED(readable);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::WheelFocus);
}

QString ListBox::itemText(int row) const
{
    return m_items->index(row).data().toString();
}

int ListBox::sizeHintForRow(int row) const
{
    return row >= 0 && row < count() ? fontMetrics().height() : -1;
}

QRect ListBox::itemRect(int row) const
{
    if (row < 0 || row >= count())
        return {};
    const QRect inside = contentsRect();
    const int line = fontMetrics().height();
    return {inside.left(), inside.top() + row * line, inside.width(), line};
}

int ListBox::rowAt(QPoint pos) const
{
    const QRect inside = contentsRect();
    if (!inside.contains(pos))
        return -1;
    const int row = (pos.y() - inside.top()) / fontMetrics().height();
    return row < count() ? row : -1;
}

void ListBox::setCurrentRow(int row)
{
    if (row == m_current || row < -1 || row >= count())
        return;
    m_current = row;
    update();
    if (row >= 0 && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

void ListBox::selectRow(int row)
{
    if (row >= 0 && row < count())
        setSelected(row);
}

void ListBox::clearSelection()
{
    setSelected(-1);
}

void ListBox::setSelected(int row)
{
    if (row == m_selected)
        return;
    const int was = m_selected;
    m_selected = row;
    update();
    if (!QAccessible::isActive())
        return;
    if (row >= 0) {
        QAccessibleEvent event(this, QAccessible::SelectionAdd);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
    if (was >= 0) {
        QAccessibleEvent event(this, QAccessible::SelectionRemove);
        event.setChild(was);
        QAccessible::updateAccessibility(&event);
    }
}

// Picks an item; with Ctrl, the picked item is given up instead, as a
// click with Ctrl does.
void ListBox::pick(int row, Qt::KeyboardModifiers modifiers)
{
    const bool drop = (modifiers & Qt::ControlModifier) && row == m_selected;
    setSelected(drop ? -1 : row);
}

// Moving with the keys, by typing or by dragging picks the item moved to.
void ListBox::moveTo(int row, Qt::KeyboardModifiers modifiers)
{
    pick(row, modifiers);
    setCurrentRow(row);
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, palette().brush(QPalette::Base));
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());

    // The items are drawn as the style draws those of an item view: the
    // options an item view hands its items, with the window's activation
    // shown only while the list has the focus.
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    if (!hasFocus())
        option.state &= ~QStyle::State_Active;
    option.font = font();
    const int icon = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    option.locale = locale();
    option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
    option.widget = this;
    option.features = QStyleOptionViewItem::HasDisplay;
    if (option.state & QStyle::State_Enabled)
        option.palette.setCurrentColorGroup(QPalette::Normal);

    const bool focus = hasFocus() && m_current >= 0;
    for (int row = 0; row < count(); ++row) {
        QStyleOptionViewItem item = option;
        item.rect = itemRect(row).translated(-inside.topLeft());
        item.state.setFlag(QStyle::State_Selected, row == m_selected);
        item.state.setFlag(QStyle::State_HasFocus, focus && row == m_current);
        item.index = m_items->index(row);
        item.text = itemText(row);
        style()->drawControl(QStyle::CE_ItemViewItem, &item, &painter, this);
    }
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (row < 0) {
        // A press beside the items gives the pick up and keeps the focus mark.
        clearSelection();
        return;
    }
    setCurrentRow(row);
    pick(row, event->modifiers());
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging with the button down picks the item under the pointer.
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        moveTo(row, Qt::NoModifier);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (m_current >= 0)
            QGuiApplication::clipboard()->setText(itemText(m_current));
        return;
    }
    if (count() == 0) {
        event->ignore();
        return;
    }
    const int last = count() - 1;
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up: target = m_current < 0 ? 0 : qMax(0, m_current - 1); break;
    case Qt::Key_Down: target = m_current < 0 ? 0 : qMin(last, m_current + 1); break;
    // Every item is in sight, so a page up or down goes to the first or last.
    case Qt::Key_Home:
    case Qt::Key_PageUp: target = 0; break;
    case Qt::Key_End:
    case Qt::Key_PageDown: target = last; break;
    case Qt::Key_Left:
    case Qt::Key_Right: target = qMax(m_current, 0); break;
    default: break;
    }
    if (target >= 0 && target != m_current) {
        moveTo(target, event->modifiers());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    // Enter is for the window's default button.
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->ignore();
        return;
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (m_current >= 0)
            pick(m_current, event->modifiers());
        if (event->key() == Qt::Key_Space)
            keyboardSearch(event->text(), event->timestamp());
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll))
        return; // one item at most is picked
    const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->text().isEmpty() || modified) {
        event->ignore();
        return;
    }
    keyboardSearch(event->text(), event->timestamp());
}

void ListBox::keyboardSearch(const QString &text, quint64 timestamp)
{
    if (count() == 0)
        return;
    const bool continues = !m_typed.isEmpty() && timestamp - m_typedAt <= quint64(QApplication::keyboardInputInterval());
    m_typedAt = timestamp;
    // The search starts after the current item when it starts afresh, so
    // typing the same letter again goes on to the next item with it.
    bool skip = false;
    if (text.isEmpty() || !continues) {
        m_typed = text;
        skip = m_current >= 0;
    } else {
        m_typed += text;
    }
    if (m_typed.size() > 1 && m_typed.count(m_typed.back()) == m_typed.size())
        skip = true;
    int start = m_current >= 0 ? m_current : 0;
    if (skip)
        start = start < count() - 1 ? start + 1 : 0;
    for (int n = 0; n < count(); ++n) {
        const int row = (start + n) % count();
        if (itemText(row).startsWith(m_typed, Qt::CaseInsensitive)) {
            moveTo(row, Qt::NoModifier);
            return;
        }
    }
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    // Coming in by the keyboard marks the first item, without picking it.
    if (m_current < 0 && event->reason() != Qt::MouseFocusReason)
        setCurrentRow(0);
}

void ListBox::changeEvent(QEvent *event)
{
    // A picked item shows whether the window is the active one.
    if (event->type() == QEvent::ActivationChange)
        update();
    QFrame::changeEvent(event);
}
