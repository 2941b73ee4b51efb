#include <algorithm>
#include <charconv>

#include "core/paint/system_colors.h"
#include "core/store/skin_loader.h"
#include "core/store/skin_recolor.h"
#include "core/text/str_to_int.h"

namespace zelvan::store {

namespace {

// Where the keys of one section come from; nullopt when a key is absent.
class TKeySource {
 public:
  virtual ~TKeySource() = default;
  virtual std::optional<int32_t> Integer(const char* key) const = 0;
  virtual std::optional<std::string> Text(const char* key) const = 0;
};

// A skin section with its ancestors, found once per section. A value that
// is absent, unreadable or -1 (texts: "?") is looked for in the parent.
class TInheritedKeys : public TKeySource {
 public:
  TInheritedKeys(const TIniFile& ini, const std::string& section) {
    // The chain stops at an empty or "?" parent, one already in it (a cycle
    // or the section itself), a missing one, and after kMaxAncestors.
    std::vector<std::string> names = {section};
    for (const TIniFile::TSection* s = ini.FindSection(section); s != nullptr;) {
      chain_.push_back(s);
      const std::string* parent = TIniFile::FindKey(*s, "PARENTCLASS");
      if (parent == nullptr || parent->empty() || *parent == "?" || chain_.size() > size_t{kMaxAncestors} ||
          std::find(names.begin(), names.end(), *parent) != names.end()) {
        break;
      }
      names.push_back(*parent);
      s = ini.FindSection(*parent);
    }
  }

  std::optional<int32_t> Integer(const char* key) const override {
    for (size_t i = 0; i < chain_.size(); ++i) {
      const std::string* text = TIniFile::FindKey(*chain_[i], key);
      const int32_t value = text ? TryStrToInt(*text).value_or(-1) : -1;
      if (value == -1) continue;
      // A colour reference found in an ancestor arrives as RGB.
      return i > 0 ? static_cast<int32_t>(paint::ColorToRGB(static_cast<TColor>(value))) : value;
    }
    return std::nullopt;
  }

  std::optional<std::string> Text(const char* key) const override {
    for (const TIniFile::TSection* s : chain_) {
      const std::string* text = TIniFile::FindKey(*s, key);
      if (text != nullptr && *text != "?") return *text;
    }
    return std::nullopt;
  }

