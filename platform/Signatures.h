// Authenticode: whether a file is signed, by whom, and whether Windows trusts the signer,
// in the shape of WinVerifyTrust and the catalog administrator calls. Every call is
// offline: revocation comes from the local cache only and no certificate is fetched.
#pragma once

#include <string>

#include "platform/WinTypes.h"

#ifdef _WIN32
#include <wincrypt.h>
#else
// WinVerifyTrust's answers that the logic tells apart.
constexpr LONG TRUST_E_NOSIGNATURE = static_cast<LONG>(0x800B0100);
constexpr LONG TRUST_E_SUBJECT_FORM_UNKNOWN = static_cast<LONG>(0x800B0003);
constexpr LONG TRUST_E_PROVIDER_UNKNOWN = static_cast<LONG>(0x800B0001);
constexpr LONG TRUST_E_SUBJECT_NOT_TRUSTED = static_cast<LONG>(0x800B0004);
constexpr LONG TRUST_E_EXPLICIT_DISTRUST = static_cast<LONG>(0x800B0111);
constexpr LONG TRUST_E_BAD_DIGEST = static_cast<LONG>(0x80096010);
constexpr LONG TRUST_E_NO_SIGNER_CERT = static_cast<LONG>(0x80096002);
constexpr LONG CERT_E_EXPIRED = static_cast<LONG>(0x800B0101);
constexpr LONG CERT_E_UNTRUSTEDROOT = static_cast<LONG>(0x800B0109);
constexpr LONG CERT_E_CHAINING = static_cast<LONG>(0x800B010A);
constexpr LONG CERT_E_REVOKED = static_cast<LONG>(0x800B010C);
constexpr LONG CERT_E_UNTRUSTEDTESTROOT = static_cast<LONG>(0x800B010D);
constexpr LONG CERT_E_REVOCATION_FAILURE = static_cast<LONG>(0x800B010E);
constexpr LONG CERT_E_WRONG_USAGE = static_cast<LONG>(0x800B0110);
constexpr LONG CRYPT_E_REVOCATION_OFFLINE = static_cast<LONG>(0x80092013);
constexpr LONG CRYPT_E_NO_REVOCATION_CHECK = static_cast<LONG>(0x80092012);
// A chain's TrustStatus.dwErrorStatus bits.
constexpr DWORD CERT_TRUST_IS_NOT_TIME_VALID = 0x00000001;
constexpr DWORD CERT_TRUST_IS_REVOKED = 0x00000004;
constexpr DWORD CERT_TRUST_IS_NOT_SIGNATURE_VALID = 0x00000008;
constexpr DWORD CERT_TRUST_IS_NOT_VALID_FOR_USAGE = 0x00000010;
constexpr DWORD CERT_TRUST_IS_UNTRUSTED_ROOT = 0x00000020;
constexpr DWORD CERT_TRUST_REVOCATION_STATUS_UNKNOWN = 0x00000040;
constexpr DWORD CERT_TRUST_IS_CYCLIC = 0x00000080;
constexpr DWORD CERT_TRUST_IS_PARTIAL_CHAIN = 0x00010000;
constexpr DWORD CERT_TRUST_IS_OFFLINE_REVOCATION = 0x01000000;
constexpr DWORD CERT_TRUST_IS_EXPLICIT_DISTRUST = 0x04000000;
constexpr DWORD ERROR_NOT_FOUND = 1168;
#endif

// What WinVerifyTrust said of a file or of a catalog member, and the signer's chain as
// the trust provider built it (CertGetCertificateChain inside the provider).
struct TrustVerdict {
  LONG result = 0;  // ERROR_SUCCESS, TRUST_E_NOSIGNATURE, TRUST_E_BAD_DIGEST, CERT_E_*, ...
  // The chain's TrustStatus.dwErrorStatus (CERT_TRUST_IS_UNTRUSTED_ROOT, ...); meaningful
  // only with chainBuilt.
  DWORD chainErrors = 0;
  bool chainBuilt = false;
  // The leaf certificate's subject (CertGetNameStringW, CERT_NAME_SIMPLE_DISPLAY_TYPE);
  // empty when there is no signer.
  std::wstring signer;
};

class ISignatures {
 public:
  virtual ~ISignatures() = default;

  // WinVerifyTrust(WINTRUST_ACTION_GENERIC_VERIFY_V2) of the signature embedded in the
  // file: no user interface, WTD_CACHE_ONLY_URL_RETRIEVAL, revocation of the whole chain
  // from the cache.
  virtual TrustVerdict VerifyEmbedded(const wchar_t* path) = 0;
  // The catalog that lists the file's hash: CryptCATAdminAcquireContext2 (SHA-256; SHA-1
  // before Windows 8), CryptCATAdminCalcHashFromFileHandle2, CryptCATAdminEnumCatalogFromHash,
  // CryptCATCatalogInfoFromContext. *memberTag is the hash in upper-case hexadecimal, as
  // catalogs name their members. FALSE with ERROR_NOT_FOUND when no catalog lists it, or
  // another GetLastError code when the lookup could not run.
  [[nodiscard]] virtual BOOL FindCatalog(const wchar_t* path, std::wstring* catalogPath,
                                         std::wstring* memberTag, DWORD* error) = 0;
  // WinVerifyTrust with WTD_CHOICE_CATALOG: the file as the named member of the catalog.
  virtual TrustVerdict VerifyCatalogMember(const wchar_t* path, const wchar_t* catalogPath,
                                           const wchar_t* memberTag) = 0;
};
