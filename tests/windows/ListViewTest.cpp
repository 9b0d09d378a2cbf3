// The report list control on its own, over a few rows the test keeps: the type-ahead's
// find; the columns with and without the scroll bar, at two resolutions, after a divider
// is dragged or double-clicked; the colours its custom draw hands the list; and who
// lights the row under the mouse (the theme or the program).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/win32/Form.h"
#include "ui/win32/ListHotRow.h"
#include "ui/win32/ListView.h"
#include "tests/windows/WindowPump.h"

namespace {

struct TTestRow {
  std::wstring name;
  std::wstring kind;
  bool enabled = true;
};

constexpr COLORREF kOwnHotRow = RGB(0xE5, 0xF3, 0xFF);

// The header's divider at the right of a column dragged by dx pixels, as the mouse does.
void DragDivider(HWND list, int column, int dx) {
  const HWND header = ListView_GetHeader(list);
  RECT item{};
  ASSERT_TRUE(Header_GetItemRect(header, column, &item));
  const int y = (item.top + item.bottom) / 2;
  // Just left of the divider: a column's right edge is also the next one's left.
  const int x = item.right - 1;
  ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ::SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx / 2, y));
  ::SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y));
  ::SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y));
  PumpOnce();
}


// What a list answers where the theme lights the row under the mouse itself.
TListThemeFacts Themed() {
  TListThemeFacts facts;
  facts.commonControls6 = true;
  facts.visualStyles = true;
  facts.listTheme = true;
  facts.listItemPart = true;
  return facts;
}

class AnyListView : public testing::Test {
 protected:
  void SetUp() override {
    rows_ = {{L"Alphabet soup maker", L"HKCU"}, {L"Alpha", L"FILE"}, {L"Ärger", L"SERV", false},
             {L"beta", L"SCHE"}};
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 400, 300);
    TListViewRows rows;
    rows.count = [this] { return static_cast<int>(rows_.size()); };
    rows.text = [this](int row, int column) -> const std::wstring& {
      return column == 0 ? rows_.at(static_cast<size_t>(row)).name : rows_.at(static_cast<size_t>(row)).kind;
    };
    rows.image = [](int) { return -1; };
    rows.enabled = [this](int row) { return rows_.at(static_cast<size_t>(row)).enabled; };
    // The order of the search is the row model's (tested natively); from `start`, round.
    rows.find = [this](std::wstring_view text, int start, bool wrap, TPrefixMatch match) {
      const int count = static_cast<int>(rows_.size());
      if (start < 0 || start >= count) start = 0;
      for (int step = 0; step < (wrap ? count : count - start); ++step) {
        const int row = (start + step) % count;
        if (match(text, rows_[static_cast<size_t>(row)].name)) return row;
      }
      return -1;
    };
    list_ = form_->Create<TListView>(L"List", form_->Handle(), std::move(rows), L"Name", L"Kind", 50);
    RECT client{};
    ::GetClientRect(form_->Handle(), &client);
    list_->SetBounds(0, 0, client.right, client.bottom);
    list_->RowsChanged();
    ::ShowWindow(form_->Handle(), SW_SHOW);
    Pump();
  }
  void TearDown() override {
    SetHighContrastForTest(std::nullopt);
    form_.reset();
  }
  HWND List() const { return list_->Handle(); }
  POINT InRow(int row) const {
    RECT place{};
    EXPECT_TRUE(ListView_GetItemRect(List(), row, &place, LVIR_BOUNDS));
    // In the kind column past its text, where only the background shows.
    return {place.right - 3, (place.top + place.bottom) / 2};
  }
  // The colours the list is told for a cell, as it asks through NM_CUSTOMDRAW.
  NMLVCUSTOMDRAW DrawCell(int row, int column) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = List();
    draw.nmcd.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(List()));
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.iSubItem = column;
    draw.clrText = RGB(1, 2, 3);
    draw.clrTextBk = RGB(4, 5, 6);
    HDC dc = ::GetDC(List());
    draw.nmcd.hdc = dc;
    const LRESULT answer = ::SendMessageW(form_->Handle(), WM_NOTIFY, draw.nmcd.hdr.idFrom,
                                          reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(answer, CDRF_NEWFONT);
    ::ReleaseDC(List(), dc);
    return draw;
  }

  std::vector<TTestRow> rows_;
  std::unique_ptr<TWin32Form> form_;
  TListView* list_ = nullptr;
};

