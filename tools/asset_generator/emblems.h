// The artwork in the upper part of the card's left half.
#pragma once

#include "asset_generator/template_designs.h"

namespace gen {

// Draws the design's emblem centred on (cx, cy), fitting a circle of radius r.
void paintEmblem(cairo_t* cr, const TemplateDesign& design, double cx, double cy, double r);

}  // namespace gen
