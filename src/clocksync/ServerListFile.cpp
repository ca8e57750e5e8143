#include "clocksync/ServerListFile.h"

#include <windows.h>

#include "clocksync/ServerList.h"
#include "toolkit/Handles.h"
#include "toolkit/WideText.h"

namespace clocksync {

namespace {
constexpr DWORD kReadChunk = 4096;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    tk::KernelHandle file(CreateFileW(tk::Widen(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string text;
    char chunk[kReadChunk];
    DWORD got = 0;
    do {
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
        text.append(chunk, got);
    } while (got > 0);
    return text;
}

std::string ChooseTimeServer(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    return text ? ChooseServerFromList(*text) : std::string(kDefaultTimeServer);
}

} // namespace clocksync
