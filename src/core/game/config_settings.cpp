// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/config_settings.h"

#include "game/routines.h"
#include "shell/error.h"
#include "shell/money.h"

namespace pentad {

TConfigData loadConfigData(const IniFile& ini) {
    TConfigData c;
    c.MatrixCols = static_cast<int32_t>(ini.readInt("GLOBAL", "MatrixCols", 3));
    c.ChannelSize = static_cast<int32_t>(ini.readInt("GLOBAL", "ChannelSize", 2));
    c.MatrixSegments = textToSegments(ini.readString("GLOBAL", "MatrixSegments", ""));
    c.Cost = moneyFromReal(ini.readFloat("STAKES", "Cost", 0));
    c.MaxStake = static_cast<int32_t>(ini.readInt("STAKES", "MaxStake", 5));
    long long profits = ini.readInt("STAKES", "Profits", 0);
    for (long long i = 0; i < profits && i < 256; ++i) {
        TProfitRec p;
        p.Overlap = static_cast<uint8_t>(
            ini.readInt("STAKES", format("Profit_%d_Overlap", static_cast<int>(i)), 0) & 0xFF);
        p.Profit = moneyFromReal(
            ini.readFloat("STAKES", format("Profit_%d_Profit", static_cast<int>(i)), 0));
        c.Profits.push_back(p);
    }
    c.CoefCount = ini.readFloat("CDL", "Count", 0);
    c.CoefDeviation = ini.readFloat("CDL", "Deviation", -1);
    c.CoefLevel = ini.readFloat("CDL", "Level", 1);
    c.UsePercents = ini.readInt("CDL", "UsePercents", 0) > 0;
    c.UseAbsValues = ini.readInt("CDL", "UseAbsValues", 0) > 0;
    return c;
}

void saveConfigData(IniFile& ini, const TConfigData& c) {
    IniFile::Batch batch(ini);
    ini.writeInt("GLOBAL", "MatrixCols", c.MatrixCols);
    ini.writeString("GLOBAL", "MatrixSegments", segmentsToText(c.MatrixSegments));
    ini.writeInt("GLOBAL", "ChannelSize", c.ChannelSize);
    ini.writeFloat("STAKES", "Cost", moneyToReal(c.Cost));
    ini.writeInt("STAKES", "MaxStake", c.MaxStake);
    ini.writeInt("STAKES", "Profits", static_cast<long long>(c.Profits.size()));
    for (size_t i = 0; i < c.Profits.size(); ++i) {
        ini.writeInt("STAKES", format("Profit_%d_Overlap", static_cast<int>(i)),
                     c.Profits[i].Overlap);
        ini.writeFloat("STAKES", format("Profit_%d_Profit", static_cast<int>(i)),
                       moneyToReal(c.Profits[i].Profit));
    }
    ini.writeFloat("CDL", "Count", c.CoefCount);
    ini.writeFloat("CDL", "Deviation", c.CoefDeviation);
    ini.writeFloat("CDL", "Level", c.CoefLevel);
    ini.writeInt("CDL", "UsePercents", c.UsePercents ? 1 : 0);
    ini.writeInt("CDL", "UseAbsValues", c.UseAbsValues ? 1 : 0);
}

}  // namespace pentad