TEST_F(AnyListView, FindAnswersAPrefixAndAWholeNamePastLongerNamesThatBeginWithIt) {
  struct Case {
    const wchar_t* text;
    UINT flags;
    int start;
    int found;
  } cases[] = {
      // A whole name: "Alphabet soup maker" comes first and begins with "Alpha".
      {L"alpha", LVFI_STRING, -1, 1},
      {L"ALPHA", LVFI_STRING | LVFI_WRAP, 2, 1},
      {L"alph", LVFI_STRING, -1, -1},
      {L"alph", LVFI_PARTIAL, -1, 0},
      {L"alph", LVFI_PARTIAL | LVFI_WRAP, 1, 1},
      {L"alph", LVFI_PARTIAL, 2, -1},
      // Case is ignored beyond a-z, as Windows compares names.
      {L"ärger", LVFI_STRING, -1, 2},
      {L"ÄR", LVFI_PARTIAL, -1, 2},
      {L"gamma", LVFI_PARTIAL | LVFI_WRAP, -1, -1},
      // Other kinds of search are not the type-ahead's: no row.
      {L"beta", LVFI_PARAM, -1, -1},
  };
  for (const Case& c : cases) {
    LVFINDINFOW find{};
    find.flags = c.flags;
    find.psz = c.text;
    // Where the search starts is the list's to say (Wine passes the start on unchanged,
    // Windows the row after it); the cases above mean the same either way.
    EXPECT_EQ(ListView_FindItem(List(), c.start, &find), c.found) << "\"" << c.text << "\" from " << c.start;
  }
}

TEST_F(AnyListView, TheColumnsFillTheListWithAndWithoutItsScrollBarAtBothResolutions) {
  // The list fills the window, which a new resolution resizes.
  form_->AlignClient(list_);
  form_->Realign();
  const HWND list = List();
  auto filled = [list] {
    RECT inner{};
    ::GetClientRect(list, &inner);
    return ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1) == inner.right;
  };
  auto style = [list] { return static_cast<DWORD>(::GetWindowLongPtrW(list, GWL_STYLE)); };
  for (UINT dpi : {96u, 144u}) {
    if (dpi != 96) {
      RECT suggested{40, 30, 40 + ScaleForDpi(520, dpi), 30 + ScaleForDpi(400, dpi)};
      ::SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    for (int i = 0; i < 40; ++i) rows_.push_back({L"Row" + std::to_wstring(i), L"HKCU"});
    list_->RowsChanged();
    Pump();
    ASSERT_EQ(ListView_GetItemCount(list), 44);
    EXPECT_TRUE(style() & WS_VSCROLL) << dpi;
    EXPECT_FALSE(style() & WS_HSCROLL) << dpi;
    EXPECT_TRUE(filled()) << "with the scroll bar at " << dpi;
    EXPECT_EQ(ListView_GetColumnWidth(list, 1), ScaleForDpi(50, dpi)) << "the kind column as made";
    rows_.resize(4);
    list_->RowsChanged();
    Pump();
    EXPECT_FALSE(style() & WS_VSCROLL) << dpi;
    EXPECT_TRUE(filled()) << "without the scroll bar at " << dpi;
  }
  // A divider dragged with the mouse: column 0's, then the kind column's.
  const int name = ListView_GetColumnWidth(list, 0);
  DragDivider(list, 0, -60);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), name - 60);
  EXPECT_TRUE(filled());
  const int kind = ListView_GetColumnWidth(list, 1);
  DragDivider(list, 1, -40);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), kind - 40);
  EXPECT_TRUE(filled());
  EXPECT_FALSE(style() & WS_HSCROLL);
  // Widened: for a moment wider than the list, so a scroll bar comes and goes under the
  // drag; the kind column keeps the width the user gave it and column 0 gives way.
  DragDivider(list, 1, 30);
  Pump();
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), kind - 10) << "snapped back";
  EXPECT_TRUE(filled());
  EXPECT_FALSE(style() & WS_HSCROLL);
  // A double click on a divider sizes that column to its texts; the other one fills the
  // rest, so no gap is left and no scroll bar comes.
  for (int column : {0, 1}) {
    const HWND header = ListView_GetHeader(list);
    RECT item{};
    ASSERT_TRUE(Header_GetItemRect(header, column, &item));
    const LPARAM at = MAKELPARAM(item.right - 1, (item.top + item.bottom) / 2);
    ::SendMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageW(header, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_TRUE(filled()) << "after a double click on divider " << column;
    EXPECT_FALSE(style() & WS_HSCROLL) << column;
  }
}

