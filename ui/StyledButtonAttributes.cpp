#include "ui/StyledButtonAttributes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace {

std::uint8_t LightenChannel(std::uint8_t channel, int percent) {
  // round((255 - c) * p / 100) with halves up, in integers so no rounding error creeps in.
  const int headroom = 255 - channel;
  return static_cast<std::uint8_t>(channel + (headroom * percent * 2 + 100) / 200);
}

std::map<std::wstring, std::shared_ptr<IStyledButtonAttributes>>& Families() {
  static std::map<std::wstring, std::shared_ptr<IStyledButtonAttributes>> families;
  return families;
}

}  // namespace

TColorRGB LightenColor(TColorRGB color, int percent) {
  return {LightenChannel(color.r, percent), LightenChannel(color.g, percent),
          LightenChannel(color.b, percent)};
}

TColorRGB GrayScale(TColorRGB color) {
  // The luma in thousandths; the half-way case rounds to the even neighbour.
  const int thousandths = 299 * color.r + 587 * color.g + 114 * color.b;
  int luma = thousandths / 1000;
  const int rest = thousandths % 1000;
  if (rest > 500 || (rest == 500 && luma % 2 == 1)) ++luma;
  const auto grey = static_cast<std::uint8_t>(luma);
  return {grey, grey, grey};
}

namespace {

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(TColorRGB color) {
  return 0.2126 * Linear(color.r) + 0.7152 * Linear(color.g) + 0.0722 * Linear(color.b);
}

}  // namespace

double ContrastRatio(TColorRGB a, TColorRGB b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColorRGB CaptionColorOn(TColorRGB caption, TColorRGB window, TColorRGB schemeText) {
  // 3:1 is the least contrast text of a button's size and weight is readable with.
  constexpr double kReadable = 3.0;
  const double shown = ContrastRatio(caption, window);
  if (shown >= kReadable || shown >= ContrastRatio(caption, TColorRGB{255, 255, 255})) return caption;
  return ContrastRatio(schemeText, window) > shown ? schemeText : caption;
}

void RegisterButtonStyleFamily(std::shared_ptr<IStyledButtonAttributes> family) {
  const std::wstring name = family->FamilyName();
  Families()[name] = std::move(family);
}

std::shared_ptr<IStyledButtonAttributes> FindButtonStyleFamily(const std::wstring& name) {
  const auto found = Families().find(name);
  return found == Families().end() ? nullptr : found->second;
}

void UnregisterButtonStyleFamilies() { Families().clear(); }
