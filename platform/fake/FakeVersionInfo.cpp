#include "platform/fake/FakeVersionInfo.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/fake/CaseFold.h"

namespace {

constexpr WORD kBinary = 0;
constexpr WORD kText = 1;

size_t Align(size_t offset, size_t to) { return (offset + to - 1) / to * to; }

struct Node {
  std::wstring key;
  WORD type = kBinary;
  std::string value;       // raw bytes
  WORD valueLength = 0;    // characters for text, bytes for binary
  std::vector<Node> children;
};

void PutWord(std::string& out, size_t at, WORD value) {
  out[at] = static_cast<char>(value & 0xFF);
  out[at + 1] = static_cast<char>(value >> 8);
}

WORD GetWord(const unsigned char* at) { return static_cast<WORD>(at[0] | at[1] << 8); }

void Write(std::string& out, const Node& node) {
  out.resize(Align(out.size(), 4), '\0');
  const size_t start = out.size();
  out.resize(start + 6, '\0');
  out.resize(Align(out.size(), alignof(wchar_t)), '\0');
  const std::wstring key = node.key + L'\0';
  out.append(reinterpret_cast<const char*>(key.data()), key.size() * sizeof(wchar_t));
  out.resize(Align(out.size(), 4), '\0');
  out += node.value;
  for (const Node& child : node.children) Write(out, child);
  PutWord(out, start, static_cast<WORD>(out.size() - start));
  PutWord(out, start + 2, node.valueLength);
  PutWord(out, start + 4, node.type);
}

Node Text(const std::wstring& key, const std::wstring& value) {
  Node node{key, kText, {}, static_cast<WORD>(value.size() + 1), {}};
  const std::wstring terminated = value + L'\0';
  node.value.assign(reinterpret_cast<const char*>(terminated.data()),
                    terminated.size() * sizeof(wchar_t));
  return node;
}

// A node inside a block, read with every offset checked against the node's own length.
struct View {
  const unsigned char* start = nullptr;
  size_t length = 0;
  WORD valueLength = 0;
  WORD type = 0;
  std::wstring key;
  size_t valueOffset = 0;
  size_t childrenOffset = 0;
};

bool Read(const unsigned char* start, size_t room, View& view) {
  if (room < 6) return false;
  view.start = start;
  view.length = GetWord(start);
  view.valueLength = GetWord(start + 2);
  view.type = GetWord(start + 4);
  if (view.length < 6 || view.length > room) return false;
  size_t at = Align(6, alignof(wchar_t));
  view.key.clear();
  for (;;) {
    if (at + sizeof(wchar_t) > view.length) return false;
    wchar_t c;
    std::memcpy(&c, start + at, sizeof c);
    at += sizeof(wchar_t);
    if (c == L'\0') break;
    view.key.push_back(c);
  }
  view.valueOffset = Align(at, 4);
  const size_t valueBytes = view.type == kText ? view.valueLength * sizeof(wchar_t) : view.valueLength;
  view.childrenOffset = Align(view.valueOffset + valueBytes, 4);
  return view.valueOffset + valueBytes <= view.length;
}

}  // namespace

FakeVersionResource FakeVersionResource::English(Strings strings) {
  return FakeVersionResource{{{0x0409, 1200}}, {{L"040904b0", std::move(strings)}}};
}

std::string BuildVersionBlock(const FakeVersionResource& resource) {
  Node root{L"VS_VERSION_INFO", kBinary, {}, 52, {}};
  // VS_FIXEDFILEINFO: the signature and structure version, then zeros.
  root.value.assign(52, '\0');
  const std::uint32_t signature = 0xFEEF04BD;
  const std::uint32_t structVersion = 0x00010000;
  std::memcpy(root.value.data(), &signature, 4);
  std::memcpy(root.value.data() + 4, &structVersion, 4);

  Node strings{L"StringFileInfo", kText, {}, 0, {}};
  for (const auto& [name, values] : resource.stringTables) {
    Node table{name, kText, {}, 0, {}};
    for (const auto& [key, value] : values) table.children.push_back(Text(key, value));
    strings.children.push_back(std::move(table));
  }
  Node vars{L"VarFileInfo", kText, {}, 0, {}};
  Node translation{L"Translation", kBinary, {}, 0, {}};
  for (const auto& [language, codePage] : resource.translations) {
    const WORD pair[2] = {language, codePage};
    translation.value.append(reinterpret_cast<const char*>(pair), sizeof pair);
  }
  translation.valueLength = static_cast<WORD>(translation.value.size());
  vars.children.push_back(std::move(translation));
  root.children.push_back(std::move(strings));
  root.children.push_back(std::move(vars));

  std::string out;
  Write(out, root);
  return out;
}

