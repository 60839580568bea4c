// Start-up under Wine: time from launch to the main window shown, for
// KelvoEditX.exe and for a minimal Win32 program measured the same way.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::wstring Folder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path);
  return p.substr(0, p.find_last_of(L"\\/"));
}

struct Search {
  DWORD process;
  bool shown = false;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == s->process && IsWindowVisible(window)) s->shown = true;
  return !s->shown;
}

// Milliseconds from CreateProcess to a visible top-level window of the process.
double TimeToWindow(const std::wstring& exe, const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + exe + L"\"";
  auto start = Clock::now();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    return -1;
  }
  Search search{info.dwProcessId};
  while (!search.shown && Clock::now() - start < std::chrono::seconds(30)) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    if (!search.shown) Sleep(1);
  }
  double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  TerminateProcess(info.hProcess, 0);
  WaitForSingleObject(info.hProcess, 5000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return search.shown ? ms : -1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  std::wstring bench = Folder();
  std::wstring build = bench.substr(0, bench.find_last_of(L"\\/"));
  // KelvoEditX runs from a folder of its own, as a user's copy would, with no settings yet.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"kelvo-startup-bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  std::wstring kelvo = folder + L"\\KelvoEditX.exe";
  CopyFileW((build + L"\\KelvoEditX.exe").c_str(), kelvo.c_str(), FALSE);
  std::wstring minimal = bench + L"\\minimal_window.exe";

  std::vector<double> k, m;
  for (int i = 0; i < runs; ++i) {
    // Alternating keeps slow phases of the machine from favouring either.
    m.push_back(TimeToWindow(minimal, bench));
    DeleteFileW((folder + L"\\KelvoEditX.ini").c_str());
    k.push_back(TimeToWindow(kelvo, folder));
  }
  if (std::count(k.begin(), k.end(), -1.0) || std::count(m.begin(), m.end(), -1.0)) {
    std::printf("start-up: a program showed no window\n");
    return 1;
  }
  double km = Median(k), mm = Median(m);
  std::printf("start-up to window shown, median of %d runs under Wine:\n", runs);
  std::printf("  KelvoEditX.exe   %8.1f ms\n", km);
  std::printf("  minimal Win32    %8.1f ms\n", mm);
  std::printf("  ratio            %8.2f x (goal <= 1.5)\n", km / mm);
  return 0;
}
