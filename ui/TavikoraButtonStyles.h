// The program's own button family "Tavikora", in the theme's accent colour: one class,
// "Primary", and the looks "Normal", "Header" (the toolbar) and "Outline" (the switch
// button of the list).
#pragma once

#include "ui/StyledButtonAttributes.h"

inline constexpr TColorRGB kAccentColor = TColorRGB::FromHex(0x3D84DD);

class TTavikoraButtonStyles final : public IStyledButtonAttributes {
 public:
  void FillAttributes(const std::wstring& family, const std::wstring& styleClass,
                      const std::wstring& appearance, TStyledButtonAttributes& normal,
                      TStyledButtonAttributes& pressed, TStyledButtonAttributes& selected,
                      TStyledButtonAttributes& hot, TStyledButtonAttributes& disabled) override;
  std::wstring FamilyName() const override;
  const std::vector<std::wstring>& ClassNames() const override;
  const std::vector<std::wstring>& AppearanceNames() const override;
  void StyleForModalResult(int modalResult, std::wstring& styleClass,
                           std::wstring& appearance) const override;
};

// Module start: registers the family before any window is built.
void RegisterTavikoraButtonStyles();
