// Small vector drawings, rendered to pixels at whatever size a screen's scale asks for,
// so the built-in images stay sharp from 100 % to 200 % instead of being stretched.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/IcoFormat.h"

struct TVectorPoint {
  double x;
  double y;
};

// Filled by the even-odd rule over all its contours, so a contour inside another cuts a
// hole. `snap` puts every corner on the pixel grid at each size: straight-edged shapes
// then have no blurred edges at any scale.
struct TVectorShape {
  std::vector<std::vector<TVectorPoint>> contours;
  std::uint32_t colour = 0xFF000000;  // 0xAARRGGBB
  bool snap = false;
};

struct TVectorImage {
  int size = 16;  // the design grid's width, and the pixel width at 100 %
  int height = 0;  // the design grid's height when the drawing is not square
  std::vector<TVectorShape> shapes;
};

TVectorShape PolygonShape(std::vector<TVectorPoint> points, std::uint32_t colour, bool snap = false);
TVectorShape EllipseShape(double cx, double cy, double rx, double ry, std::uint32_t colour);
// A straight stroke of the given width with square ends.
TVectorShape LineShape(TVectorPoint from, TVectorPoint to, double width, std::uint32_t colour);
// A circle contour (for holes and gear bodies), counter-clockwise.
std::vector<TVectorPoint> CircleContour(double cx, double cy, double r, int segments = 48);

// The drawing pixelSize wide (and as high as its grid's proportions say), antialiased,
// straight (not premultiplied) alpha.
IcoImage RenderVectorImage(const TVectorImage& image, int pixelSize);
