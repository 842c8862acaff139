#pragma once
// The words only the module's faults use, for lupdate to find: web/catalogue.mjs takes them with
// their English from translations/pendra_en.ts (context "Web") at build time, as it takes the
// command line's own. Keep the two lists the same.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(Context, Text) Text
#endif

namespace web::words {

inline constexpr const char *Texts[] = {
    QT_TRANSLATE_NOOP("Web", "命令 %1 只有 pendra-cli 才有：这里只计算 wage、bonus、labour、"
                             "settle、severance、reverse、year 和 household"),
    QT_TRANSLATE_NOOP("Web", "%1有 %2 字节，最多 %3 字节，不读取"),
    QT_TRANSLATE_NOOP("Web", "这里只以 JSON 输出：请加 --json（文字表格只有 pendra-cli 才有）"),
    QT_TRANSLATE_NOOP("Web", "帮助只有 pendra-cli 才有：pendra-cli %1 --help"),
    QT_TRANSLATE_NOOP("Web", "参数应为字符串的数组"),
    QT_TRANSLATE_NOOP("Web", "参数超过 %1 字节"),
};

} // namespace web::words
