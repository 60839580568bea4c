#pragma once
// Every object-model call the program makes, in order, so tests can check what
// it asked of the CAD. The test members are not recorded.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cad/automation.h"
#include "sim/entity.h"

namespace kelvo::sim {

enum class ObjectKind { Application, Document, SelectionSets, SelectionSet, Text, Line };

std::u16string_view ObjectKindName(ObjectKind kind);
ObjectKind ObjectKindOf(EntityKind kind);

struct CallRecord {
  ObjectKind object;
  std::u16string member;  // the member's own spelling; an unknown one as called
  CallKind kind;

  friend bool operator==(const CallRecord&, const CallRecord&) = default;
};

class CallLog {
 public:
  void Add(ObjectKind object, std::u16string_view member, CallKind kind);
  void Clear() { records_.clear(); }
  const std::vector<CallRecord>& Records() const { return records_; }

  // Calls of one member on one kind of object, reads and writes alike or of one kind.
  std::size_t Count(ObjectKind object, std::u16string_view member) const;
  std::size_t Count(ObjectKind object, std::u16string_view member, CallKind kind) const;

  // One line per call, each ending in "\n": "Kind.Member", plus " put" for a write.
  std::u16string Text() const;

 private:
  std::vector<CallRecord> records_;
};

}  // namespace kelvo::sim
