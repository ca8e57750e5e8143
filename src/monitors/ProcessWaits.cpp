#include "monitors/ProcessWaits.h"

#include <tlhelp32.h>

#include "core/Error.h"
#include "toolkit/SystemError.h"
#include "toolkit/WideText.h"

namespace monitors {

tk::KernelHandle OpenForWaiting(ProcessId id) {
    return tk::KernelHandle(OpenProcess(SYNCHRONIZE, FALSE, id));
}

std::vector<SessionProcess> SessionProcesses() {
    std::vector<SessionProcess> found;
    const DWORD self = GetCurrentProcessId();
    DWORD ownSession = 0;
    if (!ProcessIdToSessionId(self, &ownSession)) return found;
    const tk::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        DWORD session = 0;
        if (entry.th32ProcessID == self || !ProcessIdToSessionId(entry.th32ProcessID, &session) ||
            session != ownSession)
            continue;
        found.push_back({entry.th32ProcessID, tk::Utf8(entry.szExeFile)});
    }
    return found;
}

std::optional<ProcessId> ProcessWaits::Start(const std::vector<ProcessId>& ids, const ProcessOpener& open) {
    Stop();
    std::vector<tk::KernelHandle> processes;
    for (const ProcessId id : ids) {
        tk::KernelHandle process = open(id);
        if (!process) return id;
        processes.push_back(std::move(process));
    }
    processes_ = std::move(processes);
    countdown_ = std::make_unique<Countdown>(processes_.size(), window_, message_, ++watch_);
    running_ = true;
    if (processes_.empty()) PostMessageW(window_, message_, watch_, 0);
    for (const tk::KernelHandle& process : processes_) {
        HANDLE wait = nullptr;
        // A process that has already ended counts at once.
        if (!RegisterWaitForSingleObject(&wait, process.Get(), Ended, countdown_.get(), INFINITE,
                                         WT_EXECUTEONLYONCE | WT_EXECUTEINWAITTHREAD)) {
            const DWORD error = GetLastError();
            Stop();
            throw core::Error("Cannot wait for a process: " + SystemErrorMessage(error));
        }
        waits_.emplace_back(wait);
    }
    return std::nullopt;
}

void ProcessWaits::Stop() {
    // The waits first: closing them lets any callback under way finish.
    waits_.clear();
    processes_.clear();
    countdown_.reset();
    running_ = false;
}

void CALLBACK ProcessWaits::Ended(PVOID countdown, BOOLEAN) noexcept {
    auto* c = static_cast<Countdown*>(countdown);
    if (c->left.fetch_sub(1) == 1) PostMessageW(c->window, c->message, c->watch, 0);
}

} // namespace monitors
