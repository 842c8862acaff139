#include "formats/JsonRead.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <utility>

namespace formats::json {
namespace {

bool AllDigits(std::string_view Text) {
    return !Text.empty() &&
           std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An amount's text in cents: digits, with a sign and decimals or not; at most two decimals, not
// below zero, within the largest amount.
current::Cents CentsOfText(std::string_view Text, const std::string &Path) {
    const std::string shown = Quoted(Text);
    const bool negative = Text.starts_with('-');
    const std::string_view number = negative ? Text.substr(1) : Text;
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    if (!AllDigits(whole) || (point != std::string_view::npos && !AllDigits(fraction)))
        Refuse(FaultKind::NotAnAmount, Path, {shown});
    const auto nonZero = [](char c) { return c >= '1' && c <= '9'; };
    if (negative && std::any_of(number.begin(), number.end(), nonZero))
        Refuse(FaultKind::AmountNegative, Path, {shown});
    if (fraction.size() > 2)
        Refuse(FaultKind::AmountDecimals, Path, {shown});
    current::Cents cents = 0;
    for (const char c : whole) {
        cents = cents * 10 + (c - '0');
        if (cents > current::LargestInputCents / 100)
            Refuse(FaultKind::AmountTooLarge, Path);
    }
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (cents > current::LargestInputCents)
        Refuse(FaultKind::AmountTooLarge, Path);
    return cents;
}

// "YYYY-MM" or "YYYY-MM-DD" into its numbers; whether the day exists is for the facts' check.
std::optional<current::Date> DigitsOf(std::string_view Text, bool WithDay) {
    const std::string_view pattern = WithDay ? "0000-00-00" : "0000-00";
    if (Text.size() != pattern.size())
        return std::nullopt;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (pattern[i] == '-' ? Text[i] != '-' : Text[i] < '0' || Text[i] > '9')
            return std::nullopt;
    }
    const auto number = [&](std::size_t From, std::size_t Length) {
        int value = 0;
        std::from_chars(Text.data() + From, Text.data() + From + Length, value);
        return value;
    };
    return current::Date{number(0, 4), number(5, 2), WithDay ? number(8, 2) : 0};
}

void AppendUtf8(std::string &Out, unsigned Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xc0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3f));
    } else if (Code < 0x10000) {
        Out += static_cast<char>(0xe0 | (Code >> 12));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3f));
        Out += static_cast<char>(0x80 | (Code & 0x3f));
    } else {
        Out += static_cast<char>(0xf0 | (Code >> 18));
        Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3f));
        Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3f));
        Out += static_cast<char>(0x80 | (Code & 0x3f));
    }
}

std::string DateText(const current::Date &When) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", When.Year, When.Month, When.Day);
    return text;
}

// Line and column of an offset of the bytes, the column counted in UTF-16 code units as an
// editor shows it, both from 1.
std::pair<int, int> PlaceOf(std::string_view Bytes, std::size_t Offset) {
    const std::string_view before = Bytes.substr(0, std::min(Offset, Bytes.size()));
    const std::size_t lineStart =
        before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    const int line = static_cast<int>(std::count(before.begin(), before.end(), '\n')) + 1;
    int column = 1;
    for (const char c : before.substr(lineStart)) {
        const auto byte = static_cast<unsigned char>(c);
        column += (byte & 0xc0) != 0x80 ? 1 : 0;
        column += byte >= 0xf0 ? 1 : 0;
    }
    return {line, column};
}

Fault Placed(FaultKind Kind, std::string_view Bytes, std::size_t Offset, std::string Path = {},
             std::vector<std::string> Values = {}) {
    const auto [line, column] = PlaceOf(Bytes, Offset);
    return {Kind, std::move(Path), std::move(Values), line, column, std::nullopt, std::nullopt};
}

// A walk over a document's strings for what the JSON grammar forbids in them, to place and name
// a fault the parser stopped at: the first raw control character or half of a surrogate pair,
// placed at its string, with the key path of the string's value (or of the object of a key).
// The nesting is kept on a list of its own, so that no depth of nesting reaches the stack.
class StringScan {
  public:
    explicit StringScan(std::string_view Bytes) : Bytes(Bytes) {}

