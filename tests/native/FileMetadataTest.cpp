// A file's product name from its version resource, and its icon extracted once into the
// image collection and cached.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Tavin/FileMetadata.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"

namespace {

constexpr wchar_t kApp[] = L"C:\\Program Files\\App\\app.exe";

class VersionStringsTest : public ::testing::Test {
 protected:
  void SetUp() override { fake.files.AddFile(L"C:\\Program Files\\App", L"app.exe"); }

  TVersionStrings Read(const std::wstring& file, std::vector<std::wstring> keys, int* count = nullptr) {
    TVersionStrings results;
    const int n = GetVersionStrings(file, keys, results);
    if (count != nullptr) *count = n;
    EXPECT_EQ(n, static_cast<int>(results.size()));
    return results;
  }

  FakePlatform fake;
};

TEST_F(VersionStringsTest, ReadsTheKeysTheFirstTranslationsTableHolds) {
  fake.versions.SetVersionResource(
      kApp, FakeVersionResource::English({{L"ProductName", L"App Suite"}, {L"CompanyName", L"Maker"},
                                          {L"Comments", L""}}));
  const TVersionStrings results = Read(kApp, {L"ProductName", L"FileVersion", L"Comments"});
  EXPECT_EQ(results, (TVersionStrings{{L"ProductName", L"App Suite"}, {L"Comments", L""}}));
  // Key names in the resource are found without regard to case, as Windows does.
  EXPECT_EQ(Read(kApp, {L"productname"}), (TVersionStrings{{L"productname", L"App Suite"}}));
}

TEST_F(VersionStringsTest, OnlyTheFirstTranslationCounts) {
  FakeVersionResource resource;
  resource.translations = {{0x0412, 949}, {0x0409, 1200}};
  resource.stringTables = {{L"040904b0", {{L"ProductName", L"English"}}},
                           {L"041203b5", {{L"ProductName", L"한국어"}}}};
  fake.versions.SetVersionResource(kApp, resource);
  EXPECT_EQ(Read(kApp, {L"ProductName"}), (TVersionStrings{{L"ProductName", L"한국어"}}));

  // The first translation names a table the file lacks: nothing, though another exists.
  resource.stringTables.erase(resource.stringTables.begin() + 1);
  fake.versions.SetVersionResource(kApp, resource);
  EXPECT_TRUE(Read(kApp, {L"ProductName"}).empty());
}

TEST_F(VersionStringsTest, FailuresGiveNothing) {
  FakeVersionResource noTranslation = FakeVersionResource::English({{L"ProductName", L"x"}});
  noTranslation.translations.clear();
  fake.versions.SetVersionResource(L"C:\\Program Files\\App\\bare.exe", noTranslation);
  fake.files.AddFile(L"C:\\Program Files\\App", L"bare.exe");
  fake.files.AddFile(L"C:\\Program Files\\App", L"plain.txt");
  fake.versions.SetVersionResource(L"C:\\gone.exe", FakeVersionResource::English({{L"ProductName", L"x"}}));

  struct Case {
    const char* what;
    std::wstring file;
  } cases[] = {
      {"missing file, though it has a resource", L"C:\\gone.exe"},
      {"no version resource", L"C:\\Program Files\\App\\plain.txt"},
      {"an empty translation table", L"C:\\Program Files\\App\\bare.exe"},
      {"a folder", L"C:\\Program Files\\App"},
      {"empty name", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(Read(c.file, {L"ProductName"}).empty());
  }

  fake.versions.SetVersionResource(kApp, FakeVersionResource::English({{L"ProductName", L"x"}}));
  for (const char* call : {"GetFileVersionInfoSizeW", "GetFileVersionInfoW", "VerQueryValueW"}) {
    SCOPED_TRACE(call);
    fake.versions.faults.Fail(call, ERROR_ACCESS_DENIED, 0, 1);
    EXPECT_TRUE(Read(kApp, {L"ProductName"}).empty());
  }
  EXPECT_EQ(Read(kApp, {L"ProductName"}).size(), 1u);
}

// A version block is the file's to write: a value whose length runs past the block (or
// that has no terminator before its end) is cut at the block's end, and a value or a
// translation the system placed outside the block is not read at all.
class CraftedVersionBlock : public IVersionInfo {
 public:
  static constexpr DWORD kSize = 64;
  // Where the value starts, in characters from the block's start, and its claimed length.
  long valueAt = kSize / 2 - 3;
  UINT valueLength = 1000;
  long translationAt = 0;

  DWORD GetFileVersionInfoSizeW(const wchar_t*, DWORD* handle, DWORD*) override {
    *handle = 0;
    return kSize;
  }
  BOOL GetFileVersionInfoW(const wchar_t*, DWORD, DWORD size, void* data, DWORD*) override {
    auto* bytes = static_cast<unsigned char*>(data);
    std::fill(bytes, bytes + size, 0);
    const WORD translation[2] = {0x0409, 0x04B0};
    std::memcpy(bytes, translation, sizeof(translation));
    // The block's last three characters, with no terminator after them.
    auto* text = reinterpret_cast<wchar_t*>(bytes + size) - 3;
    text[0] = L'E';
    text[1] = L'n';
    text[2] = L'd';
    return TRUE;
  }
  BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer, UINT* length) override {
    auto* base = static_cast<unsigned char*>(const_cast<void*>(block));
    if (std::wstring_view(subBlock).rfind(L"\\VarFileInfo", 0) == 0) {
      *buffer = base + translationAt;
      *length = 2 * sizeof(WORD);
      return TRUE;
    }
    *buffer = reinterpret_cast<wchar_t*>(base) + valueAt;
    *length = valueLength;
    return TRUE;
  }
};

TEST_F(VersionStringsTest, AValueIsReadOnlyInsideTheBlock) {
  struct Case {
    const char* what;
    long valueAt;
    UINT valueLength;
    long translationAt;
    TVersionStrings expected;
  };
  constexpr long kChars = CraftedVersionBlock::kSize / sizeof(wchar_t);
  const Case cases[] = {
      {"a length past the block's end", kChars - 3, 1000, 0, {{L"ProductName", L"End"}}},
      {"a length inside the block", kChars - 3, 2, 0, {{L"ProductName", L"En"}}},
      {"a value after the block", kChars, 4, 0, {}},
      {"a value before the block", -4, 4, 0, {}},
      {"a translation at the block's very end", kChars - 3, 4, CraftedVersionBlock::kSize - 2, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CraftedVersionBlock crafted;
    crafted.valueAt = c.valueAt;
    crafted.valueLength = c.valueLength;
    crafted.translationAt = c.translationAt;
    Platform platform = CurrentPlatform();
    platform.versions = &crafted;
    ScopedPlatform withCrafted(platform);
    EXPECT_EQ(Read(kApp, {L"ProductName"}), c.expected);
  }
}

TEST_F(VersionStringsTest, KeepsWhatTheCallerAlreadyHeld) {
  fake.versions.SetVersionResource(kApp, FakeVersionResource::English({{L"ProductName", L"x"}}));
  TVersionStrings results{{L"Other", L"y"}};
  EXPECT_EQ(GetVersionStrings(kApp, {L"ProductName"}, results), 2);
}

class IconIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.files.AddFile(L"C:\\Windows", L"explorer.exe");
    fake.icons.SetIcons(L"C:\\Windows\\explorer.exe", 3);
    fake.files.AddFile(L"C:\\Windows", L"notes.txt");  // no icon, as under Wine
  }

