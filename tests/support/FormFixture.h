#pragma once
// A form to put controls on, with error boxes recorded instead of shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace test_support {

class FormTest : public ::testing::Test {
public:
    static tk::FormArgs DefaultArgs() {
        tk::FormArgs args;
        args.name = "TestForm";
        args.clientWidth = 240;
        args.clientHeight = 160;
        return args;
    }

protected:
    FormTest() : FormTest(DefaultArgs()) {}
    explicit FormTest(tk::FormArgs args) : args_(std::move(args)) {}

    void SetUp() override {
        tk::Application::Instance().Initialize();
        tk::SetErrorBoxHook([this](const std::string& text) { errors.push_back(text); });
        form = std::make_unique<tk::Form>(args_);
    }
    void TearDown() override {
        form.reset();
        tk::Application::Instance().ProcessMessages();
        tk::SetErrorBoxHook({});
    }

    std::unique_ptr<tk::Form> form;
    std::vector<std::string> errors;

private:
    tk::FormArgs args_;
};

} // namespace test_support