 private:
  std::vector<const TIniFile::TSection*> chain_;
};

// A common section: only its own keys.
class TCommonKeys : public TKeySource {
 public:
  TCommonKeys(const TIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  std::optional<int32_t> Integer(const char* key) const override {
    auto value = ini_.Find(section_, key);
    return value ? TryStrToInt(*value) : std::nullopt;
  }
  std::optional<std::string> Text(const char* key) const override { return ini_.Find(section_, key); }

 private:
  const TIniFile& ini_;
  std::string section_;
};

template <class T>
void ReadInt(const TKeySource& keys, const char* key, T& field) {
  if (auto v = keys.Integer(key)) field = static_cast<T>(*v);
}

void ReadColor(const TKeySource& keys, const char* key, TColor& field) {
  if (auto v = keys.Integer(key)) field = static_cast<TColor>(*v);
  field = paint::ColorToRGB(field);
}

void ReadBool(const TKeySource& keys, const char* key, bool& field) {
  if (auto v = keys.Text(key)) field = TextIsTrue(*v);
}

void ReadFontColor(const TKeySource& keys, const char* const names[5], TsFontColor& c) {
  ReadInt(keys, names[0], c.Color);
  ReadInt(keys, names[1], c.Left);
  ReadInt(keys, names[2], c.Top);
  ReadInt(keys, names[3], c.Right);
  ReadInt(keys, names[4], c.Bottom);
}

void ReadGradient(const TKeySource& keys, const char* key, std::string& data, int32_t& percent,
                  paint::TsGradArray& array) {
  if (auto v = keys.Text(key)) data = *v;
  if (data.size() < 2) {
    percent = 0;
    array.clear();
  } else {
    paint::ParseGradient(data, array);
  }
}

TsGenState StateOf(TColor color, const TsFontColor& font, TColor glow, uint8_t glowSize, int32_t gradientPercent,
                   const std::string& gradientData, const paint::TsGradArray& gradient, int32_t imagePercent,
                   int32_t transparency, int32_t texture) {
  return {color, font, gradientPercent, gradientData, gradient, imagePercent, texture, glow, glowSize, transparency};
}

// Overwrites in g every key that keys holds, in the loader's order.
void FillGeneralData(const TKeySource& keys, TsGeneralData& g) {
  static const char* const kFont[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
  static const char* const kHotFont[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
  ReadColor(keys, "COLOR", g.Color);
  ReadBool(keys, "RESERVEDBOOLEAN", g.ReservedBoolean);
  ReadBool(keys, "GIVEOWNFONT", g.GiveOwnFont);
  ReadInt(keys, "GLOW", g.GlowCount);
  ReadInt(keys, "GLOWMARGIN", g.GlowMargin);
  g.ImgTL = g.ImgTR = g.ImgBL = g.ImgBR = -1;
  ReadFontColor(keys, kFont, g.FontColor);
  ReadInt(keys, "TRANSPARENCY", g.Transparency);
  ReadInt(keys, "GRADIENTPERCENT", g.GradientPercent);
  ReadInt(keys, "IMAGEPERCENT", g.ImagePercent);
  ReadGradient(keys, "GRADIENTDATA", g.GradientData, g.GradientPercent, g.GradientArray);
  ReadBool(keys, "SHOWFOCUS", g.ShowFocus);
  ReadBool(keys, "FADINGENABLED", g.FadingEnabled);
  ReadInt(keys, "FADINGITERATIONS", g.FadingIterations);
  ReadColor(keys, "GCOL", g.GlowColor);
  ReadInt(keys, "GSIZE", g.GlowSize);
  g.Props[0] = StateOf(g.Color, g.FontColor, g.GlowColor, g.GlowSize, g.GradientPercent, g.GradientData,
                       g.GradientArray, g.ImagePercent, g.Transparency, g.Props[0].TextureIndex);
  ReadInt(keys, "STATES", g.States);
  if (g.States < 2) {
    // One state: the hot keys are ignored and the hot view is the normal one.
    g.HotColor = g.HotGlowColor = 0;
    g.HotFontColor = TsFontColor{0, 0, 0, 0, 0};
    g.HotTransparency = g.HotGradientPercent = g.HotImagePercent = 0;
    g.HotGradientData.clear();
    g.HotGradientArray.clear();
    g.HotGlowSize = 0;
    g.Props[1] = g.Props[0];
    return;
  }
  ReadFontColor(keys, kHotFont, g.HotFontColor);
  ReadColor(keys, "HGCOL", g.HotGlowColor);
  ReadInt(keys, "HGSIZE", g.HotGlowSize);
  ReadInt(keys, "HOTCOLOR", g.HotColor);
  ReadInt(keys, "HOTTRANSPARENCY", g.HotTransparency);
  ReadInt(keys, "HOTGRADIENTPERCENT", g.HotGradientPercent);
  ReadInt(keys, "HOTIMAGEPERCENT", g.HotImagePercent);
  ReadGradient(keys, "HOTGRADIENTDATA", g.HotGradientData, g.HotGradientPercent, g.HotGradientArray);
  g.Props[1] = StateOf(g.HotColor, g.HotFontColor, g.HotGlowColor, g.HotGlowSize, g.HotGradientPercent,
                       g.HotGradientData, g.HotGradientArray, g.HotImagePercent, g.HotTransparency,
                       g.Props[1].TextureIndex);
}

}  // namespace

double TSkinLoader::ReadVersion(const TIniFile& ini) {
  const std::string text = ini.ReadString("GLOBALINFO", "VERSION", "0");
  double version = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), version);
  return error == std::errc() && end == text.data() + text.size() ? version : 0;
}

void TSkinLoader::ReadGlobalInfo() {
  TsSkinData& d = *store_.SkinData;
  const auto integer = [this](const char* key, int32_t def) { return ini_.ReadInteger("GLOBALINFO", key, def); };
  // These keys stop the load when unreadable.
  const auto strict = [this](const char* key, int32_t def) {
    return static_cast<int16_t>(text::StrToInt(ini_.ReadString("GLOBALINFO", key, std::to_string(def))));
  };
  const auto i16 = [&](const char* key, int32_t def) { return static_cast<int16_t>(integer(key, def)); };
  d.Version = ReadVersion(ini_);
  d.Author = ini_.ReadString("GLOBALINFO", "AUTHOR", "");
  d.Description = ini_.ReadString("GLOBALINFO", "DESCRIPTION", "");
  d.Shadow1Color = static_cast<TColor>(integer("SHADOW1COLOR", 0));
  d.Shadow1Offset = strict("SHADOW1OFFSET", 0);
  d.Shadow1Blur = strict("SHADOW1BLUR", -1);
  d.Shadow1Transparency = strict("SHADOW1TRANSPARENCY", 0);
  d.ExBorderWidth = i16("BORDERWIDTH", 4);
  d.ExTitleHeight = i16("TITLEHEIGHT", 30);
  if (d.ExTitleHeight == 0) d.ExTitleHeight = 30;
  d.ExMaxHeight = i16("MAXHEIGHT", 0);
  if (d.ExMaxHeight == 0) d.ExMaxHeight = d.ExTitleHeight;
  d.ExContentOffs = i16("FORMOFFSET", store_.Services().SizingFrameWidth);
  d.ExShadowOffs = i16("ALIGNOFFSET", 0);
  d.ExCenterOffs = i16("CENTEROFFSET", 0);
  d.ExDrawMode = i16("BORDERMODE", 0);
  d.BorderColor = static_cast<TColor>(integer("BORDERCOLOR", 0));
  d.BISpacing = i16("BISPACE", 0);
  d.BIVAlign = i16("BIVALIGN", 0);
  d.BIRightMargin = i16("BIRIGHT", 0);
  d.BILeftMargin = i16("BILEFT", 0);
  d.BITopMargin = i16("BITOP", 0);
  d.BIKeepHUE = i16("BIKEEPHUE", 0);
  d.BICloseGlow = strict("BICONCLOSEGLOW", 0);
  d.BICloseGlowMargin = strict("BICONCLOSEGLOWMARGIN", 0);
  d.BIMaxGlow = strict("BICONMAXGLOW", 0);
  d.BIMaxGlowMargin = strict("BICONMAXGLOWMARGIN", 0);
  d.BIMinGlow = strict("BICONMINGLOW", 0);
  d.BIMinGlowMargin = strict("BICONMINGLOWMARGIN", 0);
  d.UseAeroBluring = integer("AEROBLUR", 0) != 0;
  d.ExtShadowColor = static_cast<TColor>(integer("EXTSHADOW", 0));
}

void TSkinLoader::AddCommonSections(const TIniFile& common) {
  for (const TIniFile::TSection& section : common.Sections()) {
    if (store_.GetSkinIndex(section.Name) >= 0) continue;  // the skin's own section wins
    const std::string parent_name = UpperCase(common.ReadString(section.Name, "PARENTCLASS", "-1"));
    TsGeneralData g;
    for (const TsGeneralData& candidate : store_.gd) {
      if (UpperCase(candidate.ClassName) == parent_name) {
        g = candidate;
        break;
      }
    }
    g.ClassName = section.Name;
    g.ParentClass = parent_name;
    FillGeneralData(TCommonKeys(common, section.Name), g);
    store_.gd.push_back(std::move(g));
  }
}

void TSkinLoader::LoadAllGeneralData() {
  ReadGlobalInfo();
  store_.CheckVersion();
  store_.gd.clear();
  for (const TIniFile::TSection& section : ini_.Sections()) {
    TsGeneralData g;
    g.ClassName = section.Name;
    g.ParentClass = ini_.ReadString(section.Name, "PARENTCLASS", "");
    FillGeneralData(TInheritedKeys(ini_, section.Name), g);
    store_.gd.push_back(std::move(g));
  }
  store_.InvalidateLookups();
  if (!store_.Settings().CommonSections.empty()) AddCommonSections(TIniFile(JoinLines(store_.Settings().CommonSections)));
  store_.InitMaskIndexes();
  RecolorSkin(store_, store_.Settings().HueOffset, store_.Settings().Saturation);
}

void TSkinLoader::Run() {
  ImagePass();
  PatternPass();
  LoadAllGeneralData();
  store_.InitConstantIndexes();
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\n");
  return text;
}

}  // namespace zelvan::store
