// The autorun list inside a real window over a fake catalogue: what the list control
// itself reports (item count and texts through its messages), the check box, F5, a
// switch round trip, the switch that raises, the lookup address and the saved file.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ServerAddresses.h"
#include "Tavin/Path.h"
#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/CatalogueFixture.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/AutorunFrame.h"
#include "ui/win32/Form.h"
#include "tests/windows/WineTest.h"
#include "tests/windows/WindowPump.h"

namespace {

std::wstring ItemText(HWND list, int row, int column) {
  wchar_t text[256]{};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

// Every row as "name|kind" as the list control shows it.
std::vector<std::wstring> Shown(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) rows.push_back(ItemText(list, row, 0) + L"|" + ItemText(list, row, 1));
  return rows;
}

class AnyAutorunFrame : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    RegisterTavikoraButtonStyles();
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Alpha", L"C:\\Tools\\alpha.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Beta", L"C:\\Tools\\beta.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Gamma", L"C:\\Tools\\gamma.exe");
    fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Gamma", REG_BINARY, ApprovalRecord(3));
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 520, 400);
    RECT client{};
    ::GetClientRect(form_->Handle(), &client);
    frame_ = form_->Create<TFrmAutorun>(form_->Handle(), &fileWhite_, &nameWhite_);
    frame_->SetBounds(0, 0, client.right, client.bottom);
    ::ShowWindow(form_->Handle(), SW_SHOW);
    PumpOnce();
  }
  void TearDown() override {
    form_.reset();
    UnregisterButtonStyleFamilies();
    CatalogueTest::TearDown();
  }
  void Select(int row) {
    ListView_SetItemState(frame_->List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  }
  std::wstring RunTarget(const std::wstring& name) {
    return L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\" + name;
  }

  FilterList fileWhite_;
  FilterList nameWhite_;
  std::unique_ptr<TWin32Form> form_;
  TFrmAutorun* frame_ = nullptr;
};

TEST_F(AnyAutorunFrame, RowsCheckBoxAndF5AsTheListControlShowsThem) {
  EXPECT_EQ(Shown(frame_->List()).size(), 0u) << "empty until the first refresh";
  frame_->LoadAutorun();
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU"}));
  EXPECT_GE(frame_->ImageCount(), 4) << "the image list mirrors the collection";
  EXPECT_EQ(frame_->ImageCount(), frame_->Images().Count());

  ::SendMessageW(frame_->AllListBox(), BM_CLICK, 0, 0);
  EXPECT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Gamma|HKCU"}));
  ::SendMessageW(frame_->AllListBox(), BM_CLICK, 0, 0);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u);

  // A new value appears at the end; F5 rebuilds from scratch.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Delta", L"C:\\Tools\\delta.exe");
  ::SendMessageW(frame_->List(), WM_KEYDOWN, VK_F6, 0);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u) << "another key does nothing";
  ::SendMessageW(frame_->List(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Delta|HKCU"}));
}

TEST_F(AnyAutorunFrame, TheListGetsNoMoreCharactersThanItsBufferHolds) {
  frame_->LoadAutorun();
  for (int size : {1, 2, 4, 6}) {
    wchar_t text[8];
    std::fill(std::begin(text), std::end(text), L'#');
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = size;
    ::SendMessageW(frame_->List(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), std::wstring(L"Alpha").substr(0, static_cast<size_t>(size - 1)))
        << size;
    EXPECT_EQ(text[size], L'#') << "written past the buffer of " << size;
  }
}

TEST_F(AnyAutorunFrame, MovingToA150PercentMonitorTakesTheSuggestedRectangleAndScalesTheRows) {
  frame_->LoadAutorun();
  RECT row{};
  ListView_GetItemRect(frame_->List(), 0, &row, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 24);
  RECT suggested{40, 30, 40 + 780, 30 + 600};
  ::SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT now{};
  ::GetWindowRect(form_->Handle(), &now);
  EXPECT_TRUE(::EqualRect(&now, &suggested));
  EXPECT_EQ(form_->Dpi(), 144u);
  ListView_GetItemRect(frame_->List(), 0, &row, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 36);
  EXPECT_EQ(ListView_GetColumnWidth(frame_->List(), 1), 75);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u);
}

