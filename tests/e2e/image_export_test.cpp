// "Grabar Imagen": the bitmap beside the program, the message, and the hand-over to the
// desktop's "open" action; and what happens when the bitmap cannot be written.

#include <gtest/gtest.h>

#include <cstring>

#include "app/window/main_menu.h"
#include "driver/program_driver.h"
#include "driver/sheets.h"

namespace e2e {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

TEST(ImageExport, WritesTodaysSheetPixelForPixelAndHandsItOver) {
    HandoverRecorder handover;
    Program program;
    ASSERT_NE(program.MainWindow(), nullptr);
    const YearMonth today = ThisMonth();
    const std::wstring path = program.Folder() + L"\\" + ExportName(today.Year, today.Month);

    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Mes fotocopiado a bitmap ...");
    // The file is complete before the message is answered, and nothing is handed over yet.
    const auto bytes = ReadWholeFile(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(handover.Handed().empty());
    Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !handover.Handed().empty(); }));
    EXPECT_EQ(handover.Handed(), std::vector<std::wstring>{path});

    ASSERT_EQ(bytes->size(), 54u + 3368u * 794u);
    EXPECT_EQ((*bytes)[0], 'B');
    EXPECT_EQ((*bytes)[1], 'M');
    EXPECT_EQ(Le32(*bytes, 18), 1122u);
    EXPECT_EQ(Le32(*bytes, 22), 794u);
    EXPECT_EQ(Le16(*bytes, 28), 24u);
    EXPECT_TRUE(*bytes == DefaultSheetBitmap(today.Year, today.Month))
        << "the export differs from the sheet drawn directly";

    // A second export replaces the file without a question.
    program.Command(MenuCommand::ExportImage);
    const HWND again = program.WaitForMessageBox();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(MessageBoxText(again), L"Mes fotocopiado a bitmap ...");
    Press(again, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return handover.Handed().size() == 2; }));
}

// The program's folder holds a folder named like the bitmap, so the file cannot be created. (A
// read-only older export would do on Windows, but Wine run by root writes over it regardless.)
TEST(ImageExport, ATargetThatCannotBeWrittenIsReportedAndNothingIsHandedOver) {
    HandoverRecorder handover;
    ScratchFolder folder(L"blocked");
    const YearMonth today = ThisMonth();
    const std::wstring path = folder / ExportName(today.Year, today.Month);
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));

    Program program(ProgramOptions::InFolder(folder.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);
    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"No se ha podido grabar la imagen ...");
    Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return program.Windows().size() == 1; }));
    Sleep(500);
    EXPECT_TRUE(handover.Handed().empty());
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
}  // namespace e2e
