// Who signed a program, as a user can act on it: the file's Authenticode state and its
// signer, from the embedded signature or, for most of Windows' own files, the catalog
// that lists the file's hash. Offline: nothing is fetched from the network.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "platform/Signatures.h"

enum class TSignatureState {
  Valid,      // signed, the file matches, the chain ends at a trusted root
  Unsigned,   // no signature, and no catalog lists the file
  Invalid,    // the file does not match its signature
  Untrusted,  // a chain to no trusted root, a distrusted or a revoked certificate
  Unknown,    // the check could not run
};

struct TSignatureInfo {
  TSignatureState State = TSignatureState::Unknown;
  std::optional<std::wstring> Signer;  // the leaf's subject, for Valid and Untrusted only
  bool operator==(const TSignatureInfo&) const = default;
};

// "valid", "unsigned", "invalid", "untrusted", "unknown".
const wchar_t* SignatureStateName(TSignatureState state);

// One verdict of WinVerifyTrust, judged by the chain as well: a trust provider may accept
// a signature whose chain ends at a root nobody trusts (Wine's does, for self-signed and
// unknown authorities), and a revocation list missing from the cache is no revocation.
TSignatureInfo JudgeVerdict(const TrustVerdict& verdict);

// The embedded signature first; a file without one is looked up in the catalogs.
TSignatureInfo VerifyFileSignature(const std::wstring& path);

// How long the check of one file may take. A file on a share that went offline, or a
// trust provider that is stuck, can hold a check for the network's whole time-out; a
// local file takes a fraction of a second even on a loaded machine.
inline constexpr std::chrono::milliseconds kSignatureCheckDeadline{5000};

// Each file once however many times it is named (names compared ignoring the case of
// a-z), on up to `threads` threads; the answers in the order of `paths`. A file whose
// check has not finished `deadline` after it began is Unknown: its thread is left to end
// on its own (another takes over the rest of the work) and owns nothing of the caller's.
std::vector<TSignatureInfo> VerifyFileSignatures(
    const std::vector<std::wstring>& paths, unsigned threads,
    std::chrono::milliseconds deadline = kSignatureCheckDeadline);

// Checks given up on whose threads are still inside the platform. While there are any,
// the process must not tear down what they call into: it ends with ExitProcess instead.
int AbandonedSignatureChecks();
