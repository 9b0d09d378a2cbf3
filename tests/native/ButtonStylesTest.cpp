// The "Tavikora" button family: three looks, five states, the accent colour arithmetic.
#include <gtest/gtest.h>

#include "ui/TavikoraButtonStyles.h"

namespace {

using enum TButtonDrawStyle;
using enum TBorderDrawStyle;

TEST(ColorArithmeticTest, LightenRoundsHalvesUpAndGreyRoundsHalvesToEven) {
  struct Case {
    std::uint32_t input;
    int percent;
    std::uint32_t lightened;
    std::uint32_t grey;
  };
  const Case cases[] = {
      {0x3D84DD, 10, 0x5090E0, 0x868686},
      {0x3D84DD, 70, 0xC5DAF5, 0xD7D7D7},
      {0x000000, 70, 0xB3B3B3, 0xB3B3B3},
      {0x3D84DD, 50, 0x9EC2EE, 0xBCBCBC},
      {0x000000, 50, 0x808080, 0x808080},  // 127.5 rounds up to 128
      {0xFFFFFF, 30, 0xFFFFFF, 0xFFFFFF},
      {0x123456, 0, 0x123456, 0x2E2E2E},
  };
  for (const Case& c : cases) {
    const TColorRGB lightened = LightenColor(TColorRGB::FromHex(c.input), c.percent);
    EXPECT_EQ(lightened.Hex(), c.lightened) << std::hex << c.input << " by " << std::dec << c.percent;
    EXPECT_EQ(GrayScale(lightened).Hex(), c.grey) << std::hex << c.input;
  }
  // Lumas exactly half-way go to the even neighbour: 4.5 to 4, 5.5 to 6; 2.508 goes up.
  EXPECT_EQ(GrayScale(TColorRGB{12, 0, 8}).r, 4);
  EXPECT_EQ(GrayScale(TColorRGB{2, 0, 43}).r, 6);
  EXPECT_EQ(GrayScale(TColorRGB{0, 0, 22}).r, 3);
}

struct Expected {
  TButtonDrawStyle fill;
  std::uint32_t button;
  TBorderDrawStyle border;
  std::uint32_t borderColor;
  std::uint32_t font;
};

void ExpectState(const TStyledButtonAttributes& a, const Expected& e, const char* what) {
  EXPECT_EQ(a.ButtonDrawStyle, e.fill) << what;
  EXPECT_EQ(a.ButtonColor.Hex(), e.button) << what;
  EXPECT_EQ(a.BorderDrawStyle, e.border) << what;
  EXPECT_EQ(a.BorderColor.Hex(), e.borderColor) << what;
  EXPECT_EQ(a.BorderWidth, 0) << what;
  EXPECT_EQ(a.FontColor.Hex(), e.font) << what;
  EXPECT_EQ(a.FontStyle, TFontStyles{}) << what;
  EXPECT_EQ(a.DrawType, TStyledButtonDrawType::btRoundRect) << what;
}

// A clear face's caption stands on the window colour of the user's scheme. The style's
// caption was chosen for a white window; on a scheme where it no longer reads (black on a
// dark window), the scheme's own text colour takes over, and only then.
TEST(ColorArithmeticTest, AClearCaptionKeepsItsColourWhereItReadsAndTakesTheSchemesElsewhere) {
  struct Case {
    std::uint32_t caption;
    std::uint32_t window;
    std::uint32_t schemeText;
    std::uint32_t shown;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 0x000000, 0x000000},  // the designed look
      {0xB3B3B3, 0xFFFFFF, 0x6D6D6D, 0xB3B3B3},  // a pale disabled caption stays as designed
      {0x000000, 0xF0F0F0, 0x000000, 0x000000},  // a light grey window reads as well
      {0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF},  // a black scheme: its white text
      {0x000000, 0x000080, 0xFFFF00, 0xFFFF00},  // a dark blue scheme with yellow text
      {0xB3B3B3, 0x000000, 0x00FF00, 0xB3B3B3},  // pale grey reads on black: kept
      {0xB3B3B3, 0xC0C0C0, 0x000000, 0x000000},  // pale grey on silver: the scheme's text
      {0x202020, 0x000000, 0x101010, 0x202020},  // the scheme's text reads worse: kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaptionColorOn(TColorRGB::FromHex(c.caption), TColorRGB::FromHex(c.window),
                             TColorRGB::FromHex(c.schemeText))
                  .Hex(),
              c.shown)
        << std::hex << c.caption << " on " << c.window;
  }
}