    std::optional<Fault> Run() {
        try {
            Blanks();
            Value();
            while (!Open.empty()) {
                Blanks();
                Frame &frame = Open.back();
                char c = Peek();
                if (c == ',') {
                    ++At;
                    ++frame.Index;
                    Blanks();
                    c = Peek();
                }
                if (c == '}' || c == ']') {
                    ++At;
                    Open.pop_back();
                    continue;
                }
                if (!frame.Object) {
                    Value();
                    continue;
                }
                if (c != '"')
                    return std::nullopt;
                std::string key;
                String(&key);
                frame.Key = std::move(key);
                Blanks();
                if (Peek() != ':')
                    return std::nullopt;
                ++At;
                Blanks();
                Value();
            }
        } catch (const Fault &fault) {
            return fault;
        } catch (const Stop &) {
        }
        return std::nullopt;
    }

  private:
    struct Frame {
        bool Object = false;
        std::size_t Index = 0;
        std::string Key;
    };
    // Text past what the walk knows.
    struct Stop {};

    char Peek() const {
        if (At >= Bytes.size())
            throw Stop{};
        return Bytes[At];
    }

    void Blanks() {
        while (At < Bytes.size() &&
               (Bytes[At] == ' ' || Bytes[At] == '\t' || Bytes[At] == '\n' || Bytes[At] == '\r'))
            ++At;
    }

    std::string PathHere() const {
        std::string path;
        for (std::size_t i = 0; i + 1 < Open.size(); ++i)
            path = Open[i].Object ? Join(path, Open[i].Key) : Item(path, Open[i].Index);
        return path;
    }

    // The path of the value being read: that of its object's or list's entry.
    std::string PathOfValue() const {
        if (Open.empty())
            return {};
        const Frame &frame = Open.back();
        return frame.Object ? Join(PathHere(), frame.Key) : Item(PathHere(), frame.Index);
    }

    void Value() {
        const char c = Peek();
        if (c == '{' || c == '[') {
            ++At;
            Open.push_back(Frame{c == '{', 0, {}});
            return;
        }
        if (c == '"') {
            String(nullptr);
            return;
        }
        while (At < Bytes.size() &&
               std::string_view(",]} \t\r\n").find(Bytes[At]) == std::string_view::npos)
            ++At;
    }

    unsigned Hex4() {
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            ++At;
            const std::size_t digit = std::string_view("0123456789abcdef").find(char(c | 0x20));
            if (digit == std::string_view::npos)
                throw Stop{};
            unit = unit * 16 + unsigned(digit);
        }
        return unit;
    }

    // The string at At, its text into Text when given; a key's faults are placed at its object.
    void String(std::string *Text) {
        const std::size_t start = At++;
        const auto fault = [&](FaultKind Kind, std::string Value) {
            return Placed(Kind, Bytes, start, Text ? PathHere() : PathOfValue(),
                          {std::move(Value)});
        };
        for (;;) {
            const char c = Peek();
            const std::size_t here = At++;
            if (c == '"')
                return;
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                throw fault(FaultKind::ControlCharacter, escape);
            }
            if (c != '\\') {
                if (Text)
                    Text->push_back(c);
                continue;
            }
            const char escape = Peek();
            ++At;
            if (escape != 'u') {
                if (Text) {
                    const std::size_t index = std::string_view("\"\\/bfnrt").find(escape);
                    Text->push_back(index == std::string_view::npos ? escape
                                                                    : "\"\\/\b\f\n\r\t"[index]);
                }
                continue;
            }
            unsigned unit = Hex4();
            if (unit >= 0xd800 && unit <= 0xdfff) {
                const bool high = unit <= 0xdbff;
                unsigned low = 0;
                if (high && At + 1 < Bytes.size() && Bytes[At] == '\\' && Bytes[At + 1] == 'u') {
                    At += 2;
                    low = Hex4();
                }
                if (!high || low < 0xdc00 || low > 0xdfff)
                    throw fault(FaultKind::LoneSurrogate, std::string(Bytes.substr(here, 6)));
                unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
            }
            if (Text)
                AppendUtf8(*Text, unit);
        }
    }

    std::string_view Bytes;
    std::size_t At = 0;
    std::vector<Frame> Open;
};

// An iterator over the bytes that tells how far the parser has read, for placing a fault the
// parser itself does not place (nesting too deep).
class Tracked {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char *;
    using reference = const char &;

