// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_list.h"

#include "game/config_settings.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/format_args.h"
#include "shell/ini_file.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "stats/stat_texts.h"

namespace pentad {

std::string TStatMethod::BaseCaption() const {
    return OwnCaption.empty() ? Class->caption(Variant) : OwnCaption;
}

std::string TStatMethod::DisplayCaption() const {
    std::string base = BaseCaption();
    if (Class->group == 12) {
        return formatIndexed(base, {FormulaText});
    }
    return base;
}

TStatList::TStatList(const TDrawsArray& draws) : m_draws(&draws) {
    m_savedWeights = weights();
}

CdlWeights TStatList::weights() const {
    return CdlWeights{config.CoefCount, config.CoefDeviation, config.CoefLevel, config.UsePercents,
                      config.UseAbsValues};
}

void TStatList::setWeights(const CdlWeights& w) {
    config.CoefCount = w.CoefCount;
    config.CoefDeviation = w.CoefDeviation;
    config.CoefLevel = w.CoefLevel;
    config.UsePercents = w.UsePercents;
    config.UseAbsValues = w.UseAbsValues;
}

void TStatList::Fill() {
    m_methods.clear();
    Ordered = false;
    ShowGroupName = true;
    ShowMethodFlags = true;
    AllFavourites = true;
    for (const StatClass* cls : statRegistry()) {
        if (cls == nullptr || !cls->enabled) {
            continue;
        }
        auto add = [&](int variant) {
            TStatMethod m;
            m.Class = cls;
            m.Variant = variant;
            if (cls->group == 12 && variant >= 1 && variant <= 3) {
                m.FormulaText = Formulas[static_cast<size_t>(variant - 1)];
            }
            m_methods.push_back(std::move(m));
        };
        if (cls->hasVariants) {
            auto [lo, hi] = cls->range(*this);
            for (int v = lo; v <= hi; ++v) {
                add(v);
            }
        } else {
            add(0);
        }
    }
}

int TStatList::IndexOfCode(const std::string& code) const {
    for (int i = 0; i < Count(); ++i) {
        if (sameTextNoCase(Item(i).Code(), code)) {
            return i;
        }
    }
    return -1;
}

std::string TStatList::ListCaption(int i, bool withFlags) const {
    const TStatMethod& m = Item(i);
    std::string caption = m.DisplayCaption();
    if (ShowGroupName) {
        caption = formatIndexed("{ %1:s } %0:s", {caption, std::string(groupCode(m.Class->group))});
    }
    uint8_t flags = m.Class->flags();
    if (withFlags && ShowMethodFlags && flags != 0) {
        caption = formatIndexed("%0:s [ %1:s ]", {caption, flagLetters(flags)});
    }
    return caption;
}

std::unique_ptr<TCustomStat> TStatList::CreateStat(int i) const {
    const TStatMethod& m = Item(i);
    return m.Class->create(*this, m.Variant);
}

std::string TStatList::HelpUrl(int i) const {
    return Item(i).Class->helpUrl(Item(i).Variant, HelpFile);
}

std::string TStatList::FavouritesText() const {
    if (AllFavourites) {
        return std::string();
    }
    std::vector<std::string> codes;
    for (const TStatMethod& m : m_methods) {
        if (m.Favourite) {
            codes.push_back(m.Code());
        }
    }
    return join(codes, ",");
}

void TStatList::SetFavouritesText(const std::string& text) {
    if (trim(text).empty()) {
        SelectAll();
        return;
    }
    AllFavourites = false;
    std::vector<std::string> words = splitAny(text, ",");
    for (TStatMethod& m : m_methods) {
        std::string code = m.Code();
        m.Favourite = false;
        for (const std::string& w : words) {
            if (sameTextNoCase(trim(w), code)) {
                m.Favourite = true;
                break;
            }
        }
    }
}

void TStatList::SelectAll() {
    AllFavourites = true;
    for (TStatMethod& m : m_methods) {
        m.Favourite = true;
    }
}

void TStatList::NormalizeFavourites() {
    if (m_methods.empty()) {
        AllFavourites = true;
        return;
    }
    bool first = m_methods.front().Favourite;
    for (const TStatMethod& m : m_methods) {
        if (m.Favourite != first) {
            AllFavourites = false;
            return;
        }
    }
    AllFavourites = true;
    if (!first) {
        SelectAll();
    }
}

void TStatList::LoadSettings(const IniFile& ini) {
    config = loadConfigData(ini);
    m_savedWeights = weights();
}

void TStatList::SaveSettings(IniFile& ini) const {
    saveConfigData(ini, config);
}

void TStatList::LoadShredding(const IniFile& ini) {
    static const char* const kDefaults[3] = {"(n1+n2)/(n3+n4+n5)", "(n1+n3+n5)/(n2+n4)",
                                             "(n3+n4+n5)/(n1+n2)"};
    for (int i = 0; i < 3; ++i) {
        Formulas[static_cast<size_t>(i)] =
            ini.readString("SHREDDING", format("Formula%d", i + 1), kDefaults[i]);
        FormulaDigits[static_cast<size_t>(i)] = static_cast<uint8_t>(
            ini.readInt("SHREDDING", format("Formula%dDigits", i + 1), 2) & 0xFF);
    }
}

void TStatList::SaveShredding(IniFile& ini) const {
    IniFile::Batch batch(ini);
    for (int i = 0; i < 3; ++i) {
        ini.writeString("SHREDDING", format("Formula%d", i + 1), Formulas[static_cast<size_t>(i)]);
        ini.writeInt("SHREDDING", format("Formula%dDigits", i + 1),
                     FormulaDigits[static_cast<size_t>(i)]);
    }
}

bool TStatList::LoadFavourites(Shell& shell, const std::string& path, bool withFilters) {
    return shell.guard(texts::kErrorLoadFavourites, [&] {
        IniFile file(path);
        if (withFilters) {
            SetFavouritesText(file.readString("FILTERS", "Favorites", FavouritesText()));
            Ordered = file.readBool("FILTERS", "Ordered", Ordered);
            ShowGroupName = file.readBool("FILTERS", "ShowGroupName", ShowGroupName);
            ShowMethodFlags = file.readBool("FILTERS", "ShowMethodFlags", ShowMethodFlags);
        }
        std::string section = "STRINGS_" + Language;
        for (TStatMethod& m : m_methods) {
            m.OwnCaption = trim(file.readString(section, m.Code(), ""));
        }
    });
}

bool TStatList::SaveFavourites(Shell& shell, const std::string& path, bool withFilters,
                               bool allCaptions) const {
    return shell.guard(texts::kErrorSaveFavourites, [&] {
        IniFile file(path);
        IniFile::Batch batch(file);
        if (withFilters) {
            file.writeString("FILTERS", "Favorites", FavouritesText());
            file.writeBool("FILTERS", "Ordered", Ordered);
            file.writeBool("FILTERS", "ShowGroupName", ShowGroupName);
            file.writeBool("FILTERS", "ShowMethodFlags", ShowMethodFlags);
        }
        std::string section = "STRINGS_" + Language;
        file.eraseSection(section);
        for (const TStatMethod& m : m_methods) {
            if (allCaptions) {
                file.writeString(section, m.Code(), m.BaseCaption());
            } else if (!m.OwnCaption.empty()) {
                file.writeString(section, m.Code(), m.OwnCaption);
            }
        }
    });
}

void TStatList::Rebuild(Shell& shell, const std::string& favouritesPath) {
    SaveFavourites(shell, favouritesPath, true, false);
    Fill();
    SelectAll();
    LoadFavourites(shell, favouritesPath, true);
}

}  // namespace pentad
