// What a styled button is drawn from: one attribute set per state, filled by the style
// family the button names. The drawing code reads these; the families only fill them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An RGB colour, written as in #3D84DD.
struct TColorRGB {
  std::uint8_t r = 0, g = 0, b = 0;

  static constexpr TColorRGB FromHex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
  }
  constexpr std::uint32_t Hex() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
  friend constexpr bool operator==(TColorRGB, TColorRGB) = default;
};

// Each channel moved towards 255 by (255 - channel) * percent / 100, halves rounded up.
TColorRGB LightenColor(TColorRGB color, int percent);
// The luma 0.299 R + 0.587 G + 0.114 B, rounded half to even, on all three channels.
TColorRGB GrayScale(TColorRGB color);
// The contrast ratio of two colours, 1 to 21: (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances in sRGB, the lighter one first.
double ContrastRatio(TColorRGB a, TColorRGB b);
// The colour a caption is drawn in on a clear face, which shows the window colour of the
// user's scheme: the style's own caption, designed for a white window, wherever it reads at
// least 3:1 or as well as on white; else the scheme's text colour, if that reads better.
TColorRGB CaptionColorOn(TColorRGB caption, TColorRGB window, TColorRGB schemeText);

enum class TButtonDrawStyle { btnClear, btnSolid };
enum class TBorderDrawStyle { brdClear, brdSolid };
enum class TStyledButtonDrawType { btRoundRect };

struct TFontStyles {
  bool bold = false, italic = false, underline = false, strikeOut = false;
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;
};

class TStyledButtonAttributes {
 public:
  TButtonDrawStyle ButtonDrawStyle = TButtonDrawStyle::btnSolid;
  TColorRGB ButtonColor;
  TBorderDrawStyle BorderDrawStyle = TBorderDrawStyle::brdSolid;
  TColorRGB BorderColor;
  int BorderWidth = 1;
  TColorRGB FontColor;
  TFontStyles FontStyle;
  TStyledButtonDrawType DrawType = TStyledButtonDrawType::btRoundRect;
  // Left to the drawing code's defaults and the button's own settings; families do not
  // touch them.
  int Radius = 6;
  bool RoundedCorners = true;

  friend bool operator==(const TStyledButtonAttributes&, const TStyledButtonAttributes&) = default;
};

// A named family of button looks, asked for the five state sets of a button.
class IStyledButtonAttributes {
 public:
  virtual ~IStyledButtonAttributes() = default;
  virtual void FillAttributes(const std::wstring& family, const std::wstring& styleClass,
                              const std::wstring& appearance, TStyledButtonAttributes& normal,
                              TStyledButtonAttributes& pressed, TStyledButtonAttributes& selected,
                              TStyledButtonAttributes& hot, TStyledButtonAttributes& disabled) = 0;
  virtual std::wstring FamilyName() const = 0;
  virtual const std::vector<std::wstring>& ClassNames() const = 0;
  virtual const std::vector<std::wstring>& AppearanceNames() const = 0;
  virtual void StyleForModalResult(int modalResult, std::wstring& styleClass,
                                   std::wstring& appearance) const = 0;
};

// The families known to the drawing code, by the name each reports when registered.
void RegisterButtonStyleFamily(std::shared_ptr<IStyledButtonAttributes> family);
std::shared_ptr<IStyledButtonAttributes> FindButtonStyleFamily(const std::wstring& name);
void UnregisterButtonStyleFamilies();
