#pragma once
// A folder of its own for the built program: a copy of it and the skins a test
// puts beside it, and the main window's skin list read from outside. Paths
// are UTF-8, so that a folder may be named with any letters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../toolkit/TempFiles.h"
#include "ProgramDriving.h"
#include "toolkit/Handles.h"
#include "toolkit/WideText.h"

namespace e2e {

inline constexpr char kMainCaption[] = "Kalvex Now! [NT]";
inline constexpr char kErrorBoxCaption[] = "Kal Vex Now!";
// The skins in data/skins, sorted by name.
inline const std::vector<std::string> kShippedSkinNames = {"Grass",  "Night", "Plain", "Rose",  "Sand",
                                                           "Silver", "Sky",   "Sun",   "System"};

// Creates a folder (UTF-8, trailing backslash) and the folders above it.
inline void CreateFolders(const std::string& folder) {
    for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
        CreateDirectoryW(tk::Widen(folder.substr(0, at)).c_str(), nullptr);
}

inline std::string TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    return tk::Utf8(temp);
}

inline std::string ReadFileText(const std::string& path) {
    std::string text;
    const tk::KernelHandle file(CreateFileW(tk::Widen(path).c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                            nullptr));
    char buffer[4096];
    DWORD got = 0;
    while (file && ::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

class ProgramFolder {
public:
    // In the temporary folder, under `name` and this test's process id.
    explicit ProgramFolder(const std::string& name = "kn-e2e-skins")
        : root_(TempFolder() + name + "-" + std::to_string(GetCurrentProcessId()) + "\\") {
        CreateFolders(root_ + "skins\\backfones\\");
        CopyFileW(tk::Widen(ProgramPath()).c_str(), tk::Widen(Program()).c_str(), FALSE);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder() { temp_files::RemoveTree(root_); }

    const std::string& Root() const { return root_; }
    std::string Program() const { return root_ + "KalvexNow.exe"; }

    void CopyShippedSkins() {
        CopyShipped("");
        CopyShipped("backfones\\");
    }

    void WriteSkin(const std::string& name, const std::string& text) {
        WriteFile(root_ + "skins\\" + name, text);
    }

    static void WriteFile(const std::string& path, const std::string& text) {
        const tk::KernelHandle file(CreateFileW(tk::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ::WriteFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr);
    }

private:
    // Copies every file of one folder of the shipped skins.
    void CopyShipped(const std::string& subfolder) {
        const std::string from = WindowsPath(KN_DATA_PATH "/skins/") + subfolder;
        WIN32_FIND_DATAA found{};
        const tk::FindHandle find(FindFirstFileA((from + "*").c_str(), &found));
        ASSERT_TRUE(find) << from;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            CopyFileW(tk::Widen(from + found.cFileName).c_str(),
                      tk::Widen(root_ + "skins\\" + subfolder + found.cFileName).c_str(), FALSE);
        } while (FindNextFileA(find.Get(), &found));
    }

    std::string root_;
};

inline void Start(const std::string& program, RunningProgram& running) {
    ASSERT_TRUE(e2e::Start(running, program, "")) << program;
}

// The main window's skin list, found by its place in the window.
inline HWND SkinList(HWND main) {
    constexpr int kSkinListLeft = 400;
    constexpr int kSkinListTop = 221;
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
    return search.list;
}

// One item of a list in another process. Wide messages: across processes the
// ANSI ones hand over only the first character.
inline std::string ListItem(HWND list, LRESULT index) {
    wchar_t text[128] = {};
    SendMessageW(list, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text));
    return tk::Utf8(text);
}

inline std::vector<std::string> SkinListItems(HWND main) {
    std::vector<std::string> items;
    const HWND list = SkinList(main);
    if (!list) return items;
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) items.push_back(ListItem(list, i));
    return items;
}

inline std::string SelectedSkin(HWND main) {
    const HWND list = SkinList(main);
    return list ? ListItem(list, SendMessageW(list, CB_GETCURSEL, 0, 0)) : std::string();
}

inline void CloseProgram(HWND main, RunningProgram& program) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.pi.hProcess, kPatienceMs), WAIT_OBJECT_0);
}

} // namespace e2e
