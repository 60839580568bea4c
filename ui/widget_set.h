#pragma once
// The widgets of one window, made from its table, found by id. A form binds
// its fields through this, never by position: a row bound as the wrong kind
// raises at once.

#include <string>

#include "base/error.h"
#include "base/text.h"
#include "ui/widgets.h"

namespace kelvo {

class WidgetSet {
 public:
  virtual ~WidgetSet() = default;
  // Raises when no row (or popup-menu entry) has the id.
  virtual Widget& widget(int id) = 0;

  template <typename T>
  T& get(int id) {
    auto* typed = dynamic_cast<T*>(&widget(id));
    if (typed == nullptr) throw Error(u"control " + ToU16(id) + u" is of another kind");
    return *typed;
  }
  Button& button(int id) { return get<Button>(id); }
  Label& label(int id) { return get<Label>(id); }
  Edit& edit(int id) { return get<Edit>(id); }
  CheckBox& checkBox(int id) { return get<CheckBox>(id); }
  Memo& memo(int id) { return get<Memo>(id); }
  ListBox& listBox(int id) { return get<ListBox>(id); }
  UpDown& upDown(int id) { return get<UpDown>(id); }
  StatusBar& statusBar(int id) { return get<StatusBar>(id); }
  Control& control(int id) { return get<Control>(id); }
  Timer& timer(int id) { return get<Timer>(id); }
  MenuItem& menuItem(int id) { return get<MenuItem>(id); }
};

}  // namespace kelvo
