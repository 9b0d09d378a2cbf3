#include "ui/TavikoraButtonStyles.h"

#include "Tavin/Text.h"

namespace {

constexpr TColorRGB kWhite = TColorRGB::FromHex(0xFFFFFF);
constexpr TColorRGB kBlack = TColorRGB::FromHex(0x000000);
constexpr TColorRGB kSilver = TColorRGB::FromHex(0xC0C0C0);

enum class Look { Normal, Header, Outline };

Look LookOf(const std::wstring& appearance) {
  if (SameTextAscii(appearance, L"Outline")) return Look::Outline;
  if (SameTextAscii(appearance, L"Header")) return Look::Header;
  return Look::Normal;
}

void Set(TStyledButtonAttributes& a, TButtonDrawStyle fill, TColorRGB button, TBorderDrawStyle border,
         TColorRGB borderColor, TColorRGB font) {
  a.ButtonDrawStyle = fill;
  a.ButtonColor = button;
  a.BorderDrawStyle = border;
  a.BorderColor = borderColor;
  a.FontColor = font;
}

}  // namespace

void TTavikoraButtonStyles::FillAttributes(const std::wstring& /*family*/,
                                           const std::wstring& /*styleClass*/,
                                           const std::wstring& appearance,
                                           TStyledButtonAttributes& normal,
                                           TStyledButtonAttributes& pressed,
                                           TStyledButtonAttributes& selected,
                                           TStyledButtonAttributes& hot,
                                           TStyledButtonAttributes& disabled) {
  using enum TButtonDrawStyle;
  using enum TBorderDrawStyle;
  const Look look = LookOf(appearance);
  const TColorRGB accentLight = LightenColor(kAccentColor, 10);

  switch (look) {
    case Look::Normal: Set(normal, btnSolid, kAccentColor, brdSolid, kAccentColor, kWhite); break;
    case Look::Header: Set(normal, btnClear, kWhite, brdSolid, kBlack, kBlack); break;
    case Look::Outline: Set(normal, btnClear, kAccentColor, brdSolid, kAccentColor, kBlack); break;
  }
  normal.BorderWidth = 0;
  normal.FontStyle = TFontStyles{};
  normal.DrawType = TStyledButtonDrawType::btRoundRect;
  pressed = normal;
  selected = normal;
  hot = normal;
  disabled = normal;

  switch (look) {
    case Look::Normal:
      hot.ButtonColor = accentLight;
      disabled.ButtonColor = kWhite;
      disabled.BorderColor = kSilver;
      disabled.BorderWidth = 0;
      disabled.FontColor = kSilver;
      break;
    case Look::Header:
      Set(pressed, btnSolid, kAccentColor, brdClear, kAccentColor, kWhite);
      Set(selected, btnSolid, accentLight, brdClear, kAccentColor, kWhite);
      Set(hot, btnSolid, kAccentColor, brdClear, kAccentColor, kWhite);
      disabled.BorderColor = GrayScale(LightenColor(kAccentColor, 50));
      disabled.FontColor = GrayScale(LightenColor(kBlack, 50));
      break;
    case Look::Outline:
      pressed.ButtonDrawStyle = btnSolid;
      pressed.FontColor = kWhite;
      selected.ButtonDrawStyle = btnSolid;
      selected.ButtonColor = accentLight;
      selected.FontColor = kWhite;
      hot.ButtonDrawStyle = btnSolid;
      hot.ButtonColor = accentLight;
      hot.FontColor = kWhite;
      disabled.BorderColor = GrayScale(LightenColor(kAccentColor, 70));
      disabled.FontColor = GrayScale(LightenColor(kBlack, 70));
      break;
  }
}

std::wstring TTavikoraButtonStyles::FamilyName() const { return L"Tavikora"; }

const std::vector<std::wstring>& TTavikoraButtonStyles::ClassNames() const {
  static const std::vector<std::wstring> names = {L"Primary"};
  return names;
}

const std::vector<std::wstring>& TTavikoraButtonStyles::AppearanceNames() const {
  static const std::vector<std::wstring> names = {L"Normal", L"Header", L"Outline"};
  return names;
}

void TTavikoraButtonStyles::StyleForModalResult(int /*modalResult*/, std::wstring& styleClass,
                                                std::wstring& appearance) const {
  styleClass = L"Primary";
  appearance = L"Normal";
}

void RegisterTavikoraButtonStyles() {
  RegisterButtonStyleFamily(std::make_shared<TTavikoraButtonStyles>());
}
