// Authenticode under Wine, on programs signed at test time (scripts/signing-fixtures.sh)
// with a test authority that tests/windows/signatures.sh makes Wine trust. Run only by
// that script: the suite's name matches none of the version groups.
#include <cstdlib>
#include <string>

#include "Lib/FileSignatures.h"
#include "WineTest.h"
#include "platform/Utf8.h"

namespace {

class Signatures : public WineTest {
 protected:
  void SetUp() override {
    const char* folder = std::getenv("ORVANE_SIGNING_FIXTURES");
    if (folder == nullptr) GTEST_FAIL() << "ORVANE_SIGNING_FIXTURES is not set: run tests/windows/signatures.sh";
    folder_ = Utf8ToWide(folder);
  }
  std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }
  std::wstring folder_;
};

// Wine's trust provider answers TRUST_E_NOSIGNATURE and TRUST_E_BAD_DIGEST as Windows
// does, but success for a self-signed signer and for one whose authority it does not know,
// where Windows answers CERT_E_UNTRUSTEDROOT or CERT_E_CHAINING. The signer's chain tells
// them apart on both, and that is what the states are judged by.
TEST_F(Signatures, EmbeddedSignaturesAreJudgedByTheChainAsWindowsJudgesThem) {
  using S = TSignatureState;
  struct Case {
    const wchar_t* file;
    TSignatureInfo expected;
  };
  const Case cases[] = {
      {L"signed.exe", {S::Valid, L"Orvane Test Publisher"}},
      {L"unsigned.exe", {S::Unsigned, std::nullopt}},
      {L"tampered.exe", {S::Invalid, std::nullopt}},
      {L"stranger.exe", {S::Untrusted, L"Stranger Publisher"}},
      {L"selfsigned.exe", {S::Untrusted, L"Self Publisher"}},
      {L"missing.exe", {S::Unknown, std::nullopt}},
  };
  for (const Case& c : cases) {
    const TrustVerdict verdict = PlatformSignatures().VerifyEmbedded(File(c.file).c_str());
    EXPECT_EQ(VerifyFileSignature(File(c.file)), c.expected)
        << WideToUtf8(c.file) << ": WinVerifyTrust " << std::hex << static_cast<unsigned>(verdict.result)
        << ", chain errors " << verdict.chainErrors << (verdict.chainBuilt ? "" : " (no chain)");
  }
  // The chain bits themselves, as measured here.
  EXPECT_NE(PlatformSignatures().VerifyEmbedded(File(L"selfsigned.exe").c_str()).chainErrors &
                CERT_TRUST_IS_UNTRUSTED_ROOT,
            0u);
  EXPECT_NE(PlatformSignatures().VerifyEmbedded(File(L"stranger.exe").c_str()).chainErrors &
                (CERT_TRUST_IS_PARTIAL_CHAIN | CERT_TRUST_IS_UNTRUSTED_ROOT),
            0u);
}

// A prefix holds no catalogs: the lookup runs and finds none, which is "unsigned" and not
// "unknown". (That a listed file is judged by its catalog is shown with the fakes.)
TEST_F(Signatures, ACatalogLookupRunsAndFindsNoCatalogInAPrefix) {
  std::wstring catalog, member;
  DWORD error = ERROR_SUCCESS;
  EXPECT_FALSE(PlatformSignatures().FindCatalog(File(L"unsigned.exe").c_str(), &catalog, &member, &error));
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_FOUND));
}

TEST_F(Signatures, EachFileOnceInParallel) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < 8; ++i)
    for (const wchar_t* name : {L"signed.exe", L"unsigned.exe", L"selfsigned.exe"}) paths.push_back(File(name));
  const std::vector<TSignatureInfo> answers = VerifyFileSignatures(paths, 4);
  ASSERT_EQ(answers.size(), paths.size());
  for (size_t i = 0; i < answers.size(); ++i)
    EXPECT_EQ(answers[i], VerifyFileSignature(paths[i])) << i;
}

}  // namespace
