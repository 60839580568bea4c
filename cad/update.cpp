#include "cad/update.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/error.h"
#include "base/text.h"
#include "cad/automation.h"
#include "cad/entity_ops.h"
#include "cad/kelvo.h"
#include "cad/pitch.h"
#include "ui/memo_lines.h"

namespace kelvo {
namespace {

constexpr double kSmallestAddPitch = 0.001;

struct Pitch {
  double dX = 0;
  double dY = 0;
};

Pitch ReadPitch(const CommandView& view) {
  char16_t separator = view.locale.DecimalSeparator();
  return {ParsePitch(view.dX.Text(), separator), ParsePitch(view.dY.Text(), separator)};
}

// A slot without a stored point (appended when a resize lengthened the list)
// is placed one pitch past the nearest entry before it that has a point; with
// no such entry it keeps the copy's own place. Nullopt means keep the place.
std::optional<Variant> SlotPoint(std::size_t slot, const CommandView& view) {
  if (HasPoint(EntityList[slot].insPt)) return EntityList[slot].insPt;
  for (std::size_t j = slot; j-- > 0;) {
    const Variant& base = EntityList[j].insPt;
    if (!HasPoint(base)) continue;
    Pitch pitch = ReadPitch(view);
    auto steps = static_cast<double>(slot - j);
    return MovedPoint(base, PointX(base) + steps * pitch.dX, PointY(base) + steps * pitch.dY);
  }
  return std::nullopt;
}

class UpdateRun {
 public:
  UpdateRun(const ObjectRef& doc, CommandView& view, UpdateOutcome& outcome)
      : doc_(doc), view_(view), outcome_(outcome), lines_(view.editor) {}

  void Run() {
    n_ = EntityList.size();
    if (n_ == 0) return;
    // Stopping means stopping: no copies are added after the user pressed "中止".
    if (PairLinesWithEntries()) return;
    source_.Find(doc_);
    AddExtraLines();
  }

 private:
  // Returns true when the user stopped the pass.
  bool PairLinesWithEntries() {
    for (std::size_t i = 0; i < n_; ++i) {
      view_.progress(static_cast<int>(i) + 1, lines_.EditorLines());
      if (EntityList[i].objId != 0) {
        WriteLiveEntry(i);
      } else {
        FillSlot(i);
      }
      if (!view_.keepGoing()) return true;
    }
    return false;
  }

  // An entry whose entity cannot be reached takes no line, so the next entry
  // gets the same one. An entity that was reached keeps its line even when it
  // refuses the write: otherwise every following text would get its
  // predecessor's line.
  void WriteLiveEntry(std::size_t i) {
    Kelvo& entry = EntityList[i];
    ObjectRef entity;
    try {
      entity = ObjectIdToObject(doc_, entry.objId);
    } catch (const Error&) {
      outcome_.unreachable.push_back(i);
      return;
    }
    bool pastData = line_ >= lines_.DataLines();
    std::u16string text = pastData ? std::u16string() : view_.editor.Line(line_);
    if (!pastData) ++line_;
    try {
      if (pastData || IsBlank(text)) {
        Get(entity, u"Delete");
        source_.Forget(entry.objId);
        entry.sHnd.clear();
        entry.objId = 0;
        return;
      }
      if (Get(entity, u"TextString").ToString() != text) Put(entity, u"TextString", text);
      source_.Set(entity, entry.objId);
    } catch (const Error&) {
      ++outcome_.refusedTexts;
    }
  }

