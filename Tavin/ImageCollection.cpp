#include "Tavin/ImageCollection.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr std::uint32_t kPageEdge = 0xFF7A7A7A;
constexpr std::uint32_t kPaper = 0xFFFFFFFF;
constexpr std::uint32_t kFold = 0xFFDCDCDC;
constexpr std::uint32_t kAccent = 0xFF3D84DD;  // the program's accent colour
constexpr std::uint32_t kCubeTop = 0xFF8CC0F2;
constexpr std::uint32_t kCubeRight = 0xFF2A5FA8;
constexpr std::uint32_t kDark = 0xFF3A3A3A;
constexpr std::uint32_t kSteel = 0xFF6D6D6D;

// A page with its top right corner folded down.
TVectorImage BlankPage() {
  TVectorImage image{16, 0, {}};
  image.shapes.push_back(PolygonShape({{2, 0}, {10, 0}, {14, 4}, {14, 16}, {2, 16}}, kPageEdge, true));
  image.shapes.push_back(PolygonShape({{3, 1}, {9, 1}, {9, 5}, {13, 5}, {13, 15}, {3, 15}}, kPaper, true));
  image.shapes.push_back(PolygonShape({{10, 1}, {13, 4}, {10, 4}}, kFold, true));
  return image;
}

// One isometric cube: top face, left face, right face.
void AddCube(TVectorImage& image, double cx, double top, double w) {
  image.shapes.push_back(
      PolygonShape({{cx, top}, {cx + w, top + w / 2}, {cx, top + w}, {cx - w, top + w / 2}}, kCubeTop));
  image.shapes.push_back(PolygonShape(
      {{cx - w, top + w / 2}, {cx, top + w}, {cx, top + 2 * w}, {cx - w, top + 1.5 * w}}, kAccent));
  image.shapes.push_back(PolygonShape(
      {{cx, top + w}, {cx + w, top + w / 2}, {cx + w, top + 1.5 * w}, {cx, top + 2 * w}}, kCubeRight));
}

TVectorImage BlueCubes() {
  TVectorImage image{32, 0, {}};
  AddCube(image, 16, 1, 7.5);   // behind
  AddCube(image, 8.5, 14, 7.5);
  AddCube(image, 23.5, 14, 7.5);
  return image;
}

TVectorImage Clock() {
  TVectorImage image{16, 0, {}};
  image.shapes.push_back(EllipseShape(8, 8, 7.5, 7.5, kDark));
  image.shapes.push_back(EllipseShape(8, 8, 6.25, 6.25, kPaper));
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * kPi / 2;
    image.shapes.push_back(LineShape({8 + 4.75 * std::cos(angle), 8 + 4.75 * std::sin(angle)},
                                     {8 + 6 * std::cos(angle), 8 + 6 * std::sin(angle)}, 1, kDark));
  }
  image.shapes.push_back(LineShape({8, 8.5}, {8, 3.5}, 1.5, kDark));    // minutes
  image.shapes.push_back(LineShape({7.5, 8}, {11.5, 8}, 1.5, kDark));   // hours
  image.shapes.push_back(EllipseShape(8, 8, 1.25, 1.25, kAccent));
  return image;
}

// A gear: teeth around a body, with a hole in the middle.
TVectorShape Gear(double cx, double cy, double outer, double inner, int teeth, double hole,
                  std::uint32_t colour) {
  std::vector<TVectorPoint> rim;
  const double pitch = 2 * kPi / teeth;
  for (int i = 0; i < teeth; ++i) {
    const double a = i * pitch;
    rim.push_back({cx + inner * std::cos(a - pitch * 0.32), cy + inner * std::sin(a - pitch * 0.32)});
    rim.push_back({cx + outer * std::cos(a - pitch * 0.18), cy + outer * std::sin(a - pitch * 0.18)});
    rim.push_back({cx + outer * std::cos(a + pitch * 0.18), cy + outer * std::sin(a + pitch * 0.18)});
    rim.push_back({cx + inner * std::cos(a + pitch * 0.32), cy + inner * std::sin(a + pitch * 0.32)});
  }
  return TVectorShape{{rim, CircleContour(cx, cy, hole)}, colour, false};
}

TVectorImage Gears() {
  TVectorImage image{16, 0, {}};
  image.shapes.push_back(Gear(6, 6, 5.75, 4.25, 8, 1.75, kSteel));
  image.shapes.push_back(Gear(11.5, 11.5, 4.25, 3.0, 6, 1.25, kAccent));
  return image;
}

}  // namespace

TVectorImage BuiltInImage(int index) {
  switch (index) {
    case 0: return BlankPage();
    case 1: return BlueCubes();
    case 2: return Clock();
    case 3: return Gears();
    default: throw std::out_of_range("no built-in image of that index");
  }
}

TImageCollection::TImageCollection() {
  for (int i = 0; i < kBuiltInImageCount; ++i) {
    TVectorImage drawing = BuiltInImage(i);
    const int size = drawing.size;
    images_.push_back(Image{std::to_wstring(i), std::move(drawing), {}, size});
  }
}

int TImageCollection::IndexOf(std::wstring_view name) const {
  for (size_t i = 0; i < images_.size(); ++i)
    if (images_[i].name == name) return static_cast<int>(i);
  return -1;
}

int TImageCollection::BaseSize(int index) const { return images_.at(static_cast<size_t>(index)).baseSize; }

IcoImage TImageCollection::Render(int index, int pixelSize) const {
  const Image& image = images_.at(static_cast<size_t>(index));
  if (image.ico.empty()) return RenderVectorImage(image.drawing, pixelSize);
  IcoImage out{pixelSize, pixelSize,
               std::vector<std::uint32_t>(static_cast<size_t>(std::max(pixelSize, 0)) * std::max(pixelSize, 0))};
  const auto icon = DecodeIco(image.ico);
  if (!icon || pixelSize <= 0) return out;
  for (int y = 0; y < pixelSize; ++y)
    for (int x = 0; x < pixelSize; ++x)
      out.pixels[static_cast<size_t>(y) * pixelSize + x] =
          icon->pixels[static_cast<size_t>(y * icon->height / pixelSize) * icon->width + x * icon->width / pixelSize];
  return out;
}

int TImageCollection::ScaledSize(int baseSize, int dpi) { return (baseSize * dpi + 48) / 96; }

int TImageCollection::AddIcon(std::wstring name, std::string ico) {
  const auto icon = DecodeIco(ico);
  images_.push_back(Image{std::move(name), {}, std::move(ico), icon ? icon->width : 16});
  const int index = Count() - 1;
  // A copy: a listener may take itself (or another) off while it is told.
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(index);
  return index;
}

int TImageCollection::OnAdded(Listener listener) {
  const int id = nextListenerId_++;
  listeners_.emplace_back(id, std::move(listener));
  return id;
}

void TImageCollection::RemoveListener(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}
