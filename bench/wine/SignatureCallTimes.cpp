#include "bench/wine/SignatureCallTimes.h"

#include <windows.h>
#include <softpub.h>
#include <wintrust.h>
#include <mscat.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/Platform.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration spent) {
  return std::chrono::duration<double, std::milli>(spent).count();
}

void Report(const char* what, Clock::duration spent, size_t files) {
  std::printf("  %-52s %7.2f ms/file\n", what, Milliseconds(spent) / static_cast<double>(files));
}

HANDLE OpenForReading(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// WinVerifyTrust of the embedded signature; with keepState, the provider's state is held
// until `inspect` has looked at it, then closed.
template <typename Inspect>
LONG VerifyOnce(const std::wstring& path, DWORD revocation, DWORD provFlags, bool keepState,
                Inspect&& inspect) {
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  WINTRUST_FILE_INFO file{};
  file.cbStruct = sizeof file;
  file.pcwszFilePath = path.c_str();
  WINTRUST_DATA data{};
  data.cbStruct = sizeof data;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = revocation;
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &file;
  data.dwStateAction = keepState ? WTD_STATEACTION_VERIFY : WTD_STATEACTION_IGNORE;
  data.dwProvFlags = provFlags;
  HWND noUser = static_cast<HWND>(INVALID_HANDLE_VALUE);
  const LONG result = ::WinVerifyTrust(noUser, &action, &data);
  if (keepState && data.hWVTStateData != nullptr) {
    inspect(data.hWVTStateData);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    (void)::WinVerifyTrust(noUser, &action, &data);
  }
  return result;
}

// Windows 8's calls, which the import library of mingw-w64 lacks: found at run time, as
// the program finds them.
template <typename Call>
Call Wintrust(const char* name) {
  HMODULE wintrust = ::GetModuleHandleW(L"wintrust.dll");
  return wintrust ? reinterpret_cast<Call>(reinterpret_cast<void*>(::GetProcAddress(wintrust, name)))
                  : nullptr;
}
using AcquireContext2 = decltype(&::CryptCATAdminAcquireContext2);
using CalcHash2 = decltype(&::CryptCATAdminCalcHashFromFileHandle2);

constexpr DWORD kCacheOnly = WTD_CACHE_ONLY_URL_RETRIEVAL | WTD_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT;

}  // namespace

