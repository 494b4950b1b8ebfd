#include "shell/event_dispatch.h"

#include <new>
#include <string>

#include "shell/allocation.h"
#include "shell/application.h"

namespace {
// A handler that runs out of memory ends the program through the error report.
template <typename Call>
void runHandler(Call call) {
  try {
    call();
  } catch (const std::bad_alloc&) {
    reportFatalError(L"分配 " + std::to_wstring(lastFailedAllocationSize()) + L" 字节内存失败!", 0);
  }
}
}  // namespace

const EventBinding* EventDispatcher::find(ControlId control, ControlEvent event) const {
  for (const EventBinding& b : bindings_)
    if (b.control == control && b.event == event) return &b;
  return nullptr;
}

void EventDispatcher::raise(ControlId control, ControlEvent event) {
  if (held() || !form_) return;
  if (const EventBinding* b = find(control, event); b && b->handler) runHandler([&] { b->handler(*form_); });
}

void EventDispatcher::raiseLeftButton(ControlId control, int x, int y, int keys) {
  if (held() || !form_) return;
  if (const EventBinding* b = find(control, ControlEvent::LeftButtonDown); b && b->mouseHandler)
    runHandler([&] { b->mouseHandler(*form_, x, y, keys); });
}
