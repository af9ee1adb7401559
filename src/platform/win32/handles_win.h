#pragma once
#include <utility>

// The Windows headers the owners' close functions need, and no more: ui/,
// shell/ and the tools include this too, and must keep windows.h's macros
// as they are (platform/win32/windows_win.h takes some away).
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

namespace tw::win32 {

// One move-only owner for every kind of OS handle; Traits says what "none"
// is and how the handle is given back.
template <typename Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, Traits::Invalid()));
        return *this;
    }
    ~Unique() { Reset(); }

    Handle Get() const { return handle_; }
    // Hands the handle over to a new owner (or to Windows) without closing it.
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    // For out-parameters: releases what is held and hands out the slot.
    Handle* Put() {
        Reset();
        return &handle_;
    }
    void Reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

// Most handles' "none" is NULL.
template <typename H>
struct NullIsNone {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
};

struct RegKeyTraits : NullIsNone<HKEY> {
    static void Close(Handle h) { RegCloseKey(h); }
};
struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
// Events, threads, processes: kernel objects whose "none" is NULL.
struct KernelObjectTraits : NullIsNone<HANDLE> {
    static void Close(Handle h) { CloseHandle(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
struct UrlCacheFindTraits : NullIsNone<HANDLE> {
    static void Close(Handle h) { FindCloseUrlCache(h); }
};
struct IdListTraits : NullIsNone<PIDLIST_ABSOLUTE> {
    static void Close(Handle h) { CoTaskMemFree(h); }
};

struct IconTraits : NullIsNone<HICON> {
    static void Close(Handle h) { DestroyIcon(h); }
};
struct ImageListTraits : NullIsNone<HIMAGELIST> {
    static void Close(Handle h) { ImageList_Destroy(h); }
};
struct MenuTraits : NullIsNone<HMENU> {
    static void Close(Handle h) { DestroyMenu(h); }
};
// A dropped file list is the receiver's to release, whatever it does with it.
struct DropTraits : NullIsNone<HDROP> {
    static void Close(Handle h) { DragFinish(h); }
};
// Fonts, bitmaps, brushes, regions: whatever DeleteObject gives back.
template <typename T>
struct GdiObjectTraits : NullIsNone<T> {
    static void Close(T h) { DeleteObject(h); }
};

using UniqueRegKey = Unique<RegKeyTraits>;
using UniqueFile = Unique<FileTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueKernelObject = Unique<KernelObjectTraits>;
using UniqueUrlCacheFind = Unique<UrlCacheFindTraits>;
using UniqueIdList = Unique<IdListTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueDrop = Unique<DropTraits>;
template <typename T>
using UniqueGdiObject = Unique<GdiObjectTraits<T>>;

// A COM interface pointer that releases once.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void** PutVoid() {
        Reset();
        return reinterpret_cast<void**>(&ptr_);
    }
    void Reset() {
        if (ptr_ != nullptr) std::exchange(ptr_, nullptr)->Release();
    }

private:
    T* ptr_ = nullptr;
};

// CoInitialize for the length of one call, balanced only when it succeeded
// (S_FALSE, "already initialised", must be balanced too).
class ComScope {
public:
    ComScope() : result_(CoInitialize(nullptr)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

}  // namespace tw::win32