    Tracked() = default;
    Tracked(const char *At, std::size_t *Read, const char *Start)
        : At(At), Read(Read), Start(Start) {}
    reference operator*() const { return *At; }
    Tracked &operator++() {
        ++At;
        if (Read)
            *Read = static_cast<std::size_t>(At - Start);
        return *this;
    }
    Tracked operator++(int) {
        Tracked before = *this;
        ++*this;
        return before;
    }
    bool operator==(const Tracked &Other) const { return At == Other.At; }

  private:
    const char *At = nullptr;
    std::size_t *Read = nullptr;
    const char *Start = nullptr;
};

// The document built from the parser's events, each number as a double; the first key twice in
// an object is noted and the parse goes on, so that a syntax fault further on is named first.
class Builder {
  public:
    using number_integer_t = Value::number_integer_t;
    using number_unsigned_t = Value::number_unsigned_t;
    using number_float_t = Value::number_float_t;
    using string_t = Value::string_t;
    using binary_t = Value::binary_t;

    explicit Builder(std::string_view Bytes) : Bytes(Bytes) {}

    Value Root;
    std::optional<Fault> Found;  // nesting too deep or a syntax fault: the parse stopped
    std::optional<Fault> Strict; // the first key twice in an object
    std::size_t Read = 0;        // bytes the parser has taken

    bool null() { return Place(Value()); }
    bool boolean(bool Flag) { return Place(Value(Flag)); }
    bool number_integer(number_integer_t Number) { return Place(static_cast<double>(Number)); }
    bool number_unsigned(number_unsigned_t Number) { return Place(static_cast<double>(Number)); }
    bool number_float(number_float_t Number, const string_t &) { return Place(Number); }
    bool string(string_t &Text) { return Place(Value(std::move(Text))); }
    bool binary(binary_t &) { return false; }
    bool start_object(std::size_t) { return Enter(Value::object()); }
    bool start_array(std::size_t) { return Enter(Value::array()); }
    bool end_object() { return Leave(); }
    bool end_array() { return Leave(); }

    bool key(string_t &Name) {
        Frame &frame = Open.back();
        if (!Strict && frame.Container->contains(Name))
            Strict = FaultAt(FaultKind::DuplicateKey, Join(PathOf(Open.size() - 1), Name));
        frame.Key = std::move(Name);
        return true;
    }

    // Placed as the program has always placed a syntax fault: just past the first character of
    // the token the parser could not take, or near the bad byte of a string.
    bool parse_error(std::size_t Position, const std::string &,
                     const nlohmann::detail::exception &Error) {
        const std::size_t last = Position == 0 ? 0 : Position - 1;
        const std::size_t start = TokenStart(last);
        const char first = start < Bytes.size() ? Bytes[start] : '\0';
        const FaultKind kind = Problem(Error, first);
        const std::size_t offset = kind == FaultKind::IllegalUtf8     ? (last == 0 ? 0 : last - 1)
                                   : kind == FaultKind::IllegalEscape ? last
                                                                      : start + 1;
        Found = Placed(kind, Bytes, offset);
        return false;
    }

  private:
    // Where the string or number ending at Last begins; Last for anything else.
    std::size_t TokenStart(std::size_t Last) const {
        if (Last >= Bytes.size())
            return Last;
        const auto numeric = [](char c) {
            return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' ||
                   c == '-';
        };
        if (Bytes[Last] == '"') {
            for (std::size_t i = Last; i-- > 0;) {
                std::size_t slashes = 0;
                while (slashes < i && Bytes[i - 1 - slashes] == '\\')
                    ++slashes;
                if (Bytes[i] == '"' && slashes % 2 == 0)
                    return i;
            }
            return Last;
        }
        std::size_t start = Last;
        while (numeric(Bytes[Last]) && start > 0 && numeric(Bytes[start - 1]))
            --start;
        return start;
    }

    struct Frame {
        Value *Container;
        std::string Key; // of an object's entry being read
    };

    // The path of the container Open[Depth] (the document's root at 0).
    std::string PathOf(std::size_t Depth) const {
        std::string path;
        for (std::size_t i = 0; i < Depth; ++i) {
            const Value &container = *Open[i].Container;
            path =
                container.is_object() ? Join(path, Open[i].Key) : Item(path, container.size() - 1);
        }
        return path;
    }

