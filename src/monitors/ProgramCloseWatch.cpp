#include "monitors/ProgramCloseWatch.h"

namespace monitors {

ProgramArming ProgramCloseWatch::Arm(const ProgramChoice& choice) {
    waits_.Stop();
    const std::vector<ProcessId> ids = rule_.Arm(choice, access_.list());
    if (ids.empty()) return ProgramArming::NotRunning;
    return waits_.Start(ids, access_.open) ? ProgramArming::CannotWatch : ProgramArming::Armed;
}

ProgramWatchEvent ProgramCloseWatch::WatchEnded(WPARAM watch) {
    if (!waits_.IsCurrent(watch)) return ProgramWatchEvent::Stale;
    const ProgramWatchStep step = rule_.AfterLastEnded(access_.list());
    if (step.due) {
        waits_.Stop();
        return ProgramWatchEvent::Due;
    }
    return waits_.Start(step.watch, access_.open) ? ProgramWatchEvent::Lost : ProgramWatchEvent::Waiting;
}

} // namespace monitors
