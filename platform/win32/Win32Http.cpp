#include "platform/win32/Win32Http.h"

#include <memory>
#include <vector>

#include "platform/SecureProtocols.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32Proxy.h"

// WinHTTP in asynchronous mode: every step is started, then the calling thread waits
// for either its completion or the abort event. A synchronous call can only be ended by
// closing its handle from another thread and hoping the call notices; here the waiting
// thread is ours, so an abort sends it away at once whatever WinHTTP is still doing,
// and closing the program never waits out a sixty-second time-out.

namespace {

using UniqueInternet = UniqueAny<Win32HandleTraits<HINTERNET, ::WinHttpCloseHandle>>;

// What one request shares with WinHTTP's callback threads. WinHTTP may still write
// into the read buffer or signal the event after an abort has sent the caller away, so
// this lives until the request handle is really gone (WINHTTP_CALLBACK_STATUS_HANDLE_
// CLOSING), not until Get returns.
struct Exchange {
  UniqueHandle completed{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  // Written by the callback before it signals `completed`; read after the wait.
  DWORD result = 0;
  DWORD error = 0;
  std::vector<char> chunk;

  void Complete(DWORD value, DWORD failure) {
    result = value;
    error = failure;
    ::SetEvent(completed.get());
  }
};
using ExchangeRef = std::shared_ptr<Exchange>;

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
  if (context == 0) return;
  auto* holder = reinterpret_cast<ExchangeRef*>(context);
  Exchange& exchange = **holder;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      exchange.Complete(0, NO_ERROR);
      break;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
      exchange.Complete(*static_cast<DWORD*>(info), NO_ERROR);
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      exchange.Complete(length, NO_ERROR);
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR: {
      const DWORD failure = static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError;
      exchange.Complete(0, failure == NO_ERROR ? ERROR_WINHTTP_INTERNAL_ERROR : failure);
      break;
    }
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
      delete holder;
      break;
    default:
      break;
  }
}

class Request {
 public:
  Request(HttpAbort* abort, ULONGLONG deadline) : abort_(abort), deadline_(deadline) {
    exchange_->chunk.reserve(64 * 1024);
  }
  ~Request() {
    if (armed_) abort_->Disarm();
  }
  Request(const Request&) = delete;
  Request& operator=(const Request&) = delete;

