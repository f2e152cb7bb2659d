// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the main window: its caption and shortcut, a place in the
// menus, the idle rule while an operation runs, and the Help menu's links
// that follow the configuration.
#include <set>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "dialogs/about_dialog.h"
#include "gui_tests.h"
#include "modal_script.h"
#include "shell/file_io.h"
#include "test_program.h"

namespace pentad::test {
namespace {

struct CommandSpec {
    const char* name;
    const char* caption;
    const char* key;  // portable text of the shortcut, "" for none
};

// Every command of the main window, menu by menu.
const CommandSpec kCommands[] = {
    // Файл
    {"EditConfig", "Параметры", ""},
    {"EditShredding", "Формулы шинковки", ""},
    {"EditProxy", "Параметры proxy-сервера", ""},
    {"ExitProgram", "Выход", "Alt+F4"},
    // Архив тиражей
    {"DrawsDownload", "Загрузка", "F3"},
    {"DrawsAdd", "Добавить", ""},
    {"DrawsEdit", "Изменить", ""},
    {"DrawsDel", "Удалить", ""},
    {"DrawsImport", "Импорт из CSV-файла", ""},
    {"DrawsExport", "Экспорт в CSV-файл", ""},
    {"DrawsXlsExport", "Экспорт в Microsoft Excel", ""},
    {"DrawsInfo", "Сведения о тираже", ""},
    {"DrawsSorted", "Упорядочить MIN->MAX", ""},
    {"AutoDownload0", "По запросу (по умолчанию)", ""},
    {"AutoDownload1", "Автоматически", ""},
    {"AutoDownload2", "Отключено", ""},
    // Статистика
    {"DrawsStatCalc", "Обновить", ""},
    {"DrawsStatExportToExcel", "Экспорт статистики в Microsoft Excel", ""},
    {"DrawsStatShowTotalLine", "График идеального распределения", ""},
    {"DrawsStatePrefetchsEnabled", "Использовать сравнение с полным набором комбинаций", ""},
    {"DrawsGraphDraw", "Обновить", ""},
    {"WeekStatCalc", "Обновить", ""},
    {"FiltersManager", "Избранные статистики", "F7"},
    {"FiltersReset", "Все доступные статистики", "Ctrl+F7"},
    {"FiltersInfo", "Описание статистики", "F8"},
    // Комбинации
    {"CombsGen", "Генерировать", "F2"},
    {"CombsOpen", "Открыть", "Ctrl+O"},
    {"CombsSave", "Сохранить", "Ctrl+S"},
    {"CombsUndo", "Отменить", "Ctrl+Z"},
    {"CombsDelExists", "Исключить тиражи", "Ctrl+E"},
    {"CombsDelSelected", "Удалить выделенные", "Ctrl+Del"},
    {"CombsInfo", "Сведения о комбинации", ""},
    {"CombsCheckNums", "Количество уникальных номеров", ""},
    {"CombsXlsExport", "Экспорт в Microsoft Excel", ""},
    {"CombsFindInDraws", "Проверить по архиву тиражей", "Ctrl+F"},
    {"CombsCopy", "Копировать в буфер", "Ctrl+C"},
    {"CombsPaste", "Вставить из буфера", "Ctrl+V"},
    {"CombsSelectAll", "Выделить все", "Ctrl+A"},
    // Фильтры
    {"StatFilter_Include", "Оставить выделенные", "F7"},
    {"StatFilter_Exclude", "Удалить выделенные", "Ctrl+F7"},
    {"CardFilter_Include", "Оставить выделенные", ""},
    {"CardFilter_Exclude", "Удалить выделенные", ""},
    {"LayoutFilter_Include", "Оставить выделенные", ""},
    {"LayoutFilter_Exclude", "Удалить выделенные", ""},
    {"WeekFilter_Include", "Оставить выделенные", ""},
    {"WeekFilter_Exclude", "Удалить выделенные", ""},
    // Ставки, Рейтинг
    {"StakeAdd", "Сделать ставку", "F4"},
    {"StakeAddRandom", "Сделать случайную ставку", "Ctrl+F4"},
    {"StakeAddSelected", "Сделать ставки для выделенных комбинаций", "Alt+F4"},
    {"StakeAddAll", "Сделать ставки для всех комбинаций", "Ctrl+Alt+F4"},
    {"StakeDel", "Удалить ставку", "Ctrl+Del"},
    {"StakeFilter", "Удалить по условию", "Alt+D"},
    {"StakeClear", "Удалить все ставки", "Shift+Ctrl+Del"},
    {"StakesCheckManual", "Проверить ставки", "Ctrl+F5"},
    {"StakesScroll", "Прокручивать список при добавлении", ""},
    {"StakesCheckLine", "Проверять ставки после каждой строки сценария", ""},
    {"LogStakes", "Журналы ставок", ""},
    {"LogStakesDelete", "Удалить журналы ставок", ""},
    {"StakesXlsExport", "Экспорт ставок в Microsoft Excel", ""},
    {"RatingsRefresh", "Обновить рейтинг", "F5"},
    {"RatingsExport", "Экспорт рейтинга в CSV-файл", ""},
    {"RatingsXlsExport", "Экспорт рейтинга в Microsoft Excel", ""},
    {"RatingsToScript", "Добавить в сценарий", ""},
    {"StakesGraphDraws", "Суммарный профит по тиражам", "F6"},
    {"StakesGraphOverlap", "График совпадений ставок", "Ctrl+F6"},
    {"StakesGraphProfits", "График профита ставок", "Alt+F6"},
    {"RatingsGraphOverlap", "Количество совпадений", ""},
    {"RatingsEffMode0", "Ожидаемые значения совпадений", ""},
    {"RatingsEffMode1", "Абсолютные значения эффективности", ""},
    {"RatingsEffMode2", "Относительные значения эффективности", ""},
    // Регуляры
    {"TablesAdd", "Добавить регулярную ставку", ""},
    {"TablesDel", "Удалить регулярную ставку", ""},
    {"TablesStakeAdd", "Сделать ставку по регуляру", ""},
    {"TablesStakeTest", "Тест регуляров", ""},
    // Сценарий
    {"ScriptOpen", "Открыть", "Ctrl+J"},
    {"ScriptSave", "Сохранить", "Ctrl+I"},
    {"ScriptRun", "Прогноз", "F10"},
    {"ScriptTest", "Тест", "Ctrl+F10"},
    {"ScriptStop", "Стоп", "Ctrl+X"},
    {"ScriptAdd", "Добавить фильтры", "Ctrl+Ins"},
    {"ScriptEmpty", "Добавить разделитель", "Ctrl+Alt+Ins"},
    {"ScriptLoad", "Добавить сценарий", ""},
    {"ScriptClone", "Клонировать", "Ctrl+K"},
    {"ScriptEdit", "Изменить", "Ctrl+Enter"},
    {"ScriptDel", "Удалить", "Ctrl+Del"},
    {"ScriptClr", "Удалить все", ""},
    {"ScriptUp", "Переместить вверх", "Ctrl+Up"},
    {"ScriptDown", "Переместить вниз", "Ctrl+Down"},
    {"LogToggle", "Журнал выполнения сценария", ""},
    {"LogsDelete", "Удалить журналы выполнения сценариев", ""},
    // Библиотека
    {"ScriptLibrary", "Online каталог сценариев", "Ctrl+L"},
    {"ScriptLibraryRefresh", "Обновить", ""},
    {"ScriptLibraryDownload", "Скачать из каталога", ""},
    {"ScriptLibraryUpload", "Опубликовать", ""},
    {"ScriptLibraryReplace", "Изменить", ""},
    {"ScriptLibraryDelete", "Удалить", ""},
    {"ScriptLibraryView", "Свойства сценария", ""},
    {"ScriptLibraryRates", "Просмотр оценок", ""},
    {"ScriptLibraryRate0", "Удалить оценку", ""},
    {"ScriptLibraryRate1", "[ 1 ] - Бесполезно", ""},
    {"ScriptLibraryRate2", "[ 2 ] - Плохо", ""},
    {"ScriptLibraryRate3", "[ 3 ] - Удовлетворительно", ""},
    {"ScriptLibraryRate4", "[ 4 ] - Хорошо", ""},
    {"ScriptLibraryRate5", "[ 5 ] - Отлично", ""},
    {"ScriptLibraryHide", "Скрыть сценарий", ""},
    // Системы
    // Ctrl+J opens a scenario; a key given to two commands would work for
    // neither.
    {"SystemsOn", "Системная игра", ""},
    {"SystemsRefresh", "Обновить", ""},
    {"SystemsDownload", "Загрузить", ""},
    {"SystemsAdd", "Добавить", ""},
    {"SystemsProp", "Свойства", ""},
    {"SystemsDel", "Удалить", ""},
    {"SystemStakeAll", "Cистемная игра по списку системы", "Ctrl+Alt+J"},
    {"SystemStakeFilter", "Cистемная игра по списку комбинаций", "Alt+J"},
    // Вид
    {"ViewColorDraws", "Выделять каналы в списке тиражей", ""},
    {"ViewColorCombs", "Выделять каналы в списке комбинаций", ""},
    {"ViewColorCard", "Выделять каналы в карте тиражей", ""},
    {"ViewColorCardSequences", "Выделять последовательности в карте тиражей", ""},
    {"ViewShemaGradient", "Градиентная раскраска схемы", ""},
    {"ViewWeekChartMode", "График по дням недели", ""},
    {"ViewWeekChartType", "График / диаграмма", ""},
    {"TabGraps", "Вкладка \"Графики\"", ""},
    {"TabCard", "Вкладка \"Карта\"", ""},
    {"TabLayout", "Вкладка \"Схема\"", ""},
    {"TabWeek", "Вкладка \"Неделя\"", ""},
    {"TabTables", "Вкладка \"Регуляры\"", ""},
    // Расширенная статистика, Схема, Карта
    {"AnalyzeRepeats", "Количество повторов в зависимости от тиража", ""},
    {"TotalSumCombs", "Распределение сумм тиражей и всех возможных комбинаций", ""},
    {"LayoutCalc", "Обновить", ""},
    {"LayoutCmpCalc", "Обновить", ""},
    {"LayoutXlsExport", "Экспорт схемы в Microsoft Excel", ""},
    {"CardXlsExport", "Экспорт карты тиражей в Microsoft Excel", ""},
    // Автообновление
    {"CheckUpdate", "Поиск обновлений", ""},
    {"AutoSelfUpdate", "Автоматическое обновление", ""},
    // Справка
    {"About", "О программе", ""},
    {"OpenLotoSite", "Сайт лотереи", ""},
    {"urlMainSite", "Официальный сайт проекта", ""},
    {"urlAuthSite", "Страница автора", ""},
    {"urlAuthText", "Статьи для начинающих", ""},
    {"urlBlog", "Наш блог", ""},
    {"urlYT", "Наш видеоблог", ""},
    {"urlVK", "Страница в соцсети \"В контакте\"", ""},
    {"urlOK", "Страница в соцсети \"Однокласники\"", ""},
    {"urlTG", "Канал в Telegram", ""},
};

// Commands that later work brings are skipped until they are built (none at
// present).
const std::set<std::string> kBuiltLater = {};

// The commands that stay available while an operation runs.
const std::set<std::string> kNoIdleTest = {"ScriptStop", "StakesGraphOverlap",
                                           "StakesGraphProfits", "RatingsGraphOverlap"};

void collectMenuActions(const QMenu& menu, QSet<QAction*>& out) {
    for (QAction* a : menu.actions()) {
        out.insert(a);
        if (a->menu() != nullptr) {
            collectMenuActions(*a->menu(), out);
        }
    }
}

const std::vector<RawDraw> kDraws = {
    {101, {1, 2, 3, 4, 5}, "01/01/2024 M"},
    {102, {6, 7, 8, 9, 0}, "01/01/2024 E"},
    {103, {0, 0, 1, 1, 2}, "01/02/2024 M"},
};

}  // namespace

class CommandWalkTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.setUp(kDraws)); }
    void cleanup() { m_fixture.tearDown(); }

    void everyCommandHasItsCaptionKeyAndMenu();
    void onlyStopAndRatingGraphsWorkWhileBusy();
    void helpLinksFollowTheConfiguration();