TEST(TavikoraButtonStylesTest, EveryLookAndState) {
  struct Look {
    const wchar_t* appearance;
    Expected normal, pressed, selected, hot, disabled;
  };
  const Look looks[] = {
      {L"Normal",
       {btnSolid, 0x3D84DD, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x3D84DD, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x3D84DD, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x5090E0, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0xFFFFFF, brdSolid, 0xC0C0C0, 0xC0C0C0}},
      {L"Header",
       {btnClear, 0xFFFFFF, brdSolid, 0x000000, 0x000000},
       {btnSolid, 0x3D84DD, brdClear, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x5090E0, brdClear, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x3D84DD, brdClear, 0x3D84DD, 0xFFFFFF},
       {btnClear, 0xFFFFFF, brdSolid, 0xBCBCBC, 0x808080}},
      {L"Outline",
       {btnClear, 0x3D84DD, brdSolid, 0x3D84DD, 0x000000},
       {btnSolid, 0x3D84DD, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x5090E0, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnSolid, 0x5090E0, brdSolid, 0x3D84DD, 0xFFFFFF},
       {btnClear, 0x3D84DD, brdSolid, 0xD7D7D7, 0xB3B3B3}},
  };
  TTavikoraButtonStyles family;
  for (const Look& look : looks) {
    // Sets that start out different from every answer, so nothing passes by accident.
    TStyledButtonAttributes sets[5];
    for (auto& set : sets) {
      set.ButtonColor = TColorRGB::FromHex(0x010203);
      set.BorderWidth = 9;
      set.FontStyle.bold = true;
    }
    family.FillAttributes(L"Tavikora", L"Primary", look.appearance, sets[0], sets[1], sets[2], sets[3],
                          sets[4]);
    ExpectState(sets[0], look.normal, "normal");
    ExpectState(sets[1], look.pressed, "pressed");
    ExpectState(sets[2], look.selected, "selected");
    ExpectState(sets[3], look.hot, "hot");
    ExpectState(sets[4], look.disabled, "disabled");
  }
}

TEST(TavikoraButtonStylesTest, AppearanceNamesIgnoreAsciiCaseAndUnknownOnesLookNormal) {
  TTavikoraButtonStyles family;
  auto fill = [&family](const std::wstring& family_, const std::wstring& cls, const std::wstring& appearance) {
    TStyledButtonAttributes s[5];
    family.FillAttributes(family_, cls, appearance, s[0], s[1], s[2], s[3], s[4]);
    return std::vector<TStyledButtonAttributes>(s, s + 5);
  };
  const auto outline = fill(L"Tavikora", L"Primary", L"Outline");
  const auto normal = fill(L"Tavikora", L"Primary", L"Normal");
  EXPECT_EQ(fill(L"Tavikora", L"Primary", L"outline"), outline);
  EXPECT_EQ(fill(L"Tavikora", L"Primary", L"OUTLINE"), outline);
  EXPECT_EQ(fill(L"Other", L"Secondary", L"Outline"), outline) << "family and class are not consulted";
  for (const wchar_t* other : {L"Primary", L"", L"Headers", L"Outline "})
    EXPECT_EQ(fill(L"Tavikora", L"Primary", other), normal);
  EXPECT_EQ(fill(L"Tavikora", L"Primary", L"header"), fill(L"Tavikora", L"Primary", L"Header"));
}

TEST(TavikoraButtonStylesTest, NamesModalResultsAndRegistration) {
  TTavikoraButtonStyles family;
  EXPECT_EQ(family.FamilyName(), L"Tavikora");
  EXPECT_EQ(family.ClassNames(), std::vector<std::wstring>{L"Primary"});
  EXPECT_EQ(family.AppearanceNames(), (std::vector<std::wstring>{L"Normal", L"Header", L"Outline"}));
  for (int modalResult : {0, 1, 2, 6, 7, -1}) {
    std::wstring styleClass = L"x", appearance = L"y";
    family.StyleForModalResult(modalResult, styleClass, appearance);
    EXPECT_EQ(styleClass, L"Primary");
    EXPECT_EQ(appearance, L"Normal");
  }
  RegisterTavikoraButtonStyles();
  ASSERT_NE(FindButtonStyleFamily(L"Tavikora"), nullptr);
  EXPECT_EQ(FindButtonStyleFamily(L"tavikora"), nullptr);
  UnregisterButtonStyleFamilies();
  EXPECT_EQ(FindButtonStyleFamily(L"Tavikora"), nullptr);
}

}  // namespace
