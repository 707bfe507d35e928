#pragma once
// Pictures described as coloured shapes, in pixels of the image they are drawn into, and
// rasterised with antialiased edges.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// A shape answers whether a point (in pixels) lies inside it.
using Shape = std::function<bool(double x, double y)>;

struct Layer {
    Shape Inside;
    std::uint32_t Rgb;  // 0xRRGGBB
};
using Picture = std::vector<Layer>;  // the topmost layer last

Shape Circle(double cx, double cy, double r);
Shape Ellipse(double cx, double cy, double rx, double ry, double degrees = 0);
Shape Box(double x0, double y0, double x1, double y1);
// A stroke of the given width between two points, with round ends.
Shape Segment(double ax, double ay, double bx, double by, double width);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(std::vector<Shape> parts);
Shape Minus(Shape kept, Shape removed);
// The shape grown by a margin in every direction: the outline drawn under a filled shape.
Shape Grown(Shape shape, double margin);

// 0xAARRGGBB of every pixel of a size x size image, top row first. Four by four samples per
// pixel; the topmost layer that holds a sample gives its colour.
std::vector<std::uint32_t> Rasterise(const Picture& picture, int size);
