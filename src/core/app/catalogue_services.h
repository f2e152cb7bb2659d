// SPDX-License-Identifier: GPL-3.0-or-later
// The workspace's side of the catalogue server: its address and the user's
// identity (section ONLINE of the configuration), and the operations of the
// scenario catalogue and the systems exchange with their progress texts and
// error boxes. A failed operation changes nothing local.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "online/catalogue_client.h"

namespace pentad {

class Shell;
class Workspace;

class CatalogueServices {
public:
    explicit CatalogueServices(Workspace& workspace);

    // ---- address and identity ----
    // The configured address (key CatalogueServer), or the override.
    std::string address() const;
    void overrideAddress(std::string address) { m_addressOverride = std::move(address); }
    bool hasAddress() const { return !address().empty(); }
    // The language sent as cl_lcid.
    int lcid = 0;

    std::string userName() const;
    std::string userMail() const;
    // The installation identifier; made (random) and stored on first use.
    std::string installationId();
    // Stores the name and mail (trimmed). Throws pentad::Error when the
    // configuration cannot be written.
    void setIdentity(const std::string& name, const std::string& mail);
    catalogue::Identity identity();
    // A client for the configured server. Throws pentad::Error when no
    // address is set.
    CatalogueClient client();

    // ---- scenarios; each shows its progress text and its error box ----
    std::optional<std::vector<tScriptInfo>> loadScriptList(int filter);
    // Replaces the current scenario with the entry's text; false when the
    // download failed or the text is empty (the scenario stays as it was).
    bool downloadScript(int id);
    // rate_value -1, 0 or 1..5; true when the server accepted it.
    bool rateScript(int id, int value, const std::string& notes);
    // Whether the title is free; nullopt when the check failed (box shown).
    std::optional<bool> titleFree(int id, const std::string& title);
    // The properties dialog's checks in order: a title, a title free for the
    // entry (scr_chktitle), an author. True when all pass; otherwise false
    // with `problem` set to the message, or empty when the title check
    // request itself failed (its box was shown).
    bool acceptScriptData(const tScriptData& data, std::string& problem);
    // Publishes or replaces with the current scenario; the entry's number,
    // or -1 when it failed (box shown).
    int putScript(const tScriptData& data);
    // True when the server deleted the entry (answered 0).
    bool deleteScript(const tScriptData& data);
    std::optional<std::vector<tScriptRate>> loadRates(int id);

    // ---- systems ----
    // sys_getlist; every listed system whose local file exists with a time
    // other than its Created is downloaded again. An empty reply gives the
    // placeholder row. nullopt on failure (box shown).
    std::optional<std::vector<tSystemInfo>> LoadSystemList();
    // sys_getdata; nullopt on failure (box shown).
    std::optional<std::string> FetchSystemList(const tSystemInfo& system);
    // Fetches, checks the line count against CSize and stores the file
    // (through a temporary file); false on failure (box shown, no file
    // written).
    bool DownloadSystem(const tSystemInfo& system);
    // sys_putdata; the returned number, -1 on failure (box shown).
    int PutSystem(const tSystemData& data, bool remove);
    // The local file of the system exists.
    bool systemDownloaded(const tSystemInfo& system) const;
    // The local file exists and its time is the system's Created.
    bool systemCurrent(const tSystemInfo& system) const;
    // The row is the user's own (OwnerMail equals the user's mail).
    bool ownSystem(const tSystemInfo& system) const;

private:
    Workspace& m_ws;
    Shell& m_shell;
    std::optional<std::string> m_addressOverride;
};

}  // namespace pentad
