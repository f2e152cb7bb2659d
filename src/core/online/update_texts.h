// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the self-update, kept in one place so a language module can
// replace them.
#pragma once

namespace pentad::texts {

inline constexpr const char* kUpdateSearching = "Поиск доступных обновлений...";
inline constexpr const char* kUpdateNotFound = "Обновлений не найдено!";
inline constexpr const char* kUpdateSearchFailed = "Ошибка поиска обновлений!\r\r%s";
inline constexpr const char* kUpdateInstallFailed = "Ошибка установки обновления!\r\r%s";
inline constexpr const char* kUpdateSystemFailed =
    "Ошибка системы самообновления программы!\r\r%s";
inline constexpr const char* kUpdateInstalling = "Загрузка и установка обновления \"%s\"...";
inline constexpr const char* kUpdateInstalled =
    "Установка обновления \"%s\" успешно выполнена.\r\rДля завершения установки необходимо "
    "перезапустить программу!";
inline constexpr const char* kUpdateFileNotFound = "Файл \"%s\" не найден!";
inline constexpr const char* kUpdateBadChecksum = "Неверная контрольная сумма скачанного файла.";
inline constexpr const char* kUpdateNoDescription = "< Описание обновления не доступно >";

// The offer window.
inline constexpr const char* kUpdateOfferCaption = "Найдена новая версия программы";
inline constexpr const char* kUpdateCurrentVersion = "Текущая версия программы:";
inline constexpr const char* kUpdateNewVersion = "Новая версия программы:";
inline constexpr const char* kUpdateVersionDescription = "Описание версии:";
inline constexpr const char* kUpdateInstallButton = "Установить";
inline constexpr const char* kUpdateRefuseButton = "Отказаться";

// Refusals of an unsafe description and failures of the package run.
inline constexpr const char* kUpdateBadName =
    "Недопустимое имя файла в описании обновления: \"%s\". Допускаются только файлы внутри "
    "папки программы.";
inline constexpr const char* kUpdateUncheckedPackage =
    "Пакет обновления \"%s\" не имеет контрольной суммы и загружается по незащищённому "
    "протоколу HTTP; установка отменена.";
inline constexpr const char* kUpdateRunTimeout = "Программа \"%s\" не завершилась за %d секунд.";
inline constexpr const char* kUpdateRunExitCode = "Программа \"%s\" завершилась с кодом %d.";
inline constexpr const char* kUpdateCopyTitle = "Копирование файлов обновления";
inline constexpr const char* kUpdateCopyFailed =
    "Не удалось записать файл \"%s\": %s Замененные файлы восстановлены.";

}  // namespace pentad::texts
