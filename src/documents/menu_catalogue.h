#pragma once

#include "common/error_reporter.h"

#include <QString>
#include <QStringView>

#include <span>

namespace kestrane {

// How an entry of the catalogue shows its document in the reader.
enum class CatalogueStyle : quint8 {
    Standard,     // caption set on the reader after loading; narration disabled and hidden; OK widened; modal
    Introduction, // caption through DocumentCaption before the reader loads; narration only hidden
    PanelHelp,    // missing-file test first, caption set before it; narration only hidden; modeless
    SeriesText,   // missing-file test first; narration disabled and hidden; OK 481 pixels; modal
};

// One document of the menus or of a panel's help button.
struct CatalogueEntry
{
    const char16_t* control; // the menu item or button
    int index;               // element of a menu array (mnuArticles, mnuMag), or kNotInArray
    const char16_t* path;    // below the CD root, folder spelled as the handler spells it
    const char16_t* title;   // reader caption after "The Kestrane Omnivar" and five blanks
    ErrorCode code;
    CatalogueStyle style = CatalogueStyle::Standard;
};

inline constexpr int kNotInArray = -1;

// Every entry: the single documents of the File, Literature, Miscellaneous and Help menus, the
// seven articles, the thirteen magazines and the two panel buttons.
std::span<const CatalogueEntry> menuCatalogue();

// The entry of a control ("mnuMag", 3), or null.
const CatalogueEntry* catalogueEntry(QStringView control, int index = kNotInArray);

// The object name of the entry's control: "mnuMag(3)" for array elements, else the plain name.
QString catalogueObjectName(const CatalogueEntry& entry);

// The folder part of the entry's path ("\richtext\") and its file name.
QString catalogueFolder(const CatalogueEntry& entry);
QString catalogueFile(const CatalogueEntry& entry);

// The width OK takes in the series text instead of being widened.
inline constexpr int kSeriesTextOkWidth = 481;

} // namespace kestrane
