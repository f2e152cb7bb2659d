// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites manager opened by "Избранные статистики": the tree it
// builds, ticks and group commands, renaming, the exchange of names through
// files, the display options, and what OK leaves in the choosers and in
// "Pentad.flt".
#include "dialogs/favourites_dialog.h"

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "gui_tests.h"
#include "modal_script.h"
#include "shell/ini_file.h"
#include "stat_pane.h"
#include "test_program.h"

namespace pentad::test {
namespace {

QTreeWidgetItem* nodeOf(QTreeWidget* tree, const QString& caption) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

bool ticked(const QTreeWidgetItem* node) {
    return node->checkState(0) == Qt::Checked;
}

void click(FavouritesDialog* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QString::fromUtf8(button))->click();
}

void clickOk(FavouritesDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class FavouritesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void treeGroupsTheMethodsWithTheirTicks();
    void okWithNothingTickedMakesEveryMethodAFavourite();
    void ticksOfAGroupBecomeTheChoosersItems();
    void renameStoresOnlyCaptionsThatDiffer();
    void namesTravelThroughFiles();
    void displayOptionsShapeTheChooserCaptions();

private:
    // Runs the manager with `script` and returns the program's chooser texts.
    QStringList chooser();
    void runManager(const std::function<void(FavouritesDialog*)>& script);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestProgram> m_program;
};

void FavouritesDialogTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile flt(m_dir->path() + "/Pentad.flt");
    QVERIFY(flt.open(QIODevice::WriteOnly));
    flt.write("[FILTERS]\r\nFavorites=EVEN,SMAL\r\n");
    flt.close();
    m_program = std::make_unique<TestProgram>(m_dir->path());
}

void FavouritesDialogTest::cleanup() {
    m_program.reset();
    m_dir.reset();
}

QStringList FavouritesDialogTest::chooser() {
    QComboBox* box = m_program->window.statPane()->chooser();
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

void FavouritesDialogTest::runManager(const std::function<void(FavouritesDialog*)>& script) {
    onNextModal<FavouritesDialog>(script);
    m_program->command("FiltersManager").trigger();
}

void FavouritesDialogTest::treeGroupsTheMethodsWithTheirTicks() {
    QCOMPARE(chooser().size(), 2);
    runManager([this](FavouritesDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Менеджер избранных методов расчета статистики"));
        QTreeWidget* tree = d->tree();
        QTreeWidgetItem* group = tree->topLevelItem(0);
        QCOMPARE(group->text(0), QStringLiteral("{ num } Числа тиража"));
        QVERIFY(group->isExpanded());
        QVERIFY(!group->data(0, Qt::CheckStateRole).isValid());
        const int methods = m_program->workspace.stats().Count();
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("lbTotal"))->text(),
                 QStringLiteral("всего %1 методов").arg(methods));
        QTreeWidgetItem* nums = nodeOf(tree, QStringLiteral("Числа тиража"));
        QVERIFY(nums != nullptr && nums->parent() == group);
        QVERIFY(!ticked(nums));
        QVERIFY(ticked(nodeOf(tree, QStringLiteral("Количество четных чисел в тираже (Ч:Н)"))));

        // A click anywhere on a method node toggles it; group nodes take none.
        tree->scrollToItem(nums);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(nums).center());
        QVERIFY(ticked(nums));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(group).center());
        QVERIFY(!group->data(0, Qt::CheckStateRole).isValid());
        // Commands on a method need a method node.
        QVERIFY(!d->findChild<QPushButton*>(QStringLiteral("btnRename"))->isEnabled());
        QVERIFY(d->findChild<QPushButton*>(QStringLiteral("btnGroupAll"))->isEnabled());
        d->reject();
    });
    // Cancel changes nothing.
    QCOMPARE(chooser().size(), 2);
}

