#include "platform/win32/Win32Signatures.h"

#include <softpub.h>
#include <wintrust.h>
#include <mscat.h>

#include <cwchar>
#include <vector>

#include "platform/win32/Win32Handles.h"

namespace {

// The catalog administrator's calls that take a hash algorithm came with Windows 8; on 7
// and before, catalogs are looked up by SHA-1 through the first ones. Found at run time,
// so the program still starts where they are missing.
using AcquireContext2 = decltype(&::CryptCATAdminAcquireContext2);
using CalcHashFromFileHandle2 = decltype(&::CryptCATAdminCalcHashFromFileHandle2);

struct CatalogCalls {
  AcquireContext2 acquire2 = nullptr;
  CalcHashFromFileHandle2 hash2 = nullptr;
};

const CatalogCalls& Catalogs() {
  static const CatalogCalls calls = [] {
    CatalogCalls found;
    if (HMODULE wintrust = ::GetModuleHandleW(L"wintrust.dll")) {
      found.acquire2 = reinterpret_cast<AcquireContext2>(
          reinterpret_cast<void*>(::GetProcAddress(wintrust, "CryptCATAdminAcquireContext2")));
      found.hash2 = reinterpret_cast<CalcHashFromFileHandle2>(
          reinterpret_cast<void*>(::GetProcAddress(wintrust, "CryptCATAdminCalcHashFromFileHandle2")));
    }
    return found;
  }();
  return calls;
}

// A catalog administrator context, released on every path.
class CatAdmin {
 public:
  CatAdmin() {
    const CatalogCalls& calls = Catalogs();
    if (calls.acquire2 != nullptr && calls.hash2 != nullptr) {
      if (calls.acquire2(&admin_, nullptr, L"SHA256", nullptr, 0)) {
        sha256_ = true;
        return;
      }
      admin_ = nullptr;
    }
    if (!::CryptCATAdminAcquireContext(&admin_, nullptr, 0)) admin_ = nullptr;
  }
  ~CatAdmin() {
    if (admin_ != nullptr) ::CryptCATAdminReleaseContext(admin_, 0);
  }
  CatAdmin(const CatAdmin&) = delete;
  CatAdmin& operator=(const CatAdmin&) = delete;

  HCATADMIN get() const { return admin_; }
  // The file's hash as the catalogs of this system list it (two calls: size, then bytes).
  bool Hash(HANDLE file, std::vector<BYTE>& hash) const {
    DWORD size = 0;
    const CatalogCalls& calls = Catalogs();
    auto calc = [&](BYTE* bytes) {
      return sha256_ ? calls.hash2(admin_, file, &size, bytes, 0) != FALSE
                     : ::CryptCATAdminCalcHashFromFileHandle(file, &size, bytes, 0) != FALSE;
    };
    (void)calc(nullptr);
    if (size == 0 || size > 64) return false;
    hash.assign(size, 0);
    return calc(hash.data());
  }

