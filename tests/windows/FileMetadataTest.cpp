// Product names and icons of real programs: two small test programs built beside this
// one, with a version resource and an icon each.
#include "WineTest.h"

#include <optional>

#include "Tavin/FileMetadata.h"
#include "platform/win32/Win32Handles.h"

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

// The real icon service, counting the extractions.
class CountingIcons final : public IIcons {
 public:
  explicit CountingIcons(IIcons& real) : real_(real) {}
  HICON ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path, WORD* iconIndex) override {
    ++extractions;
    return real_.ExtractAssociatedIconW(instance, path, iconIndex);
  }
  BOOL DestroyIcon(HICON icon) override { return real_.DestroyIcon(icon); }
  BOOL SaveIconToIco(HICON icon, std::string* ico, DWORD* error) override {
    return real_.SaveIconToIco(icon, ico, error);
  }

  int extractions = 0;

 private:
  IIcons& real_;
};

class AnyFileMetadata : public WineTest {
 protected:
  AnyFileMetadata() {
    Platform counted = real_.Services();
    counted.icons = &icons_;
    installed_.emplace(counted);
  }

  CountingIcons icons_{*real_.Services().icons};
  std::optional<ScopedPlatform> installed_;
  const std::wstring versioned_ = BesideThisProgram(L"orvane_wine_versioned.exe");
  const std::wstring mismatched_ = BesideThisProgram(L"orvane_wine_mismatched.exe");
};

TEST_F(AnyFileMetadata, ReadsTheProductNameOfTheFirstTranslation) {
  TVersionStrings results;
  EXPECT_EQ(GetVersionStrings(versioned_, {L"ProductName", L"CompanyName", L"Missing"}, results), 2);
  EXPECT_EQ(results, (TVersionStrings{{L"ProductName", L"Orvane Probe"}, {L"CompanyName", L"Test Maker"}}));

  // Its first translation names a Korean table it lacks: nothing, though it has another.
  results.clear();
  EXPECT_EQ(GetVersionStrings(mismatched_, {L"ProductName"}, results), 0);
  EXPECT_TRUE(results.empty());

  EXPECT_EQ(GetVersionStrings(BesideThisProgram(L"no-such-program.exe"), {L"ProductName"}, results), 0);
}

TEST_F(AnyFileMetadata, ExtractsTheIconOnceAndCachesIt) {
  TIconCache cache;
  TImageCollection collection;
  int announced = 0;
  collection.OnAdded([&announced](int) { ++announced; });

  EXPECT_EQ(GetFileIconIndex(cache, collection, L"\"" + versioned_ + L"\"", 1), 4);
  EXPECT_EQ(GetFileIconIndex(cache, collection, versioned_, 1), 4);
  EXPECT_EQ(icons_.extractions, 1);
  EXPECT_EQ(collection.Count(), 5);
  EXPECT_EQ(announced, 1);
  EXPECT_EQ(cache, (TIconCache{{versioned_, 4}}));

  // The .ico holds the program's icon: 32 x 32, the colour it was drawn in, opaque.
  const auto icon = DecodeIco(collection.IconData(4));
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 32);
  EXPECT_EQ(icon->pixels[16 * 32 + 16], 0xFF2080C0u);
}

TEST_F(AnyFileMetadata, AMissingFileGivesImageZeroAndIsNotCached) {
  TIconCache cache;
  TImageCollection collection;
  const std::wstring missing = BesideThisProgram(L"no-such-program.exe");
  EXPECT_EQ(GetFileIconIndex(cache, collection, missing, 1), 0);
  EXPECT_TRUE(cache.empty());
  EXPECT_EQ(collection.Count(), 4);
  EXPECT_EQ(icons_.extractions, 0) << "a missing file is not handed to the shell";
}

// Wine finds no associated icon for a file without an icon resource (Windows would give
// the icon of its file type), so such files show image 0 under Wine.
TEST_F(AnyFileMetadata, WineGapNoAssociatedIconForPlainFiles) {
  const std::wstring text = BesideThisProgram(L"orvane-plain.txt");
  UniqueHandle file(::CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_NE(file.get(), INVALID_HANDLE_VALUE);
  file.reset();
  TIconCache cache;
  TImageCollection collection;
  EXPECT_EQ(GetFileIconIndex(cache, collection, text, 1), 0);
  EXPECT_EQ(icons_.extractions, 1);
  EXPECT_TRUE(cache.empty());
  ::DeleteFileW(text.c_str());
}

}  // namespace
