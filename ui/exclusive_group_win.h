#pragma once
// The real controls' groups: a radio button or flat button carries its group
// number on its window, and the others of its group are the windows of the
// same class with the same number under the same top-level window. Checking
// one (BM_SETCHECK with BST_CHECKED, from the program or from the control's
// own click) unchecks the others before the click reaches the parent.

#include <windows.h>

#include <vector>

namespace kelvo {

// Stamps the group number on the window; 0 leaves it in no group.
void SetExclusiveGroup(HWND control, int group);
int ExclusiveGroupOf(HWND control);
// The windows of that class and group under the top-level window root.
std::vector<HWND> ExclusiveGroupMembers(HWND root, const wchar_t* className, int group);
// Sends BM_SETCHECK with BST_UNCHECKED to the others of the control's group.
void LetOthersGo(HWND control);
// Joins a radio button to its group: checking it by any way unchecks the
// others. Also forgets the stamp when the window goes.
void MakeExclusiveRadio(HWND radio, int group);

}  // namespace kelvo
