#include "StandInPlayer.h"

#include <chrono>
#include <stdexcept>

namespace stand_in {
namespace {

// The player's own command numbers, written out apart from the program's
// table so that a wrong number there shows up as a wrong answer here.
struct Command {
    WPARAM wParam;
    LPARAM lParam;
    Field field;
};
constexpr Command kCommands[] = {
    {0, 0, Field::Version},          {0, 104, Field::PlayingState},    {0, 125, Field::PlaylistPosition},
    {0, 124, Field::PlaylistLength}, {0, 105, Field::TrackPositionMs}, {1, 105, Field::TrackLengthSeconds},
};
constexpr WPARAM kRepeatOffWParam = 0;
constexpr LPARAM kSetRepeat = 253;

void RegisterPlayerClass(WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = monitors::kWinampWindowClass;
    // Registering again in the same process fails harmlessly.
    RegisterClassA(&wc);
}

} // namespace

StandInPlayer::StandInPlayer(const Answers& answers) {
    for (int i = 0; i < kFieldCount; ++i)
        answers_[static_cast<std::size_t>(i)] = answers[static_cast<std::size_t>(i)];
    RegisterPlayerClass(&StandInPlayer::WndProc);
    window_.Reset(CreateWindowExA(0, monitors::kWinampWindowClass, "Stand-in player", WS_OVERLAPPED, 0, 0,
                                  100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), this));
    if (!window_) throw std::runtime_error("the stand-in player's window was not created");
}

std::vector<monitors::WinampMessage> StandInPlayer::Queries() const {
    std::lock_guard lock(mutex_);
    return queries_;
}

void StandInPlayer::Unhang(bool forGood) {
    {
        std::lock_guard lock(mutex_);
        ++unhangs_;
        if (forGood) closing_ = true;
    }
    unhung_.notify_all();
}

void StandInPlayer::Hang(DWORD ms) {
    std::unique_lock lock(mutex_);
    const unsigned before = unhangs_;
    unhung_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return closing_ || unhangs_ != before; });
}

LRESULT StandInPlayer::Answer(WPARAM wParam, LPARAM lParam) {
    {
        std::lock_guard lock(mutex_);
        queries_.push_back({wParam, lParam});
    }
    if (wParam == kRepeatOffWParam && lParam == kSetRepeat) {
        ++repeatOffs_;
        return 0;
    }
    for (const Command& c : kCommands)
        if (c.wParam == wParam && c.lParam == lParam) return answers_[static_cast<std::size_t>(c.field)];
    return 0;
}

LRESULT CALLBACK StandInPlayer::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandInPlayer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
    switch (msg) {
    case WM_USER: return self->Answer(wParam, lParam);
    case kSetField:
        if (wParam >= kFieldCount) return 0;
        self->answers_[wParam] = static_cast<std::int32_t>(lParam);
        return 1;
    case kHang: self->Hang(static_cast<DWORD>(wParam)); return 0;
    case kRepeatOffCount: return self->repeatOffs_;
    case WM_DESTROY: PostQuitMessage(0); return 0; // the player closes: its program ends
    case WM_NCDESTROY:
        // Closed by the user: nothing is left to destroy.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        (void)self->window_.Release();
        break;
    default: break;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

StandInPlayerThread::StandInPlayerThread(const Answers& answers) {
    std::promise<void> ready;
    auto started = ready.get_future();
    thread_ = std::thread([this, answers, &ready] { Run(answers, &ready); });
    started.get(); // rethrows a failure to create the window
}

StandInPlayerThread::~StandInPlayerThread() {
    if (!thread_.joinable()) return; // closed already
    if (StandInPlayer* player = player_) player->Unhang(true);
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void StandInPlayerThread::Close() {
    PostMessageA(player_.load()->Handle(), WM_CLOSE, 0, 0);
    thread_.join();
}

void StandInPlayerThread::Run(const Answers& answers, std::promise<void>* ready) {
    try {
        StandInPlayer player(answers);
        threadId_ = GetCurrentThreadId();
        player_ = &player;
        ready->set_value();
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        player_ = nullptr;
    } catch (...) {
        ready->set_exception(std::current_exception());
    }
}

} // namespace stand_in
