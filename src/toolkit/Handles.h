#pragma once
// Owners of every system handle the program holds. One template does the
// owning; a traits class per kind says what "none" is and how to close it.
// Nothing outside this header closes, releases or deletes a handle itself.
#include <winsock2.h>
#include <windows.h>

#include <utility>

namespace tk {

// Traits: `Type`, `static Type Invalid()`, `static void Close(Type)`, and
// optionally `static bool IsNone(Type)` for kinds with a second "none" value.
template <class Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(Normalized(handle)) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Closes the handle held and takes `handle` instead.
    void Reset(Type handle = Traits::Invalid()) noexcept {
        const Type old = std::exchange(handle_, Normalized(handle));
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    // Gives the handle up without closing it.
    [[nodiscard]] Type Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

private:
    static Type Normalized(Type handle) noexcept {
        if constexpr (requires { Traits::IsNone(handle); }) {
            if (Traits::IsNone(handle)) return Traits::Invalid();
        }
        return handle;
    }

    Type handle_ = Traits::Invalid();
};

// Traits of the kinds whose creators return NULL for none, closed by `kClose`.
template <class H, auto kClose>
struct NullNoneTraits {
    using Type = H;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type handle) noexcept { kClose(handle); }
};

using PenHandle = UniqueHandle<NullNoneTraits<HPEN, &DeleteObject>>;
using BrushHandle = UniqueHandle<NullNoneTraits<HBRUSH, &DeleteObject>>;
using FontHandle = UniqueHandle<NullNoneTraits<HFONT, &DeleteObject>>;
using BitmapHandle = UniqueHandle<NullNoneTraits<HBITMAP, &DeleteObject>>;
using RegionHandle = UniqueHandle<NullNoneTraits<HRGN, &DeleteObject>>;
using IconHandle = UniqueHandle<NullNoneTraits<HICON, &DestroyIcon>>; // from LoadImage

// Events, threads, mutexes, tokens, files, snapshots. Creators disagree on
// failure (NULL or INVALID_HANDLE_VALUE): both mean none.
struct KernelHandleTraits : NullNoneTraits<HANDLE, &CloseHandle> {
    static bool IsNone(Type handle) noexcept { return handle == INVALID_HANDLE_VALUE; }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// A wait of the thread pool (RegisterWaitForSingleObject). Closing it waits
// until a callback under way has returned, so what the callback uses may go
// right after; never close one from its own callback.
struct RegisteredWaitTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type wait) noexcept { UnregisterWaitEx(wait, INVALID_HANDLE_VALUE); }
};
using RegisteredWait = UniqueHandle<RegisteredWaitTraits>;

// A search of FindFirstFile, which fails with INVALID_HANDLE_VALUE only.
struct FindTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type search) noexcept { FindClose(search); }
};
using FindHandle = UniqueHandle<FindTraits>;

using RegistryKeyTraits = NullNoneTraits<HKEY, &RegCloseKey>;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;
using ModuleHandle = UniqueHandle<NullNoneTraits<HMODULE, &FreeLibrary>>; // from LoadLibrary
using WindowHandle = UniqueHandle<NullNoneTraits<HWND, &DestroyWindow>>;  // ours to destroy
using MenuHandle = UniqueHandle<NullNoneTraits<HMENU, &DestroyMenu>>;     // not attached to a window

// A COM interface reference, released once.
template <class Interface>
struct ComTraits {
    using Type = Interface*;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type object) noexcept { object->Release(); }
};
template <class Interface>
using ComReference = UniqueHandle<ComTraits<Interface>>;

// A Winsock socket.
struct SocketTraits {
    using Type = SOCKET;
    static Type Invalid() noexcept { return INVALID_SOCKET; }
    static void Close(Type s) noexcept { closesocket(s); }
};
using SocketHandle = UniqueHandle<SocketTraits>;

// A memory device context compatible with `compatibleWith` (the screen by default).
class MemoryDC : public UniqueHandle<NullNoneTraits<HDC, &DeleteDC>> {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) noexcept
        : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A window's DC from GetDC, released to the same window.
class WindowDC {
public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// One WM_PAINT: BeginPaint on entry, EndPaint however the scope is left.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() {
        if (dc_) EndPaint(window_, &paint_);
    }
    HDC Get() const noexcept { return dc_; }
    const PAINTSTRUCT& Paint() const noexcept { return paint_; }
    const RECT& Area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace tk
