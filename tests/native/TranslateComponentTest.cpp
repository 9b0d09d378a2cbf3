// Translating a window in one walk over its component tree.
#include <gtest/gtest.h>

#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScopedSettings.h"
#include "ui/TranslateComponent.h"

namespace {

// Records every caption write, in order, across all spies of a test.
std::vector<std::wstring>* gWrites = nullptr;

class SpyItem : public TMenuItem {
 public:
  using TMenuItem::TMenuItem;

 protected:
  void CaptionChanged() override {
    if (gWrites) gWrites->push_back(Name() + L"=" + Caption());
  }
};

class TranslateComponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeTranslation();
    gWrites = &writes;
  }
  void TearDown() override {
    gWrites = nullptr;
    FinalizeTranslation();
  }
  ScopedSettings settings_;
  FakePlatform fake;
  std::vector<std::wstring> writes;
};

TEST_F(TranslateComponentTest, AnAbsentComponentStillSwitchesTheLanguage) {
  TranslateComponent(nullptr, L"fr");
  EXPECT_EQ(CurrentLanguage, L"fr");
  TranslateComponent(nullptr, L"");
  EXPECT_EQ(CurrentLanguage, L"fr");
}

TEST_F(TranslateComponentTest, FormsGetEnglishExceptInKoreanOtherCaptionsTheCurrentLanguage) {
  struct Case {
    const wchar_t* language;
    const wchar_t* form;
    const wchar_t* checkBox;
  };
  const Case cases[] = {
      {L"ja", L"Home", L"全プログラム"},
      {L"ko", L"처음화면", L"전체목록"},
      {L"en", L"Home", L"All Programs"},
      {L"it", L"Home", L"Tutti i programmi"},
      {L"de", L"Home", L"All Programs"},
  };
  for (const Case& c : cases) {
    TForm form(nullptr, L"FrmTest", L"처음화면");
    auto* panel = form.Create<TCaptionedComponent>(L"PnlAutorun", L"PnlAutorun");
    auto* check = form.Create<TCaptionedComponent>(L"ChkAllList", L"전체목록");
    auto* plain = form.Create<TComponent>(L"NoCaption");
    CurrentLanguage = c.language;
    TranslateComponent(&form, L"");
    EXPECT_EQ(form.Caption(), c.form) << WideToUtf8Debug(c.language);
    EXPECT_EQ(check->Caption(), c.checkBox) << WideToUtf8Debug(c.language);
    EXPECT_EQ(panel->Caption(), L"PnlAutorun");  // a name, not a text: written back as it is
    EXPECT_FALSE(plain->HasCaption());
  }
}

TEST_F(TranslateComponentTest, PopupMenusItemBeforeSubItemAndOwnedItemsAgain) {
  TForm form(nullptr, L"Frm", L"처음화면");
  auto* menu = form.Create<TPopupMenu>(L"PopupMenu");
  auto* enable = form.Create<SpyItem>(L"MnuEnable", L"사용함");
  auto* disable = form.Create<SpyItem>(L"MnuDisable", L"사용안함");
  auto* save = form.Create<SpyItem>(L"BtnSave", L"목록 저장");
  menu->Items()->Add(enable);
  enable->Add(disable);
  menu->Items()->Add(save);

  TranslateComponent(&form, L"en");
  EXPECT_EQ(enable->Caption(), L"Enable");
  EXPECT_EQ(disable->Caption(), L"Disable");
  EXPECT_EQ(save->Caption(), L"목록 저장");  // no block: unchanged in every language
  EXPECT_EQ(menu->Items()->Caption(), L"");
  // Through the menu (depth first), then once more as owned components.
  EXPECT_EQ(writes, (std::vector<std::wstring>{L"MnuEnable=Enable", L"MnuDisable=Disable",
                                               L"BtnSave=목록 저장", L"MnuEnable=Enable",
                                               L"MnuDisable=Disable", L"BtnSave=목록 저장"}));
}

TEST_F(TranslateComponentTest, ASecondWalkOrAnotherLanguageFindsTheTranslatedTexts) {
  TForm form(nullptr, L"Frm", L"처음화면");
  auto* button = form.Create<TCaptionedComponent>(L"BtnAutorun", L"사용안함");
  auto* nested = button->Create<TCaptionedComponent>(L"LblNested", L"출처");
  TranslateComponent(&form, L"fr");
  EXPECT_EQ(button->Caption(), L"Désactiver");
  EXPECT_EQ(nested->Caption(), L"Loc");
  TranslateComponent(&form, L"fr");
  EXPECT_EQ(button->Caption(), L"Désactiver");
  EXPECT_EQ(form.Caption(), L"Home");
  TranslateComponent(&form, L"ru");
  EXPECT_EQ(button->Caption(), L"Отключить");
  EXPECT_EQ(nested->Caption(), L"Мест");
  TranslateComponent(&form, L"ko");
  EXPECT_EQ(button->Caption(), L"사용안함");
  EXPECT_EQ(form.Caption(), L"처음화면");
}

TEST(ComponentTest, OwnershipKeepsCreationOrderAndFreesTheLastFirst) {
  std::vector<std::wstring> freed;
  struct Tracked : TComponent {
    Tracked(TComponent* owner, std::wstring name, std::vector<std::wstring>* log)
        : TComponent(owner, std::move(name)), log_(log) {}
    ~Tracked() override { log_->push_back(Name()); }
    std::vector<std::wstring>* log_;
  };
  {
    TComponent root(nullptr, L"Root");
    root.Create<Tracked>(L"A", &freed);
    auto* b = root.Create<Tracked>(L"B", &freed);
    b->Create<Tracked>(L"B1", &freed);
    ASSERT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(root.Components(1), b);
    EXPECT_EQ(b->Owner(), &root);
  }
  EXPECT_EQ(freed, (std::vector<std::wstring>{L"B", L"B1", L"A"}));
}

}  // namespace

TEST(ComponentTest, FreeingAnOwnedComponentEarlyTakesItOutOfTheOrder) {
  TComponent owner(nullptr, L"Owner");
  TComponent* first = owner.Create<TComponent>(L"First");
  TComponent* second = owner.Create<TComponent>(L"Second");
  TComponent* third = owner.Create<TComponent>(L"Third");
  TComponent stranger(nullptr, L"Stranger");
  EXPECT_FALSE(owner.Free(&stranger));
  EXPECT_TRUE(owner.Free(second));
  ASSERT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(0), first);
  EXPECT_EQ(owner.Components(1), third);
}

TEST(ComponentTest, FindComponentTakesTheFirstDirectlyOwnedOfExactlyThatName) {
  TComponent owner(nullptr, L"Owner");
  TComponent* unnamed = owner.Create<TComponent>(L"");
  TComponent* first = owner.Create<TComponent>(L"StatusBar");
  TComponent* nested = first->Create<TComponent>(L"Inner");
  owner.Create<TComponent>(L"StatusBar");
  EXPECT_EQ(owner.FindComponent(L"StatusBar"), first);
  EXPECT_EQ(owner.FindComponent(L"statusbar"), nullptr);
  EXPECT_EQ(owner.FindComponent(L"Inner"), nullptr) << nested->Name();
  EXPECT_EQ(owner.FindComponent(L""), nullptr) << unnamed->Name();
}
