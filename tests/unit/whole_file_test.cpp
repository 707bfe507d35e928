#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/files.h"

namespace {

class WholeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() /
                 ("almanaque-whole-file-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(Folder);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::path Folder;
};

TEST_F(WholeFile, ReplacesAnOlderLongerFileWithExactlyTheNewBytes) {
    const std::filesystem::path target = Folder / "2026 12.bmp";
    std::ofstream(target, std::ios::binary) << std::string(5000, 'x');
    EXPECT_TRUE(WriteWholeFile(target.wstring(), {'B', 'M', 0, 7}));
    EXPECT_EQ(Read(target), std::string("BM\0\7", 4));
}

TEST_F(WholeFile, FailsWithoutTouchingAFolderOfTheSameNameOrLeavingAFile) {
    const std::filesystem::path target = Folder / "2026 12.bmp";
    std::filesystem::create_directory(target);
    std::ofstream(target / "dentro.txt") << "queda";
    EXPECT_FALSE(WriteWholeFile(target.wstring(), {'B', 'M'}));
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(Read(target / "dentro.txt"), "queda");

    // Nothing to write (the picture could not be read) is a failure and leaves no file.
    const std::filesystem::path empty = Folder / "vacio.bmp";
    EXPECT_FALSE(WriteWholeFile(empty.wstring(), {}));
    EXPECT_FALSE(std::filesystem::exists(empty));
}

}  // namespace