void FavouritesDialogTest::okWithNothingTickedMakesEveryMethodAFavourite() {
    runManager([](FavouritesDialog* d) {
        click(d, "btnCheckNone");
        clickOk(d);
    });
    TStatList& list = m_program->workspace.stats();
    QVERIFY(list.AllFavourites);
    QCOMPARE(chooser().size(), static_cast<int>(m_program->workspace.statPage().choices().size()));
    QVERIFY(chooser().size() > 2);
    IniFile flt((m_dir->path() + "/Pentad.flt").toStdString());
    QVERIFY(flt.hasKey("FILTERS", "Favorites"));
    QCOMPARE(flt.readString("FILTERS", "Favorites", "x"), std::string());
}

void FavouritesDialogTest::ticksOfAGroupBecomeTheChoosersItems() {
    runManager([](FavouritesDialog* d) {
        click(d, "btnCheckAll");
        // The group of the selected method loses its ticks; one comes back.
        d->tree()->setCurrentItem(nodeOf(d->tree(), QStringLiteral("Цифры тиража")));
        click(d, "btnGroupNone");
        QTreeWidgetItem* nums = nodeOf(d->tree(), QStringLiteral("Числа тиража"));
        QVERIFY(!ticked(nums));
        d->tree()->setCurrentItem(nums);
        QTest::keyClick(d->tree(), Qt::Key_Space);
        clickOk(d);
    });
    TStatList& list = m_program->workspace.stats();
    QVERIFY(!list.AllFavourites);
    // The chooser starts again from its first item.
    QCOMPARE(m_program->window.statPane()->chooser()->currentIndex(), 0);
    QCOMPARE(m_program->workspace.statPage().selectedEntry(), list.IndexOfCode("NUMS"));
    IniFile flt((m_dir->path() + "/Pentad.flt").toStdString());
    const std::string favourites = flt.readString("FILTERS", "Favorites", "");
    QCOMPARE(QString::fromStdString(favourites).section(QLatin1Char(','), 0, 0),
             QStringLiteral("NUMS"));
    QVERIFY(favourites.find("EVEN") == std::string::npos);
}

void FavouritesDialogTest::renameStoresOnlyCaptionsThatDiffer() {
    TestProgram& p = *m_program;
    p.ui.queueText("ЧИСЛА тиража");
    p.ui.queueText("Мои числа");
    p.ui.queueText("Мои чётные");
    runManager([](FavouritesDialog* d) {
        d->tree()->setCurrentItem(nodeOf(d->tree(), QStringLiteral("Числа тиража")));
        click(d, "btnRename");
        d->tree()->setCurrentItem(nodeOf(d->tree(), QStringLiteral("Цифры тиража")));
        click(d, "btnRename");
        QTreeWidgetItem* even =
            nodeOf(d->tree(), QStringLiteral("Количество четных чисел в тираже (Ч:Н)"));
        d->tree()->setCurrentItem(even);
        click(d, "btnRename");
        QCOMPARE(even->text(0), QStringLiteral("Мои чётные"));
        click(d, "btnResetName");
        QCOMPARE(even->text(0), QStringLiteral("Количество четных чисел в тираже (Ч:Н)"));
        clickOk(d);
    });
    QCOMPARE(p.ui.textRequests.size(), size_t{3});
    QCOMPARE(QString::fromStdString(p.ui.textRequests[0].caption),
             QStringLiteral("Переименование"));
    QCOMPARE(QString::fromStdString(p.ui.textRequests[0].prompt),
             QStringLiteral("Введите наименование фильтра:"));
    QCOMPARE(QString::fromStdString(p.ui.textRequests[0].value), QStringLiteral("Числа тиража"));

    TStatList& list = p.workspace.stats();
    QVERIFY(list.Item(list.IndexOfCode("NUMS")).OwnCaption.empty());
    QVERIFY(list.Item(list.IndexOfCode("EVEN")).OwnCaption.empty());
    QCOMPARE(QString::fromStdString(list.Item(list.IndexOfCode("DIGS")).OwnCaption),
             QStringLiteral("Мои числа"));
    IniFile flt((m_dir->path() + "/Pentad.flt").toStdString());
    QCOMPARE(QString::fromStdString(flt.readString("STRINGS_RUS", "DIGS", "")),
             QStringLiteral("Мои числа"));
    QVERIFY(!flt.hasKey("STRINGS_RUS", "NUMS"));
}

