#include "Lib/Companion.h"

#include <exception>

#include "Lib/Autorun.h"
#include "Lib/CatalogueDiff.h"
#include "Lib/CatalogueFormat.h"
#include "Lib/Common.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"
#include "ui/AutorunRows.h"

namespace {

constexpr char kUsage[] =
    "usage: orvanec list [--format text|csv|json] [--view] [--all] [--why] [--rows FILE]\n"
    "       orvanec diff SNAPSHOT [--format text|json]\n"
    "       orvanec enable FROM TARGET | disable FROM TARGET | save FILE | --help\n";

constexpr char kHelp[] =
    "Lists and switches what starts automatically with Windows.\n"
    "\n"
    "  orvanec list [--format text|csv|json]  every entry, in catalogue order\n"
    "      --view       only the entries the window's list shows, in its order\n"
    "      --all        as with \"All Programs\" ticked: disabled entries count as shown\n"
    "      --why        say what hides each entry from the window: name_white or file_white\n"
    "                   and the list row that matched, disabled, or unnamed (no caption)\n"
    "      --rows FILE  add the white and black list rows of a server reply (a JSON object\n"
    "                   with file_white, name_white, name_black) to the built-in ones\n"
    "  orvanec diff SNAPSHOT [--format text|json]\n"
    "                                         what was added, removed or changed (command,\n"
    "                                         file, caption, enabled) since a listing saved\n"
    "                                         with list --format json; exit 0: no change,\n"
    "                                         1: changes\n"
    "  orvanec enable FROM TARGET             let an entry start with Windows\n"
    "  orvanec disable FROM TARGET            keep an entry from starting\n"
    "  orvanec save FILE                      write the list as From|Caption|Target lines\n"
    "\n"
    "FROM is the kind tag shown by list (FILE, SCHE, SERV, HKLM, HKCU), TARGET the entry's\n"
    "target. Exit codes: 0 done, 1 failed (the reason is on standard error), 2 usage, or a\n"
    "snapshot or rows file that cannot be used.\n"
    "\n"
    "Examples:\n"
    "  orvanec list --view --why --format json\n"
    "  orvanec list --format json > before.json   (later:)  orvanec diff before.json\n";

// The most a snapshot or a rows file may hold: far beyond any catalogue, and small enough
// that a wrong file name (a disk image, say) is refused instead of read into memory.
constexpr size_t kMaxInputBytes = 64u << 20;

struct TListOptions {
  std::wstring format = L"text";
  bool view = false;
  bool all = false;
  bool why = false;
  std::optional<std::wstring> rows;
};

// Every option at most once, in any order.
bool ParseListOptions(const std::vector<std::wstring>& args, TListOptions& options) {
  bool formatSeen = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg == L"--format" || arg == L"--rows") {
      if (i + 1 >= args.size()) return false;
      if (arg == L"--format") {
        if (formatSeen) return false;
        formatSeen = true;
        options.format = args[++i];
      } else {
        if (options.rows) return false;
        options.rows = args[++i];
      }
    } else if (arg == L"--view" || arg == L"--all" || arg == L"--why") {
      bool& flag = arg == L"--view" ? options.view : arg == L"--all" ? options.all : options.why;
      if (flag) return false;
      flag = true;
    } else {
      return false;
    }
  }
  return options.format == L"text" || options.format == L"csv" || options.format == L"json";
}

