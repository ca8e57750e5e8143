#include "toolkit/ErrorReport.h"

#include <windows.h>

#include <exception>

#include "toolkit/ApplicationTitle.h"

namespace tk {

namespace {
ErrorBoxHook& Hook() {
    static ErrorBoxHook hook;
    return hook;
}
} // namespace

void ShowErrorBox(const std::string& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    MessageBoxA(GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void HandleException() noexcept {
    try {
        std::string text;
        try {
            throw;
        } catch (const std::exception& e) {
            text = e.what();
        } catch (...) {
            text = "Unknown error";
        }
        ShowErrorBox(text);
    } catch (...) {
        // Reporting itself failed (out of memory); nothing sensible is left to do.
    }
}

void HandleException(std::exception_ptr failure) noexcept {
    if (!failure) return;
    try {
        std::rethrow_exception(failure);
    } catch (...) {
        HandleException();
    }
}

void SetErrorBoxHook(ErrorBoxHook hook) { Hook() = std::move(hook); }

} // namespace tk