bool FakeVersionInfo::Exists(std::wstring_view file) {
  if (fileExists) return fileExists(file);
  return blocks_.count(FoldCase(file)) != 0;
}

const std::string* FakeVersionInfo::Block(std::wstring_view file, DWORD* error) {
  if (!Exists(file)) {
    *error = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  const auto found = blocks_.find(FoldCase(file));
  if (found == blocks_.end()) {
    *error = ERROR_RESOURCE_TYPE_NOT_FOUND;
    return nullptr;
  }
  return &found->second;
}

DWORD FakeVersionInfo::GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle, DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (handle != nullptr) *handle = 0;
  if (auto fault = faults.Check("GetFileVersionInfoSizeW")) {
    *error = *fault;
    return 0;
  }
  if (file == nullptr) {
    *error = ERROR_INVALID_PARAMETER;
    return 0;
  }
  const std::string* block = Block(file, error);
  return block == nullptr ? 0 : static_cast<DWORD>(block->size());
}

BOOL FakeVersionInfo::GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size, void* data,
                                          DWORD* error) {
  (void)handle;
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("GetFileVersionInfoW")) {
    *error = *fault;
    return FALSE;
  }
  if (file == nullptr || data == nullptr) {
    *error = ERROR_INVALID_PARAMETER;
    return FALSE;
  }
  const std::string* block = Block(file, error);
  if (block == nullptr) return FALSE;
  // Like Windows, a short buffer gets the start of the block.
  std::memcpy(data, block->data(), std::min<size_t>(size, block->size()));
  return TRUE;
}

BOOL FakeVersionInfo::VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                                     UINT* length) {
  if (auto fault = faults.Check("VerQueryValueW")) return FALSE;
  if (block == nullptr || subBlock == nullptr || buffer == nullptr || length == nullptr) return FALSE;
  const auto* base = static_cast<const unsigned char*>(block);
  View node;
  if (!Read(base, GetWord(base), node)) return FALSE;
  // Backslashes separate the names; empty names (a leading, doubled or trailing one)
  // are skipped, so "\VarFileInfo\Translation\" finds the translation table.
  std::wstring_view path(subBlock);
  while (!path.empty()) {
    const size_t slash = path.find(L'\\');
    const std::wstring_view name = path.substr(0, slash);
    path = slash == std::wstring_view::npos ? std::wstring_view() : path.substr(slash + 1);
    if (name.empty()) continue;
    bool found = false;
    size_t at = node.childrenOffset;
    while (at < node.length) {
      View child;
      if (!Read(node.start + at, node.length - at, child)) return FALSE;
      if (SameFolded(child.key, name)) {
        node = child;
        found = true;
        break;
      }
      at = Align(at + child.length, 4);
    }
    if (!found) return FALSE;
  }
  *buffer = const_cast<unsigned char*>(node.start + node.valueOffset);
  *length = node.valueLength;
  return TRUE;
}

void FakeVersionInfo::SetVersionResource(std::wstring_view file, const FakeVersionResource& resource) {
  std::lock_guard lock(mutex_);
  blocks_[FoldCase(file)] = BuildVersionBlock(resource);
}

void FakeVersionInfo::SetVersionBlock(std::wstring_view file, std::string block) {
  std::lock_guard lock(mutex_);
  blocks_[FoldCase(file)] = std::move(block);
}

void FakeVersionInfo::RemoveVersionResource(std::wstring_view file) {
  std::lock_guard lock(mutex_);
  blocks_.erase(FoldCase(file));
}
