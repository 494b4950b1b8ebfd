// The card's ground: a colour or a texture over the whole card.
#pragma once

#include "asset_generator/template_designs.h"

namespace gen {

// Paints the ground over the rectangle; the caller has clipped to the card.
void paintGround(cairo_t* cr, const TemplateDesign& design, double x, double y, double w, double h, uint64_t seed);

}  // namespace gen