TEST_F(AnyListView, TheKindColumnKeepsItsWidthThroughAMomentWhenTheListIsNarrower) {
  const HWND list = List();
  // The kind column's width now is its chosen one; a list narrower for a moment (not laid
  // out yet, a small window) gives it less, and it has all of it back once the list is
  // wide again.
  const int kind = ListView_GetColumnWidth(list, 1);
  ASSERT_EQ(kind, 50);
  RECT client{};
  ::GetClientRect(form_->Handle(), &client);
  list_->SetBounds(0, 0, kind / 2, client.bottom);
  Pump();
  EXPECT_LE(ListView_GetColumnWidth(list, 1), kind / 2);
  list_->SetBounds(0, 0, client.right, client.bottom);
  Pump();
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), kind);
  RECT inner{};
  ::GetClientRect(list, &inner);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0) + kind, inner.right);
}

TEST_F(AnyListView, TheRowUnderTheMouseIsLitWithTheArrowAndNoRowIsChosenByHovering) {
  const HWND list = List();
  EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & (LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE), 0u);
  RECT row{};
  ASSERT_TRUE(ListView_GetItemRect(list, 1, &row, LVIR_BOUNDS));
  // A point in the kind column past its text, where only the background shows.
  const int x = row.right - 3;
  const int y = (row.top + row.bottom) / 2;
  const COLORREF plain = PixelOf(list, x, y);
  ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  // Wine's list draws no hot row through its theme, so the program's highlight is what
  // shows here; with the explorer theme on Windows the theme's hot row is drawn instead
  // (taken below through the facts the list is given).
  if (list_->DrawsOwnHotRow()) {
    EXPECT_EQ(PixelOf(list, x, y), RGB(0xE5, 0xF3, 0xFF));
  }
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), -1) << "hovering selects nothing";
  ::SendMessageW(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  ::SendMessageW(list, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PixelOf(list, x, y), plain);
}

TEST_F(AnyListView, WhoLightsTheRowUnderTheMouseFollowsTheThemeAndHighContrast) {
  const TListThemeFacts themed = Themed();
  auto without = [themed](bool TListThemeFacts::*piece) {
    TListThemeFacts facts = themed;
    facts.*piece = false;
    return facts;
  };
  struct Case {
    const char* what;
    TListThemeFacts facts;
    bool highContrast;
    bool programDraws;
  } cases[] = {
      {"the explorer theme lights its own", themed, false, false},
      {"a list of the first common controls draws no theme", without(&TListThemeFacts::commonControls6), false, true},
      {"visual styles off (the classic look)", without(&TListThemeFacts::visualStyles), false, true},
      {"no theme open on the list", without(&TListThemeFacts::listTheme), false, true},
      {"a theme without the list-item part", without(&TListThemeFacts::listItemPart), false, true},
      {"high contrast: the scheme's pair, whatever the theme", themed, true, true},
      {"high contrast without a theme", TListThemeFacts{}, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgramDrawsHotRow(c.facts, c.highContrast), c.programDraws) << c.what;
    EXPECT_EQ(ThemeDrawsHotRow(c.facts), c.facts == themed) << c.what;
  }
}

