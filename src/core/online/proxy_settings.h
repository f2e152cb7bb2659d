// SPDX-License-Identifier: GPL-3.0-or-later
// The proxy settings of the section PROXY of "Pentad.ini" and the addresses
// of the outside services the program talks to (section ONLINE).
#pragma once

#include <optional>
#include <string>

#include "game/records.h"
#include "online/http_client.h"

namespace pentad {

class IniFile;

inline constexpr int kProxyNone = 0;
inline constexpr int kProxyAutomatic = 1;
inline constexpr int kProxyManual = 2;
inline constexpr int kDefaultProxyPort = 80;

// Section ONLINE: the results site (scheme, host and port) and the root
// address of the public proxy-list service (empty: no automatic search).
inline constexpr const char* kOnlineSection = "ONLINE";
inline constexpr const char* kResultsSiteKey = "ResultsSite";
inline constexpr const char* kProxyListKey = "ProxyListService";

// The mode the settings behave as: 1 and 2 as stored, every other value 0.
int effectiveProxyMode(const TProxy& proxy);

// Reads the section PROXY with its defaults. Without a ProxyMode key the mode
// is manual when a server is named, else none. Saved becomes true; the
// candidate list is cleared.
void loadProxySettings(const IniFile& ini, TProxy& proxy);

// Writes the five keys in one disk write and sets Saved. Throws pentad::Error
// when the file cannot be written.
void saveProxySettings(IniFile& ini, TProxy& proxy);

// The proxy a request uses under the settings, or none (mode 0, or no server
// chosen yet).
std::optional<ProxyEndpoint> proxyEndpoint(const TProxy& proxy);

// Clears the chosen server, port, user name and password and marks the
// settings unsaved.
void clearChosenProxy(TProxy& proxy);

}  // namespace pentad
