// An HTTP client that answers from a script: each request takes the next scripted
// response (or the default one once the script is used up) and is recorded with its
// URL and headers. It keeps the real client's rules: a body over kHttpBodyCap fails,
// an aborted token fails at once, and a response told to hang waits until aborted.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Http.h"
#include "platform/fake/FaultPlan.h"

struct FakeHttpResponse {
  DWORD error = 0;  // not 0: the request fails with this ERROR_WINHTTP_* code
  DWORD status = 200;
  std::string body;
  // Blocks until the request's token is aborted (then ERROR_WINHTTP_OPERATION_CANCELLED);
  // without a token it is the client's time-out, ERROR_WINHTTP_TIMEOUT.
  bool hang = false;

  static FakeHttpResponse Ok(std::string body, DWORD status = 200) {
    return {0, status, std::move(body), false};
  }
  static FakeHttpResponse Fail(DWORD error) { return {error, 0, {}, false}; }
  static FakeHttpResponse Hang() { return {0, 0, {}, true}; }
};

struct HttpCall {
  std::wstring url;
  HttpHeaders headers;
};

class FakeHttp : public IHttp {
 public:
  [[nodiscard]] BOOL Get(const std::wstring& url, const HttpHeaders& headers, HttpAbort* abort,
                         DWORD* status, std::string* body, DWORD* error) override;

  void Script(FakeHttpResponse response);
  // Used once the script is empty; at first every request fails to connect.
  void SetDefault(FakeHttpResponse response);
  std::vector<HttpCall> Calls() const;
  // How many requests are waiting in a hanging response right now.
  int Hanging() const;
  // Waits on the steady clock until at least `count` requests hang; false when `within`
  // passes first.
  bool WaitUntilHanging(int count, std::chrono::milliseconds within) const;

  // Runs at the start of every request, on the requesting thread, before it is answered.
  std::function<void(const HttpCall&)> onRequest;
  // "WinHttpSendRequest": the request fails with the code instead of being answered.
  FaultPlan faults{"FakeHttp", {"WinHttpSendRequest"}};

 private:
  mutable std::mutex mutex_;
  std::condition_variable woken_;
  mutable std::condition_variable hangingChanged_;
  std::deque<FakeHttpResponse> script_;
  FakeHttpResponse default_ = FakeHttpResponse::Fail(ERROR_WINHTTP_CANNOT_CONNECT);
  std::vector<HttpCall> calls_;
  int hanging_ = 0;
};
