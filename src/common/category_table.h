#pragma once

#include "common/page_buttons.h"

#include <QString>
#include <QStringView>

#include <span>

namespace kestrane {

// Which handler family sets a category: each applies its own button states after SelectKey.
enum class CategoryMenu : quint8 {
    None,      // no menu item sets the title
    Own,       // mnuEmblems, mnuMiscellany, mnuTopTen, mnuMus: the table's disabled set
    Shared,    // mnuArt, mnukestystuff: the category-page routine
    Specialty, // mnuSpecialty: the category button set-up alone
};

// One row of the category table. `disabled` and `statsCaption` are the end state after the
// row's menu item; `selectStats` is what SelectKey alone writes into cmdStats.
struct CategoryRow
{
    const char16_t* title; // exact, trailing blanks included
    const char16_t* code;
    CategoryMenu menu;
    const char16_t* menuItem; // objectName of the QAction, empty when none
    const char16_t* selectStats;
    const char16_t* statsCaption;
    const char16_t* webCaption;
    PageButtons disabled;
    InsigniaSet hidden;                     // kAllInsignia: the row hides every picture
    const char16_t* slideCaption = nullptr; // the slides' caption where it is not the title
    bool details = false;                   // cmdStats shows the details box instead of the reader
};

std::span<const CategoryRow> categoryTable();

// The row whose title equals `key` exactly, or null (a year, or an unknown key).
const CategoryRow* findCategory(QStringView key);
// The caption of the slides of a category code (the first row with that code), or a null string.
QString categorySlideCaption(QStringView code);

// The categories the photograph tour visits after 2002, in order.
std::span<const char16_t* const> tourChain();
// Index of `key` in the tour chain, or -1.
int tourChainIndex(QStringView key);
// The first chain entry that the tour shows through the category-page routine.
inline constexpr int kTourFirstCategoryPage = 11;

// Captions of SelectKey and of the page before anything else sets them.
inline constexpr char16_t kStatistics[] = u"Statistics";
inline constexpr char16_t kDetails[] = u"Details";
inline constexpr char16_t kFeatures[] = u"Features";
inline constexpr char16_t kDefaultWeb[] = u"Kestrane Website";
inline constexpr char16_t kDescription[] = u"Description";

} // namespace kestrane
