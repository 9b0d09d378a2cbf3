// One HTTP GET through the platform's client (WinHTTP on Windows): custom request
// headers in the order given, the whole response body as bytes, the time-outs below. The status code is handed back but not judged: an error page with
// a body is a response like any other.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

#ifdef _WIN32
#include <winhttp.h>
#else
// The WinHTTP error codes the program meets, with the values of winhttp.h.
constexpr DWORD ERROR_WINHTTP_TIMEOUT = 12002;
constexpr DWORD ERROR_WINHTTP_INTERNAL_ERROR = 12004;
constexpr DWORD ERROR_WINHTTP_INVALID_URL = 12005;
constexpr DWORD ERROR_WINHTTP_UNRECOGNIZED_SCHEME = 12006;
constexpr DWORD ERROR_WINHTTP_NAME_NOT_RESOLVED = 12007;
constexpr DWORD ERROR_WINHTTP_OPERATION_CANCELLED = 12017;
constexpr DWORD ERROR_WINHTTP_CANNOT_CONNECT = 12029;
constexpr DWORD ERROR_WINHTTP_CONNECTION_ERROR = 12030;
constexpr DWORD ERROR_WINHTTP_INVALID_SERVER_RESPONSE = 12152;
constexpr DWORD ERROR_WINHTTP_REDIRECT_FAILED = 12156;
constexpr DWORD ERROR_WINHTTP_SECURE_FAILURE = 12175;
constexpr DWORD ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW = 12184;
#endif

// Connecting, sending and receiving each get a minute (WinHTTP's own defaults for the
// last two are 30 s). On top of that one attempt as a whole ends after two minutes: a
// server that trickles a byte now and then satisfies every step's time-out, and would
// otherwise hold the request, and the list that waits for it, for as long as it likes.
inline constexpr int kHttpStepTimeoutMilliseconds = 60'000;
inline constexpr unsigned kHttpAttemptLimitMilliseconds = 120'000;

// Redirects are followed only to the same host and port over https, at most this many
// in a row; any other redirect fails the request with ERROR_WINHTTP_REDIRECT_FAILED, so
// the request's headers never go to another host or in the clear.
inline constexpr int kHttpRedirectLimit = 5;

// A body larger than this fails the request: it is read whole into memory, and an
// endless or enormous answer must not exhaust it.
inline constexpr std::size_t kHttpBodyCap = 16u * 1024u * 1024u;

struct HttpHeader {
  std::wstring name;
  std::wstring value;

  bool operator==(const HttpHeader&) const = default;
};
using HttpHeaders = std::vector<HttpHeader>;

// Lets another thread end a request in progress at once (the program is closing), so
// nobody waits for a time-out. A request registers how it is woken while it runs;
// Abort() marks the token for good and wakes that request. A request started on an
// aborted token fails at once.
class HttpAbort {
 public:
  void Abort() {
    // The wake runs under the lock, so the request cannot disarm and free what wake
    // touches while it runs; a wake only signals and never calls back in here.
    std::lock_guard lock(mutex_);
    aborted_ = true;
    if (wake_) wake_();
  }
  bool Aborted() const {
    std::lock_guard lock(mutex_);
    return aborted_;
  }

  // For the platform's clients: between Arm and Disarm, Abort() calls wake on the
  // aborting thread. False (and nothing armed) when the token is already aborted.
  [[nodiscard]] bool Arm(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    if (aborted_) return false;
    wake_ = std::move(wake);
    return true;
  }
  void Disarm() {
    std::lock_guard lock(mutex_);
    wake_ = nullptr;
  }

 private:
  mutable std::mutex mutex_;
  bool aborted_ = false;
  std::function<void()> wake_;
};

class IHttp {
 public:
  virtual ~IHttp() = default;

  // GET url with exactly these headers added, in this order (an empty value still sends
  // the header), no body and nothing else of the caller's. TRUE: *status holds the
  // response's status code and *body the whole body as received. FALSE: *error holds an
  // ERROR_WINHTTP_* code and *status and *body are untouched;
  // ERROR_WINHTTP_OPERATION_CANCELLED after abort->Abort(),
  // ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW for a body over kHttpBodyCap, and
  // ERROR_WINHTTP_TIMEOUT for a step over its time-out or a request over the attempt's
  // limit, ERROR_WINHTTP_REDIRECT_FAILED for a redirect it may not follow (see
  // kHttpRedirectLimit). abort may be nullptr.
  [[nodiscard]] virtual BOOL Get(const std::wstring& url, const HttpHeaders& headers,
                                 HttpAbort* abort, DWORD* status, std::string* body,
                                 DWORD* error) = 0;
};