  // On a redirect (a 3xx answer with a Location), *location is its target and the body
  // is not read; otherwise *location is empty.
  BOOL Run(const std::wstring& url, const HttpHeaders& headers, DWORD* status, std::string* body,
           std::wstring* location, DWORD* error) {
    if (!exchange_->completed || !abortEvent_) return Fail(error, ::GetLastError());
    if (abort_ != nullptr) {
      HANDLE wake = abortEvent_.get();
      if (!abort_->Arm([wake] { ::SetEvent(wake); }))
        return Fail(error, ERROR_WINHTTP_OPERATION_CANCELLED);
      armed_ = true;
    }

    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!::WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return Fail(error, ::GetLastError());
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";

    // No user agent or certificate settings of our own: WinHTTP's defaults apply. The
    // proxy is the system's: Windows 8.1 and later find it themselves (Internet
    // Options, detection, scripts), inside the asynchronous request that our wait and
    // abort already bound; before them WinHttpOpen refuses that access type, and the
    // request takes the user's Internet Options (ApplyUserProxy) instead.
    bool automaticProxy = true;
    UniqueInternet session(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                         WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                         WINHTTP_FLAG_ASYNC));
    if (!session) {
      automaticProxy = false;
      session.reset(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                  WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
    }
    if (!session) return Fail(error, ::GetLastError());
    // TLS 1.2 asked for by name: Windows 7 and 8.0 would offer only SSL 3.0 and TLS 1.0,
    // which no current server takes. A system that refuses every set keeps its defaults.
    (void)OfferSecureProtocols([&session](DWORD protocols) {
      return ::WinHttpSetOption(session.get(), WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols,
                                sizeof(protocols)) != FALSE;
    });
    // Name resolution keeps WinHTTP's default (no limit of its own); the attempt's
    // limit covers it.
    if (!::WinHttpSetTimeouts(session.get(), 0, kHttpStepTimeoutMilliseconds,
                              kHttpStepTimeoutMilliseconds, kHttpStepTimeoutMilliseconds))
      return Fail(error, ::GetLastError());
    UniqueInternet connection(::WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return Fail(error, ::GetLastError());
    UniqueInternet request(::WinHttpOpenRequest(
        connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
    if (!request) return Fail(error, ::GetLastError());
    // WinHTTP would follow a redirect on its own and send our headers, the
    // installation identity among them, wherever it points. Get decides instead.
    DWORD disable = WINHTTP_DISABLE_REDIRECTS;
    if (!::WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &disable, sizeof(disable)))
      return Fail(error, ::GetLastError());
    if (!automaticProxy) {
      // Chosen once per run, under this attempt's deadline and abort (Win32Proxy.h).
      if (const DWORD failure = ApplyUserProxy(request.get(), url, deadline_, abortEvent_.get());
          failure != NO_ERROR)
        return Fail(error, failure);
    }

    if (::WinHttpSetStatusCallback(request.get(), OnStatus,
                                   WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                                       WINHTTP_CALLBACK_FLAG_HANDLES,
                                   0) == WINHTTP_INVALID_STATUS_CALLBACK)
      return Fail(error, ::GetLastError());
    // From here the request handle owns one reference to the exchange, dropped when the
    // handle reports that it is closing.
    auto holder = std::make_unique<ExchangeRef>(exchange_);
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(holder.get());
    if (!::WinHttpSetOption(request.get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof(context)))
      return Fail(error, ::GetLastError());
    holder.release();

    for (const HttpHeader& header : headers) {
      const std::wstring line = header.name + L": " + header.value;
      if (!::WinHttpAddRequestHeaders(request.get(), line.c_str(), static_cast<DWORD>(-1),
                                      WINHTTP_ADDREQ_FLAG_ADD))
        return Fail(error, ::GetLastError());
    }

    if (!::WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                              WINHTTP_NO_REQUEST_DATA, 0, 0, context))
      return Fail(error, ::GetLastError());
    if (!Await(error)) return FALSE;
    if (!::WinHttpReceiveResponse(request.get(), nullptr)) return Fail(error, ::GetLastError());
    if (!Await(error)) return FALSE;

    DWORD code = 0;
    DWORD size = sizeof(code);
    if (!::WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                               WINHTTP_HEADER_NAME_BY_INDEX, &code, &size, WINHTTP_NO_HEADER_INDEX))
      return Fail(error, ::GetLastError());
    location->clear();
    if (IsRedirect(code)) {
      if (!QueryLocation(request.get(), *location)) return Fail(error, ::GetLastError());
      if (!location->empty()) {
        *status = code;
        return TRUE;
      }
    }
    // A declared length over the cap fails before anything is read.
    DWORD declared = 0;
    size = sizeof(declared);
    if (::WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                              WINHTTP_HEADER_NAME_BY_INDEX, &declared, &size,
                              WINHTTP_NO_HEADER_INDEX) &&
        declared > kHttpBodyCap)
      return Fail(error, ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW);

