#include "platform/fake/FaultPlan.h"

#include <algorithm>
#include <stdexcept>

FaultPlan::FaultPlan(std::string_view owner, std::initializer_list<std::string_view> calls)
    : owner_(owner), known_(calls.begin(), calls.end()) {}

bool FaultPlan::Models(std::string_view call) const {
  return std::find(known_.begin(), known_.end(), call) != known_.end();
}

void FaultPlan::Require(std::string_view call) const {
  if (Models(call)) return;
  std::string known;
  for (const std::string& name : known_) known += (known.empty() ? "" : ", ") + name;
  throw std::invalid_argument(owner_ + " has no call named '" + std::string(call) +
                              "'; its calls are: " + known);
}

void FaultPlan::Fail(std::string_view call, std::uint32_t code, int skipCalls, int times) {
  Require(call);
  std::lock_guard lock(mutex_);
  rules_.push_back({std::string(call), code, std::max(skipCalls, 0), times});
}

void FaultPlan::OnCall(std::string_view call, std::function<void()> hook) {
  Require(call);
  std::lock_guard lock(mutex_);
  if (hook)
    hooks_.insert_or_assign(std::string(call), std::move(hook));
  else if (const auto found = hooks_.find(call); found != hooks_.end())
    hooks_.erase(found);
}

std::optional<std::uint32_t> FaultPlan::Check(std::string_view call) {
  Require(call);
  std::function<void()> hook;
  {
    std::lock_guard lock(mutex_);
    if (const auto found = hooks_.find(call); found != hooks_.end()) hook = found->second;
  }
  // Outside the lock: the hook may wait while other threads call the fake.
  if (hook) hook();
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
  Require(call);
  std::lock_guard lock(mutex_);
  std::erase_if(rules_, [call](const Rule& rule) { return rule.call == call; });
}

int FaultPlan::Calls(std::string_view call) const {
  Require(call);
  std::lock_guard lock(mutex_);
  const auto counter = calls_.find(call);
  return counter == calls_.end() ? 0 : counter->second;
}

void FaultPlan::ResetCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
}
