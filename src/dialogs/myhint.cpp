#include "dialogs/myhint.h"

#include "toolkit/Application.h"

void InstallHintWindowClass() {
    tk::Application::Instance().SetHintWindowClass(
        [](HWND owner) -> std::unique_ptr<tk::HintWindow> { return std::make_unique<TMyHint>(owner); });
}
