#include "ui/input_controls.h"

#include <commctrl.h>

namespace {

constexpr UINT kListItemSelectedMessage = WM_APP + 1;
constexpr UINT_PTR kSubclassId = 1;

HFONT stockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

// ---- EditBox ----

EditBox::EditBox(const ControlRow& row, ControlEvents& events)
    : Control(row, events),
      stored_(storedFontFromTemplate(row.font)),
      background_(CreateSolidBrush(resolveColour(row.backColour))) {}

bool EditBox::create(HWND parent) {
  if (!createStandard(parent, L"EDIT", ES_LEFT | ES_AUTOHSCROLL, row_.border ? WS_EX_CLIENTEDGE : 0))
    return false;
  applyFont();
  SendMessageW(hwnd_, EM_LIMITTEXT, 0, 0);
  SendMessageW(hwnd_, EM_SETSEL, 0, 0);
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
  return true;
}

void EditBox::onNotify(WORD code) {
  if (code == EN_CHANGE) events_.raise(id(), ControlEvent::TextChanged);
}

std::optional<HBRUSH> EditBox::onControlColour(HDC dc) {
  SetTextColor(dc, resolveColour(row_.textColour));
  SetBkColor(dc, resolveColour(row_.backColour));
  return background_.get();
}

void EditBox::setFont(const FontSpec& font) {
  stored_ = logFontFromSpec(font);
  applyFont();
}

// A single-line box grows to fit its font's text, never shrinks.
void EditBox::applyFont() {
  font_ = std::make_unique<ControlFont>(stored_);
  const int needed = sampleTextHeight(font_->get()) + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (r.bottom - r.top < needed)
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->get()), TRUE);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// ---- PushButton ----

PushButton::PushButton(const ControlRow& row, ControlEvents& events)
    : Control(row, events), font_(storedFontFromTemplate(row.font)) {}

bool PushButton::create(HWND parent) {
  if (!createStandard(parent, L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0)) return false;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return true;
}

void PushButton::onNotify(WORD code) {
  if (code == BN_CLICKED) events_.raise(id(), ControlEvent::Clicked);
}

// ---- ComboBox ----

ComboBox::ComboBox(const ControlRow& row, ControlEvents& events)
    : Control(row, events),
      stored_(storedFontFromTemplate(row.font)),
      background_(CreateSolidBrush(resolveColour(row.backColour))) {}

ComboBox::~ComboBox() {
  if (hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, &ComboBox::subclassProc, kSubclassId);
}

bool ComboBox::create(HWND parent) {
  // Created as high as the dropped-down list; the closed box sizes itself from its font.
  hwnd_ = CreateWindowExW(0, L"COMBOBOX", L"", commonStyle() | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL,
                          row_.left, row_.top, row_.width, kComboDroppedHeight, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(rowOf(row_.id))),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowSubclass(hwnd_, &ComboBox::subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  font_ = std::make_unique<ControlFont>(stored_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->get()), FALSE);
  setListItemHeight(listItemHeight() + kComboExtraItemHeight);
  SendMessageW(hwnd_, CB_LIMITTEXT, 0, 0);
  for (const wchar_t* item : certificateKindItems())
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(hwnd_, CB_SETCURSEL, 0, 0);
  return true;
}

int ComboBox::listItemHeight() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0)); }

// Windows sets the list items' height with CB_SETITEMHEIGHT on any combo box;
// Wine does so only for owner-drawn ones, so there the list is told directly.
void ComboBox::setListItemHeight(int height) {
  SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, height);
  if (listItemHeight() == height) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(hwnd_, &info) && info.hwndList) SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, height);
}

bool ComboBox::ownsWindow(HWND w) const {
  if (w == hwnd_) return true;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(hwnd_, &info) && (w == info.hwndList || w == info.hwndItem);
}

// The selection is complete only after the notification returns: raise the
// event from a message posted to ourselves.
void ComboBox::onNotify(WORD code) {
  if (code == CBN_SELENDOK) PostMessageW(hwnd_, kListItemSelectedMessage, 0, 0);
}

std::optional<HBRUSH> ComboBox::onControlColour(HDC dc) {
  SetTextColor(dc, resolveColour(row_.textColour));
  SetBkColor(dc, resolveColour(row_.backColour));
  return background_.get();
}

void ComboBox::setFont(const FontSpec& font) {
  setListItemHeight(listItemHeight() - kComboExtraItemHeight);
  stored_ = logFontFromSpec(font);
  font_ = std::make_unique<ControlFont>(stored_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->get()), TRUE);
  setListItemHeight(listItemHeight() + kComboExtraItemHeight);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK ComboBox::subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == kListItemSelectedMessage) {
    auto* self = reinterpret_cast<ComboBox*>(data);
    self->events_.raise(self->id(), ControlEvent::ListItemSelected);
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// ---- GroupBox ----

GroupBox::GroupBox(const ControlRow& row, ControlEvents& events) : Control(row, events) {}

GroupBox::~GroupBox() {
  if (hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, &GroupBox::subclassProc, kSubclassId);
}

bool GroupBox::create(HWND parent) {
  if (!createStandard(parent, L"BUTTON", BS_GROUPBOX | BS_LEFT, 0)) return false;
  SetWindowSubclass(hwnd_, &GroupBox::subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(stockGuiFont()), FALSE);
  return true;
}

std::optional<HBRUSH> GroupBox::onControlColour(HDC dc) {
  SetTextColor(dc, resolveColour(row_.textColour));
  SetBkColor(dc, resolveColour(row_.backColour));
  return GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT CALLBACK GroupBox::subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<GroupBox*>(data);
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd, &r);
      handles::UniqueBrush brush(CreateSolidBrush(resolveColour(self->row_.backColour)));
      FillRect(reinterpret_cast<HDC>(wp), &r, brush.get());
      return 1;
    }
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// ---- HiddenComponent ----

bool HiddenComponent::create(HWND parent) {
  return createCustom(parent, L"JokeCertComponent", 0, 0) != nullptr;
}
