// The list view's images: an ordered collection of named images, the four built-in
// drawings first ("0" a blank page, "1" blue cubes, "2" a clock, "3" gears) and the file
// icons appended after them. A Windows image list mirrors it one to one, so an index into
// the collection is the image index of a row: it renders each image at the size the
// screen's scale asks for, and follows Added() to pick up new ones.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Tavin/VectorImage.h"
#include "platform/IcoFormat.h"

class TImageCollection {
 public:
  // Told the index of each image appended, after it is in the collection.
  using Listener = std::function<void(int index)>;

  TImageCollection();

  int Count() const { return static_cast<int>(images_.size()); }
  const std::wstring& Name(int index) const { return images_.at(static_cast<size_t>(index)).name; }
  // The index of the first image of that name (exact comparison), or -1.
  int IndexOf(std::wstring_view name) const;
  // The image's size at 100 %: 16 or 32 for the drawings, an icon's own size.
  int BaseSize(int index) const;
  // The .ico bytes of an appended icon; empty for a drawing.
  const std::string& IconData(int index) const { return images_.at(static_cast<size_t>(index)).ico; }
  // The image at pixelSize x pixelSize: a drawing is drawn at that size, an icon scaled
  // from its pixels (a transparent square when its bytes cannot be read).
  IcoImage Render(int index, int pixelSize) const;
  // The pixel size of an image of baseSize on a screen of `dpi` (96 is 100 %).
  static int ScaledSize(int baseSize, int dpi);

  // Appends an icon (.ico bytes) under the name and tells the listeners; its index.
  int AddIcon(std::wstring name, std::string ico);
  // Listeners are called in the order they were added. The number returned takes the
  // listener off again: whoever goes before the collection must, or the next image
  // added calls into it after it is gone.
  int OnAdded(Listener listener);
  void RemoveListener(int id);

 private:
  struct Image {
    std::wstring name;
    TVectorImage drawing;  // when ico is empty
    std::string ico;
    int baseSize = 16;
  };

  std::vector<Image> images_;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListenerId_ = 1;
};

// The four built-in drawings, by index.
TVectorImage BuiltInImage(int index);
inline constexpr int kBuiltInImageCount = 4;
