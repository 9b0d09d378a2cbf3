// Authenticode through wintrust and crypt32, offline.
#pragma once

#include "platform/Signatures.h"

class Win32Signatures : public ISignatures {
 public:
  TrustVerdict VerifyEmbedded(const wchar_t* path) override;
  BOOL FindCatalog(const wchar_t* path, std::wstring* catalogPath, std::wstring* memberTag,
                   DWORD* error) override;
  TrustVerdict VerifyCatalogMember(const wchar_t* path, const wchar_t* catalogPath,
                                   const wchar_t* memberTag) override;
};
