#include "Lib/RefreshRead.h"

#include "Tavin/Text.h"

void ReadRefresh(const TRefreshRequest& request, TProductNames& names, const std::atomic<bool>& stop,
                 TRefreshRead& read) {
  CollectAutorun(read.catalogue);
  TRowSources sources;
  sources.fileWhite = &request.fileWhite;
  sources.nameWhite = &request.nameWhite;
  sources.showAll = request.showAll;
  for (const TAutorunInfo& entry : read.catalogue) {
    if (stop) return;
    // Tasks and services show their captions and their kind's image; only files are read.
    if (SameTextAscii(entry.From, kFromTask) || SameTextAscii(entry.From, kFromService)) continue;
    if (request.knownRows.contains(TAutorunRows::FoldedKey(entry.From, entry.Target))) continue;
    if (WhyHidden(entry, sources)) continue;
    if (read.productNames.contains(entry.FileName)) continue;
    TFileFacts facts = names.Read(entry.FileName, &request.knownIcons);
    read.productNames.emplace(entry.FileName, std::move(facts.productName));
    read.icons.emplace_back(entry.FileName, std::move(facts.icon));
  }
}

TRowFacts StoreRefreshFacts(TRefreshRead& read, TIconCache& cache, TImageCollection& images) {
  TRowFacts facts;
  facts.productNames = std::move(read.productNames);
  for (auto& [file, icon] : read.icons) facts.icons[file] = StoreFileIcon(cache, images, std::move(icon));
  read.icons.clear();
  return facts;
}
