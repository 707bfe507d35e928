#pragma once
// Owning handles for GDI objects and icons. A GDI object must be selected out of every device
// context before its owner goes away.

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/win32/handles.h"  // UniqueIcon, ScreenDc

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;