    std::string received;
    for (;;) {
      if (!::WinHttpQueryDataAvailable(request.get(), nullptr)) return Fail(error, ::GetLastError());
      if (!Await(error)) return FALSE;
      const DWORD available = exchange_->result;
      if (available == 0) break;
      if (received.size() + available > kHttpBodyCap)
        return Fail(error, ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW);
      exchange_->chunk.resize(available);
      if (!::WinHttpReadData(request.get(), exchange_->chunk.data(), available, nullptr))
        return Fail(error, ::GetLastError());
      if (!Await(error)) return FALSE;
      const DWORD read = exchange_->result;
      if (read == 0) break;
      received.append(exchange_->chunk.data(), read);
    }
    *status = code;
    *body = std::move(received);
    return TRUE;
  }

 private:
  static bool IsRedirect(DWORD code) {
    return code == 301 || code == 302 || code == 303 || code == 307 || code == 308;
  }

  // The Location header, empty when there is none.
  static bool QueryLocation(HINTERNET request, std::wstring& location) {
    DWORD size = 0;
    if (::WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX,
                              WINHTTP_NO_OUTPUT_BUFFER, &size, WINHTTP_NO_HEADER_INDEX))
      return true;
    const DWORD failure = ::GetLastError();
    if (failure == ERROR_WINHTTP_HEADER_NOT_FOUND) return true;
    if (failure != ERROR_INSUFFICIENT_BUFFER) return false;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX,
                               buffer.data(), &size, WINHTTP_NO_HEADER_INDEX))
      return false;
    location.assign(buffer.data(), size / sizeof(wchar_t));
    return true;
  }

  static BOOL Fail(DWORD* error, DWORD code) {
    *error = code == NO_ERROR ? ERROR_WINHTTP_INTERNAL_ERROR : code;
    return FALSE;
  }

  // Waits for the step started last, at most until the attempt's deadline. An abort or
  // the deadline sends the caller away at once; closing the handles afterwards cancels
  // the step inside WinHTTP.
  bool Await(DWORD* error) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline_) {
      *error = ERROR_WINHTTP_TIMEOUT;
      return false;
    }
    HANDLE waits[2] = {exchange_->completed.get(), abortEvent_.get()};
    const DWORD woken =
        ::WaitForMultipleObjects(2, waits, FALSE, static_cast<DWORD>(deadline_ - now));
    if (woken == WAIT_OBJECT_0) {
      if (exchange_->error == NO_ERROR) return true;
      *error = exchange_->error;
      return false;
    }
    if (woken == WAIT_TIMEOUT)
      *error = ERROR_WINHTTP_TIMEOUT;
    else
      *error = woken == WAIT_OBJECT_0 + 1 ? ERROR_WINHTTP_OPERATION_CANCELLED : ::GetLastError();
    return false;
  }

  HttpAbort* abort_;
  bool armed_ = false;
  ULONGLONG deadline_;
  ExchangeRef exchange_ = std::make_shared<Exchange>();
  UniqueHandle abortEvent_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

// The address a redirect leads to, when it may be followed: the same host and port,
// over https. Anything else would carry the request's headers somewhere the program was
// not built to talk to, or in the clear.
bool RedirectTarget(const std::wstring& from, const std::wstring& location, std::wstring& to) {
  std::wstring target = location;
  if (!location.empty() && location[0] == L'/' && (location.size() < 2 || location[1] != L'/')) {
    // A path on the same server.
    const size_t schemeEnd = from.find(L"://");
    const size_t pathStart = schemeEnd == std::wstring::npos ? std::wstring::npos
                                                             : from.find(L'/', schemeEnd + 3);
    target = from.substr(0, pathStart) + location;
  }
  URL_COMPONENTS was = {};
  was.dwStructSize = sizeof(was);
  was.dwHostNameLength = static_cast<DWORD>(-1);
  URL_COMPONENTS goes = was;
  if (!::WinHttpCrackUrl(from.c_str(), 0, 0, &was) || !::WinHttpCrackUrl(target.c_str(), 0, 0, &goes))
    return false;
  if (goes.nScheme != INTERNET_SCHEME_HTTPS || goes.nPort != was.nPort) return false;
  if (::CompareStringOrdinal(was.lpszHostName, static_cast<int>(was.dwHostNameLength),
                             goes.lpszHostName, static_cast<int>(goes.dwHostNameLength),
                             TRUE) != CSTR_EQUAL)
    return false;
  to = std::move(target);
  return true;
}

}  // namespace

BOOL Win32Http::Get(const std::wstring& url, const HttpHeaders& headers, HttpAbort* abort,
                    DWORD* status, std::string* body, DWORD* error) {
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  // GetTickCount64 is monotonic: the attempt's limit does not move with the wall clock,
  // and it covers every hop of a redirect.
  const ULONGLONG deadline = ::GetTickCount64() + kHttpAttemptLimitMilliseconds;
  std::wstring current = url;
  for (int hop = 0;; ++hop) {
    DWORD code = 0;
    std::string received;
    std::wstring location;
    Request request(abort, deadline);
    if (!request.Run(current, headers, &code, &received, &location, error)) return FALSE;
    if (location.empty()) {
      if (status != nullptr) *status = code;
      if (body != nullptr) *body = std::move(received);
      return TRUE;
    }
    std::wstring next;
    if (hop == kHttpRedirectLimit || !RedirectTarget(current, location, next)) {
      *error = ERROR_WINHTTP_REDIRECT_FAILED;
      return FALSE;
    }
    current = std::move(next);
  }
}
