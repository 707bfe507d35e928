// Undo and redo of the sheet on show: steps, the redo branch, the limit, what starts a new
// history, and the unsaved state that follows.

#include "app/document/sheet_history.h"

#include <gtest/gtest.h>

namespace {

void Tick(OpenSheet& document, int column, int row) {
    document.Edit([&](MonthSheet& sheet) { sheet.Cell(column, row).Numbers.Centre = Flag::On; });
}

TEST(SheetHistory, StepsGoBackAndForthAndANewChangeDropsTheRedo) {
    OpenSheet document;
    SheetHistory history(document);
    document.StartToday({2026, 2, 1}, {});  // nothing unsaved
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoText(), L"Deshacer");
    const MonthSheet saved = document.Sheet();
    Tick(document, 5, 2);  // 7 February 2026
    Tick(document, 0, 3);
    EXPECT_EQ(history.UndoText(), L"Deshacer cambios del 09/02");
    history.Undo();
    history.Undo();
    EXPECT_EQ(document.Sheet(), saved);
    EXPECT_FALSE(document.HasUnsavedChanges()) << "back to the sheet as saved";
    EXPECT_EQ(history.RedoText(), L"Rehacer cambios del 07/02");
    history.Redo();
    EXPECT_TRUE(document.HasUnsavedChanges());
    EXPECT_EQ(document.Sheet().Cell(5, 2).Numbers.Centre, Flag::On);
    Tick(document, 1, 1);
    EXPECT_FALSE(history.CanRedo()) << "a new change drops what could be redone";
    document.Edit([](MonthSheet&) {});
    history.Undo();
    EXPECT_EQ(document.Sheet().Cell(1, 1).Numbers.Centre, Flag::Off) << "an empty edit is no step";
}

TEST(SheetHistory, KeepsItsLimitAndStartsAfreshOnAnotherSheet) {
    OpenSheet document;
    SheetHistory history(document);
    document.StartMonth(2026, 3, {});
    for (int k = 0; k < 105; ++k)
        document.Edit([&](MonthSheet& sheet) { sheet.Cell(k % 7, 1 + k / 7 % 6).FontName += "x"; });
    int undone = 0;
    for (; history.CanUndo(); ++undone) history.Undo();
    EXPECT_EQ(undone, 100);
    history.Redo();
    document.TakeRecovered(document.Sheet(), L"");  // a sheet replaced
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

}  // namespace
