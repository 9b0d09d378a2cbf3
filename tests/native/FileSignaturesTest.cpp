// Who signed a file: the verdicts of the trust provider judged with the signer's chain,
// the catalog path for files without an embedded signature, and each file checked once.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <thread>

#include "Lib/Companion.h"
#include "Lib/FileSignatures.h"
#include "tests/support/CatalogueFixture.h"

namespace {

TrustVerdict Verdict(LONG result, std::wstring signer = L"", DWORD chainErrors = 0,
                     bool chainBuilt = true) {
  TrustVerdict verdict;
  verdict.result = result;
  verdict.signer = std::move(signer);
  verdict.chainErrors = chainErrors;
  verdict.chainBuilt = chainBuilt && !verdict.signer.empty();
  return verdict;
}

TEST(FileSignaturesTest, VerdictsAreJudgedByTheChainToo) {
  using S = TSignatureState;
  struct Case {
    const char* what;
    TrustVerdict verdict;
    TSignatureInfo expected;
  };
  const std::wstring maker = L"Maker Ltd";
  const std::vector<Case> cases = {
      {"trusted", Verdict(ERROR_SUCCESS, maker), {S::Valid, maker}},
      // Wine's provider accepts these; the chain says what Windows' provider would.
      {"self-signed", Verdict(ERROR_SUCCESS, maker, CERT_TRUST_IS_UNTRUSTED_ROOT), {S::Untrusted, maker}},
      {"unknown authority", Verdict(ERROR_SUCCESS, maker, CERT_TRUST_IS_PARTIAL_CHAIN), {S::Untrusted, maker}},
      {"revoked in the cache", Verdict(ERROR_SUCCESS, maker, CERT_TRUST_IS_REVOKED), {S::Untrusted, maker}},
      {"no revocation list cached",
       Verdict(CRYPT_E_REVOCATION_OFFLINE, maker,
               CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION),
       {S::Valid, maker}},
      {"Windows: untrusted root", Verdict(CERT_E_UNTRUSTEDROOT, maker, CERT_TRUST_IS_UNTRUSTED_ROOT),
       {S::Untrusted, maker}},
      {"Windows: revoked", Verdict(CERT_E_REVOKED, maker), {S::Untrusted, maker}},
      {"explicitly distrusted", Verdict(TRUST_E_EXPLICIT_DISTRUST, maker), {S::Untrusted, maker}},
      {"changed after signing", Verdict(TRUST_E_BAD_DIGEST, maker), {S::Invalid, std::nullopt}},
      {"no signature", Verdict(TRUST_E_NOSIGNATURE), {S::Unsigned, std::nullopt}},
      {"not a signable file", Verdict(TRUST_E_SUBJECT_FORM_UNKNOWN), {S::Unsigned, std::nullopt}},
      {"the file cannot be opened", Verdict(static_cast<LONG>(0x80070020)), {S::Unknown, std::nullopt}},
      {"no chain built", Verdict(ERROR_SUCCESS, maker, 0, false), {S::Valid, maker}},
  };
  for (const Case& c : cases) EXPECT_EQ(JudgeVerdict(c.verdict), c.expected) << c.what;
}

class SignatureCatalogueTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    fake.files.AddFile(L"C:\\Apps", L"signed.exe");
    fake.files.AddFile(L"C:\\Apps", L"plain.exe");
    fake.files.AddFile(L"C:\\Windows\\System32", L"inbox.exe");
    fake.files.AddFile(L"C:\\Apps", L"odd.exe");
    fake.signatures.SetEmbedded(L"C:\\Apps\\signed.exe", Verdict(ERROR_SUCCESS, L"Maker Ltd"));
    fake.signatures.ListInCatalog(L"C:\\Windows\\System32\\inbox.exe", L"C:\\Windows\\cat\\nt.cat",
                                  L"AB12", Verdict(ERROR_SUCCESS, L"Windows Publisher"));
  }
};

