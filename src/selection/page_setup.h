#pragma once

#include "common/page_buttons.h"

#include <QString>

namespace kestrane {

// What CategoryButtonSetup leaves for a key: every page button enabled except `disabled`, the
// pictures of `hide` hidden, and cmdStats captioned "Details" when `statsDetails`.
struct ButtonSetup
{
    PageButtons disabled = 0;
    InsigniaSet hide = 0;
    bool statsDetails = false;
};
ButtonSetup categoryButtonSetup(const QString& key);

// The page refresh for a key, after the button set-up.
struct RefreshPlan
{
    ButtonSetup setup; // disabled also holds the ZR-1 page's own two buttons
    QString categoryCode;
    bool hideAll = false; // a category without insignia: every picture is hidden
    // Pictures whose file the rules name from the title's characters as if they were a year's
    // digits: reloaded only where the disc has that file, hidden (with no error) where it has not.
    InsigniaSet hideInstead = 0;
};
RefreshPlan planRefresh(const QString& key);

// The category-page routine of mnuArt and mnukestystuff, after SelectKey: cmdStats reads
// "Details", the nine are disabled, cmdStats too for some titles, cmdAd for all but one.
struct CategoryPageStates
{
    PageButtons disable = 0;
    PageButtons enable = 0;
};
CategoryPageStates categoryPageStates(const QString& key);

} // namespace kestrane
