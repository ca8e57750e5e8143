#include "app/TrayTexts.h"

#include "app/ListRanges.h"
#include "ui/lang.h"

std::vector<TrayMenuItem> TrayMenuItems(int action, bool confirmOpen) {
    const bool free = !confirmOpen;
    const bool knownAction = action >= 0 && action < lists::kActionItemCount;
    const unsigned actionNow = lang::TrayActionNow + static_cast<unsigned>(knownAction ? action : 0);
    return {
        {TrayCommand::Restore, lang::TrayRestore, true, true},
        {TrayCommand::DisarmAll, lang::TrayDisarmAll, free, false},
        {TrayCommand::None, 0, false, false},
        {TrayCommand::ActionNow, actionNow, free && knownAction, false},
        {TrayCommand::Exit, lang::TrayExit, free, false},
    };
}

std::string TrayTipText(const std::string& title, const std::string& actionName,
                        const std::vector<std::string>& armedLines, std::size_t maxLength) {
    std::string tip = title.substr(0, maxLength);
    for (const std::string& line : armedLines) {
        const std::string next = "\n" + actionName + " " + line;
        if (tip.size() + next.size() > maxLength) break;
        tip += next;
    }
    return tip;
}
