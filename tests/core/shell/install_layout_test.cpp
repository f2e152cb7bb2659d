// SPDX-License-Identifier: GPL-3.0-or-later
// How a program tells an installed copy from one run where it was built:
// the shared folder beside its "bin" folder, where the help file is found.
#include <filesystem>

#include <gtest/gtest.h>

#include "shell/data_folder.h"
#include "shell/help_file.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

TEST(InstallLayout, AnInstalledCopyHasItsSharedFolderBesideBin) {
    test::TempDir prefix;
    const std::string bin = prefix.file("bin");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(installedShareFolder(bin), "");
    std::filesystem::create_directories(prefix.file("share/pentad/help"));
    EXPECT_EQ(installedShareFolder(bin), prefix.file("share/pentad"));
    EXPECT_EQ(installedShareFolder(bin + "/"), prefix.file("share/pentad"));
    // A build folder is not an installed copy, whatever lies beside it.
    std::filesystem::create_directories(prefix.file("build"));
    EXPECT_EQ(installedShareFolder(prefix.file("build")), "");
    EXPECT_EQ(installedShareFolder(""), "");

    // The help file of an installed copy comes after the usual places.
    EXPECT_EQ(locateHelpFile(bin, "RUS"), "");
    prefix.write("share/pentad/help/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), prefix.file("share/pentad/help/Kestrel_RUS.chm"));
    prefix.write("bin/Kestrel_RUS.chm", "x");
    EXPECT_EQ(locateHelpFile(bin, "RUS"), prefix.file("bin/Kestrel_RUS.chm"));
}

}  // namespace
}  // namespace pentad