 private:
  HCATADMIN admin_ = nullptr;
  bool sha256_ = false;
};

UniqueFileHandle OpenForHash(const wchar_t* path) {
  return UniqueFileHandle(::CreateFileW(path, GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::wstring Hex(const std::vector<BYTE>& bytes) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (BYTE b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

std::vector<BYTE> Unhex(const wchar_t* text) {
  std::vector<BYTE> bytes;
  auto value = [](wchar_t c) -> int {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
  };
  for (size_t i = 0; text[i] != L'\0' && text[i + 1] != L'\0'; i += 2) {
    const int high = value(text[i]), low = value(text[i + 1]);
    if (high < 0 || low < 0) return {};
    bytes.push_back(static_cast<BYTE>(high * 16 + low));
  }
  return bytes;
}

// The signer's chain: the trust provider's verdict alone does not say whether the root is
// trusted (Wine's provider accepts self-signed and unknown authorities), its chain does.
// The provider built that chain already, from the leaf at the time the signature was made
// (a timestamped signature outlives its certificate), with revocation from the cache only;
// building it a second time would cost as much again. Only a provider that kept none has
// it built here, the same way.
void ReadChain(const CRYPT_PROVIDER_SGNR& signer, PCCERT_CONTEXT leaf, TrustVerdict& verdict) {
  if (signer.pChainContext != nullptr) {
    verdict.chainBuilt = true;
    verdict.chainErrors = signer.pChainContext->TrustStatus.dwErrorStatus;
    return;
  }
  CERT_CHAIN_PARA para{};
  para.cbSize = sizeof para;
  FILETIME when = signer.sftVerifyAsOf;
  PCCERT_CHAIN_CONTEXT chain = nullptr;
  if (!::CertGetCertificateChain(nullptr, leaf, &when, leaf->hCertStore, &para,
                                 CERT_CHAIN_CACHE_ONLY_URL_RETRIEVAL |
                                     CERT_CHAIN_REVOCATION_CHECK_CACHE_ONLY |
                                     CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT,
                                 nullptr, &chain) ||
      chain == nullptr)
    return;
  verdict.chainBuilt = true;
  verdict.chainErrors = chain->TrustStatus.dwErrorStatus;
  ::CertFreeCertificateChain(chain);
}

// WinVerifyTrust with the provider's state kept until the signer is read, then closed.
TrustVerdict Verify(WINTRUST_DATA& data) {
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  data.cbStruct = sizeof data;
  data.dwUIChoice = WTD_UI_NONE;
  data.fdwRevocationChecks = WTD_REVOKE_WHOLECHAIN;
  data.dwStateAction = WTD_STATEACTION_VERIFY;
  // Nothing from the network: revocation from the cache only, no certificate fetched.
  data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL | WTD_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT;
  HWND noUser = static_cast<HWND>(INVALID_HANDLE_VALUE);
  TrustVerdict verdict;
  verdict.result = ::WinVerifyTrust(noUser, &action, &data);
  if (data.hWVTStateData != nullptr) {
    if (CRYPT_PROVIDER_DATA* provider = ::WTHelperProvDataFromStateData(data.hWVTStateData)) {
      if (CRYPT_PROVIDER_SGNR* signer = ::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0)) {
        CRYPT_PROVIDER_CERT* leaf = ::WTHelperGetProvCertFromChain(signer, 0);
        if (leaf != nullptr && leaf->pCert != nullptr) {
          wchar_t name[512] = {};
          if (::CertGetNameStringW(leaf->pCert, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name,
                                   512) > 1)
            verdict.signer = name;
          ReadChain(*signer, leaf->pCert, verdict);
        }
      }
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    (void)::WinVerifyTrust(noUser, &action, &data);
  }
  return verdict;
}

}  // namespace

TrustVerdict Win32Signatures::VerifyEmbedded(const wchar_t* path) {
  WINTRUST_FILE_INFO file{};
  file.cbStruct = sizeof file;
  file.pcwszFilePath = path;
  WINTRUST_DATA data{};
  data.dwUnionChoice = WTD_CHOICE_FILE;
  data.pFile = &file;
  return Verify(data);
}

BOOL Win32Signatures::FindCatalog(const wchar_t* path, std::wstring* catalogPath,
                                  std::wstring* memberTag, DWORD* error) {
  UniqueFileHandle file = OpenForHash(path);
  if (!file) {
    *error = ::GetLastError();
    return FALSE;
  }
  CatAdmin admin;
  std::vector<BYTE> hash;
  if (admin.get() == nullptr || !admin.Hash(file.get(), hash)) {
    *error = ::GetLastError() != ERROR_SUCCESS ? ::GetLastError() : ERROR_INVALID_DATA;
    return FALSE;
  }
  HCATINFO info = ::CryptCATAdminEnumCatalogFromHash(admin.get(), hash.data(),
                                                     static_cast<DWORD>(hash.size()), 0, nullptr);
  if (info == nullptr) {
    *error = ERROR_NOT_FOUND;
    return FALSE;
  }
  CATALOG_INFO catalog{};
  catalog.cbStruct = sizeof catalog;
  const BOOL found = ::CryptCATCatalogInfoFromContext(info, &catalog, 0);
  ::CryptCATAdminReleaseCatalogContext(admin.get(), info, 0);
  if (!found) {
    *error = ::GetLastError();
    return FALSE;
  }
  *catalogPath = catalog.wszCatalogFile;
  *memberTag = Hex(hash);
  return TRUE;
}

TrustVerdict Win32Signatures::VerifyCatalogMember(const wchar_t* path, const wchar_t* catalogPath,
                                                  const wchar_t* memberTag) {
  UniqueFileHandle file = OpenForHash(path);
  CatAdmin admin;
  std::vector<BYTE> hash = Unhex(memberTag);
  WINTRUST_CATALOG_INFO member{};
  member.cbStruct = sizeof member;
  member.pcwszCatalogFilePath = catalogPath;
  member.pcwszMemberTag = memberTag;
  member.pcwszMemberFilePath = path;
  member.hMemberFile = file ? file.get() : nullptr;
  member.pbCalculatedFileHash = hash.empty() ? nullptr : hash.data();
  member.cbCalculatedFileHash = static_cast<DWORD>(hash.size());
  member.hCatAdmin = admin.get();  // says which hash the member tag is (Windows 8 and later)
  WINTRUST_DATA data{};
  data.dwUnionChoice = WTD_CHOICE_CATALOG;
  data.pCatalog = &member;
  return Verify(data);
}
