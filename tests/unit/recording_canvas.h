#pragma once
// A canvas that draws nothing and logs every call that leaves a mark, with its exact
// coordinates, font and colour, so a test can compare a whole drawing line by line:
//   "font Tahoma 42", "colour 000000FF", "text 'Mayo 2024' at 532,-10",
//   "box 2,70,161,172 colour 00000000 pen 1", "icon C:\a.ico at 11,75 size 33".
// Moves are not logged; a text's position shows where the current position was.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"

class RecordingCanvas final : public Canvas {
  public:
    std::vector<std::string> Calls;
    // Width of a text in pixels; seven per character unless a test says otherwise.
    std::function<int(std::string_view)> Width = [](std::string_view text) {
        return 7 * static_cast<int>(text.size());
    };
    // The fake fonts are twice as high, in pixels, as their size in points.
    static int LineHeight(int points) { return 2 * points; }

    void SelectFont(std::string_view face, int points) override {
        Points = points;
        Calls.push_back("font " + std::string(face) + " " + std::to_string(points));
    }
    void SetTextColor(Color color) override { Calls.push_back("colour " + Hex(color)); }
    void MoveTo(int x, int y) override {
        X = x;
        Y = y;
    }
    void PrintText(std::string_view text) override {
        Calls.push_back("text '" + std::string(text) + "' at " + std::to_string(X) + "," +
                        std::to_string(Y));
        X = 0;
        Y += LineHeight(Points);
    }
    int TextWidth(std::string_view text) override { return Width(text); }
    void HollowRectangle(int x1, int y1, int x2, int y2, Color color, int penWidth) override {
        Calls.push_back("box " + std::to_string(x1) + "," + std::to_string(y1) + "," +
                        std::to_string(x2) + "," + std::to_string(y2) + " colour " + Hex(color) +
                        " pen " + std::to_string(penWidth));
    }
    void DrawIconFile(std::string_view path, int x, int y, int size) override {
        Calls.push_back("icon " + std::string(path) + " at " + std::to_string(x) + "," +
                        std::to_string(y) + " size " + std::to_string(size));
    }

    static std::string Hex(Color color) {
        char text[9];
        std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(color));
        return text;
    }

  private:
    int X = 0;
    int Y = 0;
    int Points = 0;
};