TEST_F(AnyListView, WhereTheThemeLightsTheRowUnderTheMouseTheProgramDrawsNone) {
  const TListThemeFacts themed = Themed();
  const POINT at = InRow(1);
  const COLORREF plain = PixelOf(List(), at.x, at.y);
  // Wine's list draws no hot row even where its theme has the part (its items are never
  // drawn through the theme), so the themed branch is shown here through the facts the
  // list is given; on Windows the theme's own light blue would show instead.
  list_->SetThemeFactsForTest(themed);
  ::SendMessageW(List(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(list_->HotRow(), 1);
  EXPECT_EQ(PixelOf(List(), at.x, at.y), plain) << "the program lit a row the theme lights";
  // High contrast: the program's own, in the scheme's highlight pair.
  SetHighContrastForTest(true);
  ::InvalidateRect(List(), nullptr, TRUE);
  EXPECT_EQ(PixelOf(List(), at.x, at.y), ::GetSysColor(COLOR_HIGHLIGHT));
  SetHighContrastForTest(std::nullopt);
  // No theme: the program's light highlight.
  list_->SetThemeFactsForTest(TListThemeFacts{});
  ::InvalidateRect(List(), nullptr, TRUE);
  EXPECT_EQ(PixelOf(List(), at.x, at.y), kOwnHotRow);
  ::SendMessageW(List(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PixelOf(List(), at.x, at.y), plain);
}

TEST_F(AnyListView, UnderWineTheListsThemeLightsNoRowSoTheProgramDoes) {
  // Measured on Wine 8: visual styles are on (IsAppThemed and IsThemeActive answer TRUE)
  // and the list has a theme open, but that theme defines no list-item part; and this
  // test program carries no common-controls manifest, so its list is of version 5. Wine's
  // list never draws its items through a theme, which the missing part already says. A
  // prefix without a theme fails earlier in the same rule.
  const TListThemeFacts facts = ReadListThemeFacts(List());
  EXPECT_FALSE(ThemeDrawsHotRow(facts)) << "styles " << facts.visualStyles << ", theme " << facts.listTheme
                                        << ", part " << facts.listItemPart << ", v6 " << facts.commonControls6;
  EXPECT_TRUE(list_->DrawsOwnHotRow());
  const POINT at = InRow(3);
  ::SendMessageW(List(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(PixelOf(List(), at.x, at.y), kOwnHotRow);
}

TEST_F(AnyListView, TheCellColoursGreyASwitchedOffRowAndLightTheHotRowButNotTheSelectedOne) {
  list_->SetThemeFactsForTest(TListThemeFacts{});
  ListView_SetItemState(List(), 3, LVIS_SELECTED, LVIS_SELECTED);
  struct Case {
    int row;
    int hot;
    bool contrast;
    COLORREF text;
    COLORREF back;  // RGB(4, 5, 6): left as the list had it
  } cases[] = {
      {0, -1, false, ::GetSysColor(COLOR_WINDOWTEXT), RGB(4, 5, 6)},
      {2, -1, false, ::GetSysColor(COLOR_GRAYTEXT), RGB(4, 5, 6)},
      {1, 1, false, ::GetSysColor(COLOR_WINDOWTEXT), kOwnHotRow},
      {2, 2, false, ::GetSysColor(COLOR_GRAYTEXT), kOwnHotRow},
      {1, 1, true, ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT)},
      // The selected row keeps the selection's colours, hot or not.
      {3, 3, false, ::GetSysColor(COLOR_WINDOWTEXT), RGB(4, 5, 6)},
      {3, 3, true, ::GetSysColor(COLOR_WINDOWTEXT), RGB(4, 5, 6)},
  };
  for (const Case& c : cases) {
    SetHighContrastForTest(c.contrast);
    if (c.hot >= 0) {
      const POINT at = InRow(c.hot);
      ::SendMessageW(List(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    } else {
      ::SendMessageW(List(), WM_MOUSELEAVE, 0, 0);
    }
    ASSERT_EQ(list_->HotRow(), c.hot);
    for (int column : {0, 1}) {
      const NMLVCUSTOMDRAW draw = DrawCell(c.row, column);
      EXPECT_EQ(draw.clrText, c.text) << "row " << c.row << " column " << column << " contrast " << c.contrast;
      EXPECT_EQ(draw.clrTextBk, c.back) << "row " << c.row << " column " << column << " contrast " << c.contrast;
    }
  }
}

}  // namespace
