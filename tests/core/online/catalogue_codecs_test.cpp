// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_codecs.h"

#include <gtest/gtest.h>

namespace pentad::catalogue {
namespace {

TEST(CatalogueCodecs, Base64MatchesTheStandardVectors) {
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Encode("f"), "Zg==");
    EXPECT_EQ(base64Encode("fo"), "Zm8=");
    EXPECT_EQ(base64Encode("foo"), "Zm9v");
    EXPECT_EQ(base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(base64Encode("\xFB\xFF"), "+/8=");
    EXPECT_EQ(base64Decode("Zm9vYmFy"), "foobar");
    EXPECT_EQ(base64Decode("Zg=="), "f");
    // "Тест" in UTF-8
    EXPECT_EQ(base64Encode("\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82"), "0KLQtdGB0YI=");
}

TEST(CatalogueCodecs, LenientBase64SkipsLineBreaksAndStrangers) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    std::string encoded = base64Encode(bytes);
    std::string broken;
    for (size_t i = 0; i < encoded.size(); ++i) {
        broken += encoded[i];
        if (i % 60 == 59) {
            broken += "\r\n";
        }
    }
    EXPECT_EQ(base64Decode(broken), bytes);
    EXPECT_EQ(base64Decode("Zm9v!YmFy"), "foobar");
}

TEST(CatalogueCodecs, StrictBase64RefusesWhatNoEncoderWrites) {
    EXPECT_EQ(base64DecodeStrict("Zm9v\r\nYmFy"), "foobar");
    EXPECT_EQ(base64DecodeStrict("Zg=="), "f");
    EXPECT_EQ(base64DecodeStrict("Zg"), "f");
    EXPECT_EQ(base64DecodeStrict(""), "");
    EXPECT_FALSE(base64DecodeStrict("Zm9v!YmFy"));
    EXPECT_FALSE(base64DecodeStrict("Zg=a"));
    EXPECT_FALSE(base64DecodeStrict("Zg==="));
    EXPECT_FALSE(base64DecodeStrict("Z"));
    EXPECT_FALSE(base64DecodeStrict("Zm9=v"));
    EXPECT_FALSE(base64DecodeStrict("Zm8"
                                    "=="));
}

TEST(CatalogueCodecs, EscapesControlBytesQuotesAndBackslashes) {
    EXPECT_EQ(escapeText("a\nb\"c"), "a\\nb\\\"c");
    EXPECT_EQ(escapeText(std::string("\0\6\a\b\t\n\v\f\r\x1B", 10)),
              "\\0\\6\\a\\b\\t\\n\\v\\f\\r\\e");
    EXPECT_EQ(escapeText("'?\\"), "\\'\\?\\\\");
    EXPECT_EQ(escapeText("\x0E\x1A\xD0\xAF"), "\x0E\x1A\xD0\xAF");
}

TEST(CatalogueCodecs, UnescapeUndoesEveryByteAndRefusesBrokenEscapes) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    EXPECT_EQ(unescapeText(escapeText(bytes)), bytes);
    EXPECT_FALSE(unescapeText("ends with\\"));
    EXPECT_FALSE(unescapeText("\\x41"));
    EXPECT_FALSE(unescapeText("\\7"));
}

TEST(CatalogueCodecs, RecognisesWellFormedUtf8) {
    EXPECT_TRUE(isUtf8("plain"));
    EXPECT_TRUE(isUtf8("\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isUtf8("\xC0\x80"));           // overlong
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));       // surrogate
    EXPECT_FALSE(isUtf8("\xD0"));               // truncated
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80"));   // above U+10FFFF
    EXPECT_FALSE(isUtf8("\xCF\xF0\xE8"));       // cp1251 text
}

}  // namespace
}  // namespace pentad::catalogue
