#include "shell/listbox.h"

#include <QStyledItemDelegate>

namespace {

// Items one line of the font apart, as a plain list box spaces them, so a
// whole table shows without scrolling. Measured when the list is first laid
// out, so a hidden list loads no font at start-up.
class LineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), option.fontMetrics.height()};
    }
};

} // namespace

ListBox::ListBox(ListItems *items, QWidget *parent)
    : QListView(parent)
{
    setItemDelegate(new LineDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(items);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
