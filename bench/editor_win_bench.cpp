// The editor on the real controls under Wine: the cost of one timer tick with
// nothing changed at 100 and at 100,000 lines, and loading 100,000 lines.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "support/program_on_fakes_win.h"

namespace kelvo {
namespace {

using Clock = std::chrono::steady_clock;

std::u16string Text(int lines) {
  std::u16string text;
  text.reserve(static_cast<std::size_t>(lines) * 42);
  std::u16string line(40, u'x');
  for (int i = 0; i < lines; ++i) text += line + u"\r\n";
  return text;
}

double Ms(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Median cost of one tick once everything is up to date.
double IdleTick(TKelvoMainForm& form) {
  form.Timer1Timer();
  std::vector<double> samples;
  for (int i = 0; i < 200; ++i) {
    auto start = Clock::now();
    form.Timer1Timer();
    samples.push_back(Ms(start));
  }
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

int Run() {
  test::ProgramOnFakes<test::TestLocale> program;
  ProgramWindows& windows = program.windows;
  windows.Show();
  TKelvoMainForm& form = program.form;

  form.Memo1.SetText(Text(100));
  double small = IdleTick(form);
  std::u16string big = Text(100000);
  auto load = Clock::now();
  form.Memo1.SetText(big);
  double loadMs = Ms(load);
  auto first = Clock::now();
  form.Timer1Timer();
  double firstTickMs = Ms(first);
  double large = IdleTick(form);
  std::printf("editor under Wine, real controls:\n");
  std::printf("  load 100,000 lines of 40 characters   %9.1f ms\n", loadMs);
  std::printf("  first tick after it                  %9.1f ms\n", firstTickMs);
  std::printf("  idle tick at 100 lines               %9.3f ms\n", small);
  std::printf("  idle tick at 100,000 lines           %9.3f ms\n", large);
  std::printf("  ratio                                %9.2f x (goal <= 2)\n", large / small);
  return 0;
}

}  // namespace
}  // namespace kelvo

int main() {
  return kelvo::Run();
}
