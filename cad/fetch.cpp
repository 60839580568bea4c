#include "cad/fetch.h"

#include <exception>

#include "base/error.h"
#include "cad/automation.h"
#include "cad/connection.h"

namespace kelvo {
namespace {

// Both calls always run, so "ssTemp" does not stay behind when Clear fails.
void DiscardTempSet(const ObjectRef& set) {
  std::exception_ptr first;
  try {
    Get(set, u"Clear");
  } catch (...) {
    first = std::current_exception();
  }
  try {
    Get(set, u"Delete");
  } catch (...) {
    if (!first) first = std::current_exception();
  }
  if (first) std::rethrow_exception(first);
}

void SelectTexts(const ObjectRef& set) {
  Arg filter[] = {{Variant(Int16Array{0}), true}, {Variant(VariantArray{Variant(u"TEXT")}), true}};
  try {
    Call(set, u"SelectOnScreen", filter);
  } catch (const Error&) {
    // Ending the picking without a selection, or cancelling it, raises in some
    // CADs; whatever the set holds is used.
  }
}

std::optional<std::vector<Kelvo>> ReadPicks(const ObjectRef& set) {
  Get(set, u"Clear");
  SelectTexts(set);
  std::int32_t n = Get(set, u"Count").ToInt32();
  if (n <= 0) return std::nullopt;
  std::vector<Kelvo> records(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n; ++i) {
    Arg index{Variant(i)};
    ObjectRef entity = Call(set, u"Item", std::span<Arg>(&index, 1)).ToObject();
    if (Get(entity, u"EntityName").ToString() == u"AcDbText") {
      records[static_cast<std::size_t>(i)] = ReadTextRecord(entity, i);
    }
  }
  return records;
}

}  // namespace

Kelvo ReadTextRecord(const ObjectRef& entity, std::int32_t index) {
  Kelvo k;
  k.text = Get(entity, u"TextString").ToString();
  k.sHnd = Get(entity, u"Handle").ToString();
  k.objId = Get(entity, u"ObjectId").ToInt64();
  k.index = index;
  k.txtAli = Get(entity, u"Alignment").ToInt32();
  k.insPt = Get(entity, k.txtAli == 0 ? u"InsertionPoint" : u"TextAlignmentPoint");
  k.lay = Get(entity, u"Layer").ToString();
  return k;
}

std::optional<std::vector<Kelvo>> PickTexts(const ObjectRef& app) {
  ObjectRef doc = Get(app, u"ActiveDocument").ToObject();
  ObjectRef set = GetTempSelectionSet(doc);
  std::optional<std::vector<Kelvo>> picks;
  try {
    picks = ReadPicks(set);
  } catch (...) {
    // The failure the user needs to see is the first one, not a later one
    // from tidying up.
    try {
      DiscardTempSet(set);
    } catch (...) {
    }
    throw;
  }
  DiscardTempSet(set);
  return picks;
}

}  // namespace kelvo
