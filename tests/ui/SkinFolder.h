#pragma once
// A throwaway program folder with skin files and tiles, for tests that load
// the skin list from disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../toolkit/TempFiles.h"
#include "toolkit/Handles.h"

namespace skin_folder {

class SkinFolder {
public:
    SkinFolder() {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof temp, temp);
        static int counter = 0;
        root_ = std::string(temp) + "kn-skins-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    SkinFolder(const SkinFolder&) = delete;
    SkinFolder& operator=(const SkinFolder&) = delete;
    ~SkinFolder() { temp_files::RemoveTree(root_); }

    // The program folder, with its trailing backslash.
    const std::string& Root() const { return root_; }
    std::string SkinPath(const std::string& name) const { return root_ + "skins\\" + name; }
    std::string TilePath(const std::string& name) const { return root_ + "skins\\backfones\\" + name; }

    void WriteSkin(const std::string& fileName, const std::string& text, DWORD attributes = 0) {
        MakeFolders();
        Write(SkinPath(fileName), std::vector<std::uint8_t>(text.begin(), text.end()));
        if (attributes) SetFileAttributesA(SkinPath(fileName).c_str(), attributes);
    }

    void WriteTile(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
        MakeFolders();
        Write(TilePath(fileName), bytes);
    }

private:
    void MakeFolders() {
        CreateDirectoryA((root_ + "skins").c_str(), nullptr);
        CreateDirectoryA((root_ + "skins\\backfones").c_str(), nullptr);
    }

    static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        const tk::KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file) << path;
        DWORD written = 0;
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ASSERT_EQ(written, bytes.size()) << path;
    }

    std::string root_;
};

} // namespace skin_folder
