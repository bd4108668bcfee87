#pragma once

#include <windows.h>

namespace mMain {

// Installs the named icon resource of the executable on the window, large
// and small, and with includeOwner also on the window's top-level owner.
// A name that matches no icon clears the window's icon; nothing is reported.
void SetWindowIcon(HWND window, const wchar_t* name, bool includeOwner);

}  // namespace mMain
