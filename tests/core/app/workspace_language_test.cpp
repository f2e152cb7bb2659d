// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language of a run names the captions section of the
// favourites file the workspace reads.
#include <gtest/gtest.h>

#include "app/workspace.h"
#include "shell/cp1251.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

TEST(WorkspaceLanguage, OwnCaptionsFollowTheInterfaceLanguage) {
    test::TempDir dir;
    dir.write("Pentad.flt", utf8ToCp1251("[STRINGS_RUS]\r\nNUMS=Мои цифры\r\n"
                                         "[STRINGS_ENU]\r\nNUMS=My digits\r\n"));
    test::ScriptedUserInterface ui;
    Shell shell(ui);
    Workspace ws(shell, dir.path());
    const int nums = ws.stats().IndexOfCode("NUMS");
    ASSERT_GE(nums, 0);
    EXPECT_EQ(ws.stats().Language, "RUS");
    EXPECT_EQ(ws.stats().Item(nums).OwnCaption, "Мои цифры");

    ws.setInterfaceLanguage(1033);
    EXPECT_EQ(ws.stats().Language, "ENU");
    EXPECT_EQ(ws.stats().Item(nums).OwnCaption, "My digits");

    ws.setInterfaceLanguage(1049);
    EXPECT_EQ(ws.stats().Item(nums).OwnCaption, "Мои цифры");
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace pentad