    Value *Put(Value &&Item) {
        if (Open.empty()) {
            Root = std::move(Item);
            return &Root;
        }
        Frame &frame = Open.back();
        if (frame.Container->is_array()) {
            frame.Container->push_back(std::move(Item));
            return &frame.Container->back();
        }
        // A key read twice is a fault already noted; its later value takes the place of the
        // earlier, which may be of another type (a number, then an object to fill).
        auto &object = frame.Container->get_ref<Value::object_t &>();
        return &object.insert_or_assign(frame.Key, std::move(Item)).first->second;
    }

    bool Place(Value &&Item) {
        Put(std::move(Item));
        return true;
    }

    bool Enter(Value &&Container) {
        if (Open.size() >= MaxDepth) {
            Found = Placed(FaultKind::DeepNesting, Bytes, Read == 0 ? 0 : Read - 1);
            return false;
        }
        Open.push_back(Frame{Put(std::move(Container)), {}});
        return true;
    }

    bool Leave() {
        Open.pop_back();
        return true;
    }

    // The kind of a fault the parser names in English words.
    static FaultKind Problem(const nlohmann::detail::exception &Error, char First) {
        const std::string_view what = Error.what();
        const auto has = [&](std::string_view Words) {
            return what.find(Words) != std::string_view::npos;
        };
        if (Error.id == 406 || has("invalid number"))
            return FaultKind::IllegalNumber;
        if (has("control character"))
            return FaultKind::ControlCharacter;
        if (has("surrogate"))
            return FaultKind::LoneSurrogate;
        if (has("missing closing quote"))
            return FaultKind::UnterminatedString;
        if (has("after backslash") || has("4 hex digits"))
            return FaultKind::IllegalEscape;
        if (has("ill-formed UTF-8"))
            return FaultKind::IllegalUtf8;
        if (has("expected end of input"))
            return FaultKind::GarbageAtEnd;
        if (has("object separator"))
            return FaultKind::MissingNameSeparator;
        // An object ends at its "}" or goes on after a comma with a key; a list that goes on
        // needs its comma.
        if (has("while parsing object -"))
            return FaultKind::UnterminatedObject;
        if (has("while parsing object key"))
            return has("unexpected '}'") ? FaultKind::Unrecognised : FaultKind::UnterminatedObject;
        if (has("while parsing array -"))
            return has("unexpected end of input") ? FaultKind::UnterminatedArray
                                                  : FaultKind::MissingValueSeparator;
        // A value that begins as no literal does is read as a number.
        if (has("while parsing value") && !has("unexpected end of input") &&
            std::string_view("tfn").find(First) == std::string_view::npos)
            return FaultKind::IllegalNumber;
        return FaultKind::Unrecognised;
    }

    std::string_view Bytes;
    std::vector<Frame> Open;
};

std::string NumberText(double Number) {
    // As "%.6g" writes it, whatever the locale.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, Number, std::chars_format::general, 6).ptr;
    return std::string(text, end);
}

} // namespace

void Refuse(FaultKind Kind, std::string Path, std::vector<std::string> Values) {
    throw Refusal{FaultAt(Kind, std::move(Path), std::move(Values))};
}

std::optional<Fault> ParseDocument(std::string_view Bytes, Value &Document) {
    // UTF-16 puts a zero byte beside every character of ASCII, and often a byte order mark first.
    const bool utf16 = Bytes.starts_with("\xff\xfe") || Bytes.starts_with("\xfe\xff") ||
                       (Bytes.size() >= 2 && (Bytes[0] == 0) != (Bytes[1] == 0));
    if (utf16)
        return FaultAt(FaultKind::Utf16);
    Builder builder(Bytes);
    const char *begin = Bytes.data();
    Value::sax_parse(Tracked(begin, &builder.Read, begin),
                     Tracked(begin + Bytes.size(), nullptr, begin), &builder);
    if (builder.Found) {
        const FaultKind kind = builder.Found->Kind;
        if (kind == FaultKind::ControlCharacter || kind == FaultKind::LoneSurrogate) {
            if (auto placed = StringScan(Bytes).Run())
                return placed;
        }
        return builder.Found;
    }
    if (builder.Strict)
        return builder.Strict;
    if (!builder.Root.is_object())
        return FaultAt(FaultKind::NotADocument);
    Document = std::move(builder.Root);
    return std::nullopt;
}

