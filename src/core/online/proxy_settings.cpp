// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/proxy_settings.h"

#include "online/online_texts.h"
#include "shell/ini_file.h"

namespace pentad {
namespace {

constexpr const char* kModeKey = "ProxyMode";
constexpr const char* kServerKey = "ProxyServer";
constexpr const char* kPortKey = "ProxyPort";
constexpr const char* kUserKey = "ProxyUsername";
constexpr const char* kPasswordKey = "ProxyPassword";

}  // namespace

int effectiveProxyMode(const TProxy& proxy) {
    return proxy.Mode == kProxyAutomatic || proxy.Mode == kProxyManual ? proxy.Mode : kProxyNone;
}

void loadProxySettings(const IniFile& ini, TProxy& proxy) {
    const char* section = texts::kProxySection;
    proxy.Server = ini.readString(section, kServerKey, "");
    const long long fallback = proxy.Server.empty() ? kProxyNone : kProxyManual;
    const long long mode = ini.readInt(section, kModeKey, fallback);
    proxy.Mode =
        static_cast<uint8_t>(mode == kProxyAutomatic || mode == kProxyManual ? mode : kProxyNone);
    proxy.Port = static_cast<int32_t>(ini.readInt(section, kPortKey, kDefaultProxyPort));
    proxy.Username = ini.readString(section, kUserKey, "");
    proxy.Password = ini.readString(section, kPasswordKey, "");
    proxy.Candidates.clear();
    proxy.Saved = true;
}

void saveProxySettings(IniFile& ini, TProxy& proxy) {
    const char* section = texts::kProxySection;
    {
        IniFile::Batch batch(ini);
        ini.writeInt(section, kModeKey, proxy.Mode);
        ini.writeString(section, kServerKey, proxy.Server);
        ini.writeInt(section, kPortKey, proxy.Port);
        ini.writeString(section, kUserKey, proxy.Username);
        ini.writeString(section, kPasswordKey, proxy.Password);
    }
    proxy.Saved = true;
}

std::optional<ProxyEndpoint> proxyEndpoint(const TProxy& proxy) {
    if (effectiveProxyMode(proxy) == kProxyNone) {
        return std::nullopt;
    }
    ProxyEndpoint p{proxy.Server, proxy.Port, proxy.Username, proxy.Password};
    if (!p.usable()) {
        return std::nullopt;
    }
    return p;
}

void clearChosenProxy(TProxy& proxy) {
    proxy.Server.clear();
    proxy.Port = 0;
    proxy.Username.clear();
    proxy.Password.clear();
    proxy.Saved = false;
}

}  // namespace pentad
