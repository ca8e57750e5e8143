// Arbitrary bytes as servers.txt: the chosen host must be what a plain
// line-by-line reading of the same bytes names last.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "clocksync/ServerList.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// A second reading, written differently: line ends made uniform first.
std::string Oracle(std::string text) {
    std::string uniform;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            uniform += '\n';
        } else {
            uniform += text[i];
        }
    }
    std::string chosen;
    std::size_t start = 0;
    while (start <= uniform.size()) {
        std::size_t end = uniform.find('\n', start);
        if (end == std::string::npos) end = uniform.size();
        const std::string line = uniform.substr(start, end - start);
        if (line.size() > 1 && line[0] == '*') {
            const std::string name = line.substr(1, line.find_first_of(" ;", 1) - 1);
            if (!name.empty()) chosen = name;
        }
        start = end + 1;
    }
    return chosen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string host = clocksync::ChooseServerFromList(text);
    Check(host.find_first_of("\r\n ;") == std::string::npos);
    Check(host.empty() || host.size() < size);
    Check(host == Oracle(text));
    return 0;
}
