#include "sheets/TextPool.h"

#include <functional>

namespace sheets {

TextPool::TextPool() : Bytes(1, '\0'), Starts{0, 1}, Slots(1024, 0) {
    Slots[std::hash<std::string_view>{}({}) & (Slots.size() - 1)] = Empty + 1;
}

std::uint32_t TextPool::Intern(std::string_view Utf8) {
    const std::size_t mask = Slots.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(Utf8)&mask;
    while (Slots[slot] != 0) {
        const std::uint32_t id = Slots[slot] - 1;
        if (View(id) == Utf8)
            return id;
        slot = (slot + 1) & mask;
    }
    const std::uint32_t id = Count();
    Bytes.append(Utf8);
    Bytes.push_back('\0');
    Starts.push_back(Bytes.size());
    Slots[slot] = id + 1;
    if (Count() * 2 > Slots.size())
        Grow();
    return id;
}

QString TextPool::Text(std::uint32_t Id) const {
    const std::string_view text = View(Id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void TextPool::Grow() {
    std::vector<std::uint32_t> grown(Slots.size() * 2, 0);
    const std::size_t mask = grown.size() - 1;
    for (std::uint32_t id = 0; id < Count(); ++id) {
        std::size_t slot = std::hash<std::string_view>{}(View(id)) & mask;
        while (grown[slot] != 0)
            slot = (slot + 1) & mask;
        grown[slot] = id + 1;
    }
    Slots.swap(grown);
}

} // namespace sheets
