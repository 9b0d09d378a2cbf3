// The part of a refresh that waits on the registry, the service manager and the disk,
// done off the window's thread: the catalogue, and for each entry that is to become a
// new row its product name and icon. The window then merges the rows on its own thread,
// where nothing is read any more.
#pragma once

#include <atomic>
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
  // The icons the image collection holds already, by their cleaned text.
  TIconCache knownIcons;
};

struct TRefreshRead {
  TAutorunList catalogue;
  // By the entry's FileName.
  std::unordered_map<std::wstring, std::wstring> productNames;
  std::vector<std::pair<std::wstring, TFileIconRead>> icons;
};

// Reads the catalogue, then the files of the entries that would become new rows. `stop`
// ends the file reading early (the window closed); what was read is then incomplete.
void ReadRefresh(const TRefreshRequest& request, TProductNames& names, const std::atomic<bool>& stop,
                 TRefreshRead& read);

// On the window's thread: the icons read join the collection and its cache, and the
// merge gets the facts of its new rows.
TRowFacts StoreRefreshFacts(TRefreshRead& read, TIconCache& cache, TImageCollection& images);
