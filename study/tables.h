#pragma once

#include <QStringList>

namespace study {

// The ten items of the table of n (1..10) as the lists show them. They are
// fixed strings, not computed: the first item has a capital "X" and the
// spacing around "=" varies by table.
const QStringList &tableItems(int n);

// The whole-table list that shows the table of n: "l3" for 1, "l1" for 9.
const char *wholeTableListName(int n);

} // namespace study
