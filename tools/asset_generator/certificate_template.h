// One certificate template: the card, its left-half artwork and the right-half
// panel with captions laid against the kind's blanks.
#pragma once

#include "asset_generator/template_blanks.h"
#include "asset_generator/template_designs.h"

namespace gen {

inline constexpr int kTemplateWidth = 500;
inline constexpr int kTemplateHeight = 316;

RgbImage drawCertificateTemplate(const TemplateDesign& design, const TemplateBlanks& blanks, uint64_t seed);

}  // namespace gen
