// SPDX-License-Identifier: GPL-3.0-or-later
// Captions of the download and proxy commands and of the proxy dialog.
#pragma once

namespace pentad::texts {

inline constexpr const char* kCmdDrawsDownloadHint = "Загрузка архива тиражей с сайта лотереи";
inline constexpr const char* kMenuAutoDownload = "Автозагрузка при запуске программы";
inline constexpr const char* kCmdAutoDownload0 = "По запросу (по умолчанию)";
inline constexpr const char* kCmdAutoDownload1 = "Автоматически";
inline constexpr const char* kCmdAutoDownload2 = "Отключено";
inline constexpr const char* kCmdEditProxy = "Параметры proxy-сервера";

inline constexpr const char* kProxyDialogCaption = "Параметры proxy-сервера";
inline constexpr const char* kProxyChoiceNone = "Не использовать proxy-сервер";
inline constexpr const char* kProxyChoiceAutomatic =
    "Автоматический поиск сервера (возможны задержки)";
inline constexpr const char* kProxyChoiceManual = "Ручной выбор proxy-сервера:";
inline constexpr const char* kProxyServerLabel = "Имя или адрес сервера:";
inline constexpr const char* kProxyPortLabel = "Порт:";
inline constexpr const char* kProxyUserLabel = "Имя пользователя:";
inline constexpr const char* kProxyPasswordLabel = "Пароль:";

}  // namespace pentad::texts
