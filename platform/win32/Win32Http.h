// HTTP GET over WinHTTP.
#pragma once

#include "platform/Http.h"

class Win32Http final : public IHttp {
 public:
  BOOL Get(const std::wstring& url, const HttpHeaders& headers, HttpAbort* abort, DWORD* status,
           std::string* body, DWORD* error) override;
};