private:
    ProgramFixture<TestProgram> m_fixture;
};

void CommandWalkTest::everyCommandHasItsCaptionKeyAndMenu() {
    TestProgram& p = m_fixture.start();
    QSet<QAction*> inMenus;
    for (QAction* top : p.window.menuBar()->actions()) {
        if (top->menu() != nullptr) {
            collectMenuActions(*top->menu(), inMenus);
        }
    }
    int checked = 0;
    for (const CommandSpec& c : kCommands) {
        if (kBuiltLater.count(c.name) != 0) {
            continue;
        }
        QAction* a = p.window.action(QString::fromUtf8(c.name));
        if (a == nullptr) {
            QFAIL(qPrintable(QStringLiteral("missing command %1").arg(c.name)));
        }
        QCOMPARE(a->text(), QString::fromUtf8(c.caption));
        QCOMPARE(a->shortcut(), QKeySequence::fromString(QString::fromLatin1(c.key)));
        if (!inMenus.contains(a)) {
            QFAIL(qPrintable(QStringLiteral("command %1 is in no menu").arg(c.name)));
        }
        ++checked;
    }
    // Every name of the later set is one of the table.
    QCOMPARE(checked, static_cast<int>(std::size(kCommands) - kBuiltLater.size()));

    QStringList menus;
    for (QAction* top : p.window.menuBar()->actions()) {
        menus << top->text();
    }
    for (const char* title : {"Файл", "Архив тиражей", "Комбинации", "Статистика", "Ставки",
                              "Рейтинг", "Регуляры", "Системы", "Сценарий", "Вид", "Справка"}) {
        QVERIFY2(menus.contains(QString::fromUtf8(title)), title);
    }
    QCOMPARE(menus.last(), QStringLiteral("Справка"));
    // "Упорядочить MIN->MAX" only shows the option.
    QVERIFY(!p.command("DrawsSorted").isEnabled());
}

