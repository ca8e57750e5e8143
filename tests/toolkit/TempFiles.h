#pragma once
// Clearing away the folders tests make.
#include <windows.h>

#include <string>

#include "toolkit/Handles.h"

namespace temp_files {

// Deletes a folder (given with its trailing backslash) and all it holds,
// read-only files too.
inline void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const tk::FindHandle find(FindFirstFileA((folder + "*").c_str(), &found));
    if (find) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find.Get(), &found));
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace temp_files
