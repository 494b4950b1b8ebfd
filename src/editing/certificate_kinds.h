// The sixteen certificate kinds: each one's template and where its overlay
// controls go on that template's blanks. Portable data.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "assets/embedded_pictures.h"
#include "ui/control_id.h"

// One step of a kind's layout: move a control, left first, then top.
struct OverlayMove {
  ControlId control;
  int left;  // ignored when copyLeftOf标签10 is set
  int top;
  bool copyLeftOf标签10;
};

struct CertificateKind {
  const wchar_t* name;
  assets::PictureId templatePicture;
  std::array<OverlayMove, 6> moveSteps;
  int moveCount;
  bool reapply;  // re-apply the issue date and number afterwards

  std::span<const OverlayMove> moves() const { return {moveSteps.data(), static_cast<size_t>(moveCount)}; }
};

std::span<const CertificateKind> certificateKinds();

// Exact comparison: case, spaces and trailing characters all count.
bool textEquals(std::wstring_view a, std::wstring_view b);
