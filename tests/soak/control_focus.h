// Moving the keyboard focus of the real program to one of its controls the
// way a user does (a click on an edit box, Tab to the kind list, since a
// click there would drop it), and walking the dropped kind list.
#pragma once

#include <windows.h>

#include "support/app_session.h"

namespace soak {

inline void focusControl(e2e::AppSession& app, int row, bool byTab) {
  app.activate();
  HWND target = app.control(row);
  if (byTab) {
    for (int i = 0; i < 9 && app.focus() != target; ++i) {
      HWND before = app.focus();
      e2e::pressKey(VK_TAB);
      e2e::waitUntil([&] { return app.focus() != before; }, std::chrono::seconds(2));
    }
    return;
  }
  const RECT r = e2e::windowRect(target);
  e2e::clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  e2e::waitUntil([&] { return app.focus() == target; }, std::chrono::seconds(2));
}

// Drops the list with Alt+Down and moves the highlight to `item`, one key at
// a time, each waited for (the dropped list's highlight is the selection).
// Enter then chooses it. False when the list did not drop or get there.
inline bool highlightInDroppedList(HWND combo, int item) {
  e2e::pressChord({VK_MENU, VK_DOWN});
  if (!e2e::waitUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, std::chrono::seconds(2)))
    return false;
  auto highlighted = [&] { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); };
  for (int tries = 0; tries < 40 && highlighted() != item; ++tries) {
    const int before = highlighted();
    e2e::pressKey(before < item ? VK_DOWN : VK_UP);
    e2e::waitUntil([&] { return highlighted() != before; }, std::chrono::milliseconds(500));
  }
  return highlighted() == item;
}

}  // namespace soak