  void FillSlot(std::size_t i) {
    if (!source_.Ensure(doc_)) return;
    ObjectRef copy = source_.Copy();
    bool pastData = line_ >= lines_.DataLines();
    if (pastData || IsBlank(view_.editor.Line(line_))) {
      Get(copy, u"Delete");
      EntityList[i].sHnd.clear();
      EntityList[i].objId = 0;
      if (!pastData) ++line_;
      return;
    }
    try {
      std::u16string text = view_.editor.Line(line_);
      if (Get(copy, u"TextString").ToString() != text) Put(copy, u"TextString", text);
      Put(copy, u"Alignment", EntityList[n_ - 1].txtAli, true);
      std::int32_t alignment = Get(copy, u"Alignment").ToInt32();
      std::optional<Variant> point = SlotPoint(i, view_);
      if (point) {
        WriteAnchor(copy, alignment, *point);
      } else {
        point = Get(copy, alignment == 0 ? u"InsertionPoint" : u"TextAlignmentPoint");
      }
      Kelvo filled = EntityList[i];
      filled.insPt = *point;
      // The slot now describes the copy: a later align places it by this alignment.
      filled.txtAli = alignment;
      filled.lay = Get(copy, u"Layer").ToString();
      filled.sHnd = Get(copy, u"Handle").ToString();
      filled.objId = Get(copy, u"ObjectId").ToInt64();
      EntityList[i] = std::move(filled);
    } catch (...) {
      DiscardCopy(copy);
      throw;
    }
    ++line_;
  }

  void AddExtraLines() {
    if (!source_.Ensure(doc_) || lines_.EditorLines() <= line_) return;
    Pitch pitch = ReadPitch(view_);
    if (std::fabs(pitch.dX) < kSmallestAddPitch && std::fabs(pitch.dY) < kSmallestAddPitch) {
      view_.messages.ShowMessage(kZeroPitchAddMessage, kApplicationTitle, MessageStyle::Plain);
      return;
    }
    std::optional<Variant> start = SlotPoint(n_ - 1, view_);
    if (!start) throw Error(u"追加する TEXT の位置がありません");
    double x = PointX(*start);
    double y = PointY(*start);
    Variant running = *start;
    int end = lines_.DataLines();
    for (int s = line_; s < end; ++s) {
      view_.progress(s + 1, lines_.EditorLines());
      x += pitch.dX;
      y += pitch.dY;
      running = MovedPoint(running, x, y);
      std::u16string text = view_.editor.Line(s);
      if (IsBlank(text)) {
        Kelvo slot;
        slot.insPt = running;
        EntityList.push_back(std::move(slot));
      } else {
        AddCopy(text, running);
      }
      if (!view_.keepGoing()) return;
    }
  }

  void AddCopy(const std::u16string& text, const Variant& point) {
    ObjectRef copy = source_.Copy();
    Kelvo entry;
    try {
      std::int32_t alignment = Get(copy, u"Alignment").ToInt32();
      WriteAnchor(copy, alignment, point);
      Put(copy, u"TextString", text);
      entry.text = Get(copy, u"TextString").ToString();
      entry.sHnd = Get(copy, u"Handle").ToString();
      entry.objId = Get(copy, u"ObjectId").ToInt64();
      entry.txtAli = Get(copy, u"Alignment").ToInt32();
      entry.lay = Get(copy, u"Layer").ToString();
      entry.insPt = Get(copy, entry.txtAli == 0 ? u"InsertionPoint" : u"TextAlignmentPoint");
    } catch (...) {
      DiscardCopy(copy);
      throw;
    }
    std::int64_t id = entry.objId;
    EntityList.push_back(std::move(entry));
    source_.Set(copy, id);
  }

  const ObjectRef& doc_;
  CommandView& view_;
  UpdateOutcome& outcome_;
  // The editor is read live: it stays editable while the queue is pumped.
  MemoLineCounts lines_;
  std::size_t n_ = 0;
  int line_ = 0;
  CopySource source_;
};

}  // namespace

void RunUpdatePasses(const ObjectRef& doc, CommandView& view, UpdateOutcome& outcome) {
  UpdateRun(doc, view, outcome).Run();
}

void FinishEntityList(const UpdateOutcome& outcome, int dataLines) {
  for (auto it = outcome.unreachable.rbegin(); it != outcome.unreachable.rend(); ++it) {
    if (*it < EntityList.size())
      EntityList.erase(EntityList.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  EntityList.resize(static_cast<std::size_t>(std::max(dataLines, 0)));
}

std::u16string RefusedTextsMessage(int refused) {
  return ToU16(refused) +
         u" 個の TEXT に書き込めませんでした．画層がロックされていないか確認してください．";
}

}  // namespace kelvo
