// The font button: the chosen face and size go to the twelve controls that
// carry the certificate's texts.
#pragma once

#include <span>

#include "editing/form.h"

// The controls that take the chosen font, in the order they are given it.
std::span<const ControlId> fontTargets();

void onFontButtonClicked(Form& form);
