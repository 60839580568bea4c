#include "sim/simcad_window_win.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>
#include <utility>

#include "base/error.h"
#include "base/system_error_win.h"
#include "base/text.h"

namespace kelvo::sim {
namespace {

constexpr UINT_PTR kRepaintTimer = 1;
constexpr UINT kRepaintMilliseconds = 100;
constexpr int kStatusHeight = 26;
constexpr double kMargin = 40;
constexpr double kPickSlop = 6;
constexpr int kMarkerArm = 3;
constexpr int kStatusFontPixels = 15;

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kLineInk = RGB(40, 70, 130);
constexpr COLORREF kMarker = RGB(220, 0, 0);
constexpr COLORREF kPicked = RGB(0, 102, 204);
constexpr COLORREF kPickedInk = RGB(255, 255, 255);
constexpr COLORREF kStatusBack = RGB(230, 230, 230);
constexpr COLORREF kPickStatusBack = RGB(255, 236, 160);
constexpr COLORREF kPickFrame = RGB(255, 140, 0);

// Far-off coordinates still land inside what GDI takes.
int Pixel(double value) {
  return static_cast<int>(std::lround(std::clamp(value, -30000.0, 30000.0)));
}

HFONT MakeFont(int pixels) {
  // A Japanese charset makes GDI choose a font with the Japanese glyphs
  // (the IPA font under Wine) even when this face is missing.
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
}

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

int Length(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, INT_MAX));
}

void FillBox(HDC dc, const RECT& box, COLORREF color) {
  UniqueHbrush brush(CreateSolidBrush(color));
  FillRect(dc, &box, brush.get());
}

// An off-screen bitmap the size of the window, painted and then copied in one
// step so that a redraw does not flicker.
class BackBuffer {
 public:
  BackBuffer(HDC target, int width, int height) noexcept
      : target_(target),
        width_(width),
        height_(height),
        dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        selected_(dc_.get(), bitmap_.get()) {}
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  HDC dc() const noexcept { return dc_.get(); }
  bool ok() const noexcept { return dc_ && bitmap_; }
  void Present() const noexcept {
    BitBlt(target_, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  }

 private:
  HDC target_;
  int width_;
  int height_;
  // Declared so that the bitmap leaves the DC before either is deleted.
  UniqueHdc dc_;
  UniqueHbitmap bitmap_;
  SelectedObject selected_;
};

// The last resort for an exception that reached the window procedure, which
// it may not leave: the system's frames cannot unwind. One report at a time,
// as the box's own message loop may run into the same failure again.
void ReportStrayException(HWND window) noexcept {
  static bool reporting = false;
  if (reporting) return;
  reporting = true;
  try {
    std::u16string text = u"予期しないエラーが発生しました";
    try {
      throw;
    } catch (const Error& e) {
      text = e.text();
    } catch (const std::exception& e) {
      text = FromUtf8(e.what());
    } catch (...) {
    }
    MessageBoxW(window, Wide(text), L"SimCAD", MB_OK | MB_ICONERROR);
  } catch (...) {
    // Out of memory for the text: the message gets its default handling all the same.
  }
  reporting = false;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = procedure;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  cls.lpszClassName = kSimCadWindowClass;
  // A second window finds the class already there.
  ThrowLastErrorIf(RegisterClassExW(&cls) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS);
}

}  // namespace

SimCadWindow::SimCadWindow(HINSTANCE instance, std::shared_ptr<Drawing> drawing,
                           std::wstring caption, const WindowPlacement& placement)
    : drawing_(std::move(drawing)), caption_(std::move(caption)) {
  RegisterWindowClass(instance, &SimCadWindow::WindowProc);
  statusFont_.reset(MakeFont(kStatusFontPixels));
  // WM_NCCREATE stores this object with the window and gives the window to hwnd_.
  HWND created = CreateWindowExW(0, kSimCadWindowClass, caption_.c_str(), WS_OVERLAPPEDWINDOW,
                                 placement.x, placement.y, placement.width, placement.height,
                                 nullptr, nullptr, instance, this);
  // Wine without a display fails here and leaves no error code.
  if (created == nullptr && GetLastError() == 0) {
    throw Error(u"cannot create the window: is there a display?");
  }
  CheckCreated(created);
  SetTimer(hwnd(), kRepaintTimer, kRepaintMilliseconds, nullptr);
  drawing_->SetWindowHandle(reinterpret_cast<std::intptr_t>(hwnd()));
  drawing_->SetPicker([this](const SelectionFilter& filter) { return Pick(filter); });
}

