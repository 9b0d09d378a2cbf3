#include "platform/IcoFormat.h"

namespace {

void Put16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::uint32_t Get16(std::string_view bytes, size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
}

std::uint32_t Get32(std::string_view bytes, size_t at) { return Get16(bytes, at) | Get16(bytes, at + 2) << 16; }

constexpr size_t kDirSize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;

// The AND mask rows are padded to whole 32-bit words.
size_t MaskStride(int width) { return ((static_cast<size_t>(width) + 31) / 32) * 4; }

}  // namespace

namespace {

bool Encodable(const IcoImage& image) {
  const int w = image.width;
  const int h = image.height;
  return w > 0 && h > 0 && w <= 256 && h <= 256 &&
         image.pixels.size() == static_cast<size_t>(w) * static_cast<size_t>(h);
}

size_t ImageBytes(const IcoImage& image) {
  return kInfoHeaderSize + static_cast<size_t>(image.width) * image.height * 4 +
         MaskStride(image.width) * image.height;
}

void PutImage(std::string& out, const IcoImage& image) {
  const int w = image.width;
  const int h = image.height;
  const size_t maskStride = MaskStride(w);
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows together.
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  // Rows bottom-up, as in every bitmap.
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) Put32(out, image.pixels[static_cast<size_t>(y) * w + x]);
  // The mask marks fully transparent pixels, for the few readers that ignore alpha.
  for (int y = h - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < w; ++x)
      if ((image.pixels[static_cast<size_t>(y) * w + x] >> 24) == 0)
        row[static_cast<size_t>(x) / 8] = static_cast<char>(row[static_cast<size_t>(x) / 8] | (0x80 >> (x % 8)));
    out += row;
  }
}

}  // namespace

std::string EncodeIco(const IcoImage& image) { return EncodeIcoSet({image}); }

std::string EncodeIcoSet(const std::vector<IcoImage>& images) {
  if (images.empty() || images.size() > 0xFFFF) return {};
  for (const IcoImage& image : images)
    if (!Encodable(image)) return {};
  std::string out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<std::uint32_t>(images.size()));
  size_t offset = kDirSize + kEntrySize * images.size();
  for (const IcoImage& image : images) {
    out.push_back(static_cast<char>(image.width == 256 ? 0 : image.width));  // 0 stands for 256
    out.push_back(static_cast<char>(image.height == 256 ? 0 : image.height));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(ImageBytes(image)));
    Put32(out, static_cast<std::uint32_t>(offset));
    offset += ImageBytes(image);
  }
  for (const IcoImage& image : images) PutImage(out, image);
  return out;
}

std::optional<IcoImage> DecodeIco(std::string_view bytes) {
  if (bytes.size() < kDirSize + kEntrySize) return std::nullopt;
  if (Get16(bytes, 0) != 0 || Get16(bytes, 2) != 1 || Get16(bytes, 4) < 1) return std::nullopt;
  const std::uint32_t size = Get32(bytes, kDirSize + 8);
  const std::uint32_t offset = Get32(bytes, kDirSize + 12);
  if (offset > bytes.size() || size > bytes.size() - offset || size < kInfoHeaderSize) return std::nullopt;
  const std::string_view data = bytes.substr(offset, size);
  if (Get32(data, 0) != kInfoHeaderSize || Get16(data, 14) != 32 || Get32(data, 16) != 0)
    return std::nullopt;
  const auto w = static_cast<std::int32_t>(Get32(data, 4));
  const auto h2 = static_cast<std::int32_t>(Get32(data, 8));
  if (w <= 0 || w > 256 || h2 <= 0 || h2 % 2 != 0 || h2 / 2 > 256) return std::nullopt;
  const int h = h2 / 2;
  const size_t needed = kInfoHeaderSize + static_cast<size_t>(w) * h * 4;
  if (data.size() < needed) return std::nullopt;
  IcoImage image{w, h, std::vector<std::uint32_t>(static_cast<size_t>(w) * h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.pixels[static_cast<size_t>(h - 1 - y) * w + x] =
          Get32(data, kInfoHeaderSize + (static_cast<size_t>(y) * w + x) * 4);
  return image;
}
