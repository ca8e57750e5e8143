// The stand-in media player as a program of its own, for the end-to-end
// tests. Arguments name its first answers, e.g.
//   StandInPlayer.exe version=$2040 state=3 position=0 length=10 trackms=0 tracklen=180
// Tests change them, and make it hang, with the messages of StandInPlayer.h.
#include <windows.h>

#include <string>
#include <string_view>

#include "../monitors/StandInPlayer.h"
#include "app/CommandLineSplit.h"
#include "core/IntConv.h"

namespace {

struct Name {
    std::string_view name;
    stand_in::Field field;
};
constexpr Name kNames[] = {
    {"version=", stand_in::Field::Version},           {"state=", stand_in::Field::PlayingState},
    {"position=", stand_in::Field::PlaylistPosition}, {"length=", stand_in::Field::PlaylistLength},
    {"trackms=", stand_in::Field::TrackPositionMs},   {"tracklen=", stand_in::Field::TrackLengthSeconds},
};

stand_in::Answers AnswersFrom(const std::vector<std::string>& arguments) {
    stand_in::Answers answers = stand_in::kDefaultAnswers;
    for (const std::string& argument : arguments) {
        for (const Name& n : kNames) {
            std::int32_t value = 0;
            if (std::string_view(argument).starts_with(n.name) &&
                core::TryStrToInt(std::string_view(argument).substr(n.name.size()), value))
                answers[static_cast<std::size_t>(n.field)] = value;
        }
    }
    return answers;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        stand_in::StandInPlayer player(AnswersFrom(cmdline::SplitCommandLine(GetCommandLineA())));
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
        return 0;
    } catch (...) {
        return 1;
    }
}
