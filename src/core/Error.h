#pragma once

#include <exception>
#include <string>
#include <utility>

namespace core {

// The program's general failure: a fixed English text that the error box shows as it is.
class Error : public std::exception {
public:
    explicit Error(std::string text) : text_(std::move(text)) {}
    const char* what() const noexcept override { return text_.c_str(); }
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

} // namespace core
