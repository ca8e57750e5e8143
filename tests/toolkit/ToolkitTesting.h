#pragma once
// A form to put controls on, with error boxes recorded instead of shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace toolkit_testing {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk::Application::Instance().Initialize();
        tk::SetErrorBoxHook([this](const std::string& text) { errors.push_back(text); });
        tk::FormArgs args;
        args.name = "ToolkitTestForm";
        args.clientWidth = 240;
        args.clientHeight = 160;
        form = std::make_unique<tk::Form>(args);
    }
    void TearDown() override {
        form.reset();
        tk::Application::Instance().ProcessMessages();
        tk::SetErrorBoxHook({});
    }

    std::unique_ptr<tk::Form> form;
    std::vector<std::string> errors;
};

} // namespace toolkit_testing
