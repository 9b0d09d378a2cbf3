#include "ui/StyledButtonAttributes.h"

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

void RegisterButtonStyleFamily(std::shared_ptr<IStyledButtonAttributes> family) {
  const std::wstring name = family->FamilyName();
  Families()[name] = std::move(family);
}

std::shared_ptr<IStyledButtonAttributes> FindButtonStyleFamily(const std::wstring& name) {
  const auto found = Families().find(name);
  return found == Families().end() ? nullptr : found->second;
}

void UnregisterButtonStyleFamilies() { Families().clear(); }
