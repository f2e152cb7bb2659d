// SPDX-License-Identifier: GPL-3.0-or-later
// The forms of every catalogue request, field by field in the order the
// server expects them. The program sends them; the server's tests build
// their requests with the same functions.
#pragma once

#include <string>

#include "online/catalogue_form.h"

namespace pentad::catalogue {

// Who is asking. The server keys ownership on mail and installation id
// together, and the user's ratings and hidden entries on the installation id.
struct Identity {
    std::string appId;    // the program's identifier (kPentadAppId for Pentad)
    std::string appVer;   // its version text
    std::string hwdid;    // installation identifier, made once per data folder
    std::string name;     // the user's (or the publication's author's) name
    std::string mail;     // the user's e-mail, the identity shown as author mail
    int lcid = 0;         // language identifier
};

// The editable properties of a scenario publication.
struct ScriptPublication {
    int id = -1;                // -1 (or 0) publishes a new entry
    bool uniApps = false;       // usable by every program of the family
    bool isPublic = true;       // visible to every user
    std::string title;
    std::string descr;
    std::string script;         // the scenario lines joined by CR LF
};

// A system as published; `clist` holds one combination per line.
struct SystemPublication {
    int id = 0;                 // 0 publishes a new system
    int nums = 0;
    int clen = 5;
    int olap = 0;
    std::string title;
    std::string descr;
    int csize = 0;
    std::string clist;
    std::string url;
};

// appid, appver, hwdid, cl_name (escaped), cl_mail (escaped), cl_lcid.
void addIdentity(Form& form, const Identity& identity);

// scr_getlist: fltid (-1..6), then the identity.
Form scriptListForm(int filter, const Identity& identity);
// scr_getdata: scr_id. With an identity, it follows scr_id; the server then
// refuses entries bound to another program and serves the user's own
// private entries (without it, only public entries are served).
Form scriptDataForm(int id, const Identity* identity = nullptr);
// scr_setrate: scr_id, rate_value (-1 hide, 0 remove, 1..5), rate_notes
// (escaped), then the identity.
Form scriptRateForm(int id, int rate, const std::string& notes, const Identity& identity);
// scr_chktitle: scr_id, scr_title (escaped).
Form scriptTitleForm(int id, const std::string& title);
// scr_putscript with del_mode=0: publishes (id <= 0) or replaces. The
// identity's name is the publication's author and its lcid the scenario's
// language.
Form scriptPutForm(const ScriptPublication& script, const Identity& identity);
// scr_putscript with del_mode=1: the same fields without scr_script.
Form scriptDeleteForm(const ScriptPublication& script, const Identity& identity);
// scr_getrates: scr_id, with the optional identity as for scr_getdata.
Form scriptRatesForm(int id, const Identity* identity = nullptr);

// sys_getlist: comblen=5, maxnums=10, then the identity.
Form systemListForm(const Identity& identity);
// sys_getdata: sys_id, with the optional identity as for scr_getdata.
Form systemDataForm(int id, const Identity* identity = nullptr);
// sys_putdata: del_mode 0 (publish or change) or 1 (delete: clist empty).
Form systemPutForm(const SystemPublication& system, const Identity& identity, bool remove);

}  // namespace pentad::catalogue
