// The part of a refresh that waits on the registry, the service manager and the disk, or
// that grows with the number of entries, done off the window's thread: the catalogue,
// the merge worked out against the rows shown, and for each new row its product name and
// icon. The window's thread then only stores the icons and applies the plan, where
// nothing is read or decided any more.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "Lib/Autorun.h"
#include "Lib/AutorunRows.h"
#include "Lib/Common.h"
#include "Lib/ProductNames.h"
#include "Tavin/FileMetadata.h"

// What the reader is given when it starts. Copies, not the window's own: the reply may
// extend the window's lists and the rows change while it reads.
struct TRefreshRequest {
  FilterList fileWhite;
  FilterList nameWhite;
  bool showAll = false;
  // TAutorunRows::FoldedKey of the rows shown: they are not described again.
  std::unordered_set<std::wstring> knownRows;
  // The icons the image collection holds already, by their cleaned text; none when null.
  std::shared_ptr<const TIconCache> knownIcons;
};

struct TRefreshRead {
  TAutorunList catalogue;
  // Against request.knownRows; the new file rows carry their product names.
  TMergePlan plan;
  // The icons of the new file rows' files, by the entry's FileName, each file once.
  std::vector<std::pair<std::wstring, TFileIconRead>> icons;
};

// Reads the catalogue, plans the merge, then reads the files of the new rows. `stop`
// ends the file reading early (the window closed); what was read is then incomplete.
void ReadRefresh(const TRefreshRequest& request, TProductNames& names, const std::atomic<bool>& stop,
                 TRefreshRead& read);

// On the window's thread: the icons read join the collection and its cache; the image
// index of each, for TAutorunRows::Apply.
TFileIcons StoreRefreshFacts(TRefreshRead& read, TIconCache& cache, TImageCollection& images);
