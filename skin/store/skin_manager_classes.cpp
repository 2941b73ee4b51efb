// TsSkinManager's published properties, as stored layouts name them; nested
// settings objects use dotted names ("AnimEffects.SkinChanging.Time").
#include "framework/forms/class_registry.h"
#include "framework/forms/property_binding.h"
#include "skin/store/skin_manager.h"

namespace {

using TBuilder = TClassRegistry::TClassBuilder;

TsSkinManager& Manager(TComponent& component) { return ComponentAs<TsSkinManager>(component); }

template <typename F>
TPropertySetter ManagerProperty(F apply) {
  return [apply](TComponent& c, const TPropertyValue& v, TLayoutReader&) { apply(Manager(c), v); };
}

const TIdentTable<TacAnimType> kAnimTypes{{L"atFading", atFading}, {L"atAero", atAero}};
const TIdentTable<TacSkinningRule> kRules{
    {L"srStdForms", srStdForms}, {L"srStdDialogs", srStdDialogs}, {L"srThirdParty", srThirdParty}};
const TIdentTable<TacBtnEvent> kBtnEvents{{L"beMouseEnter", beMouseEnter},
                                          {L"beMouseLeave", beMouseLeave},
                                          {L"beMouseDown", beMouseDown},
                                          {L"beMouseUp", beMouseUp}};

// Lines stored as a list, or as one text with line breaks.
std::vector<std::wstring> ValueAsTextLines(const TPropertyValue& value) {
  if (std::holds_alternative<TStringsValue>(value)) return ValueAsLines(value);
  return {ValueAsString(value)};
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
  return text;
}

// Active and Time of one animation, and Mode where the class publishes it.
using TAnimationOf = TacFormAnimation& (*)(TacAnimEffects&);

void AddAnimation(TBuilder& builder, const std::wstring& name, TAnimationOf animationOf, bool withMode) {
  const std::wstring prefix = L"AnimEffects." + name + L".";
  const auto animation = [animationOf](TsSkinManager& m) -> TacFormAnimation& { return animationOf(m.AnimEffects); };
  builder.Property(prefix + L"Active", ManagerProperty([animation](TsSkinManager& m, const TPropertyValue& v) {
    animation(m).Active = ValueAsBool(v);
  }));
  builder.Property(prefix + L"Time", ManagerProperty([animation](TsSkinManager& m, const TPropertyValue& v) {
    animation(m).Time = static_cast<uint16_t>(ValueAsInteger(v));
  }));
  if (!withMode) return;
  builder.Property(prefix + L"Mode", ManagerProperty([animation](TsSkinManager& m, const TPropertyValue& v) {
    animation(m).Mode = IdentToValue(ValueAsIdent(v), kAnimTypes);
  }));
}

void AddAnimations(TBuilder& builder) {
  AddAnimation(builder, L"BlendOnMoving", [](TacAnimEffects& e) -> TacFormAnimation& { return e.BlendOnMoving; }, false);
  builder.Property(L"AnimEffects.BlendOnMoving.BlendValue", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    m.AnimEffects.BlendOnMoving.BlendValue = static_cast<uint8_t>(ValueAsInteger(v));
  }));
  builder.Property(L"AnimEffects.Buttons.Events", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    TacBtnEvents events;
    for (const std::wstring& item : ValueAsSet(v)) events.Include(IdentToValue(item, kBtnEvents));
    m.AnimEffects.Buttons.Events = events;
  }));
  AddAnimation(builder, L"DialogShow", [](TacAnimEffects& e) -> TacFormAnimation& { return e.DialogShow; }, true);
  AddAnimation(builder, L"FormShow", [](TacAnimEffects& e) -> TacFormAnimation& { return e.FormShow; }, true);
  AddAnimation(builder, L"FormHide", [](TacAnimEffects& e) -> TacFormAnimation& { return e.FormHide; }, true);
  AddAnimation(builder, L"DialogHide", [](TacAnimEffects& e) -> TacFormAnimation& { return e.DialogHide; }, true);
  AddAnimation(builder, L"Minimizing", [](TacAnimEffects& e) -> TacFormAnimation& { return e.Minimizing; }, false);
  AddAnimation(builder, L"PageChange", [](TacAnimEffects& e) -> TacFormAnimation& { return e.PageChange; }, false);
  AddAnimation(builder, L"SkinChanging", [](TacAnimEffects& e) -> TacFormAnimation& { return e.SkinChanging; }, true);
}

void AddMenuSupport(TBuilder& builder) {
  builder.Property(L"MenuSupport.AlphaBlend", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    m.MenuSupport.AlphaBlend = static_cast<uint8_t>(ValueAsInteger(v));
  }));
  builder.Property(L"MenuSupport.IcoLineSkin", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    m.MenuSupport.IcoLineSkin = ValueAsString(v);
  }));
  builder.Property(L"MenuSupport.UseExtraLine", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    m.MenuSupport.UseExtraLine = ValueAsBool(v);
  }));
  builder.Property(L"MenuSupport.ExtraLineWidth", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
    m.MenuSupport.ExtraLineWidth = static_cast<int>(ValueAsInteger(v));
  }));
  AddFontProperties(builder, L"MenuSupport.ExtraLineFont",
                    [](TComponent& c) -> TFont& { return Manager(c).MenuSupport.ExtraLineFont; });
}

