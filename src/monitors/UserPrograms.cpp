#include "monitors/UserPrograms.h"

#include <windows.h>

#include <algorithm>

#include "monitors/ProcessWaits.h"
#include "toolkit/WideText.h"

namespace monitors {
namespace {

struct Listing {
    std::vector<SessionProcess> processes;
    std::vector<UserProgram> programs;
};

bool IsProgramWindow(HWND window) {
    if (!IsWindowVisible(window) || window == GetShellWindow()) return false;
    if (GetWindow(window, GW_OWNER) != nullptr) return false;
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
}

BOOL CALLBACK AddWindow(HWND window, LPARAM listing) noexcept {
    try {
        auto& l = *reinterpret_cast<Listing*>(listing);
        if (!IsProgramWindow(window)) return TRUE;
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        const auto same = [id](const auto& p) { return p.id == id; };
        // Processes of other sessions and this program are not in the list.
        const auto process = std::find_if(l.processes.begin(), l.processes.end(), same);
        if (process == l.processes.end() || std::any_of(l.programs.begin(), l.programs.end(), same))
            return TRUE;
        std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        title.resize(
            static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
        if (title.empty()) return TRUE;
        l.programs.push_back({id, process->name, tk::Utf8(title)});
        return TRUE;
    } catch (...) {
        return FALSE; // out of memory: the list so far
    }
}

} // namespace

std::vector<UserProgram> UserPrograms() {
    Listing listing{SessionProcesses(), {}};
    EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&listing));
    return std::move(listing.programs);
}

} // namespace monitors
