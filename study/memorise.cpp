// The memorise pages: one table a page, with a story and facts beside it.
// The page number lives in the hidden field no; its change reaction shows
// the page, the buttons only step the number.
#include "shell/form1.h"
#include "shell/numbertext.h"
#include "study/pagetable.h"

void Form1::tbl_Click()
{
    p1->hide();
    tbl->hide();
    tm->show();
    g->show();
    i->show();
    memoriseList(1)->show(); // br, the table of 1
    no->setText(QStringLiteral("1"));
    for (QListView *list : wholeTableLists)
        if (list)
            list->hide();
    Label6->show();
    Label7->show();
}

// Leaving the pages, for the whole table or for the game: the buttons go,
// the page number empties (its reaction shows no page), no list stays.
void Form1::closeMemorisePages()
{
    g->hide();
    i->hide();
    no->setText(QString());
    for (QListView *list : memoriseLists)
        if (list)
            list->hide();
}

void Form1::g_Click()
{
    // A page number that is no number makes the buttons do nothing.
    if (const auto page = readNumber(no->text()))
        no->setText(numberText(*page - 1));
}

void Form1::i_Click()
{
    if (const auto page = readNumber(no->text()))
        no->setText(numberText(*page + 1));
}

void Form1::no_Change()
{
    g->setEnabled(no->text() != QLatin1String("1"));
    i->setEnabled(no->text() != QLatin1String("10"));
    const study::Page *page = study::pageFor(no->text());
    if (!page)
        return;
    QListView *shown = memoriseList(page->table);
    shown->show();
    for (QListView *list : memoriseLists)
        if (list && list != shown)
            list->hide();
    Label6->setCaption(page->story);
    Label6->setFontSize(page->storyPoints);
    Label6->setFontBold(page->storyBold);
    Label7->setCaption(page->facts);
    Label7->setFontBold(page->factsBold);
    Label7->setFontSize(page->factsPoints);
}
