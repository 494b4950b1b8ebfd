// Moving the keyboard focus of the real program to one of its controls the
// way a user does: a click on an edit box, Tab to the kind list (a click
// there would drop it).
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

}  // namespace soak
