#include "sim/call_log.h"

#include <algorithm>

namespace kelvo::sim {

std::u16string_view ObjectKindName(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Application:
      return u"Application";
    case ObjectKind::Document:
      return u"Document";
    case ObjectKind::SelectionSets:
      return u"SelectionSets";
    case ObjectKind::SelectionSet:
      return u"SelectionSet";
    case ObjectKind::Text:
      return u"Text";
    case ObjectKind::Line:
      return u"Line";
  }
  return u"?";
}

ObjectKind ObjectKindOf(EntityKind kind) {
  return kind == EntityKind::Text ? ObjectKind::Text : ObjectKind::Line;
}

void CallLog::Add(ObjectKind object, std::u16string_view member, CallKind kind) {
  records_.push_back({object, std::u16string(member), kind});
}

std::size_t CallLog::Count(ObjectKind object, std::u16string_view member) const {
  return std::count_if(records_.begin(), records_.end(), [&](const CallRecord& r) {
    return r.object == object && r.member == member;
  });
}

std::size_t CallLog::Count(ObjectKind object, std::u16string_view member, CallKind kind) const {
  return std::count_if(records_.begin(), records_.end(), [&](const CallRecord& r) {
    return r.object == object && r.member == member && r.kind == kind;
  });
}

std::u16string CallLog::Text() const {
  std::u16string text;
  for (const CallRecord& r : records_) {
    text += ObjectKindName(r.object);
    text += u'.';
    text += r.member;
    if (r.kind == CallKind::Put) text += u" put";
    text += u'\n';
  }
  return text;
}

}  // namespace kelvo::sim
