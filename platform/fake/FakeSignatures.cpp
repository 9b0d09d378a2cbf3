#include "platform/fake/FakeSignatures.h"

#include "platform/fake/CaseFold.h"

namespace {

// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND): what WinVerifyTrust answers for a missing file.
constexpr LONG kFileNotFound = static_cast<LONG>(0x80070002);

TrustVerdict Failed(LONG result) {
  TrustVerdict verdict;
  verdict.result = result;
  return verdict;
}

}  // namespace

void FakeSignatures::WaitWhileHeld(const std::wstring& key) {
  std::unique_lock lock(mutex_);
  if (held_.empty() || held_ != key) return;
  ++heldCalls_;
  released_.wait(lock, [&] { return held_ != key; });
  --heldCalls_;
}

TrustVerdict FakeSignatures::VerifyEmbedded(const wchar_t* path) {
  if (auto fault = faults.Check("VerifyEmbedded")) return Failed(static_cast<LONG>(*fault));
  const std::wstring key = FoldCase(path);
  {
    std::lock_guard lock(mutex_);
    ++checks_[key];
  }
  WaitWhileHeld(key);
  if (fileExists && !fileExists(path)) return Failed(kFileNotFound);
  std::lock_guard lock(mutex_);
  const auto found = embedded_.find(key);
  return found != embedded_.end() ? found->second : Failed(TRUST_E_NOSIGNATURE);
}

BOOL FakeSignatures::FindCatalog(const wchar_t* path, std::wstring* catalogPath,
                                 std::wstring* memberTag, DWORD* error) {
  if (auto fault = faults.Check("FindCatalog")) {
    *error = *fault;
    return FALSE;
  }
  WaitWhileHeld(FoldCase(path));
  if (fileExists && !fileExists(path)) {
    *error = ERROR_FILE_NOT_FOUND;
    return FALSE;
  }
  std::lock_guard lock(mutex_);
  const auto found = catalogued_.find(FoldCase(path));
  if (found == catalogued_.end()) {
    *error = ERROR_NOT_FOUND;
    return FALSE;
  }
  *catalogPath = found->second.catalog;
  *memberTag = found->second.member;
  return TRUE;
}

TrustVerdict FakeSignatures::VerifyCatalogMember(const wchar_t* path, const wchar_t* catalogPath,
                                                 const wchar_t* memberTag) {
  if (auto fault = faults.Check("VerifyCatalogMember")) return Failed(static_cast<LONG>(*fault));
  std::lock_guard lock(mutex_);
  const auto found = catalogued_.find(FoldCase(path));
  // A member the catalog does not hold has no signature there.
  if (found == catalogued_.end() || !SameFolded(found->second.catalog, catalogPath) ||
      found->second.member != memberTag)
    return Failed(TRUST_E_NOSIGNATURE);
  return found->second.verdict;
}

void FakeSignatures::SetEmbedded(std::wstring_view path, TrustVerdict verdict) {
  std::lock_guard lock(mutex_);
  embedded_[FoldCase(path)] = std::move(verdict);
}

void FakeSignatures::ListInCatalog(std::wstring_view path, std::wstring catalogPath,
                                   std::wstring memberTag, TrustVerdict verdict) {
  std::lock_guard lock(mutex_);
  catalogued_[FoldCase(path)] = {std::move(catalogPath), std::move(memberTag), std::move(verdict)};
}

int FakeSignatures::EmbeddedChecks(std::wstring_view path) const {
  std::lock_guard lock(mutex_);
  const auto found = checks_.find(FoldCase(path));
  return found == checks_.end() ? 0 : found->second;
}

void FakeSignatures::Hold(std::wstring_view path) {
  std::lock_guard lock(mutex_);
  held_ = FoldCase(path);
}

void FakeSignatures::ReleaseHeld() {
  {
    std::lock_guard lock(mutex_);
    held_.clear();
  }
  released_.notify_all();
}

int FakeSignatures::HeldCalls() const {
  std::lock_guard lock(mutex_);
  return heldCalls_;
}