// Built-in skins: one property list per item; "Data" holds the archive bytes.
void ApplyStoredSkin(zelvan::store::TsStoredSkin& skin, const TPropertyList& properties) {
  for (const TProperty& p : properties) {
    const TPropertyValue& v = p.Value;
    if (p.Name == L"Name") {
      const std::wstring name = ValueAsString(v);
      skin.Name.assign(name.begin(), name.end());
    } else if (p.Name == L"Data") {
      const auto* data = std::get_if<TBinaryValue>(&v);
      if (!data) throw EReadError(L"Invalid property value: binary data expected");
      skin.PackedData = zelvan::io::TMemoryStream(data->Bytes);
    } else if (p.Name == L"Shadow1Color") {
      skin.Shadow1Color = ValueAsColor(v);
    } else if (p.Name == L"Shadow1Offset") {
      skin.Shadow1Offset = static_cast<int>(ValueAsInteger(v));
    } else if (p.Name == L"Shadow1Blur") {
      skin.Shadow1Blur = static_cast<int>(ValueAsInteger(v));
    } else if (p.Name == L"Shadow1Transparency") {
      skin.Shadow1Transparency = static_cast<int>(ValueAsInteger(v));
    } else if (p.Name == L"BorderColor") {
      skin.BorderColor = ValueAsColor(v);
    } else if (p.Name == L"Version") {
      skin.Version = std::holds_alternative<double>(v) ? std::get<double>(v) : static_cast<double>(ValueAsInteger(v));
    } else if (p.Name == L"Author" || p.Name == L"Description") {
      const std::wstring text = ValueAsString(v);
      (p.Name == L"Author" ? skin.Author : skin.Description).assign(text.begin(), text.end());
    } else {
      throw EReadError(L"Property TsStoredSkin." + p.Name + L" not found");
    }
  }
}

}  // namespace

void RegisterSkinManagerClass() {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.IsRegistered(L"TsSkinManager")) return;
  auto builder = registry.Class<TsSkinManager>(L"TsSkinManager", L"TComponent");
  builder
      .Property(L"Effects.AllowGlowing", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
        m.Effects.SetAllowGlowing(ValueAsBool(v));
      }))
      .Property(L"Effects.AllowAeroBluring", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
        m.Effects.AllowAeroBluring = ValueAsBool(v);
      }))
      .Property(L"ExtendedBorders", BoolProperty(&TsSkinManager::SetExtendedBorders))
      .Property(L"SkinnedPopups", BoolProperty(&TsSkinManager::SetSkinnedPopups));
  AddAnimations(builder);
  builder.Property(L"IsDefault", BoolProperty(&TsSkinManager::SetIsDefault))
      .Property(L"Active", BoolProperty(&TsSkinManager::SetActive))
      .Property(L"CommonSections", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
        m.SetCommonSections(ValueAsTextLines(v));
      }))
      .Property(L"Saturation", IntegerProperty(&TsSkinManager::SetSaturation))
      .Property(L"HueOffset", IntegerProperty(&TsSkinManager::SetHueOffset))
      .Property(L"InternalSkins", ManagerProperty([](TsSkinManager& m, const TPropertyValue& v) {
        const auto* items = std::get_if<TItemsValue>(&v);
        if (!items) throw EReadError(L"Invalid property value: collection expected");
        for (const TPropertyList& item : items->Items) ApplyStoredSkin(m.InternalSkins().Add(), item);
        m.InternalSkins().Changed();
      }));
  AddMenuSupport(builder);
  builder.Property(L"SkinDirectory", StringProperty(&TsSkinManager::SetSkinDirectory))
      .Property(L"SkinName", StringProperty(&TsSkinManager::SetSkinName))
      .Property(L"SkinInfo", StringProperty(&TsSkinManager::SetSkinInfo))
      .Property(L"SkinningRules", SetProperty(&TsSkinManager::SetSkinningRules, kRules));
  for (int i = 0; i < ThirdPartyList::kCount; ++i) {
    builder.Property(std::wstring(L"ThirdParty.") + ThirdPartyList::Names()[static_cast<size_t>(i)],
                     ManagerProperty([i](TsSkinManager& m, const TPropertyValue& v) {
                       m.ThirdParty.SetText(i, JoinLines(ValueAsTextLines(v)));
                     }));
  }
  builder.Property(L"OnActivate", EventProperty(&TsSkinManager::OnActivate))
      .Property(L"OnAfterChange", EventProperty(&TsSkinManager::OnAfterChange))
      .Property(L"OnBeforeChange", EventProperty(&TsSkinManager::OnBeforeChange))
      .Property(L"OnDeactivate", EventProperty(&TsSkinManager::OnDeactivate))
      .Property(L"OnSkinListChanged", EventProperty(&TsSkinManager::OnSkinListChanged))
      .Property(L"OnGetMenuExtraLineData", EventProperty(&TsSkinManager::OnGetMenuExtraLineData))
      .Property(L"OnGetPopupItemData", EventProperty(&TsSkinManager::OnGetPopupItemData))
      .Property(L"OnSysDlgInit", EventProperty(&TsSkinManager::OnSysDlgInit));
}