SimCadWindow::~SimCadWindow() {
  drawing_->SetPicker(Picker());
  // Here, not among the members: the window procedure may still look at them.
  hwnd_.reset();
}

void SimCadWindow::Show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
}

WindowPlacement SimCadWindow::DefaultPlacement() {
  RECT work{0, 0, 1280, 1024};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int half = (work.right - work.left) / 2;
  return {work.left + half, work.top, work.right - work.left - half, work.bottom - work.top};
}

LRESULT CALLBACK SimCadWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<SimCadWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SimCadWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_.release();  // the window is gone already
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // Destroyed by its owner letting go: the object is on its way out too, and
  // the window's last messages get the default handling.
  if (self->hwnd() != window) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    ReportStrayException(window);
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT SimCadWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SIZE:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_TIMER:
      if (wParam == kRepaintTimer && drawing_->ChangeCount() != paintedChange_ &&
          GetTickCount64() >= nextRepaint_) {
        InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) {
        // Outside picking, an Escape is the CAD's command being cancelled.
        // A held key's repeats are not further presses.
        const bool repeat = (lParam & (1 << 30)) != 0;
        if (pick_) {
          EndPick(true);
        } else if (!repeat) {
          drawing_->RecordEscape();
        }
        return 0;
      }
      if (wParam == VK_RETURN && pick_) {
        EndPick(false);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      if (pick_) TogglePick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CLOSE:
      if (pick_) {
        // The pick's nested loop returns first; the window closes after it.
        closeAfterPick_ = true;
        EndPick(true);
        return 0;
      }
      break;  // the default destroys the window
    case WM_DESTROY:
      KillTimer(hwnd(), kRepaintTimer);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

PickOutcome SimCadWindow::Pick(const SelectionFilter& filter) {
  // One person picks for one SelectOnScreen at a time; a second one arriving
  // meanwhile, or one after the window is gone, is cancelled.
  if (pick_ || !hwnd()) return PickOutcome{true, {}};
  pick_.emplace();
  pick_->filter = filter;
  SetCaption(caption_ + L" - " + kPickPrompt);
  if (IsIconic(hwnd()) || !IsWindowVisible(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  SetForegroundWindow(hwnd());
  BringWindowToTop(hwnd());
  SetFocus(hwnd());
  InvalidateRect(hwnd(), nullptr, FALSE);

  // Calls from other clients keep arriving through this loop too.
  MSG msg;
  while (!pick_->done) {
    if (!hwnd()) {
      pick_->cancelled = true;
      break;
    }
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The outer loop has to see the quit as well.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      pick_->cancelled = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }

  PickOutcome outcome{pick_->cancelled,
                      pick_->cancelled ? std::vector<std::int64_t>{} : std::move(pick_->ids)};
  pick_.reset();
  if (hwnd()) {
    SetCaption(caption_);
    InvalidateRect(hwnd(), nullptr, FALSE);
    if (std::exchange(closeAfterPick_, false)) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
  }
  return outcome;
}

void SimCadWindow::EndPick(bool cancelled) {
  pick_->done = true;
  pick_->cancelled = cancelled;
}

void SimCadWindow::TogglePick(int x, int y) {
  std::optional<std::int64_t> hit = HitTest(items_, x, y, pick_->filter, kPickSlop);
  if (!hit) return;
  const std::int64_t id = *hit;
  auto& ids = pick_->ids;
  if (std::erase(ids, id) == 0) ids.push_back(id);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

bool SimCadWindow::IsPicked(std::int64_t id) const {
  return pick_ && std::find(pick_->ids.begin(), pick_->ids.end(), id) != pick_->ids.end();
}

void SimCadWindow::SetCaption(const std::wstring& text) {
  SetWindowTextW(hwnd(), text.c_str());
}

HFONT SimCadWindow::TextFont(int pixels) {
  if (textFont_.get() == nullptr || pixels != textFontPixels_) {
    textFont_.reset(MakeFont(pixels));
    textFontPixels_ = pixels;
  }
  return textFont_.get();
}

void SimCadWindow::Paint() {
  const ULONGLONG start = GetTickCount64();
  PaintScope paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  int width = std::max<int>(client.right, 1);
  int height = std::max<int>(client.bottom, 1);
  BackBuffer buffer(paint.dc(), width, height);
  if (buffer.ok()) {
    PaintTo(buffer.dc(), width, height);
    buffer.Present();
  } else {
    PaintTo(paint.dc(), width, height);
  }
  // Calls wait while this thread paints: a large drawing that keeps changing
  // is redrawn less often, so that painting takes at most a fifth of the time.
  nextRepaint_ = GetTickCount64() + 4 * (GetTickCount64() - start);
}

void SimCadWindow::PaintTo(HDC dc, int width, int height) {
  paintedChange_ = drawing_->ChangeCount();
  FillBox(dc, RECT{0, 0, width, height}, kBackground);
  SetBkMode(dc, TRANSPARENT);

  const std::vector<Entity> entities = drawing_->LiveEntities();
  PixelBox area{0, static_cast<double>(kStatusHeight), static_cast<double>(width),
                static_cast<double>(height)};
  ViewTransform view = ViewTransform::Fit(entities, area, kMargin);
  SelectedObject font(dc, TextFont(static_cast<int>(view.TextPixels())));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  items_ = LayOutView(entities, view, [&](std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), Length(text.size()),
                          &size);
    return TextExtent{static_cast<double>(size.cx), static_cast<double>(metrics.tmAscent),
                      static_cast<double>(metrics.tmDescent)};
  });

  UniqueHpen linePen(CreatePen(PS_SOLID, 1, kLineInk));
  UniqueHpen pickedPen(CreatePen(PS_SOLID, 3, kPicked));
  UniqueHpen markerPen(CreatePen(PS_SOLID, 1, kMarker));
  SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  for (const ViewItem& item : items_) {
    const bool picked = IsPicked(item.id);
    if (item.kind == EntityKind::Line) {
      SelectedObject pen(dc, picked ? pickedPen.get() : linePen.get());
      MoveToEx(dc, Pixel(item.anchor[0]), Pixel(item.anchor[1]), nullptr);
      LineTo(dc, Pixel(item.end[0]), Pixel(item.end[1]));
      continue;
    }
    if (picked) {
      FillBox(dc,
              RECT{Pixel(item.box.left) - 2, Pixel(item.box.top) - 1, Pixel(item.box.right) + 2,
                   Pixel(item.box.bottom) + 1},
              kPicked);
    }
    SetTextColor(dc, picked ? kPickedInk : kInk);
    TextOutW(dc, Pixel(item.origin[0]), Pixel(item.origin[1]), Wide(item.text),
             Length(item.text.size()));
    SelectedObject pen(dc, markerPen.get());
    int x = Pixel(item.anchor[0]);
    int y = Pixel(item.anchor[1]);
    MoveToEx(dc, x - kMarkerArm, y, nullptr);
    LineTo(dc, x + kMarkerArm + 1, y);
    MoveToEx(dc, x, y - kMarkerArm, nullptr);
    LineTo(dc, x, y + kMarkerArm + 1);
  }

  if (pick_) {
    UniqueHpen framePen(CreatePen(PS_INSIDEFRAME, 3, kPickFrame));
    SelectedObject pen(dc, framePen.get());
    SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 0, kStatusHeight, width, height);
  }
  PaintStatus(dc, width);
}

void SimCadWindow::PaintStatus(HDC dc, int width) {
  FillBox(dc, RECT{0, 0, width, kStatusHeight}, pick_ ? kPickStatusBack : kStatusBack);
  std::size_t texts = 0;
  std::size_t lines = 0;
  for (const ViewItem& item : items_) ++(item.kind == EntityKind::Line ? lines : texts);
  std::wstring status =
      pick_ ? std::wstring(kPickPrompt) + L"   選択: " + std::to_wstring(pick_->ids.size())
            : caption_ + L"   文字: " + std::to_wstring(texts) + L"  線: " + std::to_wstring(lines);
  SelectedObject font(dc, statusFont_.get());
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetTextColor(dc, kInk);
  TextOutW(dc, 6, (kStatusHeight - kStatusFontPixels) / 2 - 1, status.c_str(),
           Length(status.size()));
}

}  // namespace kelvo::sim
