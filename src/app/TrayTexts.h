#pragma once
// What the notification-area icon shows: its tip and its menu.
#include <string>
#include <vector>

// The menu's commands; 0 is a separator, and what TrackPopupMenu gives for none.
enum class TrayCommand : unsigned { None = 0, Restore, DisarmAll, ActionNow, Exit };

struct TrayMenuItem {
    TrayCommand command;
    unsigned text; // string-table id; none for a separator
    bool enabled;
    bool isDefault;
};

// Restore (the default), Disarm all, a separator, the action now, Exit.
// While the confirmation is open only Restore can be chosen.
std::vector<TrayMenuItem> TrayMenuItems(int action, bool confirmOpen);

// The title, then one line per armed trigger after the action's name; the
// lines that do not fit in `maxLength` characters are left out whole.
std::string TrayTipText(const std::string& title, const std::string& actionName,
                        const std::vector<std::string>& armedLines, std::size_t maxLength);