// A file's bytes, or nothing with the reason in err.
std::optional<std::string> ReadInput(const std::wstring& path, const char* what, std::string& err) {
  std::string bytes;
  DWORD error = NO_ERROR;
  if (!PlatformFiles().ReadWholeFile(path.c_str(), kMaxInputBytes, &bytes, &error)) {
    err += "orvanec: cannot read the " + std::string(what) + " " + WideToUtf8(path) + ": " +
           WideToUtf8(PlatformFiles().FormatSystemMessage(error)) + "\n";
    return std::nullopt;
  }
  return bytes;
}

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
  TListOptions options;
  if (!ParseListOptions(args, options)) {
    err += kUsage;
    return kExitUsage;
  }
  // The lists the window starts with: the built-in name list; the file list comes from
  // the server's reply alone. A rows file stands in for that reply; its name_black rows
  // hide nothing, in the window as here.
  FilterList fileWhite, nameWhite;
  LoadTextResource(nameWhite, L"name_white");
  if (options.rows) {
    const std::optional<std::string> bytes = ReadInput(*options.rows, "rows file", err);
    if (!bytes) return kExitUsage;
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::optional<nlohmann::json> reply = ParseJsonText(text);
    if (!reply || !reply->is_object()) {
      err += "orvanec: " + WideToUtf8(*options.rows) +
             " is not a reply of the server's format (a JSON object with file_white, "
             "name_white, name_black)\n";
      return kExitUsage;
    }
    AddJsonArray(fileWhite, *reply, L"file_white");
    AddJsonArray(nameWhite, *reply, L"name_white");
  }

  TAutorunList catalogue;
  CollectAutorun(catalogue);
  const TRowSources sources{&fileWhite, &nameWhite, nullptr, nullptr, options.all};
  TAutorunList list;
  if (options.view) {
    // The list view's own rows, as a first filling makes them; each row stands for the
    // entry it was made from.
    TAutorunRows rows;
    rows.Merge(catalogue, sources);
    for (const TAutorunItem& row : rows.Rows()) {
      for (const TAutorunInfo& entry : catalogue)
        if (entry.From == row.From && entry.Target == row.Target) {
          list.push_back(entry);
          break;
        }
    }
  } else {
    list = std::move(catalogue);
  }
  THiddenByList why;
  if (options.why) {
    why.reserve(list.size());
    for (const TAutorunInfo& entry : list) why.push_back(WhyHidden(entry, sources));
  }
  const THiddenByList* reasons = options.why ? &why : nullptr;
  if (options.format == L"csv")
    out += FormatCatalogueCsv(list, reasons);
  else if (options.format == L"json")
    out += FormatCatalogueJson(list, reasons);
  else
    out += FormatCatalogueText(list, reasons);
  return kExitSuccess;
}

// Exit 1 means "changed" here, so every failure, the catalogue's own included, is 2.
int Diff(const std::vector<std::wstring>& args, std::string& out, std::string& err) {
  std::wstring format = L"text";
  if (args.size() == 4 && args[2] == L"--format")
    format = args[3];
  else if (args.size() != 2)
    format.clear();
  if (format != L"text" && format != L"json") {
    err += kUsage;
    return kExitUsage;
  }
  const std::optional<std::string> bytes = ReadInput(args[1], "snapshot", err);
  if (!bytes) return kExitUsage;
  std::string reason;
  const auto before = ParseSnapshot(*bytes, reason);
  if (!before) {
    err += "orvanec: " + WideToUtf8(args[1]) + " is not a listing saved with list --format json: " +
           reason + "\n";
    return kExitUsage;
  }
  TAutorunList now;
  try {
    CollectAutorun(now);
  } catch (const PlatformError& error) {
    err += "orvanec: " + WideToUtf8(error.message()) + "\n";
    return kExitUsage;
  } catch (const std::exception& error) {
    err += std::string("orvanec: ") + error.what() + "\n";
    return kExitUsage;
  }
  const TCatalogueDiff diff = DiffCatalogue(*before, now);
  out += format == L"json" ? FormatDiffJson(diff) : FormatDiffText(diff);
  return diff.Empty() ? kExitSuccess : kExitFailure;
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
    // Run elevated by another account, the companion works on the signed-in user's
    // profile; say so, since it is not the profile of the account it runs as.
    if (const std::wstring sid = OtherSessionUserSid(); !sid.empty())
      err += "orvanec: HKCU and the user's Startup folder are those of the signed-in user " +
             WideToUtf8(sid) + ", not of the account this runs as\n";
    if (!args.empty() && args[0] == L"list") return List(args, out, err);
    if (!args.empty() && args[0] == L"diff") return Diff(args, out, err);
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
