#include "shell/listitems.h"

ListItems::ListItems(const QStringList &items, QObject *parent)
    : QStringListModel(items, parent)
{
}
