#include "ui/exclusive_group_win.h"

#include <commctrl.h>

#include <array>
#include <exception>

#include "ui/window_proc_win.h"

namespace kelvo {
namespace {

constexpr wchar_t kGroupProperty[] = L"KelvoExclusiveGroup";
constexpr UINT_PTR kRadioSubclassId = 1;

// Class names are at most 256 characters.
using ClassName = std::array<wchar_t, 257>;

ClassName ClassOf(HWND window) {
  ClassName name{};
  GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return name;
}

struct Search {
  const wchar_t* className;
  int group;
  std::vector<HWND> found;
  std::exception_ptr failure;
};

BOOL CALLBACK Collect(HWND window, LPARAM lp) {
  auto& search = *reinterpret_cast<Search*>(lp);
  if (ExclusiveGroupOf(window) == search.group &&
      CompareStringOrdinal(ClassOf(window).data(), -1, search.className, -1, TRUE) == CSTR_EQUAL) {
    // No exception crosses the system's enumeration: it stops, and the
    // caller raises the failure.
    try {
      search.found.push_back(window);
    } catch (...) {
      search.failure = std::current_exception();
      return FALSE;
    }
  }
  return TRUE;
}

// comctl32's subclassing chains with any other subclass the host adds later.
LRESULT CALLBACK RadioProc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR);

LRESULT HandleRadio(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id) {
  switch (message) {
    case BM_SETCHECK: {
      // An auto radio button checks itself with this message when clicked,
      // before it tells its parent.
      LRESULT result = DefSubclassProc(window, message, wp, lp);
      if (wp == BST_CHECKED) LetOthersGo(window);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, RadioProc, id);
      RemovePropW(window, kGroupProperty);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wp, lp);
}

LRESULT CALLBACK RadioProc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id,
                           DWORD_PTR) {
  return Guarded([&] { return HandleRadio(window, message, wp, lp, id); },
                 [&] { return DefSubclassProc(window, message, wp, lp); });
}

}  // namespace

void SetExclusiveGroup(HWND control, int group) {
  if (group == 0) {
    RemovePropW(control, kGroupProperty);
  } else {
    SetPropW(control, kGroupProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(group)));
  }
}

int ExclusiveGroupOf(HWND control) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(control, kGroupProperty)));
}

std::vector<HWND> ExclusiveGroupMembers(HWND root, const wchar_t* className, int group) {
  Search search{className, group, {}, nullptr};
  if (group != 0) EnumChildWindows(root, Collect, reinterpret_cast<LPARAM>(&search));
  if (search.failure) std::rethrow_exception(search.failure);
  return search.found;
}

void LetOthersGo(HWND control) {
  int group = ExclusiveGroupOf(control);
  if (group == 0) return;
  ClassName className = ClassOf(control);
  for (HWND other : ExclusiveGroupMembers(GetAncestor(control, GA_ROOT), className.data(), group)) {
    if (other != control) SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void MakeExclusiveRadio(HWND radio, int group) {
  if (group == 0) return;
  SetExclusiveGroup(radio, group);
  SetWindowSubclass(radio, RadioProc, kRadioSubclassId, 0);
}

}  // namespace kelvo
