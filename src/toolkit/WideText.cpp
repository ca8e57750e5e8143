#include "toolkit/WideText.h"

#include <windows.h>

#include <climits>

namespace tk {
namespace {

template <class To, class Convert>
To Converted(std::size_t length, Convert convert) {
    if (length == 0 || length > static_cast<std::size_t>(INT_MAX)) return To();
    const int size = convert(nullptr, 0);
    To out(static_cast<std::size_t>(size > 0 ? size : 0), typename To::value_type());
    if (size > 0) convert(out.data(), size);
    return out;
}

std::string Narrowed(UINT codePage, std::wstring_view wide) {
    return Converted<std::string>(wide.size(), [&](char* out, int size) {
        return WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out, size,
                                   nullptr, nullptr);
    });
}

} // namespace

std::wstring Widen(std::string_view utf8) {
    return Converted<std::wstring>(utf8.size(), [&](wchar_t* out, int size) {
        return MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out, size);
    });
}

std::string Utf8(std::wstring_view wide) { return Narrowed(CP_UTF8, wide); }

std::string Ansi(std::wstring_view wide) { return Narrowed(CP_ACP, wide); }

} // namespace tk
