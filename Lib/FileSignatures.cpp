#include "Lib/FileSignatures.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>

#include "Tavin/Text.h"
#include "platform/Platform.h"

namespace {

// Chain faults that leave the signer unknown to anyone the user trusts.
constexpr DWORD kUntrustedChain = CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN |
                                  CERT_TRUST_IS_REVOKED | CERT_TRUST_IS_EXPLICIT_DISTRUST |
                                  CERT_TRUST_IS_CYCLIC | CERT_TRUST_IS_NOT_SIGNATURE_VALID |
                                  CERT_TRUST_IS_NOT_TIME_VALID | CERT_TRUST_IS_NOT_VALID_FOR_USAGE;

TSignatureInfo Signed(TSignatureState state, const TrustVerdict& verdict) {
  TSignatureInfo info{state, std::nullopt};
  if (!verdict.signer.empty()) info.Signer = verdict.signer;
  return info;
}

TSignatureInfo ByChain(const TrustVerdict& verdict) {
  if (verdict.chainBuilt && (verdict.chainErrors & kUntrustedChain) != 0)
    return Signed(TSignatureState::Untrusted, verdict);
  return Signed(TSignatureState::Valid, verdict);
}

}  // namespace

const wchar_t* SignatureStateName(TSignatureState state) {
  switch (state) {
    case TSignatureState::Valid: return L"valid";
    case TSignatureState::Unsigned: return L"unsigned";
    case TSignatureState::Invalid: return L"invalid";
    case TSignatureState::Untrusted: return L"untrusted";
    case TSignatureState::Unknown: break;
  }
  return L"unknown";
}

TSignatureInfo JudgeVerdict(const TrustVerdict& verdict) {
  switch (verdict.result) {
    case ERROR_SUCCESS:
    // Revocation could not be learnt from the cache: the chain decides, as without a check.
    case CERT_E_REVOCATION_FAILURE:
    case CRYPT_E_REVOCATION_OFFLINE:
    case CRYPT_E_NO_REVOCATION_CHECK:
      return ByChain(verdict);
    case TRUST_E_NOSIGNATURE:
    case TRUST_E_SUBJECT_FORM_UNKNOWN:
    case TRUST_E_PROVIDER_UNKNOWN:
      return {TSignatureState::Unsigned, std::nullopt};
    case TRUST_E_BAD_DIGEST:
    case TRUST_E_NO_SIGNER_CERT:
      return {TSignatureState::Invalid, std::nullopt};
    case CERT_E_UNTRUSTEDROOT:
    case CERT_E_UNTRUSTEDTESTROOT:
    case CERT_E_CHAINING:
    case CERT_E_REVOKED:
    case CERT_E_EXPIRED:
    case CERT_E_WRONG_USAGE:
    case TRUST_E_EXPLICIT_DISTRUST:
    case TRUST_E_SUBJECT_NOT_TRUSTED:
      return Signed(TSignatureState::Untrusted, verdict);
    default:
      return {TSignatureState::Unknown, std::nullopt};
  }
}

TSignatureInfo VerifyFileSignature(const std::wstring& path) {
  ISignatures& signatures = PlatformSignatures();
  const TSignatureInfo embedded = JudgeVerdict(signatures.VerifyEmbedded(path.c_str()));
  if (embedded.State != TSignatureState::Unsigned) return embedded;
  std::wstring catalog, member;
  DWORD error = ERROR_SUCCESS;
  if (!signatures.FindCatalog(path.c_str(), &catalog, &member, &error))
    return {error == static_cast<DWORD>(ERROR_NOT_FOUND) ? TSignatureState::Unsigned : TSignatureState::Unknown,
            std::nullopt};
  const TSignatureInfo listed =
      JudgeVerdict(signatures.VerifyCatalogMember(path.c_str(), catalog.c_str(), member.c_str()));
  // A catalog that lists the hash but does not verify for it says nothing of the file.
  return listed.State == TSignatureState::Unsigned ? TSignatureInfo{TSignatureState::Unknown, std::nullopt}
                                                   : listed;
}

