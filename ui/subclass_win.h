#pragma once
// Classic window subclassing. comctl32's SetWindowSubclass costs Wine a tenth
// of a millisecond per message on an edit control holding a long text, which
// the 200 ms tick pays on every message it sends; this costs nothing.

#include <windows.h>

namespace kelvo {

// Routes the window's messages to proc; the owner and the original procedure
// are kept with the window until it is destroyed.
void Subclass(HWND window, WNDPROC proc, void* owner);
void* SubclassOwner(HWND window);
// Passes a message on to the original procedure; removes the subclass at WM_NCDESTROY.
LRESULT CallOriginal(HWND window, UINT message, WPARAM wp, LPARAM lp);

}  // namespace kelvo
