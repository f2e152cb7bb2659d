// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/combination_generator.h"

#include "shell/cp1251.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

constexpr const char* kSection = "GLOBAL";
constexpr const char* kModeKey = "CombsGenerateMode";
constexpr const char* kParametersKey = "CombsGenerateParameters";

}  // namespace

GenerateParams normalizedParams(GenerateParams params) {
    if (utf8Length(params.Parameters) > kGenerateParametersMax) {
        params.Parameters = utf8Left(params.Parameters, kGenerateParametersMax);
    }
    return params;
}

GenerateParams loadGenerateParams(const IniFile& ini) {
    GenerateParams p;
    p.Mode = static_cast<uint8_t>(ini.readInt(kSection, kModeKey, 0) & 0xFF);
    p.Parameters = ini.readString(kSection, kParametersKey, std::string());
    return normalizedParams(std::move(p));
}

void saveGenerateParams(IniFile& ini, const GenerateParams& params) {
    GenerateParams p = normalizedParams(params);
    IniFile::Batch batch(ini);
    ini.writeInt(kSection, kModeKey, p.Mode);
    ini.writeString(kSection, kParametersKey, p.Parameters);
}

MyNumbers parseMyNumbers(std::string_view text) {
    MyNumbers set;
    if (text.empty()) {
        return set;
    }
    for (const std::string& word : splitAny(text, ",;")) {
        int value = textToInt(trim(word));
        if (value >= 0 && value <= 255) {
            set.set(static_cast<size_t>(value));
        }
    }
    return set;
}

int generateCombinations(int mode, const MyNumbers& numbers, TCombRec* out) {
    // Every mode is an enumeration over a list of allowed digits per position;
    // mode 1 also needs one of "my numbers" somewhere in the combination,
    // which is carried down the loops as a flag.
    uint8_t allowed[kDigitCount];
    bool mine[kDigitCount];
    int n = 0;
    for (int d = 0; d < kDigitCount; ++d) {
        mine[d] = numbers.test(static_cast<size_t>(d));
        bool take = true;
        if (mode == kGenerateOnlyFrom) {
            take = mine[d];
        } else if (mode == kGenerateNoneOf) {
            take = !mine[d];
        }
        if (take) {
            allowed[n++] = static_cast<uint8_t>(d);
        }
    }
    const bool needMine = mode == kGenerateAnyOf;
    TCombRec* p = out;
    for (int i1 = 0; i1 < n; ++i1) {
        const uint8_t a = allowed[i1];
        const bool h1 = mine[a];
        for (int i2 = 0; i2 < n; ++i2) {
            const uint8_t b = allowed[i2];
            const bool h2 = h1 || mine[b];
            for (int i3 = 0; i3 < n; ++i3) {
                const uint8_t c = allowed[i3];
                const bool h3 = h2 || mine[c];
                for (int i4 = 0; i4 < n; ++i4) {
                    const uint8_t d = allowed[i4];
                    const bool h4 = h3 || mine[d];
                    for (int i5 = 0; i5 < n; ++i5) {
                        const uint8_t e = allowed[i5];
                        if (!needMine || h4 || mine[e]) {
                            p->Digits = {a, b, c, d, e};
                            ++p;
                        }
                    }
                }
            }
        }
    }
    return static_cast<int>(p - out);
}

}  // namespace pentad
