#include "chart/BundledData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

// The samples' folder seen from a library reached through a linked folder,
// as /lib/<arch> is /usr/lib/<arch> on a Debian system: ".." steps out of
// the real folder, so the path found must be the real one.
TEST(BundledData, FindsThroughALinkedLibraryFolder)
{
    const fs::path root = fs::temp_directory_path() / ("tarnex-bundled-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "usr/lib/arch");
    fs::create_directories(root / "usr/share/tarnex");
    fs::create_directory_symlink("usr/lib", root / "lib");
    std::ofstream(root / "usr/share/tarnex/sounding.dat") << "1 2 3 4 5\n";

    const std::string folder = (root / "lib/arch/../../share/tarnex").string();
    const CString found = BundledData::Find(folder.c_str(), "sounding.dat");
    EXPECT_EQ(std::string(found), fs::canonical(root / "usr/share/tarnex/sounding.dat").string());
    EXPECT_TRUE(fs::is_regular_file(std::string(found)));

    // A file that is missing, a folder of that name and an empty name give nothing.
    EXPECT_TRUE(BundledData::Find(folder.c_str(), "model.txt").IsEmpty());
    fs::create_directory(root / "usr/share/tarnex/profiles.txt");
    EXPECT_TRUE(BundledData::Find(folder.c_str(), "profiles.txt").IsEmpty());
    EXPECT_TRUE(BundledData::Find(folder.c_str(), "").IsEmpty());
    fs::remove_all(root);
}
