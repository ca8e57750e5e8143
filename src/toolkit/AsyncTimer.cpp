#include "toolkit/AsyncTimer.h"

#include <windows.h>

#include <process.h>

#include <array>
#include <atomic>

#include "rtl/Error.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Event.h"
#include "toolkit/HandOver.h"

namespace {

constexpr std::array kWorkerPriorities = {
    THREAD_PRIORITY_IDLE,          THREAD_PRIORITY_LOWEST,       THREAD_PRIORITY_BELOW_NORMAL,
    THREAD_PRIORITY_NORMAL,        THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
    THREAD_PRIORITY_TIME_CRITICAL,
};
static_assert(kWorkerPriorities.size() == static_cast<std::size_t>(TThreadPriority::TimeCritical) + 1);

int WorkerPriority(TThreadPriority priority) { return kWorkerPriorities[static_cast<std::size_t>(priority)]; }

} // namespace

// The worker: waits one interval at a time and hands each tick to the window
// thread. While the timer does not tick it is parked on runEvent_, so it costs
// no processor time and is never stopped in the middle of anything.
class TTimerThread {
public:
    explicit TTimerThread(TAsyncTimer& owner);
    ~TTimerThread();

    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    std::uint16_t Interval() const { return interval_.load(); }
    void SetInterval(std::uint16_t value) { interval_.store(value); }
    void SetPriority(TThreadPriority priority);

    // Starting begins a new run whose first tick is one full interval away;
    // ticks of an earlier run that are still on their way are dropped.
    void Start();
    void Park();
    bool IsCurrentRun(unsigned run) const { return running_.load() && run == run_.load(); }

private:
    static unsigned __stdcall Entry(void* self) noexcept;
    void Execute();

    TAsyncTimer& OwnerTimer;
    std::atomic<std::uint16_t> interval_{TAsyncTimer::kDefaultInterval};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> running_{false};
    std::atomic<unsigned> run_{0};
    std::atomic<unsigned> tickRun_{0}; // the run of the tick being handed over
    tk::KernelHandle WaitEvent = tk::CreateEventHandle(tk::EventReset::Automatic);
    tk::KernelHandle runEvent_ = tk::CreateEventHandle(tk::EventReset::Manual);
    tk::HandOver TickHandOver{[this] { OwnerTimer.FireOnTimer(tickRun_.load()); }};
    tk::KernelHandle Thread;
};

TTimerThread::TTimerThread(TAsyncTimer& owner) : OwnerTimer(owner) {
    // Last, so that the worker only ever sees a fully built object.
    Thread = tk::KernelHandle(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Entry, this, 0, nullptr)));
    if (!Thread) throw rtl::Error("Cannot create the timer thread");
}

TTimerThread::~TTimerThread() {
    terminated_.store(true);
    running_.store(false);
    SetEvent(runEvent_.Get());
    SetEvent(WaitEvent.Get());
    // The window thread is busy here and cannot run a queued tick, so a worker
    // waiting for one would never come back.
    TickHandOver.Cancel();
    WaitForSingleObject(Thread.Get(), INFINITE);
}

void TTimerThread::SetPriority(TThreadPriority priority) {
    if (!SetThreadPriority(Thread.Get(), WorkerPriority(priority)))
        throw rtl::Error("Cannot set the timer thread's priority");
}

void TTimerThread::Start() {
    if (running_.load()) return;
    run_.fetch_add(1);
    running_.store(true);
    // Ends a wait under way (or the first one) without a tick.
    SetEvent(WaitEvent.Get());
    SetEvent(runEvent_.Get());
}

void TTimerThread::Park() {
    running_.store(false);
    ResetEvent(runEvent_.Get());
}

unsigned __stdcall TTimerThread::Entry(void* self) noexcept {
    try {
        static_cast<TTimerThread*>(self)->Execute();
    } catch (...) {
        tk::HandleException();
    }
    return 0;
}

void TTimerThread::Execute() {
    for (;;) {
        WaitForSingleObject(runEvent_.Get(), INFINITE);
        if (terminated_.load()) return;
        const unsigned run = run_.load();
        if (WaitForSingleObject(WaitEvent.Get(), interval_.load()) != WAIT_TIMEOUT)
            continue; // restarted or ending: begin again with a full wait
        if (terminated_.load() || !IsCurrentRun(run)) continue;
        tickRun_.store(run);
        TickHandOver.Run();
    }
}

TAsyncTimer::TAsyncTimer() : WorkerThread(std::make_unique<TTimerThread>(*this)) {}

TAsyncTimer::~TAsyncTimer() {
    SetEnabled(false);
    WorkerThread.reset();
}

void TAsyncTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateWorker();
}

std::uint16_t TAsyncTimer::Interval() const { return WorkerThread->Interval(); }

void TAsyncTimer::SetInterval(std::uint16_t value) {
    if (value == Interval()) return;
    WorkerThread->SetInterval(value);
    UpdateWorker();
}

void TAsyncTimer::SetThreadPriority(TThreadPriority value) {
    WorkerThread->SetPriority(value);
    threadPriority_ = value;
}

void TAsyncTimer::UpdateWorker() {
    if (enabled_ && Interval() != 0)
        WorkerThread->Start();
    else
        WorkerThread->Park();
}

void TAsyncTimer::FireOnTimer(unsigned run) {
    if (!enabled_ || !WorkerThread->IsCurrentRun(run) || !onTimer_) return;
    try {
        // A copy: the handler may replace OnTimer or destroy this timer.
        const TTimerEvent handler = onTimer_;
        handler(*this);
    } catch (...) {
        tk::HandleException();
    }
}
