// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_requests.h"

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"

namespace pentad::catalogue {

namespace {

Form idOnlyForm(std::string_view name, int id, const Identity* identity) {
    Form form;
    form.addInt(name, id);
    if (identity != nullptr) {
        addIdentity(form, *identity);
    }
    return form;
}

Form scriptPut(const ScriptPublication& script, const Identity& identity, bool remove) {
    Form form;
    form.addInt(field::kDeleteMode, remove ? 1 : 0);
    form.addInt(field::kScriptId, script.id);
    form.addInt(field::kUniApps, script.uniApps ? 1 : 0);
    form.addInt(field::kPublic, script.isPublic ? 1 : 0);
    form.addEscaped(field::kScriptTitle, script.title);
    form.addEscaped(field::kScriptDescr, script.descr);
    if (!remove) {
        form.addEscaped(field::kScriptText, script.script);
    }
    addIdentity(form, identity);
    return form;
}

}  // namespace

void addIdentity(Form& form, const Identity& identity) {
    form.add(field::kAppId, identity.appId);
    form.add(field::kAppVer, identity.appVer);
    form.add(field::kHwdId, identity.hwdid);
    form.addEscaped(field::kName, identity.name);
    form.addEscaped(field::kMail, identity.mail);
    form.addInt(field::kLcid, identity.lcid);
}

Form scriptListForm(int filter, const Identity& identity) {
    Form form;
    form.addInt(field::kFilter, filter);
    addIdentity(form, identity);
    return form;
}

Form scriptDataForm(int id, const Identity* identity) {
    return idOnlyForm(field::kScriptId, id, identity);
}

Form scriptRateForm(int id, int rate, const std::string& notes, const Identity& identity) {
    Form form;
    form.addInt(field::kScriptId, id);
    form.addInt(field::kRateValue, rate);
    form.addEscaped(field::kRateNotes, notes);
    addIdentity(form, identity);
    return form;
}

Form scriptTitleForm(int id, const std::string& title) {
    Form form;
    form.addInt(field::kScriptId, id);
    form.addEscaped(field::kScriptTitle, title);
    return form;
}

Form scriptPutForm(const ScriptPublication& script, const Identity& identity) {
    return scriptPut(script, identity, false);
}

Form scriptDeleteForm(const ScriptPublication& script, const Identity& identity) {
    return scriptPut(script, identity, true);
}

Form scriptRatesForm(int id, const Identity* identity) {
    return idOnlyForm(field::kScriptId, id, identity);
}

Form systemListForm(const Identity& identity) {
    Form form;
    form.addInt(field::kCombLen, 5);
    form.addInt(field::kMaxNums, 10);
    addIdentity(form, identity);
    return form;
}

Form systemDataForm(int id, const Identity* identity) {
    return idOnlyForm(field::kSystemId, id, identity);
}

Form systemPutForm(const SystemPublication& system, const Identity& identity, bool remove) {
    Form form;
    form.addInt(field::kDeleteMode, remove ? 1 : 0);
    form.addInt(field::kSystemId, system.id);
    form.addInt(field::kNums, system.nums);
    form.addInt(field::kCLen, system.clen);
    form.addInt(field::kOlap, system.olap);
    form.addEscaped(field::kTitle, system.title);
    form.addEscaped(field::kDescr, system.descr);
    form.addInt(field::kCSize, system.csize);
    form.add(field::kCList, remove ? std::string() : base64Encode(escapeText(system.clist)));
    form.add(field::kUrl, system.url);
    addIdentity(form, identity);
    return form;
}

}  // namespace pentad::catalogue
