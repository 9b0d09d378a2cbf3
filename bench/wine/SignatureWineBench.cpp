// orvane_signature_bench.exe: how fast files are verified under Wine, the way list
// --verify does it. scripts/wine-signature-bench.sh makes the signed copies and runs it
// with Wine trusting their authority.
//
//   orvane_signature_bench.exe FOLDER [--rounds N] [--orvanec PATH] [--calls 1]
//
// Every file of FOLDER is verified: one after another on one thread, and then all of them
// on the processor's threads as list --verify checks them. Prints the medians of N rounds,
// as files per second and milliseconds per file. With --orvanec, one HKCU Run value per
// file is written (and removed at the end), and `orvanec list --format json` is timed with
// and without --verify: what the check adds to a listing. With --calls 1, each Win32 call
// of a check is first timed on its own: where the time goes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "Lib/FileSignatures.h"
#include "bench/wine/SignatureCallTimes.h"
#include "platform/win32/Win32Platform.h"

namespace {

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((folder + L"\\*.exe").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    files.push_back(folder + L"\\" + found.cFileName);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return files;
}

template <typename Work>
double MedianSeconds(int rounds, Work&& work) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Runs the command line to its end, its output thrown away.
bool RunQuietly(std::wstring command) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE nul = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = nul;
  startup.hStdError = nul;
  PROCESS_INFORMATION process{};
  const BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
  if (started) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  if (nul != INVALID_HANDLE_VALUE) ::CloseHandle(nul);
  return started != FALSE;
}

void TimeListing(const std::wstring& orvanec, const std::vector<std::wstring>& files, int rounds) {
  HKEY run = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run,
                        nullptr) != ERROR_SUCCESS)
    return;
  std::vector<std::wstring> names;
  for (size_t i = 0; i < files.size(); ++i) {
    names.push_back(L"OrvaneSignatureBench" + std::to_wstring(i));
    const std::wstring command = L"\"" + files[i] + L"\"";
    (void)::RegSetValueExW(run, names.back().c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  const std::wstring list = L"\"" + orvanec + L"\" list --format json";
  const double plain = MedianSeconds(rounds, [&] { RunQuietly(list); });
  const double verified = MedianSeconds(rounds, [&] { RunQuietly(list + L" --verify"); });
  std::printf("orvanec list --format json            %8.1f ms\n", plain * 1000.0);
  std::printf("orvanec list --format json --verify   %8.1f ms  (+%.1f ms for %zu signed files, "
              "%.2f ms per file)\n",
              verified * 1000.0, (verified - plain) * 1000.0, files.size(),
              (verified - plain) * 1000.0 / static_cast<double>(files.size()));
  for (const std::wstring& name : names) (void)::RegDeleteValueW(run, name.c_str());
  ::RegCloseKey(run);
}

void Report(const char* what, size_t files, double seconds) {
  std::printf("%-34s %6zu files  %8.1f files/s  %7.2f ms/file\n", what, files, files / seconds,
              seconds * 1000.0 / static_cast<double>(files));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: orvane_signature_bench.exe FOLDER [--rounds N]\n");
    return 2;
  }
  int rounds = 5;
  std::wstring orvanec;
  bool calls = false;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (std::wstring(argv[i]) == L"--rounds") rounds = std::max(1, _wtoi(argv[i + 1]));
    if (std::wstring(argv[i]) == L"--orvanec") orvanec = argv[i + 1];
    if (std::wstring(argv[i]) == L"--calls") calls = _wtoi(argv[i + 1]) != 0;
  }
  InstallWin32Platform();
  const std::vector<std::wstring> files = FilesIn(argv[1]);
  if (files.empty()) {
    std::fprintf(stderr, "no .exe files in the folder\n");
    return 1;
  }
  size_t valid = 0;
  for (const TSignatureInfo& info : VerifyFileSignatures(files, 1))
    if (info.State == TSignatureState::Valid) ++valid;
  std::printf("%zu of %zu files valid\n", valid, files.size());
  if (calls) ReportSignatureCallTimes(files);

  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  Report("one thread", files.size(), MedianSeconds(rounds, [&] { (void)VerifyFileSignatures(files, 1); }));
  char label[64];
  std::snprintf(label, sizeof label, "%u threads (as list --verify)", threads);
  Report(label, files.size(), MedianSeconds(rounds, [&] { (void)VerifyFileSignatures(files, threads); }));
  if (!orvanec.empty()) TimeListing(orvanec, files, rounds);
  return 0;
}
