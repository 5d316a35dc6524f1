#pragma once

// The two texts of each memorise page: a joke or anecdote for the left
// label and facts or sayings for the right one. Index 0 is page "1".
namespace study {

struct PageTexts {
    const char *story; // UTF-8
    const char *facts; // UTF-8
};

extern const PageTexts kPageTexts[10];

} // namespace study
