#include "platform/fake/FaultPlan.h"

#include <algorithm>

void FaultPlan::Fail(std::string_view call, std::uint32_t code, int skipCalls, int times) {
  std::lock_guard lock(mutex_);
  rules_.push_back({std::string(call), code, std::max(skipCalls, 0), times});
}

std::optional<std::uint32_t> FaultPlan::Check(std::string_view call) {
  std::lock_guard lock(mutex_);
  auto counter = calls_.find(call);
  if (counter == calls_.end()) counter = calls_.emplace(std::string(call), 0).first;
  ++counter->second;

  std::optional<std::uint32_t> result;
  for (Rule& rule : rules_) {
    if (rule.call != call) continue;
    // Each rule counts its own skipped calls, so a rule added later still lets its own
    // first calls through even while an older rule is failing them.
    if (rule.skip > 0) {
      --rule.skip;
      continue;
    }
    if (rule.times == 0 || result) continue;
    if (rule.times > 0) --rule.times;
    result = rule.code;
  }
  std::erase_if(rules_, [](const Rule& rule) { return rule.times == 0; });
  return result;
}

void FaultPlan::Clear() {
  std::lock_guard lock(mutex_);
  rules_.clear();
}

void FaultPlan::Clear(std::string_view call) {
  std::lock_guard lock(mutex_);
  std::erase_if(rules_, [call](const Rule& rule) { return rule.call == call; });
}

int FaultPlan::Calls(std::string_view call) const {
  std::lock_guard lock(mutex_);
  const auto counter = calls_.find(call);
  return counter == calls_.end() ? 0 : counter->second;
}

void FaultPlan::ResetCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
}
