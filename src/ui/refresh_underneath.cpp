#include "ui/refresh_underneath.h"

#include <vector>

namespace {

HWND containingTopLevel(HWND w) {
  for (;;) {
    if (GetWindowLongW(w, GWL_STYLE) & WS_POPUP) return w;
    HWND parent = GetParent(w);
    if (!parent) return w;
    w = parent;
  }
}

// Children in z-order from the top; each child's own visible descendants
// come before the child.
void listVisibleDescendants(HWND parent, std::vector<HWND>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    listVisibleDescendants(child, out);
    out.push_back(child);
  }
}

}  // namespace

void refreshUnderneath(HWND label) {
  if (!IsWindow(label)) return;
  HWND top = containingTopLevel(label);

  RECT s{};
  GetClientRect(label, &s);
  MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&s), 2);

  RECT inTop = s;
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&inTop), 2);
  InvalidateRect(top, &inTop, TRUE);
  UpdateWindow(top);

  std::vector<HWND> windows;
  listVisibleDescendants(top, windows);
  // Bottom-most first, each window before its descendants.
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    RECT bounds{};
    GetWindowRect(*it, &bounds);
    RECT overlap{};
    if (!IntersectRect(&overlap, &bounds, &s)) continue;
    MapWindowPoints(nullptr, *it, reinterpret_cast<POINT*>(&overlap), 2);
    RedrawWindow(*it, &overlap, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW);
  }
  InvalidateRect(label, nullptr, FALSE);
}
