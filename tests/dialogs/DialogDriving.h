#pragma once
// Input for modal dialogs, posted before ShowModal so that the dialog's own
// nested loop delivers it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/ErrorReport.h"

#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace dialog_driving {

inline LPARAM Inside(const tk::WinControl& control) {
    return MAKELPARAM(static_cast<WORD>(control.Width() / 2), static_cast<WORD>(control.Height() / 2));
}

inline void PostClick(const tk::WinControl& button) {
    PostMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Inside(button));
    PostMessageA(button.Handle(), WM_LBUTTONUP, 0, Inside(button));
}

inline void PostEscape(const tk::Form& form) { PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }

// What the close box sends.
inline void PostCloseBox(const tk::Form& form) { PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

// Any error box would block the run; record it instead and fail.
class NoErrorBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk::SetErrorBoxHook([this](const std::string& text) { errors_.push_back(text); });
    }
    void TearDown() override {
        tk::SetErrorBoxHook({});
        EXPECT_TRUE(errors_.empty()) << errors_.front();
    }

private:
    std::vector<std::string> errors_;
};

} // namespace dialog_driving
