// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every GUI test class in one QApplication; the exit code is non-zero
// when any class had a failure.
#include <QApplication>

#include "gui_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    failed |= pentad::test::runQtUserInterfaceTests(argc, argv);
    failed |= pentad::test::runDrawDialogTests(argc, argv);
    failed |= pentad::test::runMainWindowTests(argc, argv);
    failed |= pentad::test::runDownloadTests(argc, argv);
    failed |= pentad::test::runStatPageTests(argc, argv);
    failed |= pentad::test::runCombinationsTabTests(argc, argv);
    failed |= pentad::test::runFilterDialogTests(argc, argv);
    failed |= pentad::test::runFavouritesDialogTests(argc, argv);
    failed |= pentad::test::runScenarioTabTests(argc, argv);
    failed |= pentad::test::runStakeDialogsTests(argc, argv);
    failed |= pentad::test::runStakesTabTests(argc, argv);
    failed |= pentad::test::runSystemsTabTests(argc, argv);
    failed |= pentad::test::runCataloguePanelTests(argc, argv);
    failed |= pentad::test::runViewsTabTests(argc, argv);
    failed |= pentad::test::runCommandWalkTests(argc, argv);
    failed |= pentad::test::runStartupTests(argc, argv);
    failed |= pentad::test::runDesktopDetailsTests(argc, argv);
    failed |= pentad::test::runHelpTests(argc, argv);
    failed |= pentad::test::runUpdateTests(argc, argv);
    failed |= pentad::test::runLanguageTests(argc, argv);
    return failed != 0 ? 1 : 0;
}