  int Index(const std::wstring& text, int defaultIndex = 1) {
    return GetFileIconIndex(cache, collection, text, defaultIndex);
  }
  int Extractions() const { return fake.icons.faults.Calls("ExtractAssociatedIconW"); }

  FakePlatform fake;
  TIconCache cache;
  TImageCollection collection;
};

TEST_F(IconIndexTest, AListenerTakenOffHearsNoMoreEvenWhenItTakesItselfOff) {
  std::vector<std::string> heard;
  const int gone = collection.OnAdded([&heard](int index) { heard.push_back("gone " + std::to_string(index)); });
  int self = 0;
  self = collection.OnAdded([&](int index) {
    heard.push_back("once " + std::to_string(index));
    collection.RemoveListener(self);
  });
  collection.OnAdded([&heard](int index) { heard.push_back("stays " + std::to_string(index)); });
  collection.RemoveListener(gone);
  collection.RemoveListener(12345);  // not a listener: nothing happens
  collection.AddIcon(L"a", "");
  collection.AddIcon(L"b", "");
  EXPECT_EQ(heard, (std::vector<std::string>{"once 4", "stays 4", "stays 5"}));
}

TEST_F(IconIndexTest, ExtractsOncePerTextAndAppendsAfterTheBuiltInImages) {
  int announced = -1;
  collection.OnAdded([&announced](int index) { announced = index; });

  EXPECT_EQ(Index(L"\"C:\\Windows\\explorer.exe\""), 4);
  EXPECT_EQ(announced, 4);
  EXPECT_EQ(collection.Name(4), L"C:\\Windows\\explorer.exe");
  EXPECT_EQ(Index(L"  C:\\Windows\\explorer.exe  "), 4);  // same cleaned text
  EXPECT_EQ(Extractions(), 1);
  EXPECT_EQ(collection.Count(), 5);

  // The icon number belongs to the text: another cache entry and another icon.
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe,2"), 5);
  EXPECT_EQ(collection.Name(5), L"C:\\Windows\\explorer.exe,2");
  const auto icon = DecodeIco(collection.IconData(5));
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->pixels[0], FakeIcons::TokenColour(L"C:\\Windows\\explorer.exe", 2));
  EXPECT_EQ(cache, (TIconCache{{L"C:\\Windows\\explorer.exe", 4}, {L"C:\\Windows\\explorer.exe,2", 5}}));
  EXPECT_EQ(fake.icons.LiveIconCount(), 0) << "every icon handle is destroyed";
}

