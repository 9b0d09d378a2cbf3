#include "Lib/StartupApproved.h"

#include "Lib/Autorun.h"
#include "Tavin/Registry.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"

namespace {
constexpr size_t kRecordSize = 12;
constexpr BYTE kStateEnabled = 2;
constexpr BYTE kStateDisabled = 3;
}  // namespace

bool IsApprovalRecordEnabled(const std::vector<BYTE>& record) {
  // Explorer and Task Manager write 2/3 and 6/7: the low bit of the state byte is the
  // "disabled" flag, the other bits don't decide whether the entry starts.
  if (record.size() != kRecordSize) return true;
  return (record[0] & 1) == 0;
}

bool IsStartupApproved(HKEY rootKey, const std::wstring& key, const std::wstring& name) {
  return IsApprovalRecordEnabled(TReg::ReadBinary(rootKey, key, name));
}

TApprovalRecords::TApprovalRecords(HKEY rootKey, const std::wstring& key)
    : used_(UsesStartupApprovalRecords()) {
  if (!used_) return;
  std::wstring path = key;
  MapToSessionUser(rootKey, path);
  records_ = TRegReader(rootKey, path);
}

bool TApprovalRecords::StartsAtLogon(const std::wstring& name) {
  // A key that cannot be opened reads as no record, as IsStartupApproved reads it.
  return !used_ || IsApprovalRecordEnabled(records_.ReadBinary(name));
}

std::vector<BYTE> MakeStartupApproved(bool enable) {
  SYSTEMTIME now{};
  PlatformSystem().GetSystemTime(&now);
  FILETIME stamp{};
  if (!PlatformSystem().SystemTimeToFileTime(&now, &stamp)) stamp = FILETIME{};
  std::vector<BYTE> record(kRecordSize, 0);
  record[0] = enable ? kStateEnabled : kStateDisabled;
  for (int i = 0; i < 4; ++i) {
    record[4 + i] = static_cast<BYTE>(stamp.dwLowDateTime >> (8 * i));
    record[8 + i] = static_cast<BYTE>(stamp.dwHighDateTime >> (8 * i));
  }
  return record;
}

void WriteApprovalRecord(HKEY rootKey, const std::wstring& key, const std::wstring& name,
                         bool enable) {
  std::wstring path = key;
  MapToSessionUser(rootKey, path);
  const LSTATUS status = TReg::WriteBinaryNoLinks(rootKey, path, name, MakeStartupApproved(enable));
  if (status == static_cast<LSTATUS>(ERROR_REPARSE_POINT_ENCOUNTERED))
    throw PlatformError(ERROR_REPARSE_POINT_ENCOUNTERED,
                        PlatformFiles().FormatSystemMessage(ERROR_REPARSE_POINT_ENCOUNTERED));
}

std::wstring ApprovalKeyForRunKey(const std::wstring& runKeyPath) {
  return ContainsTextAscii(runKeyPath, L"Wow6432Node") ? kApprovedRun32Key : kApprovedRunKey;
}
