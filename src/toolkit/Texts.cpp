#include "toolkit/Texts.h"

#include <windows.h>

namespace tk {

std::string LoadText(unsigned id) {
    // A string table entry is at most 4,097 characters long.
    char buffer[4097];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace tk
