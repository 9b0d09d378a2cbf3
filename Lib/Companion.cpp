#include "Lib/Companion.h"

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <map>
#include <set>
#include <string_view>

#include "Lib/Autorun.h"
#include "Lib/CatalogueDiff.h"
#include "Lib/CatalogueFormat.h"
#include "Lib/Common.h"
#include "Lib/DisplayText.h"
#include "Lib/FileReplace.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"
#include "platform/PlatformError.h"
#include "platform/Utf8.h"
#include "Lib/AutorunRows.h"

namespace {

constexpr char kUsage[] =
    "usage: orvanec list [--format text|csv|json] [--view] [--all] [--why] [--verify]\n"
    "                    [--rows FILE] [--output FILE]\n"
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
    "      --verify     say who signed each entry's file: signature valid, unsigned,\n"
    "                   invalid (changed after signing), untrusted (no trusted root, or\n"
    "                   revoked) or unknown, and the signer; offline, each file once\n"
    "      --rows FILE  add the white and black list rows of a server reply (a JSON object\n"
    "                   with file_white, name_white, name_black) to the built-in ones\n"
    "      --output FILE  write the listing to FILE in UTF-8 instead of to standard output;\n"
    "                   use it for snapshots: Windows PowerShell 5.1 re-encodes what \">\"\n"
    "                   redirects, and every later diff then sees non-ASCII names changed\n"
    "  orvanec diff SNAPSHOT [--format text|json]\n"
    "                                         what was added, removed or changed (command,\n"
    "                                         file, caption, enabled; signature and signer\n"
    "                                         when the snapshot has them) since a listing\n"
    "                                         saved with list --format json\n"
    "  orvanec enable FROM TARGET             let an entry start with Windows\n"
    "  orvanec disable FROM TARGET            keep an entry from starting\n"
    "  orvanec save FILE                      write the list as From|Caption|Target lines\n"
    "\n"
    "FROM is the kind tag shown by list (FILE, SCHE, SERV, HKLM, HKCU), TARGET the entry's\n"
    "target. Options may come in any order after the command. Control characters in names\n"
    "show as escapes (\\x1B, \\r, \\n) in text output; CSV and JSON keep the exact text.\n"
    "\n"
    "Exit codes:\n"
    "  list, save, enable, disable:  0 done; 1 failed, the output included (the reason is\n"
    "                                on standard error); 2 usage, or a rows file that cannot\n"
    "                                be used; 3 incomplete: a source could not be read (named\n"
    "                                on standard error), the rest was listed or saved\n"
    "  diff:                         0 no change; 1 changes; 2 anything else: usage, a\n"
    "                                snapshot that cannot be used, a source that could not\n"
    "                                be read (then \"removed\" may mean \"not read\"), or a\n"
    "                                failed write\n"
    "\n"
    "Examples:\n"
    "  orvanec list --view --why --format json\n"
    "  orvanec list --format json --output before.json   (later:)  orvanec diff before.json\n";

// The most a snapshot or a rows file may hold: far beyond any catalogue, and small enough
// that a wrong file name (a disk image, say) is refused instead of read into memory.
constexpr size_t kMaxInputBytes = 64u << 20;

// The arguments after the command: options (each at most once, in any order, among the
// operands) and operands in their order.
struct TArguments {
  std::map<std::wstring, std::wstring> values;  // option -> its value
  std::set<std::wstring> flags;
  std::vector<std::wstring> operands;
};

// False with the wrong argument named in `problem`. Anything that starts with "--" is an
// option; the rest are operands.
bool ParseArguments(const std::vector<std::wstring>& args,
                    std::initializer_list<std::wstring_view> valueOptions,
                    std::initializer_list<std::wstring_view> flagOptions, TArguments& parsed,
                    std::string& problem) {
  auto among = [](std::initializer_list<std::wstring_view> names, const std::wstring& arg) {
    return std::find(names.begin(), names.end(), arg) != names.end();
  };
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    const std::string shown = WideToUtf8(VisibleText(arg));
    if (among(valueOptions, arg)) {
      if (i + 1 >= args.size()) {
        problem = shown + " needs a value";
        return false;
      }
      if (!parsed.values.emplace(arg, args[++i]).second) {
        problem = shown + " is given twice";
        return false;
      }
    } else if (among(flagOptions, arg)) {
      if (!parsed.flags.insert(arg).second) {
        problem = shown + " is given twice";
        return false;
      }
    } else if (arg.rfind(L"--", 0) == 0) {
      problem = "unknown option " + shown + " for " + WideToUtf8(args[0]);
      return false;
    } else {
      parsed.operands.push_back(arg);
    }
  }
  return true;
}