current::Cents AmountOf(const Value &Of, const std::string &Path) {
    if (Of.is_string())
        return CentsOfText(Of.get_ref<const std::string &>(), Path);
    if (!Of.is_number())
        Refuse(FaultKind::NotAmountType, Path);
    // The shortest text that reads back as the same number is the text the file most likely
    // held: 1234.56 rather than 1234.5599999999999.
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, Of.get<double>(), std::chars_format::fixed).ptr;
    return CentsOfText(std::string_view(text, static_cast<std::size_t>(end - text)), Path);
}

int IntegerOf(const Value &Of, const std::string &Path) {
    if (!Of.is_number())
        Refuse(FaultKind::NotInteger, Path);
    const double number = Of.get<double>();
    if (number != std::floor(number))
        Refuse(FaultKind::NotInteger, Path);
    // Far outside any month, year or share, and within an int: a number beyond it is no slip
    // of a digit the checks of the facts could name.
    if (std::fabs(number) > 1e6)
        Refuse(FaultKind::NumberOutOfRange, Path, {Quoted(NumberText(number))});
    return static_cast<int>(number);
}

std::string TextOf(const Value &Of, const std::string &Path) {
    if (!Of.is_string())
        Refuse(FaultKind::NotText, Path);
    return Of.get<std::string>();
}

current::Date DateOf(const Value &Of, const std::string &Path) {
    const std::string text = TextOf(Of, Path);
    const auto date = DigitsOf(text, true);
    if (!date)
        Refuse(FaultKind::NotDate, Path, {Quoted(text)});
    return *date;
}

current::CalendarMonth MonthOf(const Value &Of, const std::string &Path) {
    const std::string text = TextOf(Of, Path);
    const auto date = DigitsOf(text, false);
    if (!date)
        Refuse(FaultKind::NotMonth, Path, {Quoted(text)});
    return {date->Year, date->Month};
}

current::CalendarMonth EducationEndOf(const Value &Of, const std::string &Path,
                                      const current::Date &Born) {
    const current::CalendarMonth end = MonthOf(Of, Path);
    if (std::pair(end.Year, end.Month) < std::pair(Born.Year, Born.Month))
        Refuse(FaultKind::EducationEndBeforeBirth, Path, {DateText(Born)});
    return end;
}

std::size_t NameIndex(const Value &Of, const std::string &Path,
                      std::span<const char *const> Names) {
    const std::string text = TextOf(Of, Path);
    std::vector<std::string> values{Quoted(text)};
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (text == Names[i])
            return i;
        values.emplace_back(Names[i]);
    }
    Refuse(FaultKind::UnknownName, Path, std::move(values));
}

Fields::Fields(const Value &Of, std::string Where, std::initializer_list<const char *> Keys)
    : Path(std::move(Where)), Object(&Of) {
    if (!Of.is_object())
        Refuse(FaultKind::NotObject, Path);
    for (auto entry = Of.begin(); entry != Of.end(); ++entry) {
        const std::string &key = entry.key();
        const bool known =
            std::any_of(Keys.begin(), Keys.end(), [&](const char *name) { return key == name; });
        if (!known)
            Refuse(FaultKind::UnknownKey, Join(Path, key),
                   std::vector<std::string>(Keys.begin(), Keys.end()));
    }
}

const Value *Fields::Get(const char *Key) const {
    const auto found = Object->find(Key);
    if (found == Object->end() || found->is_null())
        return nullptr;
    return &*found;
}

const Value &Fields::Need(const char *Key) const {
    if (const Value *value = Get(Key))
        return *value;
    Refuse(FaultKind::MissingKey, At(Key));
}

bool Fields::Flag(const char *Key, bool Default) const {
    const Value *value = Get(Key);
    if (value && !value->is_boolean())
        Refuse(FaultKind::NotFlag, At(Key));
    return value ? value->get<bool>() : Default;
}

const Value *Fields::ArrayAt(const char *Key, bool Required) const {
    const Value *value = Required ? &Need(Key) : Get(Key);
    if (!value)
        return nullptr;
    if (!value->is_array())
        Refuse(FaultKind::NotList, At(Key));
    return value;
}

} // namespace formats::json
