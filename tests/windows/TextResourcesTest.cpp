// The program's RCDATA resources through the real resource calls: the same bytes as the
// native build embeds, found by name without regard to case, loaded into filter lists
// that Wine's locale sorts exactly as the fake locale does.
#include "WineTest.h"

#include "Lib/Common.h"
#include "Tavin/Translate.h"
#include "platform/fake/EmbeddedResources.h"
#include "platform/fake/FakeLocale.h"

namespace {

class AnyTextResources : public WineTest {};

std::string ReadResource(const wchar_t* name, DWORD* error) {
  IResources& resources = PlatformResources();
  HRSRC found = resources.FindResourceW(nullptr, name, RT_RCDATA, error);
  if (found == nullptr) return {};
  const DWORD size = resources.SizeofResource(nullptr, found, error);
  HGLOBAL data = resources.LoadResource(nullptr, found, error);
  const void* bytes = resources.LockResource(data);
  return bytes == nullptr ? std::string() : std::string(static_cast<const char*>(bytes), size);
}

TEST_F(AnyTextResources, TheRcFileEmbedsTheBytesTheNativeBuildEmbeds) {
  ASSERT_EQ(kEmbeddedResourceCount, 4u);
  for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    const EmbeddedResource& expected = kEmbeddedResources[i];
    SCOPED_TRACE(testing::PrintToString(std::wstring(expected.name)));
    DWORD error = 0;
    EXPECT_EQ(ReadResource(expected.name, &error),
              std::string(reinterpret_cast<const char*>(expected.bytes), expected.size));
  }
}

TEST_F(AnyTextResources, NamesAreFoundWithoutRegardToCaseAndAMissingOneFailsCleanly) {
  DWORD error = 0;
  const std::string upper = ReadResource(L"TRANSLATE", &error);
  EXPECT_FALSE(upper.empty());
  EXPECT_EQ(ReadResource(L"Translate", &error), upper);
  EXPECT_EQ(ReadResource(L"file_white", &error), ReadResource(L"FILE_WHITE", &error));

  error = 0;
  EXPECT_EQ(PlatformResources().FindResourceW(nullptr, L"NO_SUCH_LIST", RT_RCDATA, &error), nullptr);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

TEST_F(AnyTextResources, ListsLoadAndSortAsWithTheFakeLocale) {
  const wchar_t* names[] = {L"name_white", L"name_black", L"file_white"};
  const size_t counts[] = {75, 37, 252};
  std::vector<std::vector<std::wstring>> real;
  for (size_t i = 0; i < 3; ++i) {
    FilterList list;
    LoadTextResource(list, names[i]);
    EXPECT_EQ(list.Count(), counts[i]);
    real.push_back(list.Rows());
  }
  // The same lists with the fake locale in place of Wine's.
  FakeLocale fakeLocale;
  Platform withFake = real_.Services();
  withFake.locale = &fakeLocale;
  ScopedPlatform installed(withFake);
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    FilterList list;
    LoadTextResource(list, names[i]);
    EXPECT_EQ(list.Rows(), real[i]);
  }
}

TEST_F(AnyTextResources, TheTableTranslatesThroughTheRealResource) {
  InitializeTranslation();
  EXPECT_EQ(TranslateText(L"처음화면", L"ja"), L"ホーム");
  EXPECT_EQ(TranslateText(L"오류가 발생했습니다.", L"ar"), L"An error has occurred.");
  FinalizeTranslation();
}

}  // namespace
