// What the list view shows of a file an autorun entry starts: its product name, from the
// version resource, and its icon, extracted once per distinct text and cached.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Tavin/ImageCollection.h"

using TVersionStrings = std::map<std::wstring, std::wstring>;
// Cleaned file text -> image index; it only grows while the list view exists.
using TIconCache = std::map<std::wstring, int>;

// A file, not a folder, is there.
bool FileExists(const std::wstring& path);

// Adds to `results` each key the file's version resource provides in the string table
// its first translation names; the number of entries in `results` afterwards, 0 when
// nothing could be read.
int GetVersionStrings(const std::wstring& fileName, const std::vector<std::wstring>& keys,
                      TVersionStrings& results);

// The image index of the icon of the file a text names ("path" or "path,number", quotes
// and outer blanks ignored): cached, or extracted, appended to the collection and cached.
// 0 (the blank page) for a file that is missing or has no icon, which is looked for again
// next time; defaultIndex for an empty text or when storing the icon fails.
int GetFileIconIndex(TIconCache& cache, TImageCollection& collection, const std::wstring& fileText,
                     int defaultIndex);

// GetFileIconIndex in two steps, so the file is read off the window's thread and only the
// collection is touched on it. ReadFileIcon reads the icon (nothing when `known` already
// holds the cleaned text); StoreFileIcon then gives its image index as GetFileIconIndex
// would, appending and caching what was read.
struct TFileIconRead {
  std::wstring name;       // the cleaned text, the cache's key; empty: no file named
  std::optional<int> index;  // decided without a new image (empty text, missing, failed)
  std::string ico;         // the icon's bytes, to be appended under name
};
TFileIconRead ReadFileIcon(const TIconCache& known, const std::wstring& fileText, int defaultIndex);
int StoreFileIcon(TIconCache& cache, TImageCollection& collection, TFileIconRead read);
