#pragma once

#include <windows.h>

// The number of GDI objects this process holds. Wine answers GetGuiResources
// with 0; there a handle whose upper word is 0 stands for its slot in the
// process's handle table whatever the slot's reuse count, so the live slots
// can be counted one by one.
inline long LiveGdiObjects() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(count);
    long live = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++live;
    return live;
}
