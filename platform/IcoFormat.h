// The .ico file format, for the one kind of image the program writes and reads back: a
// single 32-bit image with alpha (BGRA), as Windows Vista and later store icons.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IcoImage {
  int width = 0;
  int height = 0;
  // Top row first, one 0xAARRGGBB value per pixel (not premultiplied).
  std::vector<std::uint32_t> pixels;
};

// The bytes of an .ico file holding this one image; empty for a size of 0 or above 256.
std::string EncodeIco(const IcoImage& image);
// The bytes of an .ico file holding these images in this order (the sizes an application
// icon offers); empty when there is none or any could not be encoded.
std::string EncodeIcoSet(const std::vector<IcoImage>& images);
// The first image of an .ico file when it is a 32-bit one; nothing for any other bytes.
std::optional<IcoImage> DecodeIco(std::string_view bytes);
