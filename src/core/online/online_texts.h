// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the network layer, the proxy settings and the draw download, kept
// in one place so a language module can replace them.
#pragma once

namespace pentad::texts {

// Cut helpers.
inline constexpr const char* kPairNotFound =
    "Не удалось найти пару идентификаторов \"%1:s\" - \"%2:s\" в тексте\r\r[%0:s]!";

// Requests.
inline constexpr const char* kReplyTooLarge = "Ответ сервера больше %s и не может быть принят";
inline constexpr const char* kSizeMegabytes = "%d Мб";
inline constexpr const char* kSizeBytes = "%d байт";
inline constexpr const char* kReadTimeout = "Превышено время ожидания ответа сервера (%d мс)";
inline constexpr const char* kRequestCancelled = "Запрос прерван";

// Proxy settings and search.
inline constexpr const char* kProxySection = "PROXY";
inline constexpr const char* kNoProxyFound =
    "Не найдено ни одного proxy-сервера с заданными параметрами";
inline constexpr const char* kProxyListFailed = "Ошибка получения списка proxy-серверов!\r\r%s";
inline constexpr const char* kProxyChoiceFailed =
    "Ошибка автоматического выбора proxy сервера!\r\r%s";
inline constexpr const char* kProxySearching = "Поиск proxy-серверов";
inline constexpr const char* kProxyAttempt = "Попытка %d, proxy %s : %d";
inline constexpr const char* kBadProxyCandidate = "Некорректный адрес proxy-сервера: \"%s\"";

// Draw download.
inline constexpr const char* kDownloadingDraws = "Загрузка архива тиражей...";
inline constexpr const char* kDownloadingDrawsWith = "Загрузка архива тиражей...\r\r%s";
inline constexpr const char* kDownloadRange = "Загрузка тиражей %s - %s...";
inline constexpr const char* kDownloadFailedRetry =
    "Ошибка загрузки архива тиражей с сайта: \"%s\"\r\rПовторить попытку?";
inline constexpr const char* kDownloadOnStartQuestion =
    "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение "
    "к сети Интернет.";

}  // namespace pentad::texts
