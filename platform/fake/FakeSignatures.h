// Authenticode in memory: a verdict per file for its embedded signature, and catalogs
// that list files with the verdict for each member. A file nobody set up is unsigned and
// in no catalog; one that does not exist fails as WinVerifyTrust fails to open it.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/Signatures.h"
#include "platform/fake/FaultPlan.h"

class FakeSignatures : public ISignatures {
 public:
  TrustVerdict VerifyEmbedded(const wchar_t* path) override;
  [[nodiscard]] BOOL FindCatalog(const wchar_t* path, std::wstring* catalogPath,
                                 std::wstring* memberTag, DWORD* error) override;
  TrustVerdict VerifyCatalogMember(const wchar_t* path, const wchar_t* catalogPath,
                                   const wchar_t* memberTag) override;

  // Test setup; paths compare without regard to case.
  void SetEmbedded(std::wstring_view path, TrustVerdict verdict);
  // The catalog lists the file under memberTag; verifying that member answers `verdict`.
  void ListInCatalog(std::wstring_view path, std::wstring catalogPath, std::wstring memberTag,
                     TrustVerdict verdict);
  // VerifyEmbedded calls made for the path.
  int EmbeddedChecks(std::wstring_view path) const;
  // A check of the path that never comes back on its own, as one of a file on a share
  // that went offline: every call for it waits until ReleaseHeld.
  void Hold(std::wstring_view path);
  void ReleaseHeld();
  // Calls waiting in a hold now.
  int HeldCalls() const;

  // Whether a file is there; set by FakePlatform to look into its file system.
  std::function<bool(std::wstring_view)> fileExists;
  FaultPlan faults{"FakeSignatures", {"FindCatalog", "VerifyCatalogMember", "VerifyEmbedded"}};

 private:
  struct Listing {
    std::wstring catalog;
    std::wstring member;
    TrustVerdict verdict;
  };
  mutable std::mutex mutex_;
  std::map<std::wstring, TrustVerdict> embedded_;  // by folded path
  std::map<std::wstring, Listing> catalogued_;     // by folded path
  std::map<std::wstring, int> checks_;             // by folded path
  std::wstring held_;                              // folded; empty: none
  int heldCalls_ = 0;
  std::condition_variable released_;

  void WaitWhileHeld(const std::wstring& key);
};
