// Product names of the files the rows start, from their version resources. Reading a
// version block is the slow part of describing a row; a file whose size and last write
// are the same as last time keeps the name read then, across refreshes.
//
// A file on another machine (a share, or a mapped network drive) is read with a deadline: an offline share answers only after
// the network's time-out, tens of seconds, and would hold the refresh that long for its
// first file. A share that misses the deadline or cannot be reached is not asked again in
// this run.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "Tavin/FileMetadata.h"

// What a refresh reads of a file a row starts.
struct TFileFacts {
  std::wstring productName;
  TFileIconRead icon;
};

class TProductNames {
 public:
  // Long enough for a share that answers, over a slow link, to give a version block.
  static constexpr std::chrono::milliseconds kNetworkDeadline{3000};

  explicit TProductNames(std::chrono::milliseconds networkDeadline = kNetworkDeadline);

  // The file's ProductName, empty when it has none or cannot be read.
  std::wstring Lookup(const std::wstring& path);
  // The product name, and with `knownIcons` the icon too (ReadFileIcon's read), in one
  // go: a file on a share is read within one deadline. A file on a share that is not
  // asked any more has no name and the blank page as its icon, as a missing file.
  // The icons are shared, not copied: a read on a share that outlives its deadline keeps
  // them alive, and a refresh of many network files copies nothing per file.
  TFileFacts Read(const std::wstring& path, std::shared_ptr<const TIconCache> knownIcons);

 private:
  struct TKnown {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    std::wstring name;
  };
  struct TNameRead {
    std::optional<TKnown> found;  // empty: the file is not there or could not be reached
    bool unreachable = false;     // its share did not answer
  };
  // Reads what the cache does not hold; touches nothing of this object, so it may run on
  // a thread that outlives the call.
  static TNameRead ReadName(const std::wstring& path, bool remote, const std::optional<TKnown>& known);
  void Store(const std::wstring& key, const std::wstring& place, const TNameRead& read);
  // NetworkPlace, or for a path on a mapped network drive the drive ("z:"); empty for a
  // local path. Each drive's type is asked once a run.
  std::wstring PlaceOf(const std::wstring& path);

  std::chrono::milliseconds networkDeadline_;
  // By the path with A-Z folded.
  std::unordered_map<std::wstring, TKnown> known_;
  // PlaceOf of the shares not asked again.
  std::unordered_set<std::wstring> unreachable_;
  // By the drive's letter folded: whether it is a mapped network drive.
  std::unordered_map<wchar_t, bool> remoteDrives_;
};

// Whether the path names a file on another machine (\\server\share\..., \\?\UNC\...).
bool IsNetworkPath(const std::wstring& path);
// The share a network path lies on, as \\server\share with A-Z folded, whichever of the
// two spellings names it; empty for any other path.
std::wstring NetworkPlace(const std::wstring& path);
