#include "toolkit/AsyncTimer.h"

#include <windows.h>

#include <process.h>

#include <array>
#include <atomic>
#include <memory>

#include "core/Error.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Event.h"
#include "toolkit/PostedCall.h"

namespace tk {

namespace {

constexpr std::array kWorkerPriorities = {
    THREAD_PRIORITY_IDLE,          THREAD_PRIORITY_LOWEST,       THREAD_PRIORITY_BELOW_NORMAL,
    THREAD_PRIORITY_NORMAL,        THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
    THREAD_PRIORITY_TIME_CRITICAL,
};
static_assert(kWorkerPriorities.size() == static_cast<std::size_t>(TThreadPriority::TimeCritical) + 1);

int WorkerPriority(TThreadPriority priority) { return kWorkerPriorities[static_cast<std::size_t>(priority)]; }

} // namespace

// The worker sleeps in one kernel wait per tick and posts the tick to the
// window thread. The next interval is timed by a waitable timer that the
// window thread sets once the handler has run, so the worker wakes only when
// a tick is due or its state changed. Whether it runs, which run it serves
// and whether a tick is on its way are atomic flags: a tick costs a wait, a
// post and a timer setting, and a parked worker costs nothing.
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
    // Ticks one after another until a restart, a park or the end wakes it.
    void Tick();
    // Window thread: runs a posted tick, then times the next interval.
    void Deliver(unsigned run) noexcept;
    // The next tick is due one interval from now.
    void TimeNextTick() noexcept;

    TAsyncTimer& owner_;
    std::atomic<std::uint16_t> interval_{TAsyncTimer::kDefaultInterval};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> running_{false};
    std::atomic<unsigned> run_{0};
    std::atomic<bool> delivering_{false}; // a tick is queued or running
    // Lives exactly as long as this object: a Deliver() whose handler
    // destroyed the timer sees it gone and touches nothing afterwards.
    std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
    tk::KernelHandle wake_ = tk::CreateEventHandle(tk::EventReset::Automatic);
    tk::KernelHandle due_ = tk::CreateWaitableTimerHandle();
    tk::PostedCall tick_{[this](WPARAM run) { Deliver(static_cast<unsigned>(run)); }};
    tk::KernelHandle thread_;
};

TTimerThread::TTimerThread(TAsyncTimer& owner) : owner_(owner) {
    // Last, so that the worker only ever sees a fully built object.
    thread_ =
        tk::KernelHandle(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Entry, this, 0, nullptr)));
    if (!thread_) throw core::Error("Cannot create the timer thread");
}

TTimerThread::~TTimerThread() {
    terminated_.store(true);
    running_.store(false);
    // Wakes the worker wherever it waits, also for a tick that the window
    // thread, busy here, will now never run.
    SetEvent(wake_.Get());
    WaitForSingleObject(thread_.Get(), INFINITE);
}

void TTimerThread::SetPriority(TThreadPriority priority) {
    if (!SetThreadPriority(thread_.Get(), WorkerPriority(priority)))
        throw core::Error("Cannot set the timer thread's priority");
}

unsigned __stdcall TTimerThread::Entry(void* self) noexcept {
    try {
        static_cast<TTimerThread*>(self)->Execute();
    } catch (...) {
        tk::HandleException();
    }
    return 0;
}

void TTimerThread::Start() {
    if (running_.load()) return;
    run_.fetch_add(1);
    running_.store(true);
    // Ends a wait under way (or the parked one) without a tick.
    SetEvent(wake_.Get());
}

void TTimerThread::Park() {
    if (!running_.load()) return;
    running_.store(false);
    SetEvent(wake_.Get());
}

void TTimerThread::Execute() {
    while (!terminated_.load()) {
        if (!running_.load()) {
            WaitForSingleObject(wake_.Get(), INFINITE);
            continue;
        }
        // A new run, or a wait that was woken: a tick that fell due meanwhile
        // belongs to the old run. The next is a full interval from now, unless
        // a tick is on its way, whose delivery times the next one.
        WaitForSingleObject(due_.Get(), 0);
        if (!delivering_.load()) TimeNextTick();
        Tick();
    }
}

void TTimerThread::Tick() {
    enum : DWORD { kWoken = WAIT_OBJECT_0, kDue };
    const HANDLE waits[] = {wake_.Get(), due_.Get()};
    for (;;) {
        const unsigned run = run_.load();
        // A wake-up outranks a tick that fell due at the same moment.
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != kDue) return;
        if (terminated_.load() || !IsCurrentRun(run)) return;
        delivering_.store(true);
        if (!tick_.Post(run)) {
            delivering_.store(false); // the window thread takes no messages: skip this tick
            TimeNextTick();
        }
    }
}

void TTimerThread::TimeNextTick() noexcept {
    constexpr LONGLONG kUnitsPerMs = 10'000; // the timer counts 100 ns units
    LARGE_INTEGER due;
    due.QuadPart = -kUnitsPerMs * interval_.load(); // negative: relative to now
    SetWaitableTimer(due_.Get(), &due, 0, nullptr, nullptr, FALSE);
}

void TTimerThread::Deliver(unsigned run) noexcept {
    const std::weak_ptr<const bool> alive = lifetime_;
    owner_.FireOnTimer(run);
    if (alive.expired()) return; // the worker has been released and has ended
    delivering_.store(false);
    // Parked, the worker times nothing; restarted, it times its own first tick
    // too, and the later setting wins.
    if (running_.load()) TimeNextTick();
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

} // namespace tk
