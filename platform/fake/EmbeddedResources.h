// The resources the program embeds, as the build generates them from resources/ for the
// native build (the Windows build links the same files in through an .rc file).
#pragma once

#include <cstddef>

struct EmbeddedResource {
  const wchar_t* name;  // an RT_RCDATA resource
  const unsigned char* bytes;
  std::size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
