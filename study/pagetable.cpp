#include "study/pagetable.h"

#include <array>

#include "study/pagetexts.h"

namespace study {

const Page *pageFor(const QString &pageNumber)
{
    static const std::array<Page, 10> pages = [] {
        struct Fonts { qreal storyPt; bool storyBold; qreal factsPt; bool factsBold; };
        static const Fonts fonts[10] = {
            {10, false, 11, true}, {11, true, 10, true}, {9, true, 10, true},  {11, true, 10, true},
            {11, true, 10, true},  {9, false, 11, true}, {10, true, 10, true}, {11, true, 11, true},
            {11, true, 11, true},  {11, true, 10, true},
        };
        std::array<Page, 10> table;
        for (int n = 0; n < 10; ++n)
            table[size_t(n)] = Page{n + 1, fonts[n].storyPt, fonts[n].storyBold, fonts[n].factsPt,
                                    fonts[n].factsBold, QString::fromUtf8(kPageTexts[n].story),
                                    QString::fromUtf8(kPageTexts[n].facts)};
        return table;
    }();
    for (const Page &page : pages)
        if (pageNumber == QString::number(page.table))
            return &page;
    return nullptr;
}

} // namespace study
