// The fake resource store: the program's own resources, byte for byte the files the
// Windows build links in, found by name without regard to case.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/fake/FakePlatform.h"

namespace {

std::string SourceFile(const std::string& name) {
  std::ifstream in(std::string(ORVANE_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Read(IResources& resources, const wchar_t* name) {
  DWORD error = 0;
  HRSRC found = resources.FindResourceW(nullptr, name, RT_RCDATA, &error);
  if (found == nullptr) return "<missing " + std::to_string(error) + ">";
  const DWORD size = resources.SizeofResource(nullptr, found, &error);
  HGLOBAL data = resources.LoadResource(nullptr, found, &error);
  return std::string(static_cast<const char*>(resources.LockResource(data)), size);
}

TEST(FakeResourcesTest, ServesTheProgramsResourceFilesByteForByte) {
  FakePlatform fake;
  const struct {
    const wchar_t* name;
    const char* file;
  } resources[] = {{L"translate", "translate.txt"},
                   {L"NAME_WHITE", "NAME_WHITE.txt"},
                   {L"NAME_BLACK", "NAME_BLACK.txt"},
                   {L"FILE_WHITE", "FILE_WHITE.txt"}};
  for (const auto& r : resources) {
    SCOPED_TRACE(r.file);
    const std::string bytes = SourceFile(r.file);
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(Read(fake.resources, r.name), bytes);
  }
  EXPECT_EQ(Read(fake.resources, L"TRANSLATE"), SourceFile("translate.txt"));
  EXPECT_EQ(Read(fake.resources, L"name_white"), SourceFile("NAME_WHITE.txt"));
}

TEST(FakeResourcesTest, AMissingNameOrTypeFailsWithItsCode) {
  FakePlatform fake;
  DWORD error = 0;
  EXPECT_EQ(fake.resources.FindResourceW(nullptr, L"NO_SUCH", RT_RCDATA, &error), nullptr);
  EXPECT_EQ(error, ERROR_RESOURCE_NAME_NOT_FOUND);
  EXPECT_EQ(fake.resources.FindResourceW(nullptr, L"translate", MAKEINTRESOURCEW(99), &error), nullptr);
  EXPECT_EQ(error, ERROR_RESOURCE_TYPE_NOT_FOUND);
  // "#10" is the number 10, as for the real call.
  EXPECT_NE(fake.resources.FindResourceW(nullptr, L"translate", L"#10", &error), nullptr);

  fake.resources.SetResource(RT_RCDATA, L"EMPTY", "");
  HRSRC empty = fake.resources.FindResourceW(nullptr, L"empty", RT_RCDATA, &error);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(fake.resources.SizeofResource(nullptr, empty, &error), 0u);
  EXPECT_EQ(error, static_cast<DWORD>(NO_ERROR));
}

}  // namespace