void ReportSignatureCallTimes(const std::vector<std::wstring>& files) {
  std::printf("time per call, one thread, %zu files:\n", files.size());
  const size_t count = files.size();

  Clock::duration spent{};
  std::vector<char> buffer(1 << 20);
  for (const std::wstring& path : files) {
    const auto start = Clock::now();
    HANDLE file = OpenForReading(path);
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE &&
           ::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
           read > 0) {
    }
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    spent += Clock::now() - start;
  }
  Report("read the whole file", spent, count);

  // As the program looks catalogs up: by SHA-256 where Windows 8's calls are there, by
  // SHA-1 through the first ones elsewhere (Wine 8 has only those).
  const auto acquire2 = Wintrust<AcquireContext2>("CryptCATAdminAcquireContext2");
  const auto hash2 = Wintrust<CalcHash2>("CryptCATAdminCalcHashFromFileHandle2");
  const bool sha256 = acquire2 != nullptr && hash2 != nullptr;
  std::printf("  catalogs looked up by %s\n", sha256 ? "SHA-256" : "SHA-1 (no CryptCATAdminAcquireContext2)");
  auto acquire = [&](HCATADMIN* admin) {
    return sha256 ? acquire2(admin, nullptr, L"SHA256", nullptr, 0) != FALSE
                  : ::CryptCATAdminAcquireContext(admin, nullptr, 0) != FALSE;
  };
  HCATADMIN admin = nullptr;
  spent = {};
  auto start = Clock::now();
  if (acquire(&admin)) {
    Clock::duration enumerated{};
    for (const std::wstring& path : files) {
      start = Clock::now();
      HANDLE file = OpenForReading(path);
      BYTE hash[64];
      DWORD size = sizeof hash;
      const BOOL hashed = sha256 ? hash2(admin, file, &size, hash, 0)
                                 : ::CryptCATAdminCalcHashFromFileHandle(file, &size, hash, 0);
      if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
      spent += Clock::now() - start;
      if (!hashed) continue;
      start = Clock::now();
      if (HCATINFO info = ::CryptCATAdminEnumCatalogFromHash(admin, hash, size, 0, nullptr))
        ::CryptCATAdminReleaseCatalogContext(admin, info, 0);
      enumerated += Clock::now() - start;
    }
    Report("the file's hash for the catalogs", spent, count);
    Report("CryptCATAdminEnumCatalogFromHash", enumerated, count);
    start = Clock::now();
    for (size_t i = 0; i < count; ++i) {
      HCATADMIN again = nullptr;
      if (acquire(&again)) ::CryptCATAdminReleaseContext(again, 0);
    }
    Report("a catalog admin context acquired and released", Clock::now() - start, count);
    ::CryptCATAdminReleaseContext(admin, 0);
  }

  auto none = [](HANDLE) {};
  struct Variant {
    const char* what;
    DWORD revocation;
    DWORD flags;
    bool keepState;
  };
  for (const Variant& v : {Variant{"WinVerifyTrust, no revocation check", WTD_REVOKE_NONE, 0, false},
                           Variant{"WinVerifyTrust, revocation from the cache", WTD_REVOKE_WHOLECHAIN,
                                   kCacheOnly, false},
                           Variant{"WinVerifyTrust, the same, state kept and closed",
                                   WTD_REVOKE_WHOLECHAIN, kCacheOnly, true}}) {
    start = Clock::now();
    for (const std::wstring& path : files) (void)VerifyOnce(path, v.revocation, v.flags, v.keepState, none);
    Report(v.what, Clock::now() - start, count);
  }

  // The signer's chain again, as the provider built it but from the leaf.
  Clock::duration chains{};
  size_t providerChains = 0;
  for (const std::wstring& path : files) {
    (void)VerifyOnce(path, WTD_REVOKE_WHOLECHAIN, kCacheOnly, true, [&](HANDLE state) {
      CRYPT_PROVIDER_DATA* provider = ::WTHelperProvDataFromStateData(state);
      CRYPT_PROVIDER_SGNR* signer =
          provider ? ::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0) : nullptr;
      CRYPT_PROVIDER_CERT* leaf = signer ? ::WTHelperGetProvCertFromChain(signer, 0) : nullptr;
      if (leaf == nullptr || leaf->pCert == nullptr) return;
      if (signer->pChainContext != nullptr) ++providerChains;
      CERT_CHAIN_PARA para{};
      para.cbSize = sizeof para;
      FILETIME when = signer->sftVerifyAsOf;
      PCCERT_CHAIN_CONTEXT chain = nullptr;
      const auto begin = Clock::now();
      if (::CertGetCertificateChain(nullptr, leaf->pCert, &when, leaf->pCert->hCertStore, &para,
                                    CERT_CHAIN_CACHE_ONLY_URL_RETRIEVAL |
                                        CERT_CHAIN_REVOCATION_CHECK_CACHE_ONLY |
                                        CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT,
                                    nullptr, &chain) &&
          chain != nullptr)
        ::CertFreeCertificateChain(chain);
      chains += Clock::now() - begin;
    });
  }
  Report("CertGetCertificateChain of the leaf, again", chains, count);
  std::printf("  the provider kept its own chain for %zu of %zu files\n", providerChains, count);

  start = Clock::now();
  for (const std::wstring& path : files) (void)PlatformSignatures().VerifyEmbedded(path.c_str());
  Report("the program's VerifyEmbedded, all of it", Clock::now() - start, count);
}
