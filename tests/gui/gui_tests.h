// SPDX-License-Identifier: GPL-3.0-or-later
// Entry points of the GUI test classes; main() runs each in turn.
#pragma once

namespace pentad::test {

int runCataloguePanelTests(int argc, char** argv);
int runCombinationsTabTests(int argc, char** argv);
int runCommandWalkTests(int argc, char** argv);
int runDesktopDetailsTests(int argc, char** argv);
int runDrawDialogTests(int argc, char** argv);
int runDownloadTests(int argc, char** argv);
int runFavouritesDialogTests(int argc, char** argv);
int runFilterDialogTests(int argc, char** argv);
int runHelpTests(int argc, char** argv);
int runLanguageTests(int argc, char** argv);
int runMainWindowTests(int argc, char** argv);
int runQtUserInterfaceTests(int argc, char** argv);
int runScenarioTabTests(int argc, char** argv);
int runStakeDialogsTests(int argc, char** argv);
int runStakesTabTests(int argc, char** argv);
int runStartupTests(int argc, char** argv);
int runStatPageTests(int argc, char** argv);
int runSystemsTabTests(int argc, char** argv);
int runUpdateTests(int argc, char** argv);
int runViewsTabTests(int argc, char** argv);

}  // namespace pentad::test
