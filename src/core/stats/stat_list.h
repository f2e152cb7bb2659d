// SPDX-License-Identifier: GPL-3.0-or-later
// The registry of statistic methods: the method list built from the fixed
// class order, the game settings the methods read, the favourites and own
// captions, and the settings kept in "Pentad.ini" and "Pentad.flt".
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/records.h"
#include "stats/custom_stat.h"
#include "stats/stat_class.h"

namespace pentad {

class IniFile;
class Shell;

inline constexpr int kRegistrySize = 143;

// The 143 method classes in registry order.
const std::array<const StatClass*, kRegistrySize>& statRegistry();

// One entry of the method list.
struct TStatMethod {
    const StatClass* Class = nullptr;
    int Variant = 0;
    bool Favourite = true;
    std::string OwnCaption;
    std::string FormulaText;  // shredding methods: the formula of this variant

    std::string Code() const { return Class->code(Variant); }
    std::string BaseCaption() const;
    std::string DisplayCaption() const;
    bool HasNumericValue() const { return Class->hasNumericValue; }
};

// Weight coefficients of the statistics table.
struct CdlWeights {
    long double CoefCount = 0;
    long double CoefDeviation = -1;
    long double CoefLevel = 1;
    bool UsePercents = false;
    bool UseAbsValues = false;
};

class TStatList {
public:
    explicit TStatList(const TDrawsArray& draws);

    const TDrawsArray& draws() const { return *m_draws; }
    void setDraws(const TDrawsArray& draws) { m_draws = &draws; }

    // ---- settings ----
    TConfigData config;
    std::array<std::string, 3> Formulas = {"(n1+n2)/(n3+n4+n5)", "(n1+n3+n5)/(n2+n4)",
                                           "(n3+n4+n5)/(n1+n2)"};
    std::array<uint8_t, 3> FormulaDigits = {2, 2, 2};

    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
    bool AllFavourites = true;

    // Help file path (empty when there is none).
    std::string HelpFile;
    // Three-letter language abbreviation of the captions section ("RUS").
    std::string Language = "RUS";

    CdlWeights weights() const;
    void setWeights(const CdlWeights& w);
    // Scenario runs replace the weights for a while.
    void SaveWeights() { m_savedWeights = weights(); }
    void RestoreWeights() { setWeights(m_savedWeights); }
    void ApplyWeights(const CdlWeights& w, bool own) { setWeights(own ? w : m_savedWeights); }

    // ---- the method list ----
    // Rebuilds the list from the registry (resets the chooser options and
    // marks every entry favourite).
    void Fill();
    int Count() const { return static_cast<int>(m_methods.size()); }
    const TStatMethod& Item(int i) const { return m_methods[static_cast<size_t>(i)]; }
    TStatMethod& Item(int i) { return m_methods[static_cast<size_t>(i)]; }
    bool IsShown(int i) const { return AllFavourites || Item(i).Favourite; }

    // Entry index of a method code (without regard to case), or -1.
    int IndexOfCode(const std::string& code) const;

    // "{ num } caption [ NG ]" as the choosers show it.
    std::string ListCaption(int i, bool withFlags) const;

    // New instance for entry i.
    std::unique_ptr<TCustomStat> CreateStat(int i) const;

    std::string HelpUrl(int i) const;

    // ---- favourites ----
    std::string FavouritesText() const;
    void SetFavouritesText(const std::string& text);
    void SelectAll();
    void NormalizeFavourites();

    // ---- files ----
    // GLOBAL matrix/channel keys, STAKES and CDL.
    void LoadSettings(const IniFile& ini);
    void SaveSettings(IniFile& ini) const;
    void LoadShredding(const IniFile& ini);
    void SaveShredding(IniFile& ini) const;
    // "Pentad.flt": FILTERS keys (when withFilters) and the own captions of
    // the current language. Failures are shown through the shell; false then.
    bool LoadFavourites(Shell& shell, const std::string& path, bool withFilters);
    bool SaveFavourites(Shell& shell, const std::string& path, bool withFilters,
                        bool allCaptions) const;

    // Save favourites, Fill, SelectAll, load favourites: the list follows
    // changed variant ranges while keeping favourites and own captions.
    void Rebuild(Shell& shell, const std::string& favouritesPath);

private:
    const TDrawsArray* m_draws;
    std::vector<TStatMethod> m_methods;
    CdlWeights m_savedWeights;
};

}  // namespace pentad
