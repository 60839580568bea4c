#pragma once
// Late-bound automation: an object reached only by member name. The Windows
// layer implements it over IDispatch; the simulated CAD implements it directly.

#include <span>
#include <string>
#include <string_view>

#include "cad/variant.h"

namespace kelvo {

enum class CallKind {
  MethodOrGet,  // a read without arguments: method or property get
  Method,       // a call with arguments
  Put,          // a property write
};

struct Arg {
  Variant value;
  bool byRef = false;  // passed by reference, as the object model expects for this member
};

class AutoObject {
 public:
  virtual ~AutoObject() = default;
  // Looks the member up by name (case-insensitive) on every call. Failures
  // raise Error with the server's description, else the system's text.
  virtual Variant Invoke(std::u16string_view member, CallKind kind, std::span<Arg> args) = 0;
};

// The three call shapes the program uses.
Variant Get(const ObjectRef& obj, std::u16string_view member);
Variant Call(const ObjectRef& obj, std::u16string_view member, std::span<Arg> args);
void Put(const ObjectRef& obj, std::u16string_view member, Variant value, bool byRef = false);

}  // namespace kelvo
