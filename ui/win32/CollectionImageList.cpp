#include "ui/win32/CollectionImageList.h"

#include <algorithm>
#include <cstdint>

#include "ui/win32/Window.h"

namespace {

// A 32-bit top-down DIB section holding the image centred in a cell of the row's height,
// premultiplied as the image list's alpha blending expects.
HBITMAP CellBitmap(const IcoImage& image, int width, int height) {
  const BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* out = static_cast<std::uint32_t*>(bits);
  std::fill(out, out + width * height, 0u);
  const int top = (height - image.height) / 2;
  const int left = (width - image.width) / 2;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int ty = top + y, tx = left + x;
      if (ty < 0 || ty >= height || tx < 0 || tx >= width) continue;
      const std::uint32_t p = image.pixels[static_cast<size_t>(y * image.width + x)];
      const std::uint32_t a = p >> 24;
      const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255;
      const std::uint32_t g = ((p >> 8) & 0xFF) * a / 255;
      const std::uint32_t b = (p & 0xFF) * a / 255;
      out[ty * width + tx] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  return bitmap;
}

}  // namespace

TCollectionImageList::TCollectionImageList(TImageCollection& collection, int iconSize,
                                           int rowHeight)
    : collection_(collection), iconSize_(iconSize), rowHeight_(rowHeight) {
  // The list view takes its row height from the small images, so each cell is as high
  // as a row and the icon sits in its middle.
  // Two pixels (scaled) either side of the icon keep it off the row's edge and its text.
  cellWidth_ = iconSize_ + (iconSize_ + 7) / 8 * 2;
  list_.reset(ImageList_Create(cellWidth_, rowHeight_, ILC_COLOR32, collection_.Count(), 8));
  for (int index = 0; index < collection_.Count(); ++index) Append(index);
  listener_ = collection_.OnAdded([this](int index) { Append(index); });
}

TCollectionImageList::~TCollectionImageList() { collection_.RemoveListener(listener_); }

void TCollectionImageList::Append(int index) {
  if (!list_) return;
  const UniqueGdiBitmap bitmap(CellBitmap(collection_.Render(index, iconSize_), cellWidth_, rowHeight_));
  ImageList_Add(list_.get(), bitmap.get(), nullptr);
}
