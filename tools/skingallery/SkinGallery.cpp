// Shows the windows in every skin found beside a program folder: the main
// window and the About box of each skin side by side, in one picture; with a
// second output, every window at 150 % display scale in the first skin; with a
// third, the README's picture: three skins, main window and About box, at 100 %.
//   skin_gallery.exe <program folder> <output.bmp> [<scaled.bmp> [<readme.bmp>]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <exception>
#include <string>
#include <vector>

#include "../BitmapFile.h"
#include "../StillMainForm.h"
#include "dialogs/aboutUnit.h"
#include "dialogs/confirm.h"
#include "dialogs/messageUnit.h"
#include "resource.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "ui/skin.h"

namespace {

constexpr int kMargin = 10;
constexpr int kCaptionHeight = 20;
constexpr int kSkinColumns = 4; // two skins a row: main window, About box
constexpr int kReadmeColumns = 2;
// The README shows a light, a dark and the system's own look.
const char* const kReadmeSkins[] = {"Sand", "Night", "System"};

// What a window shows on the screen now, frame included.
tk::Bitmap Capture(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    tk::Application::Instance().ProcessMessages();
    GdiFlush();
    Sleep(100); // the display catches up
    RECT r{};
    GetWindowRect(window, &r);
    tk::Bitmap shot(r.right - r.left, r.bottom - r.top);
    const tk::WindowDC screen(nullptr);
    BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
    return shot;
}

struct Shot {
    std::string title;
    tk::Bitmap picture;
};

constexpr int kDpi150 = 144;
constexpr UINT kDpiChanged = 0x02E0; // WM_DPICHANGED, as on a move to a 150 % monitor

void MoveToDpi(tk::Form& form, int dpi) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, form.Dpi()),
                   r.top + MulDiv(r.bottom - r.top, dpi, form.Dpi())};
    SendMessageA(form.Handle(), kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

Shot Scaled(const std::string& title, tk::Form& form) {
    MoveToDpi(form, kDpi150);
    return {title + " at 150 %", Capture(form.Handle())};
}

tk::Bitmap Sheet(const std::vector<Shot>& shots, int columns) {
    int cellWidth = 0, cellHeight = 0;
    for (const Shot& s : shots) {
        cellWidth = std::max(cellWidth, s.picture.Width());
        cellHeight = std::max(cellHeight, s.picture.Height());
    }
    const int rows = (int(shots.size()) + columns - 1) / columns;
    const int width = kMargin + columns * (cellWidth + kMargin);
    const int height = kMargin + rows * (cellHeight + kCaptionHeight + kMargin);
    tk::Bitmap sheet(width, height);
    tk::Canvas& canvas = sheet.GetCanvas();
    canvas.SetBrushColor(tk::clWhite);
    canvas.FillRect(RECT{0, 0, width, height});
    tk::FontSpec font;
    font.bold = true;
    font.color = tk::clBlack;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const int x = kMargin + int(i % columns) * (cellWidth + kMargin);
        const int y = kMargin + int(i / columns) * (cellHeight + kCaptionHeight + kMargin);
        canvas.SetFont(font);
        canvas.SetBrushStyle(tk::BrushStyle::Clear);
        canvas.TextOut(x, y, shots[i].title);
        canvas.Draw(x, y + kCaptionHeight, shots[i].picture);
    }
    return sheet;
}

// Every window of the program at 150 %, the main window first.
std::vector<Shot> ScaledWindows(TMainForm& form) {
    form.SkinComboBox->SetItemIndex(0);
    form.SkinComboBoxSelect();
    std::vector<Shot> shots;
    shots.push_back(Scaled("Main window", form));
    TAboutBox about;
    shots.push_back(Scaled("About box", about));
    TConfirmForm confirm(0, 125);
    shots.push_back(Scaled("Confirmation", confirm));
    confirm.Hide();
    TMyMessageDlg message;
    message.MessageLabel->SetCaption("The clock was set: it was 2.5 seconds late.");
    message.Show(); // lays itself out for its text
    shots.push_back(Scaled("Message", message));
    return shots;
}

bool Save(const std::vector<Shot>& shots, int columns, const char* output) {
    tk::Bitmap sheet = Sheet(shots, columns);
    if (tools::SaveBitmapFile(sheet, output)) return true;
    std::fprintf(stderr, "Cannot write %s\n", output);
    return false;
}

// The skin's place in the README's picture, if it has one.
std::optional<std::size_t> ReadmePlace(const std::string& skin) {
    const auto found = std::find(std::begin(kReadmeSkins), std::end(kReadmeSkins), skin);
    if (found == std::end(kReadmeSkins)) return std::nullopt;
    return std::size_t(found - std::begin(kReadmeSkins));
}

struct Outputs {
    const char* skins = nullptr;
    const char* scaled = nullptr; // optional, as is the next
    const char* readme = nullptr;
};

int Run(const std::string& programFolder, const Outputs& outputs) {
    tk::Application::Instance().Initialize();
    tk::Application::Instance().SetIdentity(
        {.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON)),
         .classPrefix = "SkinGallery"});
    ui::LoadSkinList(programFolder, tk::LoadText(lang::LanguageCode));
    const std::string settings = tools::ThrowawaySettingsFile("kn-skin-gallery-");
    auto form = tools::StillMainForm(settings);
    form->Show();
    std::vector<Shot> shots;
    std::vector<Shot> readme(2 * std::size(kReadmeSkins)); // in the README's order
    const int count = static_cast<int>(ui::Skins().size());
    for (int i = 0; i < count; ++i) {
        // As the user chooses it in the list.
        form->SkinComboBox->SetItemIndex(i);
        form->SkinComboBoxSelect();
        const std::string name = ui::Skins()[std::size_t(i)].Name;
        shots.push_back({name, Capture(form->Handle())});
        TAboutBox box;
        shots.push_back({name + ": About box", Capture(box.Handle())});
        if (const auto place = ReadmePlace(name))
            std::copy(shots.end() - 2, shots.end(), readme.begin() + 2 * *place);
    }
    if (outputs.readme &&
        std::any_of(readme.begin(), readme.end(), [](const Shot& s) { return s.title.empty(); })) {
        std::fputs("The README's skins are not all shipped\n", stderr);
        return 1;
    }
    std::vector<Shot> scaled;
    if (outputs.scaled) scaled = ScaledWindows(*form);
    form.reset();
    tk::Application::Instance().SetMainForm(nullptr);
    DeleteFileA(settings.c_str());
    if (!Save(shots, kSkinColumns, outputs.skins)) return 1;
    if (outputs.scaled && !Save(scaled, kSkinColumns, outputs.scaled)) return 1;
    if (outputs.readme && !Save(readme, kReadmeColumns, outputs.readme)) return 1;
    std::printf("%d skins\n", count);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::fputs("Usage: skin_gallery <program folder> <output.bmp> [<scaled.bmp> [<readme.bmp>]]\n",
                   stderr);
        return 2;
    }
    try {
        std::string folder = argv[1];
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        return Run(folder, {argv[2], argc > 3 ? argv[3] : nullptr, argc > 4 ? argv[4] : nullptr});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
