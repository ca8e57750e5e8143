#include "monitors/ProgramCloseRule.h"

#include <algorithm>

#include "core/UnicodeText.h"

namespace monitors {

std::string ExecutableName(std::string_view typed) {
    const std::size_t slash = typed.find_last_of("\\/:");
    std::string name(slash == std::string_view::npos ? typed : typed.substr(slash + 1));
    if (!name.empty() && name.find('.') == std::string::npos) name += ".exe";
    return name;
}

std::vector<ProcessId> ProgramCloseRule::Matching(const std::vector<SessionProcess>& running) const {
    std::vector<ProcessId> ids;
    for (const SessionProcess& p : running)
        if (core::SameNameIgnoringCase(p.name, name_) &&
            std::find(notOurs_.begin(), notOurs_.end(), p.id) == notOurs_.end())
            ids.push_back(p.id);
    return ids;
}

std::vector<ProcessId> ProgramCloseRule::Arm(const ProgramChoice& choice,
                                             const std::vector<SessionProcess>& running) {
    name_ = choice.name;
    notOurs_.clear();
    std::vector<ProcessId> matching = Matching(running);
    if (!choice.chosen) return matching;
    const bool stillRuns = std::find(matching.begin(), matching.end(), *choice.chosen) != matching.end();
    if (!stillRuns) return {};
    std::erase(matching, *choice.chosen);
    notOurs_ = std::move(matching);
    return {*choice.chosen};
}

ProgramWatchStep ProgramCloseRule::AfterLastEnded(const std::vector<SessionProcess>& running) const {
    std::vector<ProcessId> handedOver = Matching(running);
    if (handedOver.empty()) return {.due = true, .watch = {}};
    return {.due = false, .watch = std::move(handedOver)};
}

} // namespace monitors
