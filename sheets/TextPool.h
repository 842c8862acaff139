#pragma once
// The texts of a sheet, each stored once: 工号, 姓名 and the extra columns repeat on every row of
// an employee, so a row holds a 32-bit number in their place.

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheets {

class TextPool {
  public:
    static constexpr std::uint32_t Empty = 0; // the empty text, always present

    TextPool();

    // The number of the text, the same for equal texts (UTF-8).
    std::uint32_t Intern(std::string_view Utf8);

    std::string_view View(std::uint32_t Id) const {
        return {Bytes.data() + Starts[Id], Starts[Id + 1] - Starts[Id] - 1};
    }
    // The same bytes followed by a zero byte.
    const char *CString(std::uint32_t Id) const { return Bytes.data() + Starts[Id]; }
    QString Text(std::uint32_t Id) const;

  private:
    std::string Bytes;               // every text followed by a zero byte
    std::vector<std::size_t> Starts; // where each text begins, and one past the last
    // Open addressing. A slot holds the text's length and first bytes, so that a short text
    // (a 工号 mostly is) is matched without reading the pool, and other texts are passed by.
    struct Slot {
        std::uint64_t Head = 0; // length (to 255) in the low byte, then up to 7 bytes
        std::uint32_t Hash = 0;
        std::uint32_t Number = 0; // the text's number + 1; 0 when the slot is free
    };
    std::vector<Slot> Slots;

    std::uint32_t Count() const { return static_cast<std::uint32_t>(Starts.size() - 1); }
    static void Place(std::vector<Slot> &Into, const Slot &Taken);
    void Grow();
};

} // namespace sheets
