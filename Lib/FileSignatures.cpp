#include "Lib/FileSignatures.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <unordered_map>

#include "Tavin/Text.h"
#include "platform/Platform.h"

namespace {

// Chain faults that leave the signer unknown to anyone the user trusts.
constexpr DWORD kUntrustedChain = CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN |
                                  CERT_TRUST_IS_REVOKED | CERT_TRUST_IS_EXPLICIT_DISTRUST |
                                  CERT_TRUST_IS_CYCLIC | CERT_TRUST_IS_NOT_SIGNATURE_VALID |
                                  CERT_TRUST_IS_NOT_TIME_VALID | CERT_TRUST_IS_NOT_VALID_FOR_USAGE;

TSignatureInfo Signed(TSignatureState state, const TrustVerdict& verdict) {
  TSignatureInfo info{state, std::nullopt};
  if (!verdict.signer.empty()) info.Signer = verdict.signer;
  return info;
}

TSignatureInfo ByChain(const TrustVerdict& verdict) {
  if (verdict.chainBuilt && (verdict.chainErrors & kUntrustedChain) != 0)
    return Signed(TSignatureState::Untrusted, verdict);
  return Signed(TSignatureState::Valid, verdict);
}

}  // namespace

const wchar_t* SignatureStateName(TSignatureState state) {
  switch (state) {
    case TSignatureState::Valid: return L"valid";
    case TSignatureState::Unsigned: return L"unsigned";
    case TSignatureState::Invalid: return L"invalid";
    case TSignatureState::Untrusted: return L"untrusted";
    case TSignatureState::Unknown: break;
  }
  return L"unknown";
}

TSignatureInfo JudgeVerdict(const TrustVerdict& verdict) {
  switch (verdict.result) {
    case ERROR_SUCCESS:
    // Revocation could not be learnt from the cache: the chain decides, as without a check.
    case CERT_E_REVOCATION_FAILURE:
    case CRYPT_E_REVOCATION_OFFLINE:
    case CRYPT_E_NO_REVOCATION_CHECK:
      return ByChain(verdict);
    case TRUST_E_NOSIGNATURE:
    case TRUST_E_SUBJECT_FORM_UNKNOWN:
    case TRUST_E_PROVIDER_UNKNOWN:
      return {TSignatureState::Unsigned, std::nullopt};
    case TRUST_E_BAD_DIGEST:
    case TRUST_E_NO_SIGNER_CERT:
      return {TSignatureState::Invalid, std::nullopt};
    case CERT_E_UNTRUSTEDROOT:
    case CERT_E_UNTRUSTEDTESTROOT:
    case CERT_E_CHAINING:
    case CERT_E_REVOKED:
    case CERT_E_EXPIRED:
    case CERT_E_WRONG_USAGE:
    case TRUST_E_EXPLICIT_DISTRUST:
    case TRUST_E_SUBJECT_NOT_TRUSTED:
      return Signed(TSignatureState::Untrusted, verdict);
    default:
      return {TSignatureState::Unknown, std::nullopt};
  }
}

TSignatureInfo VerifyFileSignature(const std::wstring& path) {
  ISignatures& signatures = PlatformSignatures();
  const TSignatureInfo embedded = JudgeVerdict(signatures.VerifyEmbedded(path.c_str()));
  if (embedded.State != TSignatureState::Unsigned) return embedded;
  std::wstring catalog, member;
  DWORD error = ERROR_SUCCESS;
  if (!signatures.FindCatalog(path.c_str(), &catalog, &member, &error))
    return {error == static_cast<DWORD>(ERROR_NOT_FOUND) ? TSignatureState::Unsigned : TSignatureState::Unknown,
            std::nullopt};
  const TSignatureInfo listed =
      JudgeVerdict(signatures.VerifyCatalogMember(path.c_str(), catalog.c_str(), member.c_str()));
  // A catalog that lists the hash but does not verify for it says nothing of the file.
  return listed.State == TSignatureState::Unsigned ? TSignatureInfo{TSignatureState::Unknown, std::nullopt}
                                                   : listed;
}

std::vector<TSignatureInfo> VerifyFileSignatures(const std::vector<std::wstring>& paths,
                                                 unsigned threads) {
  // The distinct files, each with the places that name it.
  std::vector<std::wstring> files;
  std::vector<size_t> fileOf(paths.size());
  std::unordered_map<std::wstring, size_t> byName;
  for (size_t i = 0; i < paths.size(); ++i) {
    const auto [found, added] = byName.emplace(LowerCaseAscii(paths[i]), files.size());
    if (added) files.push_back(paths[i]);
    fileOf[i] = found->second;
  }
  std::vector<TSignatureInfo> answers(files.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    PlatformLease lease;
    for (size_t i; (i = next.fetch_add(1)) < files.size();) {
      try {
        answers[i] = VerifyFileSignature(files[i]);
      } catch (const std::exception&) {
        answers[i] = {TSignatureState::Unknown, std::nullopt};
      }
    }
  };
  const size_t count = std::clamp<size_t>(threads, 1, std::max<size_t>(files.size(), 1));
  std::vector<std::thread> workers;
  for (size_t i = 1; i < count; ++i) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();

  std::vector<TSignatureInfo> result;
  result.reserve(paths.size());
  for (size_t i = 0; i < paths.size(); ++i) result.push_back(answers[fileOf[i]]);
  return result;
}
