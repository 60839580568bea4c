#pragma once
// A form's events as data: one row per control event and one per popup-menu
// command, read by one dispatcher that refuses what must wait for a running
// command and runs every handler at the form's catch point.

#include <functional>
#include <span>
#include <vector>

namespace kelvo {

// The window itself, for the events of its frame.
inline constexpr int kWindowId = 0;

enum class Event {
  Click,            // a button, check box, radio button or menu command
  Change,           // the text of an edit
  KeyPress,         // a typed character; the handler may change or swallow it (0)
  SelectionChange,  // a list box's selection, by the user
  Timer,
  Show,             // the window is about to be shown
  Popup,            // the popup menu is about to open
  Close,            // the close box, Alt+F4
  QueryEndSession,  // logoff or shutdown is asked for
  EndSession,       // the session ends
  Destroy,
};

// Whether an event may run while a command runs, or is refused.
enum class WhileBusy { Runs, Refused };

// A handler of Form, in one of the shapes the forms use: no argument, the
// sender's id (one handler serving several controls), or the typed key.
template <typename Form>
struct Handler {
  void (Form::*plain)() = nullptr;
  void (Form::*withSender)(int) = nullptr;
  void (Form::*withKey)(char16_t&) = nullptr;
};
template <typename Form>
constexpr Handler<Form> On(void (Form::*handler)()) {
  return {handler, nullptr, nullptr};
}
template <typename Form>
constexpr Handler<Form> On(void (Form::*handler)(int)) {
  return {nullptr, handler, nullptr};
}
template <typename Form>
constexpr Handler<Form> On(void (Form::*handler)(char16_t&)) {
  return {nullptr, nullptr, handler};
}

template <typename Form>
struct EventRow {
  int id = kWindowId;
  Event event = Event::Click;
  Handler<Form> handler;
  WhileBusy busy = WhileBusy::Runs;
};

// When a popup-menu command is enabled, decided each time the menu opens.
enum class EnabledWhen { Always, EditorHasText, SelectionNotEmpty };

// One line of the popup menu; a row with id 0 is a separator, and a row that
// others name as their submenu opens them.
struct MenuEntry {
  int id = 0;
  const char16_t* caption = u"";
  int submenu = 0;  // the entry whose submenu holds this one; 0: the menu itself
  EnabledWhen enabled = EnabledWhen::Always;
};

template <typename Form>
struct MenuRow {
  MenuEntry entry;
  Handler<Form> handler;
  WhileBusy busy = WhileBusy::Runs;
};

template <typename Form>
std::vector<MenuEntry> MenuEntries(std::span<const MenuRow<Form>> rows) {
  std::vector<MenuEntry> entries;
  for (const MenuRow<Form>& row : rows) entries.push_back(row.entry);
  return entries;
}

// What a window host needs of a form: its events fired by id.
class EventSink {
 public:
  virtual ~EventSink() = default;
  // Fires the event; key is the typed character of a key press, which the
  // handler may change or swallow (0). False when no row handles the event.
  virtual bool Fire(int id, Event event, char16_t* key = nullptr) = 0;
  // Whether a row handles the event.
  virtual bool Handles(int id, Event event) const = 0;
  // The popup menu's lines, in order.
  virtual std::vector<MenuEntry> Menu() const = 0;
};

// The dispatcher. Form provides Busy() (a command runs) and Dispatch(handler)
// (its catch point).
template <typename Form>
class FormEvents : public EventSink {
 public:
  FormEvents(Form& form, std::span<const EventRow<Form>> events,
             std::span<const MenuRow<Form>> menu = {})
      : form_(form), events_(events), menu_(menu) {}

  bool Fire(int id, Event event, char16_t* key = nullptr) override {
    const Row row = Find(id, event);
    if (row.handler == nullptr) return false;
    if (row.busy == WhileBusy::Refused && form_.Busy()) return true;
    form_.Dispatch([&] { Invoke(*row.handler, id, key); });
    return true;
  }

  bool Handles(int id, Event event) const override { return Find(id, event).handler != nullptr; }

  std::vector<MenuEntry> Menu() const override { return MenuEntries(menu_); }

 private:
  struct Row {
    const Handler<Form>* handler = nullptr;
    WhileBusy busy = WhileBusy::Runs;
  };

  Row Find(int id, Event event) const {
    for (const EventRow<Form>& row : events_) {
      if (row.id == id && row.event == event) return {&row.handler, row.busy};
    }
    if (event != Event::Click || id == 0) return {};
    for (const MenuRow<Form>& row : menu_) {
      if (row.entry.id == id && HasHandler(row.handler)) return {&row.handler, row.busy};
    }
    return {};
  }

  static bool HasHandler(const Handler<Form>& h) {
    return h.plain != nullptr || h.withSender != nullptr || h.withKey != nullptr;
  }

  void Invoke(const Handler<Form>& handler, int id, char16_t* key) {
    if (handler.plain != nullptr) {
      (form_.*handler.plain)();
    } else if (handler.withSender != nullptr) {
      (form_.*handler.withSender)(id);
    } else if (handler.withKey != nullptr) {
      char16_t typed = key != nullptr ? *key : 0;
      (form_.*handler.withKey)(typed);
      if (key != nullptr) *key = typed;
    }
  }

  Form& form_;
  std::span<const EventRow<Form>> events_;
  std::span<const MenuRow<Form>> menu_;
};

}  // namespace kelvo
