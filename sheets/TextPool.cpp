#include "sheets/TextPool.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace sheets {
namespace {

constexpr std::size_t HeadBytes = 7;

std::uint64_t HeadOf(std::string_view Text) {
    std::uint64_t head = std::min<std::size_t>(Text.size(), 255);
    char bytes[HeadBytes] = {};
    if (!Text.empty())
        std::memcpy(bytes, Text.data(), std::min(Text.size(), HeadBytes));
    for (std::size_t i = 0; i < HeadBytes; ++i)
        head |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * (i + 1));
    return head;
}

std::uint32_t HashOf(std::string_view Text) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(Text) >> 32);
}

} // namespace

TextPool::TextPool() : Bytes(1, '\0'), Starts{0, 1}, Slots(1024) {
    Place(Slots, Slot{HeadOf({}), HashOf({}), Empty + 1});
}

std::uint32_t TextPool::Intern(std::string_view Utf8) {
    const Slot wanted{HeadOf(Utf8), HashOf(Utf8), 0};
    const std::size_t mask = Slots.size() - 1;
    std::size_t at = wanted.Hash & mask;
    for (; Slots[at].Number != 0; at = (at + 1) & mask) {
        const Slot &taken = Slots[at];
        if (taken.Head == wanted.Head && taken.Hash == wanted.Hash &&
            (Utf8.size() <= HeadBytes || View(taken.Number - 1) == Utf8))
            return taken.Number - 1;
    }
    const std::uint32_t id = Count();
    Bytes.append(Utf8);
    Bytes.push_back('\0');
    Starts.push_back(Bytes.size());
    Slots[at] = Slot{wanted.Head, wanted.Hash, id + 1};
    if (Count() * 2 > Slots.size())
        Grow();
    return id;
}

QString TextPool::Text(std::uint32_t Id) const {
    const std::string_view text = View(Id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void TextPool::Place(std::vector<Slot> &Into, const Slot &Taken) {
    const std::size_t mask = Into.size() - 1;
    std::size_t at = Taken.Hash & mask;
    while (Into[at].Number != 0)
        at = (at + 1) & mask;
    Into[at] = Taken;
}

void TextPool::Grow() {
    std::vector<Slot> grown(Slots.size() * 2);
    for (const Slot &taken : Slots) {
        if (taken.Number != 0)
            Place(grown, taken);
    }
    Slots.swap(grown);
}

} // namespace sheets
