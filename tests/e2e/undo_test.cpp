// "Deshacer" and "Rehacer" with their keys: the sheet saved after undoing is the sheet before,
// byte for byte, after redoing it has the step again, and undoing back to the sheet as saved
// leaves nothing to ask about.

#include <gtest/gtest.h>

#include "app/window/main_menu.h"
#include "driver/day_editor.h"
#include "driver/file_dialogs.h"
#include "driver/program_driver.h"
#include "editor/day_editor_controls.h"

namespace e2e {
namespace {

void Dress(Program& program, int day) {
    const HWND editor = OpenEditorOnDay(program, day);
    ASSERT_NE(editor, nullptr) << day;
    ASSERT_TRUE(Toggle(editor, NumberBoxIds[4]));
    ASSERT_TRUE(CloseAsAltF4(editor));
}

std::optional<std::vector<std::uint8_t>> Saved(Program& program, const std::wstring& name) {
    if (!ChooseAfter(program, MenuCommand::Save, name)) return std::nullopt;
    const std::wstring path = program.Folder() + L"\\" + name + L".vrel";
    WaitUntil([&] { return FileExists(path); });
    return ReadWholeFile(path);
}

TEST(Undo, TheKeysTakeStepsBackAndForthAndTheSavedStateAsksNothing) {
    Program program;
    ASSERT_NE(program.MainWindow(), nullptr);
    const auto before = Saved(program, L"antes");
    ASSERT_TRUE(before.has_value());
    ASSERT_NO_FATAL_FAILURE(Dress(program, 10));
    const auto first = Saved(program, L"primero");
    ASSERT_NO_FATAL_FAILURE(Dress(program, 20));

    ASSERT_TRUE(TypeKeys(program.MainWindow(), {'Z', 'Z'}, true));
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(Saved(program, L"deshecho"), before);
    ASSERT_TRUE(TypeKeys(program.MainWindow(), {'Y'}, true));
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(Saved(program, L"rehecho"), first);

    ASSERT_NO_FATAL_FAILURE(Dress(program, 25));
    program.Command(MenuCommand::Undo);
    program.Command(MenuCommand::Exit);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0)) << "nothing unsaved to ask about";
}

}  // namespace
}  // namespace e2e
