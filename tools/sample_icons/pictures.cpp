#include "pictures.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "shapes.h"

namespace {

std::uint32_t Darker(std::uint32_t rgb, double factor = 0.55) {
    auto channel = [&](int shift) {
        return static_cast<std::uint32_t>(((rgb >> shift) & 0xFF) * factor) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// A filled shape with a dark edge of about one pixel, which keeps it clear on any background.
void AddOutlined(Picture& picture, const Shape& shape, std::uint32_t rgb) {
    picture.push_back({Grown(shape, 1.1), Darker(rgb)});
    picture.push_back({shape, rgb});
}

Picture Apple() {
    Picture p;
    const Shape body = Union({Circle(12, 19, 9.5), Circle(20, 19, 9.5), Ellipse(16, 24, 10, 6)});
    AddOutlined(p, Segment(16, 12, 17.5, 4.5, 2.2), 0x7A4A1E);
    AddOutlined(p, Minus(body, Circle(16, 6.5, 3.2)), 0xD81E28);
    p.push_back({Ellipse(11.5, 15.5, 2.2, 3.6, 20), 0xF47C7C});
    AddOutlined(p, Ellipse(22, 7, 5, 2.3, -30), 0x3CA03C);
    return p;
}

Picture Sun() {
    Picture p;
    std::vector<Shape> rays;
    for (int ray = 0; ray < 8; ++ray) {
        const double a = ray * std::numbers::pi / 4, side = 0.32;
        rays.push_back(Polygon({{16 + 15 * std::cos(a), 16 + 15 * std::sin(a)},
                                {16 + 9 * std::cos(a + side), 16 + 9 * std::sin(a + side)},
                                {16 + 9 * std::cos(a - side), 16 + 9 * std::sin(a - side)}}));
    }
    AddOutlined(p, Union(rays), 0xFF8C00);
    AddOutlined(p, Circle(16, 16, 8), 0xFFC81E);
    p.push_back({Ellipse(13.5, 13, 2.2, 1.6, -35), 0xFFF0A0});
    return p;
}

Picture Moon() {
    Picture p;
    AddOutlined(p, Minus(Circle(15, 16, 13), Circle(21, 12, 11)), 0xF2D45C);
    std::vector<std::pair<double, double>> spark;
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4, r = k % 2 == 0 ? 5 : 1.6;
        spark.push_back({25 + r * std::cos(a), 8 + r * std::sin(a)});
    }
    AddOutlined(p, Polygon(spark), 0xF2D45C);
    return p;
}

Picture Star() {
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < 10; ++k) {
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? 14.5 : 6.2;
        points.push_back({16 + r * std::cos(a), 17 + r * std::sin(a)});
    }
    Picture p;
    AddOutlined(p, Polygon(points), 0xFFCC1A);
    p.push_back({Ellipse(13.5, 13.5, 1.5, 2.5, 30), 0xFFF2A8});
    return p;
}

Picture Heart() {
    Picture p;
    AddOutlined(p,
                Union({Circle(10.5, 11.5, 7), Circle(21.5, 11.5, 7),
                       Polygon({{4, 14.5}, {28, 14.5}, {16, 28.5}})}),
                0xE0202C);
    p.push_back({Ellipse(9, 10, 2, 3, 35), 0xF8898F});
    return p;
}

Picture Cake() {
    Picture p;
    AddOutlined(p, Ellipse(16, 28, 14, 2.5), 0xB8C4D0);
    AddOutlined(p, Box(6, 16, 26, 27), 0xF08CB4);
    p.push_back({Box(6, 21, 26, 22.5), 0xFFFFFF});
    AddOutlined(p,
                Union({Box(6, 14.5, 26, 18), Circle(8.5, 18, 1.6), Circle(13, 18.5, 1.6),
                       Circle(17.5, 18, 1.6), Circle(22, 18.5, 1.6)}),
                0xFFF4F8);
    AddOutlined(p, Box(15, 7.5, 17, 14.5), 0x3C78DC);
    AddOutlined(p, Ellipse(16, 4.8, 1.7, 2.8), 0xFF9A1A);
    return p;
}

Picture Flower() {
    Picture p;
    AddOutlined(p, Box(15, 18, 17, 31), 0x3C9A3C);
    AddOutlined(p, Ellipse(21, 25, 4.5, 2, -30), 0x3C9A3C);
    std::vector<Shape> petals;
    for (int k = 0; k < 5; ++k) {
        const double a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
        petals.push_back(Circle(16 + 6.5 * std::cos(a), 13 + 6.5 * std::sin(a), 5));
    }
    AddOutlined(p, Union(petals), 0xC864D8);
    AddOutlined(p, Circle(16, 13, 3.8), 0xFFD21E);
    return p;
}

Picture Snowflake() {
    std::vector<Shape> strokes;
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        const double ex = 16 + 14 * std::cos(a), ey = 16 + 14 * std::sin(a);
        strokes.push_back(Segment(16, 16, ex, ey, 2.4));
        const double bx = 16 + 9 * std::cos(a), by = 16 + 9 * std::sin(a);
        for (double side : {-0.75, 0.75})
            strokes.push_back(
                Segment(bx, by, bx + 4.5 * std::cos(a + side), by + 4.5 * std::sin(a + side), 2));
    }
    Picture p;
    AddOutlined(p, Union(strokes), 0x46A0F0);
    p.push_back({Circle(16, 16, 2.2), 0xE6F4FF});
    return p;
}

Picture Gift() {
    Picture p;
    AddOutlined(p, Ellipse(11.5, 7.5, 5, 3, 25), 0xFFD21E);
    AddOutlined(p, Ellipse(20.5, 7.5, 5, 3, -25), 0xFFD21E);
    AddOutlined(p, Box(6, 15, 26, 29), 0xD8283C);
    AddOutlined(p, Box(4.5, 10, 27.5, 15.5), 0xE8404E);
    p.push_back({Box(14.5, 10, 17.5, 29), 0xFFD21E});
    p.push_back({Box(4.5, 11.5, 27.5, 13.5), 0xFFD21E});
    p.push_back({Circle(16, 10, 2.2), Darker(0xFFD21E, 0.8)});
    return p;
}

DrawnIcon Draw(std::string name, const Picture& picture) {
    constexpr int Size = 32;
    return {std::move(name), {{Size, Rasterise(picture, Size)}}};
}

}  // namespace

std::vector<DrawnIcon> DrawSampleIcons() {
    return {
        Draw("apple.ico", Apple()),   Draw("sun.ico", Sun()),
        Draw("moon.ico", Moon()),     Draw("star.ico", Star()),
        Draw("heart.ico", Heart()),   Draw("cake.ico", Cake()),
        Draw("flower.ico", Flower()), Draw("snowflake.ico", Snowflake()),
        Draw("gift.ico", Gift()),
    };
}
