// Product names of the files the rows start, from their version resources. Reading a
// version block is the slow part of describing a row; a file whose size and last write
// are the same as last time keeps the name read then, across refreshes.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

class TProductNames {
 public:
  // The file's ProductName, empty when it has none or cannot be read.
  std::wstring Lookup(const std::wstring& path);

 private:
  struct TKnown {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    std::wstring name;
  };
  // By the path with A-Z folded.
  std::unordered_map<std::wstring, TKnown> known_;
  // Files on a network share that could not be reached: an offline share answers only
  // after the network's time-out, so it is not asked again in this run.
  std::unordered_set<std::wstring> unreachable_;
};

// Whether the path names a file on another machine (\\server\share\..., \\?\UNC\...).
bool IsNetworkPath(const std::wstring& path);
