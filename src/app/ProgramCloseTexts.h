#pragma once
// The program-closes trigger's texts, filled in from the string table's templates.
#include <cstddef>
#include <string>
#include <string_view>

// `text` with its first "%s" (or "%d") replaced by `value`; unchanged when it has none.
std::string FillIn(std::string_view text, std::string_view value);

// A program of the list: "its window's title (name.exe)".
std::string ProgramItemText(std::string_view title, std::string_view name);

// How many processes are waited for; `one` for a single one, `many` (with
// "%d") for more, `none` when the trigger waits for nothing.
struct WaitingTexts {
    std::string none;
    std::string one;
    std::string many;
};
std::string WaitingText(std::size_t count, const WaitingTexts& texts);
