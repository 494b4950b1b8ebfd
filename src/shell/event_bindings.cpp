// Which handler runs for which event of which control.
#include <array>

#include "editing/certificate_output.h"
#include "editing/field_mirroring.h"
#include "editing/font_choice.h"
#include "editing/kind_selection.h"
#include "editing/photo_loading.h"
#include "shell/application.h"
#include "shell/event_dispatch.h"

namespace {
using C = ControlId;
using E = ControlEvent;

constexpr std::array<EventBinding, 10> kBindings{{
    {C::None, E::Created, &onWindowCreated, nullptr},
    {C::按钮字体, E::Clicked, &onFontButtonClicked, nullptr},
    {C::按钮生成, E::Clicked, &onGenerateButtonClicked, nullptr},
    {C::编辑框1, E::TextChanged, &onNameChanged, nullptr},
    {C::编辑框2, E::TextChanged, &onSexChanged, nullptr},
    {C::编辑框3, E::TextChanged, &onIssueDateChanged, nullptr},
    {C::编辑框4, E::TextChanged, &onAgeChanged, nullptr},
    {C::编辑框5, E::TextChanged, &onNumberChanged, nullptr},
    {C::组合框证件类型, E::ListItemSelected, &onKindSelected, nullptr},
    {C::图片框1, E::LeftButtonDown, nullptr, &onPhotoPressed},
}};
}  // namespace

std::span<const EventBinding> programEventBindings() { return kBindings; }
