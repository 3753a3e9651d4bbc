#pragma once

#include <QString>

#include <span>

namespace kestrane {

// One item of the main window's menu tree.
struct MenuItem
{
    const char16_t* name;    // the menu control's name
    int index;               // element of a menu control array, or kNoIndex
    const char16_t* caption; // designer caption, access-key "&" included
    const char16_t* parent;  // submenu that holds the item; nullptr on the menu bar
    bool separatorBefore;    // a separator line stands before the item
};

inline constexpr int kNoIndex = -1;

// Every item of the menu tree; items of one parent stand in their menu order.
std::span<const MenuItem> menuTable();

// True when some item of the table names `item` as its parent.
bool isSubmenu(const MenuItem& item);

// The object name of the item's QAction: "mnuMag(1)" for array elements, else the plain name.
QString menuObjectName(const MenuItem& item);

} // namespace kestrane
