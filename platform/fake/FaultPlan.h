// Tells a fake which of its calls fail, and with what code, so the logic's failure paths
// run in the native tests. Every fake method asks Check() first, under the Win32 name of
// the call it models ("RegOpenKeyExW", "EnumServicesStatusW", "get_Count", ...).
//
// A plan knows the calls its fake models: a rule or a count for any other name (a
// misspelt "RegOpenKeyW", a call the fake never checks) throws std::invalid_argument, so a
// test cannot inject nothing and still pass.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FaultPlan {
 public:
  // owner names the fake in messages; calls are the Win32 names it checks.
  FaultPlan(std::string_view owner, std::initializer_list<std::string_view> calls);

  // From now on `call` fails with `code` (an LSTATUS, a GetLastError value or an HRESULT,
  // whatever the call reports), after letting the next skipCalls calls through; times
  // is how many calls fail, -1 for every one after that. Rules for the same call are
  // consulted in the order they were added; every rule sees every call of its name.
  void Fail(std::string_view call, std::uint32_t code, int skipCalls = 0, int times = -1);
  // Runs `hook` on the calling thread at every call of that name from now on, before the
  // call is answered: a test holds a call there, or notes which thread made it. An
  // empty hook removes it. The file system's and the registry's fakes ask their plans
  // before they take their own locks, so one held call does not hold the others.
  void OnCall(std::string_view call, std::function<void()> hook);
  // The code this call must fail with, if any. Counts the call either way.
  std::optional<std::uint32_t> Check(std::string_view call);
  // Forgets every rule (or those of one call); the counters stay.
  void Clear();
  void Clear(std::string_view call);
  // How often a call was made, failed or not, since the plan began or ResetCalls.
  int Calls(std::string_view call) const;
  void ResetCalls();
  bool Models(std::string_view call) const;

 private:
  // Throws for a name the fake does not model.
  void Require(std::string_view call) const;

  struct Rule {
    std::string call;
    std::uint32_t code;
    int skip;
    int times;
  };

  std::string owner_;
  std::vector<std::string> known_;
  mutable std::mutex mutex_;
  std::vector<Rule> rules_;
  std::map<std::string, int, std::less<>> calls_;
  std::map<std::string, std::function<void()>, std::less<>> hooks_;
};
