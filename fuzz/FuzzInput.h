// Turns fuzzer bytes into a wide text: pairs of bytes as UTF-16 code units, so every
// character the registry can hold (lone surrogates included) is reachable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Utf8.h"

inline std::wstring FuzzText(const std::uint8_t* data, std::size_t size) {
  return Utf16LeBytesToWide(data, size);
}
