#pragma once
// "Deshacer" and "Rehacer": the steps the sheet on show went through, each one change as the
// user made it (one stay in the day editor is one change). It follows the open document's
// notification: a sheet replaced (started, read, recovered, reached by a month move) starts an
// empty history, a saved one keeps it, and an edit is a step. A step keeps only the days it
// changed, as they were before and after. Undoing back to the sheet as last saved leaves nothing
// unsaved, since the document compares the sheet with the one kept.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/document/open_sheet.h"

class SheetHistory {
  public:
    // The oldest steps go beyond this many.
    static constexpr std::size_t StepLimit = 100;

    // Follows the document from now on; the history outlives no document it follows.
    explicit SheetHistory(OpenSheet& document);

    bool CanUndo() const { return Done > 0; }
    bool CanRedo() const { return Done < Steps.size(); }
    // The sheet as it was before the last step done, or after the next step undone.
    void Undo();
    void Redo();
    // "Deshacer cambios del 14/02" when the step changed one day, "Deshacer" otherwise; likewise
    // "Rehacer".
    std::wstring UndoText() const;
    std::wstring RedoText() const;

  private:
    struct DayChange {
        GridPlace Place;
        Day Before;
        Day After;
    };
    using Step = std::vector<DayChange>;

    void Follow(SheetChange change);
    void Apply(const Step& step, bool forward);
    std::wstring ItemText(const wchar_t* verb, const Step* step) const;

    OpenSheet& Document;
    MonthSheet Known;  // the sheet as the history saw it last
    std::vector<Step> Steps;
    std::size_t Done = 0;  // steps done; those after it can be redone
    bool Applying = false;
};
