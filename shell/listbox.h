#pragma once

#include <QFrame>

#include "shell/listitems.h"

// A read-only list box showing items it does not own, one line of its font
// apart: the user may pick one item with the mouse or the keys, not edit
// it. Every list of the game holds few enough items to show whole, so it
// never scrolls.
//
// It paints and reads like a list view of the widget style (the items are
// drawn by the style as item-view items, and a screen reader gets a list
// with one list item per line), at a fraction of a list view's cost: the
// window holds twenty of these, mostly hidden.
class ListBox : public QFrame
{
    Q_OBJECT
public:
    ListBox(ListItems *items, QWidget *parent);

    QAbstractItemModel *model() const { return m_items; }
    int count() const { return m_items->rowCount(); }
    QString itemText(int row) const;
    // The height of a line, the same for every item.
    int sizeHintForRow(int row) const;
    // An item's place inside the box; empty for a row that does not exist.
    QRect itemRect(int row) const;
    int rowAt(QPoint pos) const;

    // The item with the keyboard focus, or -1 before there is one.
    int currentRow() const { return m_current; }
    // The one selected item, or -1.
    int selectedRow() const { return m_selected; }
    void setCurrentRow(int row);
    void selectRow(int row);
    void clearSelection();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void pick(int row, Qt::KeyboardModifiers modifiers);
    void moveTo(int row, Qt::KeyboardModifiers modifiers);
    void setSelected(int row);
    void keyboardSearch(const QString &text, quint64 timestamp);

    ListItems *m_items;
    int m_current = -1;
    int m_selected = -1;
    // Typing picks the next item starting with what was typed; keys typed
    // within the desktop's keyboard input interval of each other (by the
    // key events' own time stamps) add up to one search.
    QString m_typed;
    quint64 m_typedAt = 0;
};
