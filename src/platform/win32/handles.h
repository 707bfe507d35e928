#pragma once
// Owning wrappers for the Windows handles the program uses. Each one releases its handle with
// the call that matches how it was obtained, exactly once, and can be moved but not copied.
//
//   UniqueHandle      kernel objects and files (CloseHandle; null and INVALID_HANDLE_VALUE = none)
//   UniqueFind        file searches (FindClose; INVALID_HANDLE_VALUE = none)
//   UniqueFont, UniqueBitmap, UniqueBrush, UniqueRegion   GDI objects (DeleteObject)
//   UniqueDc          memory and printer device contexts (DeleteDC)
//   ScreenDc          the screen's device context for the current scope (ReleaseDC)
//   SelectedObject    an object selected into a DC while it lives; then the previous one again
//   UniqueIcon        icons loaded without LR_SHARED (DestroyIcon)
//   UniqueRegistryKey registry keys (RegCloseKey)
//   UniqueMenu        menus not attached to a window (DestroyMenu)
//   UniqueAcceleratorTable  accelerator tables made at run time (DestroyAcceleratorTable)
//   UniqueDrop        files dropped on a window (DragFinish)
//   UniqueGlobal      movable global memory blocks (GlobalFree)
//   UniqueCoTaskMem   memory a COM or shell call allocated for its caller (CoTaskMemFree)

#include <windows.h>
// after windows.h, which they need
#include <objbase.h>
#include <shellapi.h>

#include <utility>

template <typename T, typename Traits>
class UniqueResource {
  public:
    UniqueResource() = default;
    explicit UniqueResource(T value) : Value(value) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : Value(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    T Get() const { return Value; }
    explicit operator bool() const { return Traits::IsValid(Value); }
    T Release() { return std::exchange(Value, Traits::None()); }
    void Reset(T value = Traits::None()) {
        T old = std::exchange(Value, value);
        if (Traits::IsValid(old)) Traits::Free(old);
    }

  private:
    T Value = Traits::None();
};

struct HandleTraits {
    static HANDLE None() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { CloseHandle(h); }
};
using UniqueHandle = UniqueResource<HANDLE, HandleTraits>;

struct FindTraits {
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE h) { FindClose(h); }
};
using UniqueFind = UniqueResource<HANDLE, FindTraits>;

// Handles for which null means none, released by one call.
template <typename T, auto FreeCall>
struct NullableTraits {
    static T None() { return nullptr; }
    static bool IsValid(T h) { return h != nullptr; }
    static void Free(T h) { FreeCall(h); }
};
using UniqueFont = UniqueResource<HFONT, NullableTraits<HFONT, DeleteObject>>;
using UniqueBitmap = UniqueResource<HBITMAP, NullableTraits<HBITMAP, DeleteObject>>;
using UniqueBrush = UniqueResource<HBRUSH, NullableTraits<HBRUSH, DeleteObject>>;
using UniqueRegion = UniqueResource<HRGN, NullableTraits<HRGN, DeleteObject>>;
using UniqueDc = UniqueResource<HDC, NullableTraits<HDC, DeleteDC>>;
using UniqueIcon = UniqueResource<HICON, NullableTraits<HICON, DestroyIcon>>;
using UniqueRegistryKey = UniqueResource<HKEY, NullableTraits<HKEY, RegCloseKey>>;
using UniqueMenu = UniqueResource<HMENU, NullableTraits<HMENU, DestroyMenu>>;
using UniqueAcceleratorTable =
    UniqueResource<HACCEL, NullableTraits<HACCEL, DestroyAcceleratorTable>>;
using UniqueDrop = UniqueResource<HDROP, NullableTraits<HDROP, DragFinish>>;
using UniqueGlobal = UniqueResource<HGLOBAL, NullableTraits<HGLOBAL, GlobalFree>>;
template <typename T>
using UniqueCoTaskMem = UniqueResource<T*, NullableTraits<T*, CoTaskMemFree>>;

// The screen's device context, released at the end of the scope.
class ScreenDc {
  public:
    ScreenDc() : Dc(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (Dc) ReleaseDC(nullptr, Dc);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return Dc; }

  private:
    HDC Dc;
};

// Selects an object into a DC for the wrapper's life (the current scope, or as long as it is
// kept) and selects the previous one back at its end, so that the object can be deleted safely
// afterwards.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : Dc(dc), Original(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (Original && Original != HGDI_ERROR) SelectObject(Dc, Original);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // Another object in the place of the one selected; the original still comes back at the end.
    void Replace(HGDIOBJ object) { SelectObject(Dc, object); }

  private:
    HDC Dc;
    HGDIOBJ Original;
};
