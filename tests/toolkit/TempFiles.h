#pragma once
// Clearing away the folders tests make.
#include <windows.h>

#include <string>

#include "toolkit/Handles.h"
#include "toolkit/WideText.h"

namespace temp_files {

// Deletes a folder (given, in UTF-8, with its trailing backslash) and all it
// holds, read-only files too.
inline void RemoveTree(const std::string& folder) {
    const std::wstring wideFolder = tk::Widen(folder);
    WIN32_FIND_DATAW found{};
    const tk::FindHandle find(FindFirstFileW((wideFolder + L"*").c_str(), &found));
    if (find) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = wideFolder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(tk::Utf8(path + L"\\"));
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find.Get(), &found));
    }
    RemoveDirectoryW(wideFolder.c_str());
}

} // namespace temp_files
