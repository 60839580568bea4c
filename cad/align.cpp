#include "cad/align.h"

#include <cmath>

#include "base/error.h"
#include "base/text.h"
#include "cad/automation.h"
#include "cad/entity_ops.h"
#include "cad/kelvo.h"
#include "cad/pitch.h"
#include "ui/memo_lines.h"

namespace kelvo {
namespace {

// Below these the pitch counts as zero: a tenth in X, a hundredth in Y.
constexpr double kSmallestPitchX = 0.1;
constexpr double kSmallestPitchY = 0.01;

class AlignRun {
 public:
  AlignRun(const ObjectRef& doc, CommandView& view) : doc_(doc), view_(view), lines_(view.editor) {}

  void Run() {
    n_ = EntityList.size();
    if (n_ < 2) return;
    char16_t separator = view_.locale.DecimalSeparator();
    dX_ = ParsePitch(view_.dX.Text(), separator);
    dY_ = ParsePitch(view_.dY.Text(), separator);
    if (std::fabs(dX_) >= kSmallestPitchX || std::fabs(dY_) >= kSmallestPitchY) {
      x0_ = PointX(EntityList[0].insPt);
      y0_ = PointY(EntityList[0].insPt);
      // Stopping leaves the rest as it is: nothing is added or deleted after "中止".
      if (!PlaceList() || !AddLinesPastTheList()) return;
    }
    DeleteEntriesPastTheData();
  }

 private:
  double PitchX(std::size_t i) const { return static_cast<double>(i) * dX_ + x0_; }
  double PitchY(std::size_t i) const { return static_cast<double>(i) * dY_ + y0_; }
  std::u16string Line(std::size_t i) const { return view_.editor.Line(static_cast<int>(i)); }

  bool PlaceList() {
    for (std::size_t i = 0; i < n_; ++i) {
      view_.progress(static_cast<int>(i) + 1, lines_.EditorLines());
      if (EntityList[i].objId != 0) {
        PlaceLiveEntry(i);
      } else {
        FillSlot(i);
      }
      if (!view_.keepGoing()) return false;
    }
    return true;
  }

  void PlaceLiveEntry(std::size_t i) {
    if (static_cast<int>(i) >= lines_.DataLines()) return;
    Kelvo& entry = EntityList[i];
    entry.insPt = MovedPoint(entry.insPt, PitchX(i), PitchY(i));
    ObjectRef entity;
    try {
      entity = ObjectIdToObject(doc_, entry.objId);
    } catch (const Error&) {
      // Erased since the fetch: nothing else is moved or deleted in its place.
      return;
    }
    WriteAnchor(entity, entry.txtAli, entry.insPt);
    std::u16string line = Line(i);
    if (IsBlank(line)) {
      Get(entity, u"Delete");
      source_.Forget(entry.objId);
      entry.sHnd.clear();
      entry.objId = 0;
      return;
    }
    if (Get(entity, u"TextString").ToString() != line) Put(entity, u"TextString", line);
    source_.Set(entity, entry.objId);
    Get(entity, u"Update");
  }

  void FillSlot(std::size_t i) {
    if (!source_.Ensure(doc_)) return;
    Kelvo filled = EntityList[i];
    MakeText(filled, i, Line(i), false);
    EntityList[i] = std::move(filled);
  }

  // Returns false when the user stopped the run.
  bool AddLinesPastTheList() {
    int dataLines = lines_.DataLines();
    if (dataLines <= static_cast<int>(n_)) return true;
    if (!source_.Ensure(doc_)) return true;
    for (auto i = n_; i < static_cast<std::size_t>(dataLines); ++i) {
      Kelvo added;
      MakeText(added, i, Line(i), true);
      EntityList.push_back(std::move(added));
      if (!view_.keepGoing()) return false;
    }
    return true;
  }

  // A copy of the copy source at the pitch position of i, carrying the line;
  // for a blank line the copy is deleted again and the record keeps only the
  // place. A copy that cannot be set up is erased before the failure goes on.
  void MakeText(Kelvo& record, std::size_t i, const std::u16string& line, bool freshPoint) {
    ObjectRef copy = source_.Copy();
    try {
      record.sHnd = Get(copy, u"Handle").ToString();
      record.objId = Get(copy, u"ObjectId").ToInt64();
      record.txtAli = Get(copy, u"Alignment").ToInt32();
      record.lay = Get(copy, u"Layer").ToString();
      Variant base =
          freshPoint ? MakePoint(0, 0, 0)
                     : Get(copy, record.txtAli == 0 ? u"InsertionPoint" : u"TextAlignmentPoint");
      record.insPt = MovedPoint(base, PitchX(i), PitchY(i));
      if (IsBlank(line)) {
        Get(copy, u"Delete");
        record.sHnd.clear();
        record.objId = 0;
        return;
      }
      record.text = line;
      Put(copy, u"TextString", line);
      WriteAnchor(copy, Get(copy, u"Alignment").ToInt32(), record.insPt);
      Get(copy, u"Update");
    } catch (...) {
      DiscardCopy(copy);
      throw;
    }
  }

  void DeleteEntriesPastTheData() {
    std::size_t m = EntityList.size();
    auto dataLines = static_cast<std::size_t>(lines_.DataLines());
    if (dataLines >= m) return;
    for (std::size_t i = dataLines; i < m; ++i) {
      Kelvo& entry = EntityList[i];
      if (entry.objId == 0) continue;
      ObjectRef entity;
      try {
        entity = ObjectIdToObject(doc_, entry.objId);
      } catch (const Error&) {
      }
      entry.sHnd.clear();
      entry.objId = 0;
      if (entity) Get(entity, u"Delete");
    }
    Arg viewport{Variant(std::int32_t{0})};
    Call(doc_, u"Regen", std::span<Arg>(&viewport, 1));
  }

  const ObjectRef& doc_;
  CommandView& view_;
  MemoLineCounts lines_;
  std::size_t n_ = 0;
  double dX_ = 0;
  double dY_ = 0;
  double x0_ = 0;
  double y0_ = 0;
  CopySource source_;
};

}  // namespace

void RunAlignPass(const ObjectRef& doc, CommandView& view) {
  AlignRun(doc, view).Run();
}

}  // namespace kelvo