int Usage(std::string& err, const std::string& problem) {
  err += "orvanec: " + problem + "\n" + kUsage;
  return kExitUsage;
}

// The value of --format, checked against the formats the command writes.
bool FormatOption(const TArguments& parsed, std::initializer_list<std::wstring_view> formats,
                  std::wstring& format, std::string& problem) {
  const auto given = parsed.values.find(L"--format");
  if (given == parsed.values.end()) return true;
  if (std::find(formats.begin(), formats.end(), given->second) == formats.end()) {
    problem = "unknown format " + WideToUtf8(VisibleText(given->second));
    return false;
  }
  format = given->second;
  return true;
}

// Names every source that could not be read on standard error.
void ReportUnread(const TUnreadSources& unread, std::string& err) {
  for (const std::wstring& what : unread)
    err += "orvanec: could not read " + WideToUtf8(VisibleText(what)) + "\n";
}

std::string WriteError(const std::wstring& path, DWORD error) {
  return "cannot write " + WideToUtf8(VisibleText(path)) + ": " +
         WideToUtf8(PlatformFiles().FormatSystemMessage(error));
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

// Run values and startup files leave their place when disabled on Vista and 7; the
// system tool's store, where they go, lists them again as disabled.
bool IsDeletedWhenDisabled(const std::wstring& from) {
  return !SameTextAscii(from, kFromTask) && !SameTextAscii(from, kFromService);
}

int Fail(std::string& err, const std::string& reason) {
  err += "orvanec: " + reason + "\n";
  return kExitFailure;
}

int List(const std::vector<std::wstring>& args, std::string& out, std::string& err) {
  TArguments parsed;
  std::string problem;
  std::wstring format = L"text";
  if (!ParseArguments(args, {L"--format", L"--rows", L"--output"}, {L"--view", L"--all", L"--why", L"--verify"},
                      parsed, problem) ||
      !FormatOption(parsed, {L"text", L"csv", L"json"}, format, problem))
    return Usage(err, problem);
  if (!parsed.operands.empty())
    return Usage(err, "unexpected argument " + WideToUtf8(VisibleText(parsed.operands[0])));
  const bool view = parsed.flags.contains(L"--view");
  const bool all = parsed.flags.contains(L"--all");
  const bool whyAsked = parsed.flags.contains(L"--why");
  const bool verify = parsed.flags.contains(L"--verify");
  std::optional<std::wstring> rowsFile, outputFile;
  if (const auto found = parsed.values.find(L"--rows"); found != parsed.values.end())
    rowsFile = found->second;
  if (const auto found = parsed.values.find(L"--output"); found != parsed.values.end())
    outputFile = found->second;
  // The lists the window starts with: the built-in name list; the file list comes from
  // the server's reply alone. A rows file stands in for that reply; its name_black rows
  // hide nothing, in the window as here.
  FilterList fileWhite, nameWhite;
  LoadTextResource(nameWhite, L"name_white");
  if (rowsFile) {
    const std::optional<std::string> bytes = ReadInput(*rowsFile, "rows file", err);
    if (!bytes) return kExitUsage;
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::optional<nlohmann::json> reply = ParseJsonText(text);
    if (!reply || !reply->is_object()) {
      err += "orvanec: " + WideToUtf8(*rowsFile) +
             " is not a reply of the server's format (a JSON object with file_white, "
             "name_white, name_black)\n";
      return kExitUsage;
    }
    AddJsonArray(fileWhite, *reply, L"file_white");
    AddJsonArray(nameWhite, *reply, L"name_white");
  }

  TAutorunList catalogue;
  TUnreadSources unread;
  CollectAutorun(catalogue, unread);
  const TRowSources sources{&fileWhite, &nameWhite, nullptr, nullptr, all};
  TAutorunList list;
  if (view) {
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
  if (whyAsked) {
    why.reserve(list.size());
    for (const TAutorunInfo& entry : list) why.push_back(WhyHidden(entry, sources));
  }
  const THiddenByList* reasons = whyAsked ? &why : nullptr;
  TSignatureList signatures;
  if (verify) signatures = VerifyEntrySignatures(list);
  const TSignatureList* signatureList = verify ? &signatures : nullptr;
  std::string listing;
  if (format == L"csv")
    listing = FormatCatalogueCsv(list, reasons, signatureList);
  else if (format == L"json")
    listing = FormatCatalogueJson(list, reasons, signatureList);
  else
    listing = FormatCatalogueText(list, reasons, signatureList);
  ReportUnread(unread, err);
  if (outputFile) {
    DWORD error = ERROR_SUCCESS;
    if (!ReplaceFileContents(*outputFile, listing, &error)) return Fail(err, WriteError(*outputFile, error));
  } else {
    out += listing;
  }
  return unread.empty() ? kExitSuccess : kExitIncomplete;
}

// Exit 1 means "changed" here, so every failure, the catalogue's own included, is 2.
int Diff(const std::vector<std::wstring>& args, std::string& out, std::string& err) {
  TArguments parsed;
  std::string problem;
  std::wstring format = L"text";
  if (!ParseArguments(args, {L"--format"}, {}, parsed, problem) ||
      !FormatOption(parsed, {L"text", L"json"}, format, problem))
    return Usage(err, problem);
  if (parsed.operands.empty()) return Usage(err, "diff needs the snapshot's file name");
  if (parsed.operands.size() > 1)
    return Usage(err, "unexpected argument " + WideToUtf8(VisibleText(parsed.operands[1])));
  const std::wstring& path = parsed.operands[0];
  const std::optional<std::string> bytes = ReadInput(path, "snapshot", err);
  if (!bytes) return kExitUsage;
  std::string reason;
  const auto before = ParseSnapshot(*bytes, reason);
  if (!before) {
    err += "orvanec: " + WideToUtf8(VisibleText(path)) +
           " is not a listing saved with list --format json: " + reason + "\n";
    return kExitUsage;
  }
  TAutorunList now;
  TUnreadSources unread;
  try {
    CollectAutorun(now, unread);
  } catch (const PlatformError& error) {
    err += "orvanec: " + WideToUtf8(error.message()) + "\n";
    return kExitUsage;
  } catch (const std::exception& error) {
    err += std::string("orvanec: ") + error.what() + "\n";
    return kExitUsage;
  }
  // A snapshot made with --verify is compared on its signers too: a program whose signer
  // changed is what an administrator most wants to see.
  TSignatureList signatures;
  const bool verify = SnapshotHasSignatures(*before);
  if (verify) signatures = VerifyEntrySignatures(now);
  const TCatalogueDiff diff = DiffCatalogue(*before, now, verify ? &signatures : nullptr);
  out += format == L"json" ? FormatDiffJson(diff) : FormatDiffText(diff);
  if (!unread.empty()) {
    // What was not read cannot be told from what was removed: the comparison is shown,
    // but no script may take it for the whole answer.
    ReportUnread(unread, err);
    err += "orvanec: the comparison is incomplete; entries of those sources may show as removed\n";
    return kExitUsage;
  }
  return diff.Empty() ? kExitSuccess : kExitFailure;
}

int Switch(bool enable, const std::wstring& from, const std::wstring& target, std::string& out,
           std::string& err) {
  const std::string name = WideToUtf8(VisibleText(from)) + " " + WideToUtf8(VisibleText(target));
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

int Save(const std::wstring& path, std::string& out, std::string& err) {
  TAutorunList list;
  TUnreadSources unread;
  CollectAutorun(list, unread);
  DWORD error = ERROR_SUCCESS;
  ReportUnread(unread, err);
  if (!ReplaceFileContents(path, FormatSavedList(list), &error)) return Fail(err, WriteError(path, error));
  out += "saved " + std::to_string(list.size()) + " entries to " + WideToUtf8(VisibleText(path)) + "\n";
  return unread.empty() ? kExitSuccess : kExitIncomplete;
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
    if (args.empty()) return Usage(err, "no command given");
    const std::wstring& command = args[0];
    if (command == L"list") return List(args, out, err);
    if (command == L"diff") return Diff(args, out, err);
    const bool switching = command == L"enable" || command == L"disable";
    if (!switching && command != L"save")
      return Usage(err, "unknown command " + WideToUtf8(VisibleText(command)));
    TArguments parsed;
    std::string problem;
    if (!ParseArguments(args, {}, {}, parsed, problem)) return Usage(err, problem);
    const size_t wanted = switching ? 2 : 1;
    if (parsed.operands.size() < wanted)
      return Usage(err, WideToUtf8(command) + (switching ? " needs FROM and TARGET" : " needs a file name"));
    if (parsed.operands.size() > wanted)
      return Usage(err, "unexpected argument " + WideToUtf8(VisibleText(parsed.operands[wanted])));
    if (switching)
      return Switch(command == L"enable", parsed.operands[0], parsed.operands[1], out, err);
    return Save(parsed.operands[0], out, err);
  } catch (const PlatformError& error) {
    return Fail(err, WideToUtf8(error.message()));
  } catch (const std::exception& error) {
    return Fail(err, error.what());
  }
}

int ExitCodeAfterWrite(const std::vector<std::wstring>& args, int code, bool outputWritten) {
  if (outputWritten) return code;
  // For diff, 1 says "changed": its failures are all 2.
  return !args.empty() && args[0] == L"diff" ? kExitUsage : kExitFailure;
}
