#include "ui/main_window.h"

#include <cwctype>
#include <string>

#include "ui/common_dialog.h"
#include "ui/input_controls.h"
#include "ui/label.h"
#include "ui/pic_box.h"
#include "ui/trans_label.h"

namespace {

constexpr int kPositionLimit = 32627;

int clampPosition(int v) { return v < -kPositionLimit ? -kPositionLimit : v > kPositionLimit ? kPositionLimit : v; }

std::unique_ptr<Control> makeControl(const ControlRow& row, ControlEvents& events) {
  switch (row.kind) {
    case ControlKind::GroupBox: return std::make_unique<GroupBox>(row, events);
    case ControlKind::Label: return std::make_unique<Label>(row, events);
    case ControlKind::EditBox: return std::make_unique<EditBox>(row, events);
    case ControlKind::Button: return std::make_unique<PushButton>(row, events);
    case ControlKind::ComboBox: return std::make_unique<ComboBox>(row, events);
    case ControlKind::TransLabel: return std::make_unique<TransLabel>(row, events);
    case ControlKind::PicBox: return std::make_unique<PicBox>(row, events);
    case ControlKind::CommonDlg: return std::make_unique<HiddenComponent>(row, events);
  }
  return nullptr;
}

// A test build can make one control's creation fail, to show the start-up error.
bool creationFailsFor(const ControlRow& row) {
#ifdef JOKECERT_FAIL_CONTROL_ROW
  return rowOf(row.id) == JOKECERT_FAIL_CONTROL_ROW;
#else
  return false;
#endif
}

bool keyDown(int vk) { return GetKeyState(vk) < 0; }

std::wstring windowText(HWND w) {
  const int length = GetWindowTextLengthW(w);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), length + 1)));
  return text;
}

}  // namespace

MainWindow::MainWindow(ControlEvents& events, std::function<void()> onDestroyed)
    : events_(events), onDestroyed_(std::move(onDestroyed)) {}

MainWindow::~MainWindow() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool MainWindow::build() {
  if (createFrame() && createControls()) {
    stackControls();
    for (const ControlRow& row : controlRows())
      if (row.visible) ShowWindow(control(row.id)->hwnd(), SW_SHOWNA);
    return true;
  }
  if (hwnd_) DestroyWindow(hwnd_);
  for (auto& c : controls_) c.reset();
  dialog_.reset();
  return false;
}

bool MainWindow::createFrame() {
  const MainWindowSettings& settings = mainWindowSettings();
  const wchar_t* cls = registerClass(L"JokeCertMainWindow", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - settings.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - settings.height) / 2;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  if (!CreateWindowExW(0, cls, settings.title, style, left, top, settings.width, settings.height, nullptr,
                       nullptr, GetModuleHandleW(nullptr), this))
    return false;

  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (r.right - r.left != settings.width || r.bottom - r.top != settings.height)
    MoveWindow(hwnd_, r.left, r.top, settings.width, settings.height, FALSE);

  HINSTANCE instance = GetModuleHandleW(nullptr);
  bigIcon_.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0)));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  dialog_ = std::make_unique<CommonDialog>(hwnd_);
  return true;
}

// Reverse template order, all as children of the main window first; then
// each goes into its container, keeping its numeric position.
bool MainWindow::createControls() {
  const auto rows = controlRows();
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    auto c = makeControl(*it, events_);
    if (!c || creationFailsFor(*it) || !c->create(hwnd_)) return false;
    controls_[rowOf(it->id) - 1] = std::move(c);
  }
  for (const ControlRow& row : rows)
    if (row.parent != ControlId::None) SetParent(control(row.id)->hwnd(), control(row.parent)->hwnd());
  return true;
}

// Each control goes directly below the nearest earlier row with the same
// parent: lower rows lie above higher rows.
void MainWindow::stackControls() {
  const auto rows = controlRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    HWND after = HWND_TOP;
    for (size_t j = i; j-- > 0;) {
      if (rows[j].parent == rows[i].parent) {
        after = control(rows[j].id)->hwnd();
        break;
      }
    }
    SetWindowPos(control(rows[i].id)->hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MainWindow::show() { ShowWindow(hwnd_, SW_SHOW); }

Control* MainWindow::control(ControlId id) const {
  const int row = rowOf(id);
  return row >= 1 && row <= kControlCount ? controls_[row - 1].get() : nullptr;
}

Control* MainWindow::controlOfWindow(HWND w) const {
  for (const auto& c : controls_)
    if (c && c->hwnd() == w) return c.get();
  if (auto* combo = dynamic_cast<ComboBox*>(control(ControlId::组合框证件类型)); combo && combo->ownsWindow(w))
    return combo;
  return nullptr;
}

bool MainWindow::preTranslate(const MSG& msg) {
  // The window itself, its controls, and the kind list's drop-down (a popup of its own).
  if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd) && !controlOfWindow(msg.hwnd))) return false;

  if (msg.message == WM_LBUTTONDOWN) {
    if (Control* c = controlOfWindow(msg.hwnd)) {
      const int keys = ((msg.wParam & MK_CONTROL) ? 1 : 0) | ((msg.wParam & MK_SHIFT) ? 2 : 0) |
                       (keyDown(VK_MENU) ? 4 : 0);
      events_.raiseLeftButton(c->id(), static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)), keys);
    }
    return false;
  }
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;

  // The focused control may claim Tab or Enter for itself (a multi-line edit
  // would). Esc is not asked about: it closes the window even while the kind
  // list is dropped down, when the combo box would claim it.
  if (HWND focus = GetFocus(); focus && (msg.wParam == VK_TAB || msg.wParam == VK_RETURN)) {
    const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS) return false;
    if (msg.wParam == VK_TAB && (code & DLGC_WANTTAB)) return false;
  }

  // Alt as the message itself reports it (the context bit), not a key state read later.
  const bool alt = (HIWORD(msg.lParam) & KF_ALTDOWN) != 0;
  const bool shift = keyDown(VK_SHIFT), ctrl = keyDown(VK_CONTROL);
  switch (msg.wParam) {
    case VK_TAB:
      if (alt) return false;
      moveFocus(!shift);
      return true;
    case VK_ESCAPE:
      if (shift || ctrl || alt || !mainWindowSettings().escCloses) return false;
      SendMessageW(hwnd_, WM_CLOSE, 0, 0);
      return true;
    case VK_F4:
      // Alt+F4 closes the window from any control. Windows' combo box passes
      // the key on to DefWindowProc, Wine's swallows every system key.
      if (!alt || msg.hwnd == hwnd_) return false;
      PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
      // No default push button and Enter does not move the focus: the key goes
      // on to the focused control. A push button is the exception: Windows'
      // ignores Enter, Wine's would click, and here Enter clicks nothing.
      return dynamic_cast<PushButton*>(controlOfWindow(GetFocus())) != nullptr;
  }
  const wchar_t key = static_cast<wchar_t>(msg.wParam);
  if (alt && ((key >= L'A' && key <= L'Z') || (key >= L'0' && key <= L'9'))) return activateMnemonic(key);
  return false;
}

