// The catalogue as text: the console companion's listings and the saved-list file the
// window writes. All results are UTF-8 bytes.
#pragma once

#include <string>

#include "Lib/Autorun.h"

// An aligned table: state, kind tag, caption, target; one line per entry.
std::string FormatCatalogueText(const TAutorunList& list);
// RFC 4180: a header row, CR LF after every record, fields quoted when they need it.
std::string FormatCatalogueCsv(const TAutorunList& list);
// An array of objects with the keys from, caption, target, fileName, rawData, enabled.
std::string FormatCatalogueJson(const TAutorunList& list);
// Byte-order mark, then From|Caption|Target and CR LF per entry; nothing escaped.
std::string FormatSavedList(const TAutorunList& list);

// Writes the saved-list file; a failure raises PlatformError with the system's message.
void SaveCatalogue(const std::wstring& path, const TAutorunList& list);
