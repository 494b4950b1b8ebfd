#include "asset_generator/template_designs.h"

namespace gen {

namespace {

constexpr Rgb kYellow = rgb(0xF6D44A);
constexpr Rgb kGold = rgb(0xE2B13C);
constexpr Rgb kSilver = rgb(0xE4E8EE);
constexpr Rgb kWhite = rgb(0xFFFFFF);
constexpr Rgb kPhotoGrey = rgb(0xB4BAC2);
constexpr Rgb kPhotoPink = rgb(0xF2A6BF);
constexpr Rgb kSealRed = rgb(0xD8262B);
constexpr Rgb kDark = rgb(0x1A1A1A);
constexpr const char* kTenYears = "本证有效期为十年，逾期作废";
constexpr const char* kOneYear = "本证有效期为一年，逾期作废";

// clang-format off
const std::array<TemplateDesign, 16> kDesigns{{
  // 光棍证
  {Ground::Leather, rgb(0x1F4A2C), Emblem::Crest, kGold,
   "光棍证", kYellow, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "全国光棍联谊总会 颁发", kYellow, false, false,
   false, false, kPhotoGrey, false, false,
   "兹证明持证人", {"单身多年，意志坚定，洁身自好，", "经本会严格审核，确属资深光棍，", "特发此证，以资鼓励。", nullptr},
   kTenYears, false, "光字第", "号",
   kSealRed, 0.42, "全国光棍联谊总会"},
  // 聊天许可证
  {Ground::Flat, rgb(0x0E1E16), Emblem::SilverArcs, kSilver,
   "专业聊天证", kYellow, TitleEffect::Outline, rgb(0x3A2A00), TitleLayout::Normal, nullptr,
   "国际聊天技术认证中心 颁发", kWhite, true, false,
   true, false, kPhotoGrey, false, false,
   "兹证明持证人", {"口才了得，打字如飞，表情丰富，", "深夜陪聊从不喊累，经考核合格，", "准予在各大聊天室持证上岗，", "特发此证。"},
   kTenYears, false, "聊字第", "号",
   kSealRed, 0.85, "国际聊天技术认证中心"},
  // 爱神证
  {Ground::SkyBubbles, rgb(0x58B4EA), Emblem::Fairy, kWhite,
   "爱神证", kWhite, TitleEffect::Outline, rgb(0x1E5FA8), TitleLayout::Normal, nullptr,
   "天庭姻缘管理局 颁发", kWhite, false, false,
   true, true, kPhotoPink, true, true,
   "兹证明持证人", {"心地善良，乐于牵线搭桥，", "特封为爱神，专管人间姻缘。", nullptr, nullptr},
   kOneYear, false, nullptr, nullptr,
   kSealRed, 0.42, "天庭姻缘管理局"},
  // 超级美眉证
  {Ground::Cloth, rgb(0x1C2F78), Emblem::GlobeLaurel, kSilver,
   "超級美眉證", rgb(0xEEF1F6), TitleEffect::Shadow, rgb(0x0A1440), TitleLayout::Normal, "(SUPER BEAUTY)",
   "世界美眉评审委员会 颁发", kSilver, false, true,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"容貌出众，气质非凡，回头率高达", "百分之二百，经评审委员会一致", "认定为超级美眉，特发此证。", nullptr},
   kTenYears, false, "美字第", "号",
   kSealRed, 0.30, "世界美眉评审委员会"},
  // 初吻证
  {Ground::Hearts, rgb(0xE57597), Emblem::Lips, rgb(0xC8106A),
   "初吻证", kWhite, TitleEffect::Shadow, rgb(0x5A1028), TitleLayout::Normal, nullptr,
   "初吻鉴定管理委员会 颁发", kWhite, false, false,
   true, true, kPhotoPink, true, false,
   "兹证明持证人", {"已于颁发之日献出宝贵的初吻，", "从此告别纯真年代，特此证明。", nullptr, nullptr},
   kOneYear, false, nullptr, nullptr,
   kSealRed, 0.42, "初吻鉴定管理委员会"},
  // 赌神证
  {Ground::Flat, rgb(0x17A2D6), Emblem::Sun, rgb(0xFFD21F),
   "賭神證", kWhite, TitleEffect::Shadow, rgb(0x0B4F6E), TitleLayout::Normal, nullptr,
   "四海赌神联合会 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"逢赌必赢，人称赌神，特发此证。", nullptr, nullptr, nullptr},
   kTenYears, true, "赌字第", "号",
   kSealRed, 0.42, "四海赌神联合会"},
  // 超级帅哥证
  {Ground::Cloth, rgb(0x1C2F78), Emblem::GlobeLaurel, kSilver,
   "超級帥哥證", rgb(0xEEF1F6), TitleEffect::Shadow, rgb(0x0A1440), TitleLayout::Normal, "(SUPER HANDSOME)",
   "世界帅哥评审委员会 颁发", kSilver, false, false,
   false, false, kPhotoGrey, false, false,
   "兹证明持证人", {"相貌英俊，风度翩翩，迷倒万千", "少女，经评审委员会一致认定为", "超级帅哥，特发此证。", nullptr},
   kTenYears, false, "帅字第", "号",
   kSealRed, 0.42, "世界帅哥评审委员会"},
  // 处男证
  {Ground::Flat, rgb(0x8A1C1C), Emblem::RayStar, kYellow,
   "处男证", kYellow, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "纯情少男保护协会 颁发", kYellow, false, false,
   false, false, kPhotoGrey, false, false,
   "兹证明持证人", {"守身如玉二十余载，纯洁无瑕，", "经本会鉴定确系处男，特发此证。", nullptr, nullptr},
   kTenYears, false, "处字第", "号",
   kSealRed, 0.42, "纯情少男保护协会"},
  // 色狼证
  {Ground::Flat, rgb(0x483EA6), Emblem::RayStar, kSilver,
   "色狼證", kSilver, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "色狼行为监督管理局 颁发", kWhite, false, false,
   false, false, kPhotoGrey, false, false,
   "兹证明持证人", {"目光敏锐，见美女两眼放光，", "口水长流，屡教不改。经群众", "检举、本局核实，确系色狼，", "特发此证，望女同胞注意提防。"},
   kTenYears, false, "狼字第", "号",
   kSealRed, 0.42, "色狼行为监督管理局"},
  // 网恋许可证
  {Ground::Leather, rgb(0x2D6A32), Emblem::RayStar, kYellow,
   "网恋许可证", kYellow, TitleEffect::None, kDark, TitleLayout::Normal, nullptr,
   "网络恋爱管理委员会 颁发", kYellow, false, false,
   false, false, kPhotoGrey, false, false,
   "兹证明持证人", {"网龄悠久，情话满屏，经考核", "具备网恋资格，准予上网恋爱，", "见光死者后果自负。", nullptr},
   kTenYears, false, "网字第", "号",
   kSealRed, 0.42, "网络恋爱管理委员会"},
  // 良家妇女证
  {Ground::Flat, rgb(0x6A2C8E), Emblem::CartoonFace, kWhite,
   "良家妇女证", kWhite, TitleEffect::None, kDark, TitleLayout::Compact, nullptr,
   "全国良家妇女联合会 颁发", kWhite, false, true,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"温柔贤惠，勤俭持家，上得厅堂", "下得厨房，经本会评议，确属", "良家妇女，特发此证。", nullptr},
   kTenYears, false, "良字第", "号",
   kSealRed, 0.42, "全国良家妇女联合会"},
  // 灌水证
  {Ground::Flat, rgb(0x2E8B3E), Emblem::Tap, kWhite,
   "灌水證", kWhite, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "论坛灌水管理委员会 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"灌水不倦，日发千帖，论坛因其", "水漫金山，经本会认定为灌水", "高手，特发此证。", nullptr},
   kTenYears, false, "灌字第", "号",
   kSealRed, 0.42, "论坛灌水管理委员会"},
  // 潜水证
  {Ground::Flat, rgb(0x1F5FAF), Emblem::RayStar, kWhite,
   "潜水證", kWhite, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "论坛潜水员协会 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"常年潜伏论坛，只看帖不回帖，", "潜水深度已达马里亚纳海沟，", "闭气功夫天下无双，经本会", "认定为资深潜水员，特发此证。"},
   kTenYears, false, "潜字第", "号",
   kSealRed, 0.42, "论坛潜水员协会"},
  // 忽悠证
  {Ground::Flat, rgb(0xB5622A), Emblem::RayStar, kWhite,
   "忽悠證", kWhite, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "忽悠艺术研究院 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"能说会道，巧舌如簧，能把死的", "说成活的，经本院考核，忽悠", "功力已臻化境，特发此证。", nullptr},
   kTenYears, false, "忽字第", "号",
   kSealRed, 0.42, "忽悠艺术研究院"},
  // 良好市民证
  {Ground::Flat, rgb(0x9A882C), Emblem::RayStar, kWhite,
   "良好市民證", kWhite, TitleEffect::None, kDark, TitleLayout::Normal, nullptr,
   "文明市民评议委员会 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"遵纪守法，爱护公物，过马路", "看红绿灯，排队从不加塞，", "随手捡起地上垃圾，经评议", "为良好市民，特发此证。"},
   kTenYears, false, "民字第", "号",
   kSealRed, 0.42, "文明市民评议委员会"},
  // 浆糊证
  {Ground::Flat, rgb(0x5A3A22), Emblem::RayStar, kWhite,
   "浆糊證", kWhite, TitleEffect::None, kDark, TitleLayout::Wide, nullptr,
   "和稀泥浆糊研究会 颁发", kWhite, false, false,
   false, true, kPhotoGrey, false, false,
   "兹证明持证人", {"办事稀里糊涂，说话颠三倒四，", "脑子里装满浆糊，经本会鉴定", "浆糊指数满分，特发此证。", nullptr},
   kTenYears, false, "糊字第", "号",
   kSealRed, 0.42, "和稀泥浆糊研究会"},
}};
// clang-format on

}  // namespace

const std::array<TemplateDesign, 16>& templateDesigns() { return kDesigns; }

}  // namespace gen
