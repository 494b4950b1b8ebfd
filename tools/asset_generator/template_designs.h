// How each kind's certificate looks: one row per kind, in the kind table's order.
#pragma once

#include <array>

#include "asset_generator/drawing.h"

namespace gen {

enum class Ground { Leather, Flat, SkyBubbles, Cloth, Hearts };
enum class Emblem { Crest, SilverArcs, Fairy, GlobeLaurel, Lips, Sun, RayStar, Tap, CartoonFace };
enum class TitleEffect { None, Outline, Shadow };
// Wide: characters widely spaced. Compact: a smaller title with the issuer
// line right under it and the credit line at the foot of the cover.
enum class TitleLayout { Normal, Wide, Compact };

struct TemplateDesign {
  Ground ground;
  Rgb groundColour;
  Emblem emblem;
  Rgb emblemColour;

  const char* title;  // as printed: traditional forms where the kind has them
  Rgb titleColour;
  TitleEffect titleEffect;
  Rgb titleEffectColour;
  TitleLayout titleLayout;
  const char* subtitle;  // English line in brackets, or nullptr
  const char* issuer;
  Rgb issuerColour;
  bool issuerBand;  // the issuer line on a black band
  bool creditLine;  // a maker's credit with the name left blank

  bool boldCaptions;
  bool female;  // silhouette in the photo frame
  Rgb photoGround;
  bool photoFrameLine;  // a thin dark line round the photo frame
  bool panelPattern;    // a faint pattern showing through the white panel

  const char* wordingLead;                 // before the name blank
  std::array<const char*, 4> wordingMore;  // lines after the one with the name; nullptr ends
  const char* validity;
  bool validityLow;          // just above the issue-date line
  const char* numberPrefix;  // nullptr: the number blank is not framed
  const char* numberClosing;

  Rgb sealColour;
  double sealAlpha;
  const char* sealRing;
};

const std::array<TemplateDesign, 16>& templateDesigns();

}  // namespace gen
