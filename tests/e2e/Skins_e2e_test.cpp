// The built program with skins beside it: the shipped skins fill its list,
// and a skin whose tile is missing is reported at start while the program
// still starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../toolkit/TempFiles.h"
#include "ProgramDriving.h"
#include "toolkit/Handles.h"

using namespace e2e;

namespace {

constexpr char kMainCaption[] = "Kalvex Now! [NT]";
constexpr char kErrorBoxCaption[] = "Kal Vex Now!";
constexpr int kMessageBoxTextId = 0xFFFF;
// The skin list's place in the main window.
constexpr int kSkinListLeft = 400;
constexpr int kSkinListTop = 221;

// A program folder of its own: a copy of the built program and the skins a
// test puts beside it.
class ProgramFolder {
public:
    ProgramFolder() {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof temp, temp);
        root_ = std::string(temp) + "kn-e2e-skins-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(root_.c_str(), nullptr);
        CreateDirectoryA((root_ + "skins").c_str(), nullptr);
        CreateDirectoryA((root_ + "skins\\backfones").c_str(), nullptr);
        CopyFileA(ProgramPath().c_str(), Program().c_str(), FALSE);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder() { temp_files::RemoveTree(root_); }

    std::string Program() const { return root_ + "KalvexNow.exe"; }

    // Copies every file of one folder of the shipped skins.
    void CopyShipped(const std::string& subfolder) {
        const std::string from = WindowsPath(KN_DATA_PATH "/skins/") + subfolder;
        WIN32_FIND_DATAA found{};
        const tk::FindHandle find(FindFirstFileA((from + "*").c_str(), &found));
        ASSERT_TRUE(find) << from;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            CopyFileA((from + found.cFileName).c_str(),
                      (root_ + "skins\\" + subfolder + found.cFileName).c_str(), FALSE);
        } while (FindNextFileA(find.Get(), &found));
    }

    void WriteSkin(const std::string& name, const std::string& text) {
        const tk::KernelHandle file(CreateFileA((root_ + "skins\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        WriteFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr);
    }

private:
    std::string root_;
};

void Start(const std::string& program, RunningProgram& running) {
    ASSERT_TRUE(e2e::Start(running, program, "")) << program;
}

// The items of the main window's skin list. Wide messages: across processes
// the ANSI ones hand over only the first character.
std::vector<std::string> SkinListItems(HWND main) {
    struct Search {
        HWND main;
        HWND list = nullptr;
    } search{main};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char cls[32] = {};
            GetClassNameA(child, cls, sizeof cls);
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, s->main, reinterpret_cast<POINT*>(&r), 2);
            if (lstrcmpiA(cls, "ComboBox") == 0 && r.left == kSkinListLeft && r.top == kSkinListTop)
                s->list = child;
            return s->list == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    std::vector<std::string> items;
    if (!search.list) return items;
    const LRESULT count = SendMessageW(search.list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        SendMessageW(search.list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text, text + lstrlenW(text)); // the names are plain ASCII
    }
    return items;
}

void CloseProgram(HWND main, RunningProgram& program) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
}

} // namespace

TEST(EndToEnd, TheShippedSkinsFillTheList) {
    WritePrivateProfileStringA("OPTIONS", "SkinComboBox", "0", SettingsFile().c_str());
    ProgramFolder folder;
    folder.CopyShipped("");
    folder.CopyShipped("backfones\\");
    RunningProgram program;
    Start(folder.Program(), program);
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    std::vector<std::string> items = SkinListItems(main);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items,
              (std::vector<std::string>{"Grass", "Night", "Plain", "Rose", "Sand", "Silver", "Sky", "Sun"}));
    EXPECT_EQ(FindWindowA("#32770", kErrorBoxCaption), nullptr) << "no error at start";
    CloseProgram(main, program);
}

TEST(EndToEnd, AMissingTileIsReportedAndTheProgramStillStarts) {
    WritePrivateProfileStringA("OPTIONS", "SkinComboBox", "0", SettingsFile().c_str());
    ProgramFolder folder;
    folder.WriteSkin("broken.ini", "[NAME]\r\nSKIN_ENG=Broken\r\n[BACKGROUND]\r\nIMAGE=gone.rgb\r\n");
    RunningProgram program;
    Start(folder.Program(), program);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", kErrorBoxCaption)) != nullptr; }));
    char text[512] = {};
    SendMessageA(GetDlgItem(box, kMessageBoxTextId), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text).rfind("Cannot open file \"", 0), 0u) << text;
    EXPECT_NE(std::string(text).find("skins\\backfones\\gone.rgb\". "), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
    EXPECT_EQ(SkinListItems(main), std::vector<std::string>{"Broken"});
    EXPECT_TRUE(program.Running());
    CloseProgram(main, program);
}