TEST_F(AnyAutorunFrame, ASwitchRoundTripKeepsTheRowGreyUntilF5) {
  frame_->LoadAutorun();
  TStyledButton* button = frame_->SwitchButton();
  EXPECT_EQ(button->Caption(), TranslateText(L"사용안함"));
  Select(0);
  ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(frame_->Rows().Row(0).Enabled);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u) << "the disabled row stays, drawn grey";
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->Caption(), TranslateText(L"사용함"));
  EXPECT_TRUE(button->Enabled());

  ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled);
  EXPECT_FALSE(button->Down());

  ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  ::SendMessageW(frame_->List(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU"}));
}

TEST_F(AnyAutorunFrame, ASwitchThatRaisesReachesTheErrorBoxAndTheButtonComesBack) {
  // Windows 7 deletes a disabled startup file; one that cannot be deleted raises.
  fake.system.SetVersion(6, 1, 7601);
  InitializeFolderVariables();
  const std::wstring file = std::wstring(kUserStartup) + L"\\Locked.lnk";
  fake.files.AddFile(kUserStartup, L"Locked.lnk");
  fake.files.LockFile(file, ERROR_ACCESS_DENIED);
  std::vector<std::wstring> errors;
  TErrorReporter previous =
      SetErrorReporter([&](HWND, const std::wstring& text) { errors.push_back(text); });
  frame_->LoadAutorun();
  const std::vector<std::wstring> shown = Shown(frame_->List());
  ASSERT_FALSE(shown.empty());
  ASSERT_EQ(shown[0], L"Locked|FILE");
  Select(0);
  // Meanwhile another entry appeared: the refresh after the failure must still run.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Late", L"C:\\Tools\\late.exe");
  ::SendMessageW(frame_->SwitchButton()->Handle(), BM_CLICK, 0, 0);
  SetErrorReporter(previous);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"Access is denied.");
  EXPECT_TRUE(frame_->SwitchButton()->Enabled());
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled) << "the list shows the true state";
  EXPECT_EQ(Shown(frame_->List()).back(), L"Late|HKCU");
}

TEST_F(AnyAutorunFrame, DoubleClickOpensTheLookupPageAndSaveWritesTheWholeCatalogue) {
  frame_->LoadAutorun();
  Select(1);
  frame_->ListAutorunDblClick();
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].file, std::wstring(kLookupServer) + L"/entry/hkcu/beta");

  frame_->AskSavePath = [] { return std::optional<std::wstring>(L"C:\\out\\list.txt"); };
  fake.files.AddFolder(L"C:\\out");
  frame_->BtnSaveClick();
  const auto saved = fake.files.FileContents(L"C:\\out\\list.txt");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(saved->find("HKCU|Gamma|"), std::string::npos) << "hidden entries are saved too";

  std::vector<std::wstring> warnings;
  TErrorReporter previous =
      SetErrorReporter([&](HWND, const std::wstring& text) { warnings.push_back(text); });
  fake.files.LockFile(L"C:\\out\\list.txt", ERROR_ACCESS_DENIED);
  frame_->BtnSaveClick();
  SetErrorReporter(previous);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], TranslateText(L"오류가 발생했습니다.") + L"\r\nAccess is denied.");
}

// The same frame over Wine's own registry: a Run value of this run's own name.
class Win10AutorunFrameReal : public WineTest {
 protected:
  void SetUp() override {
    name_ = RunUniqueName(L"OrvaneFrameProbe");
    InitializeFolderVariables();
    RegisterTavikoraButtonStyles();
    RemoveValues();
    const std::wstring command = L"C:\\nowhere\\probe.exe";
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str(), REG_SZ, command.c_str(),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 520, 400);
    frame_ = form_->Create<TFrmAutorun>(form_->Handle(), &fileWhite_, &nameWhite_);
    frame_->SetBounds(0, 0, 500, 360);
  }
  void TearDown() override {
    form_.reset();
    UnregisterButtonStyleFamilies();
    RemoveValues();
  }
  void RemoveValues() {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedRun, name_.c_str());
  }
  int RowOf(const std::wstring& shown) {
    const std::vector<std::wstring> rows = Shown(frame_->List());
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i] == shown) return static_cast<int>(i);
    return -1;
  }
  std::wstring name_;
  FilterList fileWhite_;
  FilterList nameWhite_;
  std::unique_ptr<TWin32Form> form_;
  TFrmAutorun* frame_ = nullptr;
};

TEST_F(Win10AutorunFrameReal, ARunValueIsShownAndSwitchedThroughTheApprovalRecord) {
  frame_->LoadAutorun();
  const int row = RowOf(name_ + L"|HKCU");
  ASSERT_GE(row, 0);
  EXPECT_EQ(frame_->Rows().Row(row).Icon, kImageBlankPage) << "the file is missing";
  ListView_SetItemState(frame_->List(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ::SendMessageW(frame_->SwitchButton()->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(frame_->Rows().Row(row).Enabled);
  BYTE record[12]{};
  DWORD size = sizeof record;
  EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kApprovedRun, name_.c_str(), RRF_RT_REG_BINARY, nullptr,
                           record, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(record[0] & 1, 1) << "odd first byte: disabled";
  ::SendMessageW(frame_->SwitchButton()->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(frame_->Rows().Row(row).Enabled);
  ::SendMessageW(frame_->List(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_GE(RowOf(name_ + L"|HKCU"), 0);
}

}  // namespace
