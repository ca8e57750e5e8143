#include "app/WindowsSettingsFileSystem.h"

#include <cstring>

#include "app/SettingsFile.h"
#include "app/global.h"
#include "toolkit/WideText.h"

namespace {

constexpr DWORD kValueBufferSize = 2048;
// Lists of sections and lines start at this size and double while they do not fit.
constexpr DWORD kListBufferSize = 64 * 1024;
constexpr DWORD kLargestListBuffer = 256 * 1024 * 1024;
// What the list functions return when the buffer was too small.
constexpr DWORD kListCutShort = 2;
constexpr DWORD kCopyChunkSize = 64 * 1024;
constexpr char kPathDelimiter = '\\';

// The profile functions keep files they have read; forgetting one makes the
// next call read the disk.
void ForgetProfile(const std::string& file) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, tk::Widen(file).c_str());
}

bool WriteAll(HANDLE file, const char* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

// Copies what `from` holds to `to`; false on the first short read or write.
bool CopyBytes(HANDLE from, HANDLE to) {
    std::vector<char> chunk(kCopyChunkSize);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(from, chunk.data(), kCopyChunkSize, &read, nullptr)) return false;
        if (read == 0) return true;
        if (!WriteAll(to, chunk.data(), read)) return false;
    }
}

// A list of zero-terminated texts as the profile functions fill it in: `fill`
// takes a buffer and its size and returns the characters written.
template <typename Fill>
std::vector<std::string> ProfileList(Fill fill) {
    std::vector<wchar_t> buffer(kListBufferSize);
    DWORD length = 0;
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        length = fill(buffer.data(), size);
        if (length + kListCutShort < size || size >= kLargestListBuffer) break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<std::string> items;
    for (DWORD start = 0; start < length;) {
        const wchar_t* item = buffer.data() + start;
        const std::size_t itemLength = wcsnlen(item, length - start);
        items.push_back(tk::Utf8(std::wstring_view(item, itemLength)));
        start += static_cast<DWORD>(itemLength) + 1;
    }
    return items;
}

} // namespace

WindowsSettingsFileSystem::WindowsSettingsFileSystem(DWORD lockPatienceMs)
    : lockPatienceMs_(lockPatienceMs), mutex_(CreateMutexA(nullptr, FALSE, InstanceMutexName)) {}

std::string WindowsSettingsFileSystem::ReadValue(const std::string& section, const std::string& key,
                                                 const std::string& defaultValue, const std::string& file) {
    wchar_t buffer[kValueBufferSize] = {};
    const DWORD length = GetPrivateProfileStringW(tk::Widen(section).c_str(), tk::Widen(key).c_str(),
                                                  tk::Widen(defaultValue).c_str(), buffer, kValueBufferSize,
                                                  tk::Widen(file).c_str());
    return tk::Utf8(std::wstring_view(buffer, length));
}

bool WindowsSettingsFileSystem::WriteValue(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& file) {
    return WritePrivateProfileStringW(tk::Widen(section).c_str(), tk::Widen(key).c_str(),
                                      tk::Widen(value).c_str(), tk::Widen(file).c_str()) != FALSE;
}

std::vector<ProfileSection> WindowsSettingsFileSystem::ReadSections(const std::string& file) {
    std::vector<ProfileSection> sections;
    const std::wstring wideFile = tk::Widen(file);
    const auto names = ProfileList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, wideFile.c_str());
    });
    for (const std::string& name : names) {
        const std::wstring wideName = tk::Widen(name);
        sections.push_back({name, ProfileList([&](wchar_t* buffer, DWORD size) {
                                return GetPrivateProfileSectionW(wideName.c_str(), buffer, size,
                                                                 wideFile.c_str());
                            })});
    }
    return sections;
}

bool WindowsSettingsFileSystem::CreateCopy(const std::string& file, const std::string& copy) {
    tk::KernelHandle source(CreateFileW(tk::Widen(file).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    // A file that is there but cannot be read must not be replaced by one
    // without its other sections.
    if (!source && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    bool copied = false;
    {
        tk::KernelHandle target(CreateFileW(tk::Widen(copy).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!target) return false;
        copied = !source || CopyBytes(source.Get(), target.Get());
    }
    ForgetProfile(copy);
    return copied;
}

bool WindowsSettingsFileSystem::Flush(const std::string& file) {
    ForgetProfile(file);
    tk::KernelHandle handle(CreateFileW(tk::Widen(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle && FlushFileBuffers(handle.Get());
}

bool WindowsSettingsFileSystem::Replace(const std::string& from, const std::string& to) {
    return MoveFileExW(tk::Widen(from).c_str(), tk::Widen(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool WindowsSettingsFileSystem::Delete(const std::string& file) {
    return DeleteFileW(tk::Widen(file).c_str()) != FALSE;
}

std::vector<std::string> WindowsSettingsFileSystem::FindFiles(const std::string& pattern) {
    std::vector<std::string> found;
    const std::string folder = pattern.substr(0, pattern.rfind(kPathDelimiter) + 1);
    WIN32_FIND_DATAW data{};
    const tk::FindHandle find(FindFirstFileW(tk::Widen(pattern).c_str(), &data));
    if (!find) return found;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            found.push_back(folder + tk::Utf8(data.cFileName));
    } while (FindNextFileW(find.Get(), &data));
    return found;
}

unsigned long WindowsSettingsFileSystem::ProcessId() { return GetCurrentProcessId(); }

std::string WindowsSettingsFileSystem::DisplayPath(const std::string& file) { return tk::AnsiFromUtf8(file); }

bool WindowsSettingsFileSystem::Lock() {
    if (!mutex_) return false;
    // An abandoned lock belonged to a copy that was killed: it is ours now.
    const DWORD result = WaitForSingleObject(mutex_.Get(), lockPatienceMs_);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void WindowsSettingsFileSystem::Unlock() {
    if (mutex_) ReleaseMutex(mutex_.Get());
}

StoredSettings ReadSettings(const std::string& file, int skinCount) {
    WindowsSettingsFileSystem fileSystem;
    return ReadSettings(fileSystem, file, skinCount);
}

void WriteSettings(const std::string& file, const StoredSettings& settings) {
    WindowsSettingsFileSystem fileSystem;
    WriteSettings(fileSystem, file, settings);
}
