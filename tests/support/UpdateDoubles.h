// Test doubles for the update check: the program's own version resource, and the
// dialog and status bar the reply step reaches.
#pragma once

#include <cstring>
#include <mutex>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Tavin/Dispatcher.h"
#include "Tavin/UpdateCheck.h"
#include "platform/Platform.h"

// Serves one file's fixed file version the way VerQueryValueW(block, "\") does.
class FixedVersionDouble : public IVersionInfo {
 public:
  std::wstring file;
  DWORD versionMs = 0;
  DWORD versionLs = 0;
  bool present = true;
  UINT fixedLength = 13 * sizeof(DWORD);
  std::vector<std::wstring> asked;

  DWORD GetFileVersionInfoSizeW(const wchar_t* path, DWORD* handle, DWORD* error) override {
    std::lock_guard lock(mutex_);
    asked.emplace_back(path);
    *handle = 0;
    if (!present || path != file) {
      *error = ERROR_FILE_NOT_FOUND;
      return 0;
    }
    return kBlockSize;
  }
  BOOL GetFileVersionInfoW(const wchar_t* path, DWORD, DWORD size, void* data,
                           DWORD* error) override {
    if (!present || path != file || size < kBlockSize) {
      *error = ERROR_FILE_NOT_FOUND;
      return FALSE;
    }
    const DWORD words[13] = {0xFEEF04BD, 0x00010000, versionMs, versionLs, versionMs, versionLs};
    std::memcpy(data, words, sizeof(words));
    return TRUE;
  }
  BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                      UINT* length) override {
    if (std::wstring(subBlock) != L"\\" || fixedLength == 0) return FALSE;
    *buffer = const_cast<void*>(block);
    *length = fixedLength;
    return TRUE;
  }

 private:
  static constexpr DWORD kBlockSize = 64;
  std::mutex mutex_;
};

// Answers the update dialog as told and records what the reply step showed.
class RecordingUpdateUi : public IUpdateUi {
 public:
  bool answerYes = false;

  bool UpdateDialog(const std::wstring& reply) override {
    dialogs.push_back(reply);
    return answerYes;
  }
  void ShowUpdateStatus(const std::wstring& link) override { statusLinks.push_back(link); }

  std::vector<std::wstring> dialogs;
  std::vector<std::wstring> statusLinks;
};

// Runs a whole update check against `url` on a queue served here, to its end, and
// returns what reached the callback: each call's flag and text.
inline std::vector<std::pair<bool, std::wstring>> RunUpdateCheckToEnd(const std::wstring& url) {
  auto dispatcher = std::make_shared<TQueueDispatcher>();
  std::vector<std::pair<bool, std::wstring>> received;
  auto check = CheckUpdate(
      url, [&](bool flag, const std::wstring& text) { received.emplace_back(flag, text); }, 10,
      {dispatcher, std::make_shared<RecordingUpdateUi>()});
  dispatcher->ServeUntil([&check] { return check->Finished(); });
  return received;
}