TEST_F(SignatureCatalogueTest, AFileWithoutAnEmbeddedSignatureIsLookedUpInTheCatalogs) {
  using S = TSignatureState;
  EXPECT_EQ(VerifyFileSignature(L"C:\\Windows\\System32\\INBOX.exe"),
            (TSignatureInfo{S::Valid, L"Windows Publisher"}));
  EXPECT_EQ(VerifyFileSignature(L"C:\\Apps\\plain.exe"), (TSignatureInfo{S::Unsigned, std::nullopt}));
  EXPECT_EQ(VerifyFileSignature(L"C:\\Apps\\missing.exe"), (TSignatureInfo{S::Unknown, std::nullopt}));
  // A lookup that could not run says nothing about the file.
  fake.signatures.faults.Fail("FindCatalog", ERROR_ACCESS_DENIED, 0, 1);
  EXPECT_EQ(VerifyFileSignature(L"C:\\Apps\\plain.exe"), (TSignatureInfo{S::Unknown, std::nullopt}));
  // The embedded signature decides when there is one.
  EXPECT_EQ(VerifyFileSignature(L"C:\\Apps\\signed.exe"), (TSignatureInfo{S::Valid, L"Maker Ltd"}));
}

TEST_F(SignatureCatalogueTest, EachFileIsCheckedOnceOnAsManyThreadsAsThereAre) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < 40; ++i) {
    paths.push_back(L"C:\\Apps\\signed.exe");
    paths.push_back(L"C:\\APPS\\Signed.EXE");
    paths.push_back(L"C:\\Apps\\plain.exe");
  }
  for (unsigned threads : {1u, 4u, 16u}) {
    const int before = fake.signatures.EmbeddedChecks(L"C:\\Apps\\signed.exe");
    const std::vector<TSignatureInfo> answers = VerifyFileSignatures(paths, threads);
    ASSERT_EQ(answers.size(), paths.size());
    EXPECT_EQ(fake.signatures.EmbeddedChecks(L"C:\\Apps\\signed.exe") - before, 1) << threads;
    for (size_t i = 0; i < paths.size(); ++i)
      EXPECT_EQ(answers[i].State, i % 3 == 2 ? TSignatureState::Unsigned : TSignatureState::Valid);
  }
  EXPECT_TRUE(VerifyFileSignatures({}, 4).empty());
}

// A check that never comes back (a file on a share that went offline) costs that file its
// answer, not the listing: the call returns with the file unknown and every other one
// right, however few threads it was given.
TEST_F(SignatureCatalogueTest, AHangingCheckIsGivenUpAndTheOthersAreAnswered) {
  using S = TSignatureState;
  // Long enough for a fake check on a loaded machine, short for a test.
  constexpr std::chrono::milliseconds kDeadline{400};
  fake.files.AddFile(L"\\\\server\\share", L"offline.exe");
  fake.signatures.Hold(L"\\\\server\\share\\offline.exe");
  const std::vector<std::wstring> paths = {
      L"\\\\server\\share\\offline.exe", L"C:\\Apps\\signed.exe", L"C:\\Apps\\plain.exe",
      L"C:\\Windows\\System32\\inbox.exe", L"\\\\SERVER\\share\\Offline.exe"};
  const std::vector<TSignatureInfo> expected = {{S::Unknown, std::nullopt},
                                                {S::Valid, L"Maker Ltd"},
                                                {S::Unsigned, std::nullopt},
                                                {S::Valid, L"Windows Publisher"},
                                                {S::Unknown, std::nullopt}};
  int abandoned = 0;
  for (unsigned threads : {1u, 3u}) {
    EXPECT_EQ(VerifyFileSignatures(paths, threads, kDeadline), expected) << threads;
    ++abandoned;
    // The checks given up on are still there, holding what they use.
    EXPECT_EQ(fake.signatures.HeldCalls(), abandoned) << threads;
    EXPECT_EQ(AbandonedSignatureChecks(), abandoned) << threads;
  }
  fake.signatures.ReleaseHeld();
  // Released, they end by themselves and let go of the platform before the fakes go.
  while (AbandonedSignatureChecks() > 0) std::this_thread::yield();
  EXPECT_EQ(PlatformLeases(), 0);
}

