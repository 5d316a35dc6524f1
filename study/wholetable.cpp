// The view of all ten tables at once.
#include "shell/form1.h"

void Form1::tm_Click()
{
    p1->hide();
    Label6->hide();
    Label7->hide();
    tbl->show();
    tm->hide();
    closeMemorisePages();
    for (int table = 1; table <= 10; ++table)
        wholeTableList(table)->show();
}
