#include "Lib/Companion.h"

#include <exception>

#include "Lib/Autorun.h"
#include "Lib/CatalogueFormat.h"
#include "Tavin/Text.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"

namespace {

constexpr char kUsage[] =
    "usage: orvanec list [--format text|csv|json] | enable FROM TARGET | disable FROM TARGET "
    "| save FILE | --help\n";

constexpr char kHelp[] =
    "Lists and switches what starts automatically with Windows.\n"
    "\n"
    "  orvanec list [--format text|csv|json]  every entry, in catalogue order\n"
    "  orvanec enable FROM TARGET             let an entry start with Windows\n"
    "  orvanec disable FROM TARGET            keep an entry from starting\n"
    "  orvanec save FILE                      write the list as From|Caption|Target lines\n"
    "\n"
    "FROM is the kind tag shown by list (FILE, SCHE, SERV, HKLM, HKCU), TARGET the entry's\n"
    "target. Exit codes: 0 done, 1 failed (the reason is on standard error), 2 usage.\n";

const TAutorunInfo* FindEntry(const TAutorunList& list, const std::wstring& from,
                              const std::wstring& target) {
  for (const TAutorunInfo& entry : list)
    if (SameTextAscii(entry.From, from) && SameTextAscii(entry.Target, target)) return &entry;
  return nullptr;
}

// Run values and startup files disappear when disabled on Windows before 10.
bool IsDeletedWhenDisabled(const std::wstring& from) {
  return !SameTextAscii(from, kFromTask) && !SameTextAscii(from, kFromService);
}

int Fail(std::string& err, const std::string& reason) {
  err += "orvanec: " + reason + "\n";
  return kExitFailure;
}

int List(const std::vector<std::wstring>& args, std::string& out, std::string& err) {
  std::wstring format = L"text";
  if (args.size() == 3 && args[1] == L"--format")
    format = args[2];
  else if (args.size() != 1) {
    err += kUsage;
    return kExitUsage;
  }
  if (format != L"text" && format != L"csv" && format != L"json") {
    err += kUsage;
    return kExitUsage;
  }
  TAutorunList list;
  CollectAutorun(list);
  if (format == L"csv")
    out += FormatCatalogueCsv(list);
  else if (format == L"json")
    out += FormatCatalogueJson(list);
  else
    out += FormatCatalogueText(list);
  return kExitSuccess;
}

int Switch(bool enable, const std::wstring& from, const std::wstring& target, std::string& out,
           std::string& err) {
  const std::string name = WideToUtf8(from) + " " + WideToUtf8(target);
  TAutorunList before;
  CollectAutorun(before);
  const TAutorunInfo* entry = FindEntry(before, from, target);
  // Switching something the catalogue does not hold would only leave a stray record.
  if (entry == nullptr) return Fail(err, "no such entry: " + name);
  const std::wstring entryFrom = entry->From;
  const std::wstring entryTarget = entry->Target;

  SetAutorunEnabled(entryTarget, entryFrom, enable);

  TAutorunList after;
  CollectAutorun(after);
  const TAutorunInfo* now = FindEntry(after, entryFrom, entryTarget);
  const char* wanted = enable ? "enabled" : "disabled";
  if (now == nullptr) {
    if (!enable && !UsesStartupApprovalRecords() && IsDeletedWhenDisabled(entryFrom)) {
      out += std::string("disabled (removed): ") + name + "\n";
      return kExitSuccess;
    }
    return Fail(err, "the entry vanished while being switched: " + name);
  }
  if (now->Enabled != enable) {
    if (enable && !UsesStartupApprovalRecords() && IsDeletedWhenDisabled(entryFrom))
      return Fail(err, "this Windows version keeps no startup state to enable: " + name);
    return Fail(err, std::string("the system did not make the entry ") + wanted +
                         " (missing rights, or the change was refused): " + name);
  }
  out += std::string(wanted) + ": " + name + "\n";
  return kExitSuccess;
}

int Save(const std::wstring& path, std::string& out) {
  TAutorunList list;
  CollectAutorun(list);
  SaveCatalogue(path, list);
  out += "saved " + std::to_string(list.size()) + " entries to " + WideToUtf8(path) + "\n";
  return kExitSuccess;
}

}  // namespace

int RunCompanion(const std::vector<std::wstring>& args, std::string& out, std::string& err) {
  try {
    if (args.size() == 1 && (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?")) {
      out += kUsage;
      out += kHelp;
      return kExitSuccess;
    }
    if (!args.empty() && args[0] == L"list") return List(args, out, err);
    if (args.size() == 3 && (args[0] == L"enable" || args[0] == L"disable"))
      return Switch(args[0] == L"enable", args[1], args[2], out, err);
    if (args.size() == 2 && args[0] == L"save") return Save(args[1], out);
    err += kUsage;
    return kExitUsage;
  } catch (const PlatformError& error) {
    return Fail(err, WideToUtf8(error.message()));
  } catch (const std::exception& error) {
    return Fail(err, error.what());
  }
}
