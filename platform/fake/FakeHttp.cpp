#include "platform/fake/FakeHttp.h"

BOOL FakeHttp::Get(const std::wstring& url, const HttpHeaders& headers, HttpAbort* abort,
                   DWORD* status, std::string* body, DWORD* error) {
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  const HttpCall call{url, headers};
  {
    std::lock_guard lock(mutex_);
    calls_.push_back(call);
  }
  if (onRequest) onRequest(call);

  auto fail = [error](DWORD code) {
    *error = code;
    return FALSE;
  };
  if (abort != nullptr && abort->Aborted()) return fail(ERROR_WINHTTP_OPERATION_CANCELLED);
  if (auto fault = faults.Check("WinHttpSendRequest")) return fail(*fault);

  FakeHttpResponse response;
  {
    std::lock_guard lock(mutex_);
    if (!script_.empty()) {
      response = std::move(script_.front());
      script_.pop_front();
    } else {
      response = default_;
    }
  }
  if (response.hang) {
    if (abort == nullptr) return fail(ERROR_WINHTTP_TIMEOUT);
    // Armed without holding mutex_: Abort() holds the token's lock while it wakes us,
    // and the wake takes mutex_, so mutex_ must never be held while taking the token's.
    bool aborted = false;
    if (abort->Arm([this, &aborted] {
          std::lock_guard wakeLock(mutex_);
          aborted = true;
          woken_.notify_all();
        })) {
      {
        std::unique_lock lock(mutex_);
        ++hanging_;
        hangingChanged_.notify_all();
        woken_.wait(lock, [&aborted] { return aborted; });
        --hanging_;
      }
      abort->Disarm();
    }
    return fail(ERROR_WINHTTP_OPERATION_CANCELLED);
  }
  if (response.error != 0) return fail(response.error);
  if (response.body.size() > kHttpBodyCap) return fail(ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW);
  if (status != nullptr) *status = response.status;
  if (body != nullptr) *body = std::move(response.body);
  return TRUE;
}

void FakeHttp::Script(FakeHttpResponse response) {
  std::lock_guard lock(mutex_);
  script_.push_back(std::move(response));
}

void FakeHttp::SetDefault(FakeHttpResponse response) {
  std::lock_guard lock(mutex_);
  default_ = std::move(response);
}

std::vector<HttpCall> FakeHttp::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

int FakeHttp::Hanging() const {
  std::lock_guard lock(mutex_);
  return hanging_;
}

bool FakeHttp::WaitUntilHanging(int count, std::chrono::milliseconds within) const {
  std::unique_lock lock(mutex_);
  return hangingChanged_.wait_for(lock, within, [this, count] { return hanging_ >= count; });
}