void MainWindow::moveFocus(bool forward) {
  const auto order = tabOrder();
  const int n = static_cast<int>(order.size());
  HWND focus = GetFocus();
  int current = -1;
  for (int i = 0; i < n; ++i) {
    Control* c = control(order[i]);
    if (c->hwnd() == focus || IsChild(c->hwnd(), focus)) current = i;
  }
  for (int step = 1; step <= n; ++step) {
    const int next = current < 0 ? (forward ? step - 1 : n - step) : ((current + (forward ? step : -step)) % n + n) % n;
    HWND w = control(order[next])->hwnd();
    if (IsWindowVisible(w) && IsWindowEnabled(w)) {
      SetFocus(w);
      return;
    }
  }
}

void MainWindow::restoreFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  SetFocus(control(tabOrder().front())->hwnd());
}

// Alt with a letter or digit: the control whose caption holds "&" and that character.
bool MainWindow::activateMnemonic(wchar_t key) {
  for (const ControlRow& row : controlRows()) {
    HWND w = control(row.id)->hwnd();
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
    const std::wstring text = windowText(w);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != L'&' || std::towupper(text[i + 1]) != key) continue;
      if (row.kind == ControlKind::Button) {
        SendMessageW(w, BM_CLICK, 0, 0);
      } else {
        SetFocus(w);
      }
      return true;
    }
  }
  return false;
}

std::optional<LRESULT> MainWindow::controlColour(HDC dc, HWND from) {
  Control* c = controlOfWindow(from);
  if (!c) return std::nullopt;
  if (auto brush = c->onControlColour(dc)) return reinterpret_cast<LRESULT>(*brush);
  return std::nullopt;
}

LRESULT MainWindow::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd_, &r);
      handles::UniqueBrush brush(CreateSolidBrush(resolveColour(mainWindowSettings().backColour)));
      FillRect(reinterpret_cast<HDC>(wp), &r, brush.get());
      return 1;
    }
    case WM_COMMAND:
      if (lp) {
        if (Control* c = controlOfWindow(reinterpret_cast<HWND>(lp))) c->onNotify(HIWORD(wp));
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      if (auto result = controlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) return *result;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (!HIWORD(wp)) {
        restoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      restoreFocus();
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = defaultProc(msg, wp, lp);
      if (onDestroyed_) onDestroyed_();
      return result;
    }
  }
  return defaultProc(msg, wp, lp);
}

// ---- Form ----

RECT MainWindow::rectInParent(HWND w) const {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring MainWindow::text(ControlId id) {
  Control* c = control(id);
  return c ? windowText(c->hwnd()) : std::wstring{};
}

void MainWindow::setCaption(ControlId id, const std::wstring& caption) {
  if (auto* label = dynamic_cast<Label*>(control(id))) label->setCaption(caption);
  if (auto* label = dynamic_cast<TransLabel*>(control(id))) label->setCaption(caption);
}

int MainWindow::left(ControlId id) { return control(id) ? rectInParent(control(id)->hwnd()).left : 0; }
int MainWindow::top(ControlId id) { return control(id) ? rectInParent(control(id)->hwnd()).top : 0; }

void MainWindow::setLeft(ControlId id, int left) {
  Control* c = control(id);
  if (!c) return;
  const RECT r = rectInParent(c->hwnd());
  MoveWindow(c->hwnd(), clampPosition(left), r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void MainWindow::setTop(ControlId id, int top) {
  Control* c = control(id);
  if (!c) return;
  const RECT r = rectInParent(c->hwnd());
  MoveWindow(c->hwnd(), r.left, clampPosition(top), r.right - r.left, r.bottom - r.top, TRUE);
}

void MainWindow::setPicture(ControlId id, std::span<const uint8_t> bytes) {
  if (auto* label = dynamic_cast<Label*>(control(id))) label->setPicture(bytes);
  if (auto* box = dynamic_cast<PicBox*>(control(id))) box->setPicture(bytes);
}

void MainWindow::setFont(ControlId id, const FontSpec& font) {
  if (Control* c = control(id)) c->setFont(font);
}

CommonDialog& MainWindow::commonDialog() { return *dialog_; }

NativeWindow MainWindow::window(ControlId id) {
  Control* c = control(id);
  return c ? c->hwnd() : nullptr;
}

NativeWindow MainWindow::mainWindow() { return hwnd_; }
