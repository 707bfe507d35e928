#include "driver/day_editor.h"

#include <cwchar>

#include "calendar/calendar_arithmetic.h"

namespace e2e {

DayPlace PlaceOfDay(int day) {
    const YearMonth shown = ThisMonth();
    const MonthGrid grid =
        PlaceMonth(static_cast<std::int16_t>(shown.Year), static_cast<std::int16_t>(shown.Month));
    for (int column = 0; column < 7; ++column)
        for (int row = 1; row < 7; ++row)
            if (grid[column][row] == day) return {column, row};
    return {-1, -1};
}

std::wstring EditorCaption(int day) {
    const YearMonth shown = ThisMonth();
    wchar_t caption[32];
    std::swprintf(caption, 32, L"%02d/%02d/%d", day, shown.Month, shown.Year);
    return caption;
}

// Column x div 160, row (y + 35) div 103 - 1.
void ClickOnDay(Program& program, DayPlace place) {
    ClickAt(GetDlgItem(program.MainWindow(), 1001), place.Column * 160 + 80, place.Row * 103 + 119);
}

HWND OpenEditorOnDay(Program& program, int day) {
    ClickOnDay(program, PlaceOfDay(day));
    return program.WaitForWindow(EditorCaption(day));
}

bool Ticked(HWND editor, int id) {
    return SendMessageW(GetDlgItem(editor, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Toggle(HWND editor, int id) {
    const bool before = Ticked(editor, id);
    Press(editor, id);
    return WaitUntil([&] { return Ticked(editor, id) != before; });
}

bool Closed(HWND window) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool CloseAsAltF4(HWND editor) {
    PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    return Closed(editor);
}

}  // namespace e2e
