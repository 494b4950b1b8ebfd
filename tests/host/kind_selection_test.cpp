// Choosing a kind, against a form that records every write in order.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editing/certificate_kinds.h"
#include "editing/field_mirroring.h"
#include "editing/kind_selection.h"
#include "ui/window_template.h"

namespace {

using C = ControlId;

struct Write {
  std::string what;  // "left", "top", "picture", "caption"
  C control;
  int value;
  std::wstring text;
  bool operator==(const Write&) const = default;
};

// Positions start where the window template puts them; texts as the user typed.
class RecordingForm : public Form {
 public:
  RecordingForm() {
    for (const ControlRow& row : controlRows()) pos[row.id] = {row.left, row.top};
  }
  std::wstring text(C id) override { return texts[id]; }
  void setCaption(C id, const std::wstring& caption) override {
    captions[id] = caption;
    writes.push_back({"caption", id, 0, caption});
  }
  int left(C id) override { return pos[id].first; }
  int top(C id) override { return pos[id].second; }
  void setLeft(C id, int v) override {
    pos[id].first = v;
    writes.push_back({"left", id, v, {}});
  }
  void setTop(C id, int v) override {
    pos[id].second = v;
    writes.push_back({"top", id, v, {}});
  }
  void setPicture(C id, std::span<const uint8_t> bytes) override {
    pictureData[id] = bytes.data();
    writes.push_back({"picture", id, static_cast<int>(bytes.size()), {}});
  }
  void setFont(C, const FontSpec&) override {}
  CommonDialog& commonDialog() override { std::abort(); }
  NativeWindow window(C) override { return nullptr; }
  NativeWindow mainWindow() override { return nullptr; }

