// The catalogue as text: the console companion's listings and the saved-list file the
// window writes. All results are UTF-8 bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Lib/Autorun.h"
#include "Lib/FileSignatures.h"
#include "Lib/HiddenBy.h"

// Why each entry of a listing is hidden from the list view, one per entry in list order;
// nothing for an entry the view shows.
using THiddenByList = std::vector<std::optional<THiddenBy>>;

// Who signed each entry's file, one per entry in list order; nothing for an entry whose
// file is not there or that names none (EntryFileExists).
using TSignatureList = std::vector<std::optional<TSignatureInfo>>;

// Every listing takes `why` optionally: with it, each entry also says what hides it; and
// `signatures`: with them, each entry also says who signed its file.

// The signature of each entry of the list whose file exists, each file checked once, on
// the processor's threads.
TSignatureList VerifyEntrySignatures(const TAutorunList& list);

// An aligned table: state, kind tag, caption, target; one line per entry, control
// characters and lone surrogates as visible escapes (VisibleText). With `why`, a hidden
// entry is followed by an indented line "hidden by " and DescribeHiddenBy.
// With `signatures`, one more column before the target: the state, and ": " and the signer
// when there is one.
std::string FormatCatalogueText(const TAutorunList& list, const THiddenByList* why = nullptr,
                                const TSignatureList* signatures = nullptr);
// RFC 4180: a header row, CR LF after every record, fields quoted when they need it. With
// `why`, one more column, hiddenBy: DescribeHiddenBy, empty when shown.
// With `signatures`, two more columns at the end, signature and signer, empty when none.
std::string FormatCatalogueCsv(const TAutorunList& list, const THiddenByList* why = nullptr,
                               const TSignatureList* signatures = nullptr);
// An array of objects with the keys from, caption, target, fileName, rawData, enabled,
// texts exact, lone surrogates as \udXXX escapes (JsonQuote),
// fileExists (EntryFileExists; null when the kind names no file); with `why` also
// hiddenBy: null, or {"list": ..., "row": the matching row or null}.
// With `signatures` also signature ("valid", "unsigned", "invalid", "untrusted",
// "unknown", or null with no file) and signer (the subject, or null).
std::string FormatCatalogueJson(const TAutorunList& list, const THiddenByList* why = nullptr,
                                const TSignatureList* signatures = nullptr);

// "name_white: ROW", "file_white: ROW", "disabled" or "unnamed".
std::wstring DescribeHiddenBy(const THiddenBy& hiddenBy);

// Whether the entry's file is there, by the test the list view makes before it reads a
// file's product name and icon (GetFileAttributesW; a network path that does not answer
// counts as absent once the system gives up on it). Only startup files and Run values name
// a file: a task names none, and a service's text holds its arguments too, so for those
// there is nothing to answer.
std::optional<bool> EntryFileExists(const TAutorunInfo& entry);
// Byte-order mark, then From|Caption|Target and CR LF per entry; nothing escaped.
std::string FormatSavedList(const TAutorunList& list);

// Writes the saved-list file beside and moves it over the old one (ReplaceFileContents);
// a failure raises PlatformError with the system's message and leaves the old file.
void SaveCatalogue(const std::wstring& path, const TAutorunList& list);
