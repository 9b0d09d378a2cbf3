#include "ui/Artwork.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/IcoFormat.h"

namespace {

constexpr std::uint32_t kAccent = 0xFF3D84DD;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kInk = 0xFF2B2B2B;

// A rectangle with quarter circles at its corners, clockwise from the top left.
std::vector<TVectorPoint> RoundedRect(double left, double top, double right, double bottom,
                                      double radius) {
  std::vector<TVectorPoint> points;
  const struct {
    double cx, cy, from;
  } corners[] = {{right - radius, top + radius, -90},
                 {right - radius, bottom - radius, 0},
                 {left + radius, bottom - radius, 90},
                 {left + radius, top + radius, 180}};
  for (const auto& corner : corners) {
    for (int step = 0; step <= 8; ++step) {
      const double angle = (corner.from + step * 90.0 / 8) * std::numbers::pi / 180;
      points.push_back({corner.cx + radius * std::cos(angle), corner.cy + radius * std::sin(angle)});
    }
  }
  return points;
}

// A ring: the even-odd rule cuts the inner circle out of the outer one.
TVectorShape Ring(double cx, double cy, double outer, double inner, std::uint32_t colour) {
  TVectorShape shape;
  shape.contours = {CircleContour(cx, cy, outer), CircleContour(cx, cy, inner)};
  shape.colour = colour;
  return shape;
}

}  // namespace

TVectorImage MakerLogo() {
  TVectorImage logo;
  logo.size = 112;
  logo.height = 50;
  // The mark: a blue tile with a white T.
  TVectorShape tile;
  tile.contours = {RoundedRect(4, 13, 28, 37, 5)};
  tile.colour = kAccent;
  logo.shapes.push_back(tile);
  logo.shapes.push_back(PolygonShape({{9, 18}, {23, 18}, {23, 21.5}, {9, 21.5}}, kWhite));
  logo.shapes.push_back(PolygonShape({{14.25, 21.5}, {17.75, 21.5}, {17.75, 32}, {14.25, 32}}, kWhite));

  // The name in geometric lower-case letters: x-height from 21 to 31, ascenders from 17.
  constexpr double stroke = 2.2;
  constexpr double base = 31;
  constexpr double xTop = 21;
  constexpr double middle = 26;
  double x = 34;
  auto stem = [&](double at, double from, double to) {
    logo.shapes.push_back(LineShape({at, from}, {at, to}, stroke, kInk));
  };
  // t
  stem(x + 2, 17.5, base);
  logo.shapes.push_back(LineShape({x, xTop + 0.6}, {x + 5, xTop + 0.6}, stroke * 0.8, kInk));
  x += 7;
  // a, twice: a ring and its stem on the right
  auto letterA = [&] {
    logo.shapes.push_back(Ring(x + 4, middle, 5, 5 - stroke, kInk));
    stem(x + 7.9, xTop, base);
    x += 11;
  };
  letterA();
  // v
  logo.shapes.push_back(LineShape({x + 0.4, xTop}, {x + 4, base - 0.6}, stroke, kInk));
  logo.shapes.push_back(LineShape({x + 4, base - 0.6}, {x + 7.6, xTop}, stroke, kInk));
  logo.shapes.push_back(EllipseShape(x + 4, base - 1.1, stroke * 0.55, stroke * 0.55, kInk));
  x += 10;
  // i
  stem(x + 1.1, xTop, base);
  logo.shapes.push_back(EllipseShape(x + 1.1, 17.6, 1.4, 1.4, kInk));
  x += 4.5;
  // k
  stem(x + 1.1, 17, base);
  logo.shapes.push_back(LineShape({x + 1.6, 27.2}, {x + 7, xTop}, stroke, kInk));
  logo.shapes.push_back(LineShape({x + 3.6, 25.2}, {x + 7.4, base}, stroke, kInk));
  x += 9.5;
  // o
  logo.shapes.push_back(Ring(x + 4.5, middle, 5, 5 - stroke, kInk));
  x += 11.5;
  // r: a stem and the start of an arch
  stem(x + 1.1, xTop, base);
  logo.shapes.push_back(LineShape({x + 1.6, 24.6}, {x + 5.8, xTop + 0.9}, stroke, kInk));
  x += 8;
  letterA();
  return logo;
}

TVectorImage AppIconDrawing() {
  TVectorImage icon;
  icon.size = 32;
  TVectorShape tile;
  tile.contours = {RoundedRect(1, 1, 31, 31, 6)};
  tile.colour = kAccent;
  icon.shapes.push_back(tile);
  // Three entries: a switch dot and a line of text each; the middle one switched off.
  const double rows[] = {8, 14, 20};
  for (int row = 0; row < 3; ++row) {
    const double top = rows[row];
    const std::uint32_t colour = row == 1 ? 0xB3FFFFFF : kWhite;
    icon.shapes.push_back(PolygonShape({{6, top}, {10, top}, {10, top + 4}, {6, top + 4}}, colour, true));
    icon.shapes.push_back(PolygonShape({{12, top}, {26, top}, {26, top + 4}, {12, top + 4}}, colour, true));
  }
  return icon;
}

std::string AppIconFile() {
  std::vector<IcoImage> images;
  for (int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
    images.push_back(RenderVectorImage(AppIconDrawing(), size));
  }
  return EncodeIcoSet(images);
}