TEST_F(IconIndexTest, TheIconNumberFallsBackToTheDefaultIndex) {
  // "abc" is no number: the default index (2) is the icon number.
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe,abc", 2), 4);
  EXPECT_EQ(DecodeIco(collection.IconData(4))->pixels[0],
            FakeIcons::TokenColour(L"C:\\Windows\\explorer.exe", 2));
  // -1 is held as 65535, beyond the file's icons: no icon, image 0, nothing cached.
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe,-1"), 0);
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe, 1"), 5);
}

TEST_F(IconIndexTest, MissingFilesAndFilesWithoutIconsGiveImageZeroAndAreAskedAgain) {
  struct Case {
    const char* what;
    const wchar_t* text;
    int expected;
  } cases[] = {
      {"missing file", L"C:\\nowhere\\app.exe", 0},
      {"a comma in the path splits it", L"C:\\Program Files\\Foo, Inc\\app.exe", 0},
      {"no icon", L"C:\\Windows\\notes.txt", 0},
      {"a folder", L"C:\\Windows", 0},
      {"only quotes and spaces", L" \"\" \" ", 7},
      {"empty", L"", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Index(c.text, 7), c.expected);
  }
  EXPECT_TRUE(cache.empty());
  EXPECT_EQ(collection.Count(), 4);

  const int before = Extractions();
  EXPECT_EQ(Index(L"C:\\Windows\\notes.txt"), 0);
  EXPECT_EQ(Extractions(), before + 1) << "not cached, so asked again";
  fake.icons.SetIcons(L"C:\\Windows\\notes.txt", 1);
  EXPECT_EQ(Index(L"C:\\Windows\\notes.txt"), 4);
}

TEST_F(IconIndexTest, AFailureWhileStoringGivesTheDefaultIndexAndCachesNothing) {
  fake.icons.faults.Fail("GetIconInfo", ERROR_INVALID_HANDLE, 0, 1);
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe", 3), 3);
  EXPECT_TRUE(cache.empty());
  EXPECT_EQ(collection.Count(), 4);
  EXPECT_EQ(fake.icons.LiveIconCount(), 0);
  EXPECT_EQ(Index(L"C:\\Windows\\explorer.exe", 3), 4);
}

// The shell may write a path back into the buffer; a buffer of the path's own size (and
// never less than MAX_PATH) lets a long path be asked for at all.
TEST_F(IconIndexTest, LongPathsGetTheirIconThroughABufferOfTheirOwnSize) {
  for (const size_t length : {static_cast<size_t>(MAX_PATH) - 12, static_cast<size_t>(MAX_PATH) - 11, size_t{300}, size_t{1000}}) {
    const std::wstring folder = L"C:\\" + std::wstring(length, L'd');
    fake.files.AddFile(folder, L"app.exe");
    fake.icons.SetIcons(folder + L"\\app.exe", 1);
    const int before = collection.Count();
    EXPECT_EQ(Index(folder + L"\\app.exe"), before) << "path of " << folder.size() + 8 << " characters";
  }
  EXPECT_EQ(fake.icons.LiveIconCount(), 0);
}

TEST(ImageCollectionTest, StartsWithTheFourDrawingsAtTheirSizes) {
  TImageCollection collection;
  ASSERT_EQ(collection.Count(), 4);
  const int sizes[] = {16, 32, 16, 16};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(collection.Name(i), std::to_wstring(i));
    EXPECT_EQ(collection.BaseSize(i), sizes[i]);
    EXPECT_TRUE(collection.IconData(i).empty());
    // Drawn afresh at each scale from 100 % to 200 %, never stretched.
    for (int dpi : {96, 120, 144, 168, 192}) {
      const int pixels = TImageCollection::ScaledSize(sizes[i], dpi);
      const IcoImage image = collection.Render(i, pixels);
      ASSERT_EQ(image.width, pixels);
      ASSERT_EQ(image.pixels.size(), static_cast<size_t>(pixels) * pixels);
      int opaque = 0;
      int clear = 0;
      for (std::uint32_t p : image.pixels) {
        opaque += (p >> 24) == 0xFF;
        clear += (p >> 24) == 0;
      }
      EXPECT_GT(opaque, pixels * pixels / 8) << "something is drawn";
      EXPECT_GT(clear, 0) << "and the background stays transparent";
    }
  }
  EXPECT_EQ(collection.IndexOf(L"3"), 3);
  EXPECT_EQ(collection.IndexOf(L"4"), -1);
}

TEST(ImageCollectionTest, ThePagesStraightEdgesStaySharpAtEveryScale) {
  TImageCollection collection;
  // The left edge of the page sits at 2/16 of the width: one column fully drawn, the
  // one before it fully clear, at every size, fractional scales included.
  for (int pixels : {16, 20, 24, 28, 32}) {
    SCOPED_TRACE(pixels);
    const IcoImage page = collection.Render(0, pixels);
    const int edge = (2 * pixels + 8) / 16;
    const int row = pixels / 2;
    EXPECT_EQ(page.pixels[static_cast<size_t>(row) * pixels + edge] >> 24, 0xFFu);
    EXPECT_EQ(page.pixels[static_cast<size_t>(row) * pixels + edge - 1] >> 24, 0u);
  }
}

}  // namespace