class SignatureCompanionTest : public SignatureCatalogueTest {
 protected:
  void SetUp() override {
    SignatureCatalogueTest::SetUp();
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Signed", L"\"C:\\Apps\\signed.exe\" /tray");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Again", L"C:\\Apps\\signed.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Plain", L"C:\\Apps\\plain.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Inbox", L"C:\\Windows\\System32\\inbox.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Gone", L"C:\\Apps\\gone.exe");
    FakeService service;
    service.name = L"svc";
    service.imagePath = L"C:\\Apps\\signed.exe";
    fake.services.AddService(service);
    fake.files.AddFolder(L"C:\\out");
  }
  int Run(std::vector<std::wstring> args) {
    out.clear();
    err.clear();
    return RunCompanion(args, out, err);
  }
  std::map<std::string, std::pair<nlohmann::json, nlohmann::json>> Signatures() {
    EXPECT_EQ(Run({L"list", L"--verify", L"--format", L"json"}), 0) << err;
    std::map<std::string, std::pair<nlohmann::json, nlohmann::json>> found;
    for (const auto& entry : nlohmann::json::parse(out))
      found[entry["caption"]] = {entry["signature"], entry["signer"]};
    return found;
  }
  std::string out, err;
};

TEST_F(SignatureCompanionTest, VerifyAddsSignatureAndSignerToEveryFormat) {
  using Pair = std::pair<nlohmann::json, nlohmann::json>;
  EXPECT_EQ(Signatures(), (std::map<std::string, Pair>{{"Signed", {"valid", "Maker Ltd"}},
                                                      {"Again", {"valid", "Maker Ltd"}},
                                                      {"Plain", {"unsigned", nullptr}},
                                                      {"Inbox", {"valid", "Windows Publisher"}},
                                                      {"Gone", {nullptr, nullptr}},
                                                      {"", {nullptr, nullptr}}}))  // the service
      << out;
  EXPECT_EQ(fake.signatures.EmbeddedChecks(L"C:\\Apps\\signed.exe"), 1) << "one check per file";

  ASSERT_EQ(Run({L"list", L"--verify", L"--format", L"csv", L"--why"}), 0) << err;
  EXPECT_EQ(out.rfind("from,caption,target,fileName,rawData,enabled,hiddenBy,signature,signer\r\n", 0), 0u);
  EXPECT_NE(out.find(",true,,valid,Maker Ltd\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find(",true,,unsigned,\r\n"), std::string::npos) << out;
  ASSERT_EQ(Run({L"list", L"--view", L"--verify", L"--why"}), 0) << err;
  EXPECT_NE(out.find("valid: Maker Ltd"), std::string::npos) << out;
  EXPECT_NE(out.find("Signature"), std::string::npos) << out;
  ASSERT_EQ(Run({L"list"}), 0);
  EXPECT_EQ(out.find("Signature"), std::string::npos) << "only with --verify";
}

// A program whose signer changed is what an administrator most wants to see.
TEST_F(SignatureCompanionTest, DiffComparesSignersWhenTheSnapshotHasThem) {
  ASSERT_EQ(Run({L"list", L"--verify", L"--format", L"json", L"--output", L"C:\\out\\signed.json"}), 0);
  ASSERT_EQ(Run({L"list", L"--format", L"json", L"--output", L"C:\\out\\plain.json"}), 0);
  EXPECT_EQ(Run({L"diff", L"C:\\out\\signed.json"}), 0) << out;

  fake.signatures.SetEmbedded(L"C:\\Apps\\signed.exe",
                              Verdict(ERROR_SUCCESS, L"Someone Else", CERT_TRUST_IS_UNTRUSTED_ROOT));
  EXPECT_EQ(Run({L"diff", L"C:\\out\\plain.json"}), 0) << "no signatures in the snapshot: " << out;
  EXPECT_EQ(Run({L"diff", L"C:\\out\\signed.json", L"--format", L"json"}), 1);
  const auto diff = nlohmann::json::parse(out);
  ASSERT_EQ(diff["changed"].size(), 2u) << diff;
  EXPECT_EQ(diff["changed"][0]["changes"],
            (nlohmann::json{{"signature", {{"before", "valid"}, {"after", "untrusted"}}},
                            {"signer", {{"before", "Maker Ltd"}, {"after", "Someone Else"}}}}));
}

}  // namespace
