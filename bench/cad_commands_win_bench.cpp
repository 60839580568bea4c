// Fetch, update and align of 1,000 texts against simcad.exe under Wine: the
// automation calls each text costs, and the wall time against the floor of
// round trips times the median round trip of a trivial property read.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/text.h"
#include "cad/align.h"
#include "cad/automation.h"
#include "base/com_handles_win.h"
#include "cad/connection.h"
#include "cad/fetch.h"
#include "cad/kelvo.h"
#include "cad/running_objects_win.h"
#include "cad/undo_step.h"
#include "cad/update.h"
#include "support/fakes.h"
#include "ui/memory_widgets.h"
#include "ui/memo_lines.h"
#include "ui/messages_win.h"

namespace kelvo {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTexts = 1000;
constexpr char16_t kProgID[] = u"KelvoBench.SimCad";

std::wstring BuildFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path);
  p = p.substr(0, p.find_last_of(L"\\/"));
  return p.substr(0, p.find_last_of(L"\\/"));
}

double Seconds(const std::function<void()>& work) {
  auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

struct Bench {
  ObjectRef app;
  ObjectRef doc;
  ObjectRef entity;      // a text to time single calls on
  double roundTrip = 0;  // seconds, median of a trivial property read
  // Each kind of call the commands made, as the log names it, and how often.
  std::map<std::u16string, std::size_t> callsMade;

  std::size_t CallCount() {
    std::u16string log = Get(app, u"SimCallLog").ToString();
    std::size_t start = 0;
    for (std::size_t end; (end = log.find(u'\n', start)) != std::u16string::npos; start = end + 1) {
      ++callsMade[log.substr(start, end - start)];
    }
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), u'\n'));
  }

  // The median time of one call of each kind made, alone: what the calls
  // cost at the least, objects returned and arguments passed included.
  double Floor(const std::map<std::u16string, std::size_t>& calls) {
    double floor = 0;
    for (const auto& [kind, count] : calls) floor += static_cast<double>(count) * MedianOf(kind);
    return floor;
  }

  double MedianOf(const std::u16string& kind) {
    auto cached = medians_.find(kind);
    if (cached != medians_.end()) return cached->second;
    std::size_t dot = kind.find(u'.');
    std::size_t space = kind.find(u' ');
    std::u16string object = kind.substr(0, dot);
    std::u16string member =
        kind.substr(dot + 1, space == std::u16string::npos ? space : space - dot - 1);
    bool put = space != std::u16string::npos;
    std::function<void()> call;
    if (object == u"Text" && put) {
      Variant value = Get(entity, member);
      call = [this, member, value] { Put(entity, member, value, member != u"TextString"); };
    } else if (object == u"Text" && (member == u"Copy" || member == u"Delete")) {
      // A copy made and deleted again: half of the pair is each call.
      call = [this] { Get(Get(entity, u"Copy").ToObject(), u"Delete"); };
    } else if (object == u"Text") {
      call = [this, member] { Get(entity, member); };
    } else if (member == u"ObjectIdToObject") {
      std::int64_t id = Get(entity, u"ObjectId").ToInt64();
      call = [this, id] {
        Arg arg{Variant(id), true};
        Call(doc, u"ObjectIdToObject", std::span<Arg>(&arg, 1));
      };
    } else if (member == u"Regen") {
      call = [this] {
        Arg arg{Variant(std::int32_t{0})};
        Call(doc, u"Regen", std::span<Arg>(&arg, 1));
      };
    } else {
      call = [this] { Get(entity, u"Layer"); };
    }
    std::vector<double> samples;
    for (int i = 0; i < 200; ++i) {
      auto start = Clock::now();
      call();
      samples.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    double median = Median(samples);
    if (member == u"Copy" || member == u"Delete") median /= 2;
    return medians_[kind] = median;
  }

 private:
  std::map<std::u16string, double> medians_;

 public:
  void ClearLog() { Get(app, u"SimClearCallLog"); }

  void MeasureRoundTrip() {
    std::vector<double> samples;
    for (int i = 0; i < 2000; ++i) {
      auto start = Clock::now();
      Get(entity, u"Layer");
      samples.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    roundTrip = Median(samples);
  }

  struct Row {
    std::string what;
    double seconds;
    std::size_t calls;
    double perItem;
    double minimum;
    std::map<std::u16string, std::size_t> made;
  };
  std::vector<Row> rows;

  void Report(const char* what, double seconds, std::size_t calls, double perItem, double minimum) {
    rows.push_back({what, seconds, calls, perItem, minimum, callsMade});
    callsMade.clear();
  }

  // Printed at the end: the per-call floors are measured after the commands,
  // so that their copies do not disturb what the commands find.
  void Print() {
    std::printf("%-30s %9s %9s %9s %8s %9s %7s\n", "", "calls/txt", "minimum", "wall ms",
                "floor ms", "ratio", "by kind");
    for (const Row& r : rows) {
      double floor = static_cast<double>(r.calls) * roundTrip;
      double kindFloor = Floor(r.made);
      std::printf("%-30s %9.1f %9.1f %9.0f %8.0f %9.2f %7.2f\n", r.what.c_str(), r.perItem,
                  r.minimum, r.seconds * 1000, floor * 1000, r.seconds / floor,
                  r.seconds / kindFloor);
    }
    std::printf(
        "floor: calls x the median trivial read (%.0f us); by kind: calls x the median of\n"
        "each kind of call alone (a call that returns an object also marshals it).\n",
        roundTrip * 1e6);
  }
};

std::u16string Lines(const std::vector<Kelvo>& list, const std::u16string& suffix, int extra) {
  std::u16string text;
  for (const Kelvo& k : list) text += k.text + suffix + u"\r\n";
  for (int i = 0; i < extra; ++i) text += u"No." + ToU16(i) + u"\r\n";
  return text;
}

int Run() {
  ComApartment apartment;
  std::wstring simcad = BuildFolder() + L"\\simcad.exe";
  std::wstring command =
      L"\"" + simcad + L"\" /progid:" + reinterpret_cast<const wchar_t*>(kProgID);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(simcad.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::printf("cannot start simcad.exe\n");
    return 1;
  }
  ComRunningObjects running;
  TargetProgID = kProgID;
  Bench b;
  for (int i = 0; i < 300 && !b.app; ++i) {
    try {
      if (IsCadRunning(running)) b.app = AttachCadApplication(running);
    } catch (const Error&) {
    }
    if (!b.app) Sleep(100);
  }
  if (!b.app) {
    std::printf("simcad.exe did not come up\n");
    TerminateProcess(process.hProcess, 1);
    return 1;
  }
  b.doc = Get(b.app, u"ActiveDocument").ToObject();

  VariantArray ids;
  for (int i = 0; i < kTexts; ++i) {
    Arg args[] = {{Variant(u"No." + ToU16(i))}, {Variant(10.0 * i)}, {Variant(0.0)}};
    ids.emplace_back(Call(b.app, u"SimAddText", args).ToInt64());
  }
  Arg first{ids[0], true};
  b.entity = Call(b.doc, u"ObjectIdToObject", std::span<Arg>(&first, 1)).ToObject();
  b.MeasureRoundTrip();
  std::printf("median round trip of a trivial property read: %.1f us\n", b.roundTrip * 1e6);

  // Fetch: the picking and reading of 1,000 texts.
  Arg picks{Variant(ids)};
  Call(b.app, u"SimQueuePicks", std::span<Arg>(&picks, 1));
  b.ClearLog();
  b.callsMade.clear();
  std::optional<std::vector<Kelvo>> fetched;
  double t = Seconds([&] { fetched = PickTexts(b.app); });
  std::size_t calls = b.CallCount();
  // Besides the texts: the document, the set's lookup, creation, emptying,
  // picking, count, and its emptying and deletion at the end.
  b.Report("fetch 1,000 texts", t, calls, double(calls - 9) / kTexts, 8);
  EntityList = *fetched;

  Win32Messages messages;
  test::TestLocale locale;
  MemoryMemo editor;
  MemoryEdit dX, dY;
  dX.SetText(u"10");
  dY.SetText(u"0");
  CommandView view{editor,
                   dX,
                   dY,
                   locale,
                   messages,
                   [](int, int) {},
                   [&messages] {
                     messages.ProcessMessages();
                     return true;
                   }};
  // Each run's lines: all unchanged, all changed, then the changed ones again
  // with 500 more, so each starts from what the one before left.
  auto update = [&](const char* what, const std::u16string& lines, int items, int fixed,
                    double minimum) {
    editor.SetText(lines);
    b.ClearLog();
    double seconds = Seconds([&] {
      UndoStep undo(b.doc);
      UpdateOutcome outcome;
      RunUpdatePasses(b.doc, view, outcome);
      FinishEntityList(outcome, CountDataLines(editor));
      Arg viewport{Variant(std::int32_t{0})};
      Call(b.doc, u"Regen", std::span<Arg>(&viewport, 1));
    });
    std::size_t n = b.CallCount();
    b.Report(what, seconds, n, double(n - fixed) / items, minimum);
  };
  std::vector<Kelvo> original = EntityList;
  // Fixed costs: the undo step's two marks, the copy source search and the
  // regeneration.
  update("update, 1,000 unchanged lines", Lines(original, u"", 0), kTexts, 4, 2);
  update("update, 1,000 changed lines", Lines(original, u"*", 0), kTexts, 4, 3);
  // The 1,000 lines before the extra ones cost 2 calls each.
  update("update, 500 extra lines", Lines(original, u"*", 500), 500, 4 + 2 * kTexts, 10);

  editor.SetText(editor.Text());
  dX.SetText(u"0");
  dY.SetText(u"-5");
  b.ClearLog();
  double align = Seconds([&] {
    UndoStep undo(b.doc);
    RunAlignPass(b.doc, view);
  });
  // Fixed: the undo step's two marks.
  std::size_t alignCalls = b.CallCount();
  b.Report("align 1,500 texts", align, alignCalls,
           double(alignCalls - 2) / double(EntityList.size()), 4);

  b.Print();
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace
}  // namespace kelvo

int main() {
  try {
    return kelvo::Run();
  } catch (const kelvo::Error& e) {
    std::printf("failed: %s\n", e.what());
    return 1;
  }
}
