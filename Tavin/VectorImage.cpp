#include "Tavin/VectorImage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Samples per pixel along each axis: 16 coverage levels, plenty at icon sizes.
constexpr int kSamples = 4;

struct Premultiplied {
  double a = 0;
  double r = 0;
  double g = 0;
  double b = 0;
};

}  // namespace

TVectorShape PolygonShape(std::vector<TVectorPoint> points, std::uint32_t colour, bool snap) {
  return TVectorShape{{std::move(points)}, colour, snap};
}

std::vector<TVectorPoint> CircleContour(double cx, double cy, double r, int segments) {
  std::vector<TVectorPoint> points;
  points.reserve(static_cast<size_t>(segments));
  for (int i = 0; i < segments; ++i) {
    const double angle = 2 * kPi * i / segments;
    points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  return points;
}

TVectorShape EllipseShape(double cx, double cy, double rx, double ry, std::uint32_t colour) {
  std::vector<TVectorPoint> points = CircleContour(cx, cy, 1.0);
  for (TVectorPoint& p : points) {
    p.x = cx + (p.x - cx) * rx;
    p.y = cy + (p.y - cy) * ry;
  }
  return PolygonShape(std::move(points), colour);
}

TVectorShape LineShape(TVectorPoint from, TVectorPoint to, double width, std::uint32_t colour) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return TVectorShape{{}, colour, false};
  const double nx = -dy / length * width / 2;
  const double ny = dx / length * width / 2;
  return PolygonShape({{from.x + nx, from.y + ny},
                       {to.x + nx, to.y + ny},
                       {to.x - nx, to.y - ny},
                       {from.x - nx, from.y - ny}},
                      colour);
}

IcoImage RenderVectorImage(const TVectorImage& image, int pixelSize) {
  if (pixelSize <= 0 || image.size <= 0) return IcoImage{};
  const int pixelHeight =
      image.height > 0 ? std::max(1, static_cast<int>(std::lround(static_cast<double>(pixelSize) *
                                                                   image.height / image.size)))
                       : pixelSize;
  IcoImage out{pixelSize, pixelHeight, {}};
  const size_t count = static_cast<size_t>(pixelSize) * pixelHeight;
  std::vector<Premultiplied> canvas(count);
  std::vector<int> coverage(count);
  std::vector<double> crossings;
  const double scale = static_cast<double>(pixelSize) / image.size;

  for (const TVectorShape& shape : image.shapes) {
    std::fill(coverage.begin(), coverage.end(), 0);
    // The shape in pixel units, corners on whole pixels when it asks for that.
    std::vector<std::vector<TVectorPoint>> contours = shape.contours;
    for (auto& contour : contours)
      for (TVectorPoint& p : contour) {
        p.x *= scale;
        p.y *= scale;
        if (shape.snap) {
          p.x = std::round(p.x);
          p.y = std::round(p.y);
        }
      }
    for (int row = 0; row < pixelHeight * kSamples; ++row) {
      const double y = (row + 0.5) / kSamples;
      crossings.clear();
      for (const auto& contour : contours)
        for (size_t i = 0; i < contour.size(); ++i) {
          const TVectorPoint& a = contour[i];
          const TVectorPoint& b = contour[(i + 1) % contour.size()];
          if ((a.y <= y && y < b.y) || (b.y <= y && y < a.y))
            crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
      std::sort(crossings.begin(), crossings.end());
      // Even-odd: the samples between the 1st and 2nd crossing, the 3rd and 4th, ...
      for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
        const int first = std::max(0, static_cast<int>(std::ceil(crossings[k] * kSamples - 0.5)));
        const int last = std::min(pixelSize * kSamples - 1,
                                  static_cast<int>(std::ceil(crossings[k + 1] * kSamples - 0.5)) - 1);
        for (int column = first; column <= last; ++column)
          ++coverage[static_cast<size_t>(row / kSamples) * pixelSize + column / kSamples];
      }
    }
    const double alpha = ((shape.colour >> 24) & 0xFF) / 255.0;
    const double red = ((shape.colour >> 16) & 0xFF) / 255.0;
    const double green = ((shape.colour >> 8) & 0xFF) / 255.0;
    const double blue = (shape.colour & 0xFF) / 255.0;
    for (size_t i = 0; i < count; ++i) {
      if (coverage[i] == 0) continue;
      const double a = alpha * coverage[i] / (kSamples * kSamples);
      Premultiplied& p = canvas[i];
      p.r = red * a + p.r * (1 - a);
      p.g = green * a + p.g * (1 - a);
      p.b = blue * a + p.b * (1 - a);
      p.a = a + p.a * (1 - a);
    }
  }

  out.pixels.resize(count);
  auto channel = [](double value) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
  };
  for (size_t i = 0; i < count; ++i) {
    const Premultiplied& p = canvas[i];
    if (p.a <= 0) {
      out.pixels[i] = 0;
      continue;
    }
    out.pixels[i] = channel(p.a) << 24 | channel(p.r / p.a) << 16 | channel(p.g / p.a) << 8 |
                    channel(p.b / p.a);
  }
  return out;
}
