#pragma once

#include <QString>

namespace study {

// One memorise page: the list it shows and the two texts with their fonts.
struct Page {
    int table;          // the table shown, 1..10 (its list is memoriseLists[table - 1])
    qreal storyPoints;  // left label
    bool storyBold;
    qreal factsPoints;  // right label
    bool factsBold;
    QString story;
    QString facts;
};

// Page "1".."10" exactly; any other text is no page.
const Page *pageFor(const QString &pageNumber);

} // namespace study
