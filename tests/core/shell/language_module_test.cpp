// SPDX-License-Identifier: GPL-3.0-or-later
// Language modules: reading one, translating plain texts and the messages
// made from format texts, the languages on offer and the errors a missing or
// broken module gives.
#include <gtest/gtest.h>

#include "shell/error.h"
#include "shell/interface_language.h"
#include "shell/language_module.h"
#include "shell/shell.h"
#include "support/scripted_user_interface.h"
#include "support/temp_dir.h"

namespace pentad {
namespace {

constexpr const char* kModule =
    "# comment line\n"
    "Файл\tFile\r\n"
    "\n"
    "Ошибка запуска программы!\\r\\r%s\tProgram start error!\\r\\r%s\n"
    "Каталог \"%s\" не найден!\tFolder \"%s\" not found!\n"
    "Всего - %d, пропущено - %d.\tTotal %d, skipped %d.\n"
    "Число в %0:d позиции тиража\tDigit in draw position %0:d\n"
    "Нет доступа\tNo access\n"
    "\\### ЗАПУСК ###\t### START ###\n";

TEST(LanguageModule, TranslatesTextsAndTheMessagesMadeFromThem) {
    const LanguageModule m = LanguageModule::parse(kModule);
    EXPECT_EQ(m.size(), 7u);
    EXPECT_EQ(m.translate("### ЗАПУСК ###"), "### START ###");
    EXPECT_EQ(m.translate("Файл"), "File");
    EXPECT_EQ(m.translate("Архив"), "Архив");
    EXPECT_EQ(m.translate(""), "");
    // Format texts as they stand and with their values filled in.
    EXPECT_EQ(m.translate("Каталог \"%s\" не найден!"), "Folder \"%s\" not found!");
    EXPECT_EQ(m.translate("Каталог \"/tmp/a b\" не найден!"), "Folder \"/tmp/a b\" not found!");
    EXPECT_EQ(m.translate("Всего - 12, пропущено - 0."), "Total 12, skipped 0.");
    EXPECT_EQ(m.translate("Число в 3 позиции тиража"), "Digit in draw position 3");
    // Details that are texts of their own are translated too.
    EXPECT_EQ(m.translate("Ошибка запуска программы!\r\rНет доступа"),
              "Program start error!\r\rNo access");
    EXPECT_EQ(m.translate("Ошибка запуска программы!\r\rдиск полон"),
              "Program start error!\r\rдиск полон");
    EXPECT_EQ(m.translate("Неизвестно!\r\rНет доступа"), "Неизвестно!\r\rNo access");
}

TEST(LanguageModule, BrokenLinesAreRefusedWithTheirNumber) {
    const auto fails = [](const char* text, const char* what) {
        try {
            LanguageModule::parse(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(what), std::string::npos) << e.what();
        }
    };
    fails("Файл\tFile\nВид View\n", "Строка 2");
    fails("Файл\t\n", "Строка 1");
    fails("Файл\tFile\nФайл\tFiles\n", "дважды");
    fails("Всего %d\tTotal\n", "подстановок");
    fails("Файл\\q\tFile\n", "Строка 1");

    // Argument indexes beyond two digits are text, never a huge argument list.
    fails("Текст %1:s\tText %99999999999:s\n", "подстановок");
    const LanguageModule m =
        LanguageModule::parse("Код %99999999999:s\tCode %99999999999:s\nА %d и %12:d\tA %d, %12:d\n");
    EXPECT_EQ(m.translate("Код %99999999999:s"), "Code %99999999999:s");
    EXPECT_EQ(m.translate("А 1 и 2"), "A 1, 2");
}

TEST(InterfaceLanguage, ModulesBesideTheProgramAreTheLanguagesOnOffer) {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Shell shell(ui);
    EXPECT_EQ(availableLanguages(dir.path()), std::vector<int>{kBuiltInLanguage});
    EXPECT_EQ(languageName(1033), "English");
    EXPECT_EQ(primaryLanguage(2057), primaryLanguage(1033));

    // A missing module named explicitly is reported and Russian is kept.
    EXPECT_EQ(loadInterfaceLanguage(shell, 1033, dir.path()), kBuiltInLanguage);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Языковый модуль \"Pentad_ENU.lng\" не найден!");
    EXPECT_EQ(activeLanguageModule(), nullptr);

    dir.write("Pentad_ENU.lng", "Файл\tFile\n");
    EXPECT_EQ(availableLanguages(dir.path()), (std::vector<int>{1033, kBuiltInLanguage}));
    EXPECT_TRUE(languageModuleAvailable(shell, 1033, dir.path()));
    EXPECT_EQ(loadInterfaceLanguage(shell, 1033, dir.path()), 1033);
    EXPECT_EQ(translated("Файл"), "File");
    EXPECT_EQ(ui.messages.size(), 1u);

    // A module that cannot be read falls back to Russian with the reason.
    dir.write("Pentad_ENU.lng", "Файл File\n");
    EXPECT_EQ(loadInterfaceLanguage(shell, 1033, dir.path()), kBuiltInLanguage);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text.rfind("Не удалось загрузить языковый модуль \"", 0), 0u);
    EXPECT_NE(ui.messages[1].text.find("Pentad_ENU.lng\"!\r\rСтрока 1"), std::string::npos);
    EXPECT_EQ(translated("Файл"), "Файл");
    EXPECT_EQ(loadInterfaceLanguage(shell, kBuiltInLanguage, dir.path()), kBuiltInLanguage);
}

}  // namespace
}  // namespace pentad
