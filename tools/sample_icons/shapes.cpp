#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Shape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ellipse(double cx, double cy, double rx, double ry, double degrees) {
    const double angle = degrees * std::numbers::pi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    return [=](double x, double y) {
        const double u = ((x - cx) * c + (y - cy) * s) / rx;
        const double v = (-(x - cx) * s + (y - cy) * c) / ry;
        return u * u + v * v <= 1;
    };
}

Shape Box(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

Shape Segment(double ax, double ay, double bx, double by, double width) {
    return [=](double x, double y) {
        const double vx = bx - ax, vy = by - ay;
        const double t =
            std::clamp(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
        const double dx = x - (ax + t * vx), dy = y - (ay + t * vy);
        return dx * dx + dy * dy <= width * width / 4;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Shape Union(std::vector<Shape> parts) {
    return [parts = std::move(parts)](double x, double y) {
        return std::any_of(parts.begin(), parts.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Shape Minus(Shape kept, Shape removed) {
    return [=](double x, double y) { return kept(x, y) && !removed(x, y); };
}

Shape Grown(Shape shape, double margin) {
    return [=](double x, double y) {
        if (shape(x, y)) return true;
        for (int step = 0; step < 16; ++step) {
            const double angle = step * std::numbers::pi / 8;
            if (shape(x + margin * std::cos(angle), y + margin * std::sin(angle))) return true;
        }
        return false;
    };
}

namespace {

std::uint32_t RasterisePixel(const Picture& picture, int px, int py) {
    constexpr int Samples = 4;
    double red = 0, green = 0, blue = 0, covered = 0;
    for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx) {
            const double x = px + (sx + 0.5) / Samples, y = py + (sy + 0.5) / Samples;
            for (auto layer = picture.rbegin(); layer != picture.rend(); ++layer)
                if (layer->Inside(x, y)) {
                    red += (layer->Rgb >> 16) & 0xFF;
                    green += (layer->Rgb >> 8) & 0xFF;
                    blue += layer->Rgb & 0xFF;
                    covered += 1;
                    break;
                }
        }
    if (covered == 0) return 0;
    auto byte = [](double value) { return static_cast<std::uint32_t>(std::lround(value)); };
    const std::uint32_t alpha = byte(255 * covered / (Samples * Samples));
    return alpha << 24 | byte(red / covered) << 16 | byte(green / covered) << 8 |
           byte(blue / covered);
}

}  // namespace

std::vector<std::uint32_t> Rasterise(const Picture& picture, int size) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixels.push_back(RasterisePixel(picture, x, y));
    return pixels;
}