namespace {

std::atomic<int> gAbandonedChecks{0};

// What the caller and its workers share. A worker that is given up on still holds it, so
// nothing it reads or writes goes away under it when the caller returns.
struct TCheckRun {
  enum class TStage { Waiting, Running, Done, Abandoned };
  struct TFile {
    std::wstring path;
    TStage stage = TStage::Waiting;
    std::chrono::steady_clock::time_point started;
    size_t worker = 0;
    TSignatureInfo answer;
  };
  std::vector<TFile> files;
  std::mutex mutex;
  std::condition_variable changed;
  size_t next = 0;      // the first file no worker has taken
  size_t finished = 0;  // files Done or Abandoned
};

void CheckFiles(const std::shared_ptr<TCheckRun>& run, size_t worker) {
  bool abandoned = false;
  {
    PlatformLease lease;
    std::unique_lock lock(run->mutex);
    while (!abandoned && run->next < run->files.size()) {
      const size_t i = run->next++;
      TCheckRun::TFile& file = run->files[i];
      file.stage = TCheckRun::TStage::Running;
      file.started = std::chrono::steady_clock::now();
      file.worker = worker;
      const std::wstring path = file.path;
      run->changed.notify_all();  // the caller's clock for this file starts now
      lock.unlock();
      TSignatureInfo answer;
      try {
        answer = VerifyFileSignature(path);
      } catch (const std::exception&) {
        answer = {TSignatureState::Unknown, std::nullopt};
      }
      lock.lock();
      // The caller gave up on this file and set another worker on the rest.
      abandoned = file.stage == TCheckRun::TStage::Abandoned;
      if (!abandoned) {
        file.answer = std::move(answer);
        file.stage = TCheckRun::TStage::Done;
        ++run->finished;
        run->changed.notify_all();
      }
    }
  }
  // Only now that the lease is gone may the process tear the platform down.
  if (abandoned) --gAbandonedChecks;
}

}  // namespace

int AbandonedSignatureChecks() { return gAbandonedChecks.load(); }

std::vector<TSignatureInfo> VerifyFileSignatures(const std::vector<std::wstring>& paths,
                                                 unsigned threads,
                                                 std::chrono::milliseconds deadline) {
  // The distinct files, each with the places that name it.
  auto run = std::make_shared<TCheckRun>();
  std::vector<size_t> fileOf(paths.size());
  std::unordered_map<std::wstring, size_t> byName;
  for (size_t i = 0; i < paths.size(); ++i) {
    const auto [found, added] = byName.emplace(LowerCaseAscii(paths[i]), run->files.size());
    if (added) {
      TCheckRun::TFile file;
      file.path = paths[i];
      run->files.push_back(std::move(file));
    }
    fileOf[i] = found->second;
  }

  // The caller only watches the clock: a check on its own thread could not be given up.
  std::vector<std::thread> workers;
  std::vector<bool> leftBehind;
  size_t working = 0;  // workers not given up on
  // Called with the lock held. A thread the system will not start leaves the files no
  // worker will take unknown, rather than waited for.
  auto startWorker = [&] {
    try {
      workers.emplace_back(CheckFiles, run, workers.size());
      leftBehind.push_back(false);
      ++working;
    } catch (const std::system_error&) {
      if (working > 0) return;
      for (; run->next < run->files.size(); ++run->next) {
        run->files[run->next].answer = {TSignatureState::Unknown, std::nullopt};
        run->files[run->next].stage = TCheckRun::TStage::Done;
        ++run->finished;
      }
    }
  };
  {
    std::unique_lock lock(run->mutex);
    const size_t count = std::min<size_t>(std::max(threads, 1u), run->files.size());
    for (size_t i = 0; i < count; ++i) startWorker();
    while (run->finished < run->files.size()) {
      const auto now = std::chrono::steady_clock::now();
      std::optional<std::chrono::steady_clock::time_point> soonest;
      for (TCheckRun::TFile& file : run->files) {
        if (file.stage != TCheckRun::TStage::Running) continue;
        if (now - file.started < deadline) {
          if (!soonest || file.started + deadline < *soonest) soonest = file.started + deadline;
          continue;
        }
        file.stage = TCheckRun::TStage::Abandoned;
        file.answer = {TSignatureState::Unknown, std::nullopt};
        ++run->finished;
        ++gAbandonedChecks;
        leftBehind[file.worker] = true;
        --working;
        if (run->next < run->files.size()) startWorker();
      }
      if (run->finished == run->files.size()) break;
      if (soonest)
        run->changed.wait_until(lock, *soonest);
      else
        run->changed.wait(lock);
    }
  }
  for (size_t i = 0; i < workers.size(); ++i) {
    if (leftBehind[i])
      workers[i].detach();
    else
      workers[i].join();
  }

  std::vector<TSignatureInfo> result;
  result.reserve(paths.size());
  for (size_t i = 0; i < paths.size(); ++i) result.push_back(run->files[fileOf[i]].answer);
  return result;
}
