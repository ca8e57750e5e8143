#pragma once
// The media player as the trigger sees it: arming checks, the poll's
// decision and the texts of its two labels. The window queries go through
// WinampLink, so the rules run without a player.
#include <cstdint>
#include <optional>
#include <string>

namespace monitors {

// The player's window-message interface: WM_USER with these parameters.
enum class WinampQuery {
    Version,
    PlayingState,
    PlaylistPosition,
    PlaylistLength,
    TrackPosition,
    TrackLength,
    RepeatOff
};

struct WinampMessage {
    std::uintptr_t wParam;
    std::intptr_t lParam;
};
WinampMessage MessageOf(WinampQuery query);

inline constexpr char kWinampWindowClass[] = "Winamp v1.x";
// Version 2.40: the first that answers every query the trigger needs.
inline constexpr std::int32_t kLeastWinampVersion = 0x2040;
inline constexpr std::int32_t kWinampStopped = 0;
// What the labels show while the trigger is not armed.
inline constexpr char kWinampIdleText[] = "?/?";

// The player's main window. Find looks it up anew each time; the window it
// gives serves one arming or one poll and is never kept. Ask gives nothing
// when the player did not answer within the link's bound (hung, busy, or
// closed meanwhile).
class WinampLink {
public:
    using Window = std::uintptr_t;
    virtual ~WinampLink() = default;
    virtual std::optional<Window> Find() = 0;
    virtual std::optional<std::int32_t> Ask(Window window, WinampQuery query) = 0;
};

enum class WinampArming { Armed, NotStarted, TooOld, NotPlaying, NoAnswer };

// The checks of arming, in order: the window, the version, the playing state;
// when all pass, repeat is switched off so the playlist can end. A player
// that does not answer is not armed.
WinampArming ArmWinamp(WinampLink& link);

struct WinampPosition {
    std::int32_t playlistPosition = 0; // zero-based
    std::int32_t playlistLength = 0;
    std::int32_t trackPositionMs = 0;
    std::int32_t trackLengthSeconds = 0;
    bool operator==(const WinampPosition&) const = default;
};

enum class WinampState { Gone, Stopped, Playing, NoAnswer };

struct WinampPollResult {
    WinampState state = WinampState::NoAnswer;
    WinampPosition position; // only for Playing (which includes paused)
};

// One poll: the window, the playing state and, while it plays or pauses,
// playlist position, playlist length, track position, track length, asked in
// that order. Any query left unanswered makes the whole poll NoAnswer, so a
// hung player never fires the action and never half-updates the labels.
WinampPollResult PollWinamp(WinampLink& link);

// The labels' words, from the string table.
struct WinampTexts {
    std::string of;    // " of "
    std::string secOf; // " sec / "
    std::string sec;   // " sec"
};

// "3 of 12": the position counted from one. Answers are shown as they come.
std::string PlaylistText(const WinampPosition& position, const WinampTexts& texts);
// "75 sec / 240 sec": whole seconds played, truncated toward zero.
std::string TrackText(const WinampPosition& position, const WinampTexts& texts);

} // namespace monitors
