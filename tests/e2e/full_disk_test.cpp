// "Grabar Imagen" on a disk that fills up while the bitmap is written. CTest runs this suite
// with a file-size limit of 2,000,000 bytes (and the signal that limit sends ignored), so every
// write past that size fails as on a full disk: the program (1 MB) and small files fit, the
// bitmap (2,674,246 bytes) does not.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/window/main_menu.h"
#include "driver/program_driver.h"

namespace e2e {
namespace {

bool WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file.flush().good();
}

// The earlier export stays exactly as it was: the new one was built beside it and never took
// its place. (Rewriting the file in place, as the export once did, lost it.)
TEST(FullDisk, AFailedExportLeavesTheEarlierImageAsItWas) {
    ScratchFolder folder(L"lleno");
    ASSERT_FALSE(WriteBytes(folder / L"grande.bin", std::vector<std::uint8_t>(2'100'000)))
        << "the disk of this test is not full: run it through CTest";
    DeleteFileW((folder / L"grande.bin").c_str());

    HandoverRecorder handover;
    const YearMonth today = ThisMonth();
    const std::wstring path = folder / ExportName(today.Year, today.Month);
    const std::vector<std::uint8_t> earlier = {'B', 'M', 'a', 'n', 't', 'e', 'r', 'i', 'o', 'r'};
    ASSERT_TRUE(WriteBytes(path, earlier));

    Program program(ProgramOptions::InFolder(folder.Path()));
    ASSERT_NE(program.MainWindow(), nullptr);
    program.Command(MenuCommand::ExportImage);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"No se ha podido grabar la imagen ...");
    EXPECT_EQ(ReadWholeFile(path), earlier);
    Press(box, IDOK);
    Sleep(500);
    EXPECT_TRUE(handover.Handed().empty());
}

}  // namespace
}  // namespace e2e