void FavouritesDialogTest::namesTravelThroughFiles() {
    TestProgram& p = *m_program;
    const QString exported = m_dir->path() + "/names.flt";
    p.window.savePath = exported;
    p.ui.queueText("Только в файле");
    runManager([](FavouritesDialog* d) {
        d->tree()->setCurrentItem(nodeOf(d->tree(), QStringLiteral("Числа тиража")));
        click(d, "btnRename");
        click(d, "btnNamesExport");
        d->reject();
    });
    QCOMPARE(p.window.lastFilter, QStringLiteral("Наименования фильтров (*.flt)"));
    QCOMPARE(p.window.lastSuffix, QStringLiteral("flt"));
    IniFile file(exported.toStdString());
    QCOMPARE(QString::fromStdString(file.readString("STRINGS_RUS", "NUMS", "")),
             QStringLiteral("Только в файле"));
    QCOMPARE(QString::fromStdString(file.readString("STRINGS_RUS", "EVEN", "")),
             QStringLiteral("Количество четных чисел в тираже (Ч:Н)"));
    QVERIFY(!file.hasSection("FILTERS"));
    // The export leaves the list's own captions untouched.
    TStatList& list = p.workspace.stats();
    QVERIFY(list.Item(list.IndexOfCode("NUMS")).OwnCaption.empty());

    // Importing the file renames at once, keeping the ticks made so far.
    p.window.openPath = exported;
    bool evenTicked = true;
    QString numsCaption;
    runManager([&](FavouritesDialog* d) {
        click(d, "btnCheckNone");
        click(d, "btnNamesImport");
        QTreeWidgetItem* nums = nodeOf(d->tree(), QStringLiteral("Только в файле"));
        numsCaption = nums != nullptr ? nums->text(0) : QString();
        evenTicked =
            ticked(nodeOf(d->tree(), QStringLiteral("Количество четных чисел в тираже (Ч:Н)")));
        d->reject();
    });
    QCOMPARE(numsCaption, QStringLiteral("Только в файле"));
    QVERIFY(!evenTicked);
    QCOMPARE(QString::fromStdString(list.Item(list.IndexOfCode("NUMS")).OwnCaption),
             QStringLiteral("Только в файле"));
}

void FavouritesDialogTest::displayOptionsShapeTheChooserCaptions() {
    runManager([](FavouritesDialog* d) {
        QVERIFY(d->findChild<QCheckBox*>(QStringLiteral("cbShowGroupName"))->isChecked());
        d->findChild<QCheckBox*>(QStringLiteral("cbShowGroupName"))->setChecked(false);
        d->findChild<QCheckBox*>(QStringLiteral("cbShowMethodFlags"))->setChecked(false);
        d->findChild<QCheckBox*>(QStringLiteral("cbOrdered"))->setChecked(true);
        clickOk(d);
    });
    // Sorted by caption: "Количество ч..." before "Количество ч..." of the
    // first half, without group codes and flags.
    QCOMPARE(chooser(), (QStringList{"Количество четных чисел в тираже (Ч:Н)",
                                     "Количество чисел из первой половины диапазона (1П:2П)"}));
    IniFile flt((m_dir->path() + "/Pentad.flt").toStdString());
    QCOMPARE(flt.readBool("FILTERS", "ShowGroupName", true), false);
    QCOMPARE(flt.readBool("FILTERS", "Ordered", false), true);
}

int runFavouritesDialogTests(int argc, char** argv) {
    FavouritesDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "favourites_dialog_test.moc"
