// The text of a result where pendra-cli's recorded outputs cannot show it: strings as the writer
// itself escapes them (pendra-cli escapes more for the terminal afterwards), bytes that are not
// UTF-8, and empty objects, which no result of today holds.

#include "formats/Result.h"

#include <gtest/gtest.h>

namespace {

using formats::Json;
using formats::ResultText;

// Every ASCII character, a quote and a backslash among them, and characters of two, three and
// four bytes that a terminal would act on (U+0085, U+202E, U+2028) or that are merely wide:
// the text is JSON that reads back as the same string.
TEST(ResultText, AnyValidStringReadsBackTheSame) {
    std::string name;
    for (int c = 0; c < 0x80; ++c)
        name += static_cast<char>(c);
    name += "\u0085\u202e\u2028甲公司😀";
    const Json result{{"employer", name}};
    const std::string text = ResultText(result);
    EXPECT_EQ(Json::parse(text), result);
    for (const char *escape :
         {"\\u0000", "\\u001b", "\\u001f", "\\b", "\\f", "\\n", "\\r", "\\t", "\\\"", "\\\\"})
        EXPECT_NE(text.find(escape), std::string::npos) << escape;
    // Above U+001F nothing is escaped: the terminal's escapes are pendra-cli's, not the JSON's.
    EXPECT_NE(text.find("~\x7f\u0085\u202e\u2028甲公司😀\""), std::string::npos) << text;
}

// Each byte that begins no UTF-8 sequence becomes U+FFFD, and the text stays valid.
TEST(ResultText, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    const struct {
        std::string Bytes, Shown;
    } cases[] = {
        {"a\xff"
         "b",
         "a\ufffdb"},
        {"\xc3", "\ufffd"},                               // a sequence cut short at the end
        {"\xe7\x94", "\ufffd\ufffd"},                     // likewise, each byte replaced
        {"\xc0\xaf", "\ufffd\ufffd"},                     // an overlong '/'
        {"\xed\xa0\x80", "\ufffd\ufffd\ufffd"},           // a surrogate
        {"\xf4\x90\x80\x80", "\ufffd\ufffd\ufffd\ufffd"}, // above U+10FFFF
        {"\xe7\x94\xb2", "甲"},
    };
    for (const auto &c : cases) {
        const std::string text = ResultText(Json{{"name", c.Bytes}});
        EXPECT_EQ(text, "{\n    \"name\": \"" + c.Shown + "\"\n}\n") << c.Shown;
        EXPECT_TRUE(Json::accept(text)) << c.Shown;
    }
}

TEST(ResultText, EmptyObjectsAndListsOpenAndCloseOnLinesOfTheirOwn) {
    EXPECT_EQ(ResultText(Json::object()), "{\n}\n");
    EXPECT_EQ(ResultText(Json{{"a", Json::object()}, {"b", {{"c", Json::array()}}}}),
              "{\n    \"a\": {\n    },\n    \"b\": {\n        \"c\": [\n        ]\n    }\n}\n");
    EXPECT_EQ(ResultText(Json{{"n", -12}, {"u", 18446744073709551615u}, {"x", nullptr}}),
              "{\n    \"n\": -12,\n    \"u\": 18446744073709551615,\n    \"x\": null\n}\n");
}

} // namespace
