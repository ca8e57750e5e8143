#pragma once
// A stand-in for the media player in tests: a window of the player's class
// that answers the player's queries with values the test chooses, counts
// what it was asked, and can be made to hang. It runs on a thread of its own
// (StandInPlayerThread) or as a program of its own (StandInPlayer.exe).
#include <windows.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "monitors/WinampPoll.h"
#include "toolkit/Handles.h"

namespace stand_in {

// The answers the stand-in gives, one per query it knows.
enum class Field : int {
    Version,
    PlayingState,
    PlaylistPosition,
    PlaylistLength,
    TrackPositionMs,
    TrackLengthSeconds,
};
inline constexpr int kFieldCount = 6;
using Answers = std::array<std::int32_t, kFieldCount>;

// Playing the third of twelve tracks, 75.9 s into 240 s, version 5.66.
inline constexpr Answers kDefaultAnswers = {0x5066, 1, 2, 12, 75900, 240};
inline constexpr std::int32_t kPlaying = 1;
inline constexpr std::int32_t kPaused = 3;
inline constexpr std::int32_t kStopped = 0;

// Control messages a test sends to the window (kHang through StartHang).
inline constexpr UINT kSetField = WM_APP + 1;       // wParam: Field, lParam: the answer
inline constexpr UINT kHang = WM_APP + 2;           // wParam: milliseconds to stop answering
inline constexpr UINT kRepeatOffCount = WM_APP + 3; // result: "repeat off" requests so far

// Makes the player stop answering for `ms` and returns at once. Sent, not
// posted: a thread takes sent messages first and in order, so every query
// sent after this one finds the player hung.
inline void StartHang(HWND player, DWORD ms) { SendNotifyMessageA(player, kHang, ms, 0); }

// The player's window; create and use it on one thread.
class StandInPlayer {
public:
    explicit StandInPlayer(const Answers& answers = kDefaultAnswers);
    StandInPlayer(const StandInPlayer&) = delete;
    StandInPlayer& operator=(const StandInPlayer&) = delete;

    HWND Handle() const { return window_.Get(); }

    // Any thread.
    void Set(Field field, std::int32_t answer) { answers_[static_cast<int>(field)] = answer; }
    int RepeatOffs() const { return repeatOffs_; }
    std::vector<monitors::WinampMessage> Queries() const;
    // Ends a hang under way; for good: no later hang starts either.
    void Unhang(bool forGood = false);

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Answer(WPARAM wParam, LPARAM lParam);
    void Hang(DWORD ms);

    std::array<std::atomic<std::int32_t>, kFieldCount> answers_;
    std::atomic<int> repeatOffs_{0};
    mutable std::mutex mutex_;
    std::condition_variable unhung_;
    unsigned unhangs_ = 0;
    bool closing_ = false;
    std::vector<monitors::WinampMessage> queries_;
    tk::WindowHandle window_; // last: gone before the answers it reads
};

// A stand-in player on a thread of its own, as a separate program would be.
class StandInPlayerThread {
public:
    explicit StandInPlayerThread(const Answers& answers = kDefaultAnswers);
    ~StandInPlayerThread(); // closes the window, ending any hang first

    StandInPlayer& Player() { return *player_.load(); }
    // The player's thread stops answering for `ms`.
    void Hang(DWORD ms) { StartHang(player_.load()->Handle(), ms); }
    // The user closes the player: its window goes and its thread ends.
    void Close();

private:
    void Run(const Answers& answers, std::promise<void>* ready);

    std::thread thread_;
    std::atomic<StandInPlayer*> player_{nullptr};
    DWORD threadId_ = 0; // written by the player's thread before it reports ready
};

} // namespace stand_in
