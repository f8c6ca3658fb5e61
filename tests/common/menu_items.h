#pragma once
// The popup menu's items by their names in the layout, for tests that check
// what Windows or the table holds for a named item.

#include <cstring>

#include "app/menu_table.h"

namespace velmira {

// Index in PopupMenu1Layout of the item with this name; -1 when none.
inline int FindMenuItem(const char* name) {
    const PopupMenuLayout& layout = PopupMenu1Layout();
    for (size_t i = 0; i < layout.count; ++i)
        if (std::strcmp(layout[i].name, name) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace velmira