  std::map<C, std::wstring> texts;
  std::map<C, std::wstring> captions;
  std::map<C, std::pair<int, int>> pos;
  std::map<C, const uint8_t*> pictureData;
  std::vector<Write> writes;
};

void choose(RecordingForm& form, const std::wstring& kind) {
  form.texts[C::组合框证件类型] = kind;
  onKindSelected(form);
}

// The examples worked out by hand: positions after choosing kinds in turn.
struct PositionExample {
  std::vector<std::wstring> chosen;
  C control;
  int left, top;
};

const PositionExample kExamples[] = {
    {{L"光棍证"}, C::标签10, 329, 53},
    {{L"光棍证"}, C::标签11, 329, 73},
    {{L"光棍证"}, C::标签12, 329, 92},
    {{L"光棍证"}, C::标签13, 372, 142},
    {{L"光棍证"}, C::透明标签1, 381, 269},
    {{L"光棍证"}, C::透明标签2, 419, 281},
    {{L"超级帅哥证"}, C::标签10, 324, 53},
    {{L"超级帅哥证"}, C::标签11, 326, 75},
    {{L"超级帅哥证"}, C::标签12, 326, 94},
    {{L"初吻证", L"超级帅哥证"}, C::标签10, 324, 59},
    {{L"初吻证", L"超级帅哥证"}, C::标签11, 324, 82},
    {{L"初吻证", L"超级帅哥证"}, C::标签12, 324, 102},
    {{L"初吻证", L"超级帅哥证"}, C::标签13, 360, 142},
    {{L"初吻证", L"超级帅哥证"}, C::透明标签1, 382, 266},
    {{L"初吻证", L"超级帅哥证"}, C::透明标签2, 418, 280},
    {{L"处男证"}, C::透明标签1, 380, 252},
    {{L"处男证"}, C::透明标签2, 413, 265},
};

TEST(KindSelection, WorkedExamplesGiveTheirPositions) {
  for (const PositionExample& e : kExamples) {
    RecordingForm form;
    for (const auto& kind : e.chosen) choose(form, kind);
    EXPECT_EQ(form.pos[e.control], std::make_pair(e.left, e.top))
        << "control " << rowOf(e.control) << " after " << e.chosen.size() << " choices";
  }
}

// What each move order writes, independently of the table's own rows.
const std::map<char, std::vector<C>> kMoveOrders{
    {'A', {C::标签10, C::标签11, C::标签12, C::标签13, C::透明标签2, C::透明标签1}},
    {'B', {C::标签13, C::透明标签2, C::透明标签1}},
    {'C', {C::透明标签2, C::透明标签1, C::标签13}},
};
const char kOrderOfKind[16] = {'A', 'A', 'A', 'A', 'A', 'A', 'B', 'C', 'C', 'B', 'B', 'B', 'C', 'C', 'C', 'C'};
const bool kReapplies[16] = {true, true, true, true, true, true, false, false,
                             true, true, true, true, true, true, true, true};

TEST(KindSelection, EveryKindWritesPictureFirstThenLeftBeforeTopInItsOrderThenDateAndNumber) {
  const auto kinds = certificateKinds();
  ASSERT_EQ(kinds.size(), 16u);
  for (size_t k = 0; k < kinds.size(); ++k) {
    RecordingForm form;
    form.texts[C::编辑框3] = L"2026-01-02";
    form.texts[C::编辑框5] = L"No.7";
    choose(form, kinds[k].name);
    std::vector<Write> expected{{"picture", C::标签生成,
                                 static_cast<int>(assets::pictureBytes(kinds[k].templatePicture).size()), {}}};
    for (const OverlayMove& m : kinds[k].moves()) {
      const int left = m.copyLeftOf标签10 ? form.pos[C::标签10].first : m.left;
      expected.push_back({"left", m.control, left, {}});
      expected.push_back({"top", m.control, m.top, {}});
    }
    std::vector<C> order;
    for (const OverlayMove& m : kinds[k].moves()) order.push_back(m.control);
    EXPECT_EQ(order, kMoveOrders.at(kOrderOfKind[k])) << k;
    EXPECT_EQ(kinds[k].reapply, kReapplies[k]) << k;
    if (kReapplies[k]) {
      expected.push_back({"caption", C::透明标签1, 0, L"2026-01-02"});
      expected.push_back({"caption", C::透明标签2, 0, L"No.7"});
    }
    EXPECT_EQ(form.writes, expected) << "kind " << k + 1;
    EXPECT_EQ(form.pictureData[C::标签生成], assets::pictureBytes(kinds[k].templatePicture).data());
  }
}

TEST(KindSelection, TheFirstKindsTemplateIsTheStartUpPicture) {
  EXPECT_EQ(assets::pictureBytes(certificateKinds()[0].templatePicture).data(), assets::initialCanvasPicture().data());
}

TEST(KindSelection, KindNamesAreTheListItemsInOrder) {
  const auto items = certificateKindItems();
  const auto kinds = certificateKinds();
  ASSERT_EQ(items.size(), kinds.size());
  for (size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(std::wstring(items[i]), std::wstring(kinds[i].name)) << i;
}

TEST(KindSelection, PairsOfKindsGiveTheSamePositions) {
  for (auto [a, b] : {std::pair{L"灌水证", L"忽悠证"}, std::pair{L"潜水证", L"良好市民证"}}) {
    RecordingForm fa, fb;
    choose(fa, a);
    choose(fb, b);
    EXPECT_EQ(fa.pos, fb.pos);
  }
}

TEST(KindSelection, ChoosingAKindTwiceGivesTheStateOfChoosingItOnce) {
  for (const CertificateKind& kind : certificateKinds()) {
    RecordingForm once, twice;
    once.texts[C::编辑框3] = twice.texts[C::编辑框3] = L"d";
    choose(once, kind.name);
    choose(twice, kind.name);
    choose(twice, kind.name);
    EXPECT_EQ(once.pos, twice.pos);
    EXPECT_EQ(once.captions, twice.captions);
  }
}

TEST(KindSelection, ATextThatMatchesNoKindChangesNothing) {
  for (const std::wstring text : {L"", L"光棍证 ", L" 光棍证", L"光棍", L"光棍证证", L"潜水證"}) {
    RecordingForm form;
    choose(form, text);
    EXPECT_TRUE(form.writes.empty());
  }
}

TEST(KindSelection, KindsWithoutReapplyKeepTheDateAndNumberCaptions) {
  for (const std::wstring kind : {L"超级帅哥证", L"处男证"}) {
    RecordingForm form;
    form.texts[C::编辑框3] = L"new";
    choose(form, kind);
    EXPECT_FALSE(form.captions.count(C::透明标签1));
    EXPECT_FALSE(form.captions.count(C::透明标签2));
  }
}

TEST(TextEquals, IsExactUpToTheTerminator) {
  EXPECT_TRUE(textEquals(L"光棍证", L"光棍证"));
  EXPECT_TRUE(textEquals(L"", L""));
  EXPECT_TRUE(textEquals(std::wstring(L"ab\0cd", 5), L"ab"));
  EXPECT_FALSE(textEquals(L"Ab", L"ab"));
  EXPECT_FALSE(textEquals(L"ab ", L"ab"));
  EXPECT_FALSE(textEquals(L"", L"光棍证"));
}

TEST(FieldMirroring, EachBoxGoesToItsLabelsInOrder) {
  RecordingForm form;
  form.texts = {{C::编辑框1, L" 名 "}, {C::编辑框2, L"女"}, {C::编辑框3, L""}, {C::编辑框4, L"18"}, {C::编辑框5, L"N"}};
  onNameChanged(form);
  onSexChanged(form);
  onIssueDateChanged(form);
  onAgeChanged(form);
  onNumberChanged(form);
  const std::vector<Write> expected{{"caption", C::标签10, 0, L" 名 "}, {"caption", C::标签13, 0, L" 名 "},
                                    {"caption", C::标签11, 0, L"女"},   {"caption", C::透明标签1, 0, L""},
                                    {"caption", C::标签12, 0, L"18"},   {"caption", C::透明标签2, 0, L"N"}};
  EXPECT_EQ(form.writes, expected);
}

}  // namespace
