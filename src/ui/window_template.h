// The window template: the main window's settings and one row per control,
// in template order. Template order decides creation order (reversed),
// stacking and tab order. Portable data: no <windows.h>.
#pragma once

#include <cstdint>
#include <span>

#include "ui/control_id.h"

enum class ControlKind { GroupBox, Label, EditBox, Button, ComboBox, TransLabel, PicBox, CommonDlg };

enum class ControlEvent { Created, Clicked, TextChanged, ListItemSelected, LeftButtonDown };

// A colour in COLORREF layout; kButtonFace stands for the system button-face colour.
using Colour = uint32_t;
inline constexpr Colour kButtonFace = 0xFF000000u;
inline constexpr Colour kBlack = 0x000000u;
inline constexpr Colour kWhite = 0xFFFFFFu;
inline constexpr Colour kRed = 0x0000FFu;

// A font the template gives a control: none (the stock GUI font) or a face in pixels.
struct TemplateFont {
  const wchar_t* face = nullptr;  // nullptr: DEFAULT_GUI_FONT
  int pixelHeight = 0;            // lfHeight is minus this
  int charSet = 0;
};

enum class TemplatePicture { None, InitialCanvas, DefaultPhoto };

enum class HAlign { Left = 0, Centre = 1, Right = 2 };
enum class VAlign { Top = 0, Centre = 1, Bottom = 2 };

struct ControlRow {
  ControlId id;
  const wchar_t* name;
  ControlKind kind;
  ControlId parent;  // ControlId::None: the main window
  int left, top, width, height;
  bool tabStop;
  bool visible;
  const wchar_t* text;  // caption, title or initial text
  TemplateFont font;
  Colour textColour;
  Colour backColour;
  bool border;
  TemplatePicture picture;
  int pictureMode;  // Label: 0 top-left, 1 tiled, 2 fitted; PicBox: display mode
  HAlign hAlign;
  VAlign vAlign;
  bool wordWrap;
};

struct MainWindowSettings {
  const wchar_t* title;
  int width, height;  // outer size, frame and title bar included
  Colour backColour;
  bool escCloses;
  bool enterMovesFocus;
};

const MainWindowSettings& mainWindowSettings();

// All controls, row 1 first.
std::span<const ControlRow> controlRows();
const ControlRow& controlRow(ControlId id);

// The items of 组合框证件类型, in list order.
std::span<const wchar_t* const> certificateKindItems();
inline constexpr int kComboExtraItemHeight = 2;
inline constexpr int kComboDroppedHeight = 160;

// Tab stops that can take the focus, in tab order (the reverse of template order).
std::span<const ControlId> tabOrder();
