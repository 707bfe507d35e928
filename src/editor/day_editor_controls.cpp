#include "editor/day_editor_controls.h"

EditorCommandRole RoleOfCommand(int controlId, int notification) {
    if (IndexOfId(AllCheckBoxIds, controlId) >= 0) return {EditorCommand::TickBox, 0};
    if (!ButtonPressed(notification)) return {EditorCommand::None, 0};
    if (const int line = IndexOfId(ColorButtonIds, controlId); line >= 0)
        return {EditorCommand::PickColor, line};
    if (const int position = IndexOfId(IconButtonIds, controlId); position >= 0)
        return {EditorCommand::ChooseIcon, position};
    if (controlId == ExitButtonId) return {EditorCommand::Exit, 0};
    if (controlId == ResetButtonId) return {EditorCommand::Reset, 0};
    if (controlId == MemorizeButtonId) return {EditorCommand::Memorize, 0};
    return {EditorCommand::None, 0};
}
