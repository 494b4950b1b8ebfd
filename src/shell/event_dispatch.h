// Delivery of control events to the handlers bound to them, at once and on
// the GUI thread; events are dropped while the hold counter is above zero.
#pragma once

#include <span>

#include "editing/form.h"
#include "ui/control.h"

using Handler = void (*)(Form& form);
using MouseHandler = void (*)(Form& form, int x, int y, int keys);

struct EventBinding {
  ControlId control;  // ControlId::None: the main window
  ControlEvent event;
  Handler handler;
  MouseHandler mouseHandler;
};

class EventDispatcher : public ControlEvents {
 public:
  explicit EventDispatcher(std::span<const EventBinding> bindings) : bindings_(bindings) {}

  void setForm(Form* form) { form_ = form; }
  void hold() { ++held_; }
  void release() { --held_; }
  bool held() const { return held_ > 0; }

  void raise(ControlId control, ControlEvent event) override;
  void raiseLeftButton(ControlId control, int x, int y, int keys) override;

 private:
  const EventBinding* find(ControlId control, ControlEvent event) const;

  std::span<const EventBinding> bindings_;
  Form* form_ = nullptr;
  int held_ = 0;
};

// The program's own bindings.
std::span<const EventBinding> programEventBindings();
