#pragma once
#include <exception>
#include <functional>
#include <string>

namespace tk {

// The standard error box: the failure's own text, the application title as
// caption; the program goes on afterwards.
void ShowErrorBox(const std::string& text);

// Call only inside a catch block: reports the exception being handled through
// ShowErrorBox. Never throws, so every window procedure, timer hand-over and
// thread entry can end with `catch (...) { tk::HandleException(); }`.
void HandleException() noexcept;
// The same for a failure caught earlier and reported later.
void HandleException(std::exception_ptr failure) noexcept;

// Tests replace the modal box with a recorder; pass an empty function to restore it.
using ErrorBoxHook = std::function<void(const std::string&)>;
void SetErrorBoxHook(ErrorBoxHook hook);

} // namespace tk
