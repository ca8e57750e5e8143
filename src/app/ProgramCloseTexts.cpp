#include "app/ProgramCloseTexts.h"

std::string FillIn(std::string_view text, std::string_view value) {
    std::size_t at = text.find("%s");
    if (at == std::string_view::npos) at = text.find("%d");
    if (at == std::string_view::npos) return std::string(text);
    std::string filled(text.substr(0, at));
    filled += value;
    filled += text.substr(at + 2);
    return filled;
}

std::string ProgramItemText(std::string_view title, std::string_view name) {
    std::string text(title);
    text += " (";
    text += name;
    text += ')';
    return text;
}

std::string WaitingText(std::size_t count, const WaitingTexts& texts) {
    if (count == 0) return texts.none;
    if (count == 1) return texts.one;
    return FillIn(texts.many, std::to_string(count));
}