void CommandWalkTest::onlyStopAndRatingGraphsWorkWhileBusy() {
    TestProgram& p = m_fixture.start();
    QVERIFY(p.command("DrawsAdd").isEnabled());
    {
        BusyScope busy(p.shell);
        QStringList enabled;
        for (QAction* a : p.window.findChildren<QAction*>()) {
            if (!a->objectName().isEmpty() && a->isEnabled() &&
                kNoIdleTest.count(a->objectName().toStdString()) == 0 &&
                p.window.action(a->objectName()) == a) {
                enabled << a->objectName();
            }
        }
        QCOMPARE(enabled, QStringList());
    }
    QVERIFY(p.command("DrawsAdd").isEnabled());
}

void CommandWalkTest::helpLinksFollowTheConfiguration() {
    writeFileAtomic(m_fixture.path("Pentad.ini").toStdString(),
                    "[LINKS]\r\nurlBlog=example.org/blog\r\nOpenLotoSite=\r\n"
                    "urlTG= https://t.example.org/pentad \r\n");
    TestProgram& p = m_fixture.start();
    QVERIFY(p.command("urlBlog").isVisible());
    QVERIFY(p.command("urlTG").isVisible());
    // An empty address hides the link, even one with a built-in address.
    QVERIFY(!p.command("OpenLotoSite").isVisible());
    QVERIFY(!p.command("urlMainSite").isVisible());
    p.command("urlBlog").trigger();
    p.command("urlTG").trigger();
    QCOMPARE(p.ui.openedAddresses,
             (std::vector<std::string>{"http://example.org/blog", "https://t.example.org/pentad"}));

    QString title;
    QString version;
    onNextModal<AboutDialog>([&](AboutDialog* dialog) {
        title = dialog->findChild<QLabel*>(QStringLiteral("lbTitle"))->text();
        version = dialog->findChild<QLabel*>(QStringLiteral("lbVersion"))->text();
        dialog->accept();
    });
    p.command("About").trigger();
    QCOMPARE(title, QStringLiteral("Анализ статистики лотереи \"Florida PICK 5\""));
    QCOMPARE(version, QStringLiteral("Версия " PENTAD_VERSION_TEXT));
}

int runCommandWalkTests(int argc, char** argv) {
    CommandWalkTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace pentad::test

#include "command_walk_test.moc"
