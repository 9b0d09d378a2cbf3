#include "Lib/RefreshRead.h"

void ReadRefresh(const TRefreshRequest& request, TProductNames& names, const std::atomic<bool>& stop,
                 TRefreshRead& read) {
  CollectAutorun(read.catalogue);
  TRowSources sources;
  sources.fileWhite = &request.fileWhite;
  sources.nameWhite = &request.nameWhite;
  sources.showAll = request.showAll;
  // Captions first; the files are read below, through the names' cache and deadline.
  sources.readFiles = false;
  read.plan = TAutorunRows::PlanMerge(
      read.catalogue, [&request](const std::wstring& key) { return request.knownRows.contains(key); }, sources);
  // A request without icons has none known yet: every icon is read.
  const std::shared_ptr<const TIconCache> knownIcons =
      request.knownIcons ? request.knownIcons : std::make_shared<const TIconCache>();
  // By the entry's FileName: a file several entries start is read once.
  std::unordered_map<std::wstring, std::wstring> productNames;
  for (size_t i = 0; i < read.catalogue.size(); ++i) {
    if (stop) return;
    const TAutorunInfo& entry = read.catalogue[i];
    std::optional<TAutorunItem>& row = read.plan[i].row;
    if (!row || !ShowsFileFacts(entry)) continue;
    auto [name, fresh] = productNames.try_emplace(entry.FileName);
    if (fresh) {
      TFileFacts facts = names.Read(entry.FileName, knownIcons);
      name->second = std::move(facts.productName);
      read.icons.emplace_back(entry.FileName, std::move(facts.icon));
    }
    if (!name->second.empty()) row->FileName = name->second;
  }
}

TFileIcons StoreRefreshFacts(TRefreshRead& read, TIconCache& cache, TImageCollection& images) {
  TFileIcons icons;
  for (auto& [file, icon] : read.icons) icons[file] = StoreFileIcon(cache, images, std::move(icon));
  read.icons.clear();
  return icons;
}
