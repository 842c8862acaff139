#include "sheets/XmlBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace sheets {
namespace {

constexpr std::size_t Chunk = 64 * 1024;
// A comment, a processing instruction or a CDATA section may hold "<", so the part's own limit
// on a run without one does not bound them: this does.
constexpr std::size_t LongestToken = 1024 * 1024;
// Deeper than any part is read (the workbook reader stops at its own limit long before).
constexpr std::size_t DeepestElement = 1024;

// Names are a few letters: compared here rather than by a call to memcmp.
bool Same(std::string_view A, std::string_view B) {
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i) {
        if (A[i] != B[i])
            return false;
    }
    return true;
}

bool IsSpace(char C) {
    return C == ' ' || C == '\t' || C == '\n' || C == '\r';
}
bool IsNameStart(unsigned char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_' || C == ':' || C >= 0x80;
}
// After its first letter, an attribute's name goes on to a byte of markup or white space, as
// QXmlStreamReader reads them ("a}b" is a name to it).
bool IsNameChar(unsigned char C) {
    switch (C) {
    case '\n':
    case ' ':
    case '\t':
    case '\r':
    case '&':
    case '#':
    case '\'':
    case '"':
    case '<':
    case '>':
    case '[':
    case ']':
    case '=':
    case '%':
    case '/':
    case ';':
    case '?':
    case '!':
    case '^':
    case '|':
    case ',':
    case '(':
    case ')':
    case '+':
    case '*':
    case 0:
        return false;
    default:
        return true;
    }
}
bool IsXmlChar(std::uint32_t C) {
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) ||
           (C >= 0xE000 && C <= 0xFFFD) || (C >= 0x10000 && C <= 0x10FFFF);
}

void AppendUtf8(std::string &Out, std::uint32_t C) {
    if (C < 0x80) {
        Out.push_back(static_cast<char>(C));
    } else if (C < 0x800) {
        Out.push_back(static_cast<char>(0xC0 | (C >> 6)));
        Out.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else if (C < 0x10000) {
        Out.push_back(static_cast<char>(0xE0 | (C >> 12)));
        Out.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Out.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else {
        Out.push_back(static_cast<char>(0xF0 | (C >> 18)));
        Out.push_back(static_cast<char>(0x80 | ((C >> 12) & 0x3F)));
        Out.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Out.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    }
}

// A name of one part or of a prefix and a local part; the local part.
bool SplitName(std::string_view Qualified, std::string_view &Prefix, std::string_view &Local) {
    std::size_t colon = 0;
    while (colon < Qualified.size() && Qualified[colon] != ':')
        ++colon;
    if (colon == Qualified.size()) {
        Prefix = {};
        Local = Qualified;
        return true;
    }
    Prefix = Qualified.substr(0, colon);
    Local = Qualified.substr(colon + 1);
    return !Prefix.empty() && !Local.empty() && Local.find(':') == std::string_view::npos &&
           IsNameStart(static_cast<unsigned char>(Local[0])) && Local[0] != ':';
}

// An element's name holds only letters, digits, "-", ".", "_" and ":" of ASCII.
bool IsElementNameChar(unsigned char C) {
    return IsNameStart(C) || (C >= '0' && C <= '9') || C == '-' || C == '.';
}

// An element's name starts with a letter; an attribute's, as QXmlStreamReader reads them, with
// any byte that may follow in a name but a digit, "-", "." or ":".
bool IsAttributeStart(unsigned char C) {
    return IsNameChar(C) && !(C >= '0' && C <= '9') && C != '-' && C != '.' && C != ':';
}

std::size_t NameLength(std::string_view Text, bool Attribute = false) {
    if (Text.empty())
        return 0;
    const auto first = static_cast<unsigned char>(Text[0]);
    if (!(Attribute ? IsAttributeStart(first) : IsNameStart(first)))
        return 0;
    std::size_t n = 1;
    while (n < Text.size() && (Attribute ? IsNameChar(static_cast<unsigned char>(Text[n]))
                                         : IsElementNameChar(static_cast<unsigned char>(Text[n]))))
        ++n;
    return n;
}

std::size_t SkipSpaces(std::string_view Text, std::size_t At) {
    while (At < Text.size() && IsSpace(Text[At]))
        ++At;
    return At;
}

// One pseudo-attribute of the XML declaration: name = "value".
bool DeclarationValue(std::string_view Text, std::size_t &At, std::string_view Name,
                      std::string_view &Value) {
    const std::size_t start = SkipSpaces(Text, At);
    if (start == At || Text.substr(start, Name.size()) != Name)
        return false;
    std::size_t i = SkipSpaces(Text, start + Name.size());
    if (i >= Text.size() || Text[i] != '=')
        return false;
    i = SkipSpaces(Text, i + 1);
    if (i >= Text.size() || (Text[i] != '"' && Text[i] != '\''))
        return false;
    const std::size_t close = Text.find(Text[i], i + 1);
    if (close == std::string_view::npos)
        return false;
    Value = Text.substr(i + 1, close - i - 1);
    At = close + 1;
    return true;
}

bool SameAsciiIgnoringCase(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               const auto lower = [](char C) { return C >= 'A' && C <= 'Z' ? char(C + 32) : C; };
               return lower(X) == lower(Y);
           });
}

} // namespace

XmlBytes::XmlBytes(QIODevice &Device) : Device(Device) {}

bool XmlBytes::Suits(std::string_view Start) {
    if (Start.substr(0, 3) == "\xEF\xBB\xBF")
        Start.remove_prefix(3);
    if (!Start.empty() && Start[0] != '<' && !IsSpace(Start[0]))
        return false; // UTF-16 or UTF-32, with a BOM or without, or not XML at all
    if (Start.substr(0, 5) == "<?xml" && Start.size() > 5 && IsSpace(Start[5])) {
        const std::size_t end = Start.find("?>");
        if (end == std::string_view::npos)
            return false;
        const std::string_view declaration = Start.substr(5, end - 5);
        std::size_t at = 0;
        std::string_view version;
        std::string_view value;
        if (!DeclarationValue(declaration, at, "version", version) || version != "1.0")
            return false;
        if (DeclarationValue(declaration, at, "encoding", value) &&
            !SameAsciiIgnoringCase(value, "utf-8"))
            return false;
        if (DeclarationValue(declaration, at, "standalone", value) && value != "yes" &&
            value != "no")
            return false;
        if (SkipSpaces(declaration, at) != declaration.size())
            return false;
    }
    return Start.find("<!DOCTYPE") == std::string_view::npos;
}

void XmlBytes::RaiseError() {
    Failed = true;
    Ended = true;
}

XmlBytes::Token XmlBytes::Fail() {
    RaiseError();
    return Token::Invalid;
}

bool XmlBytes::Have(std::size_t Count) {
    if (Filled - Pos >= Count)
        return true;
    if (Count > LongestToken)
        return false;
    if (Pos > 0) {
        std::memmove(Buffer.data(), Buffer.data() + Pos, Filled - Pos);
        Filled -= Pos;
        Checked -= Pos;
        Pos = 0;
    }
    while (Filled < Count && !Drained) {
        if (Buffer.size() < Filled + Chunk)
            Buffer.resize(Filled + Chunk);
        const qint64 read = Device.read(Buffer.data() + Filled, qint64(Chunk));
        if (read <= 0)
            Drained = true;
        else
            Filled += static_cast<std::size_t>(read);
        if (!CheckCharacters()) {
            Fail();
            return false;
        }
    }
    return Filled - Pos >= Count;
}

// Every byte read is UTF-8 of a character XML allows; a sequence cut by the end of what was read
// so far waits for the next read.
bool XmlBytes::CheckCharacters() {
    const auto *bytes = reinterpret_cast<const unsigned char *>(Buffer.data());
    std::size_t i = Checked;
    while (i < Filled) {
        // Eight plain characters at a time: no byte with the high bit, none below a space.
        if (Filled - i >= 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            constexpr std::uint64_t ones = 0x0101010101010101ULL;
            constexpr std::uint64_t highs = 0x8080808080808080ULL;
            if ((word & highs) == 0 && ((word - 0x20 * ones) & ~word & highs) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = bytes[i];
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= Filled) {
                Checked = i;
                return !Drained;
            }
            const unsigned char next = bytes[i + k];
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (!IsXmlChar(code))
            return false;
        i += length;
    }
    Checked = i;
    return true;
}

std::size_t XmlBytes::Find(std::string_view Pattern, std::size_t From) {
    if (Pattern.size() == 1) {
        // A tag's end or a text's: a few bytes on, too near for memchr's call to pay.
        for (;;) {
            const char *const held = Buffer.data() + Pos;
            const std::size_t size = Filled - Pos;
            for (; From < size; ++From) {
                if (held[From] == Pattern[0])
                    return From;
            }
            if (!Have(size + 1))
                return std::string_view::npos;
        }
    }
    for (;;) {
        const std::string_view held(Buffer.data() + Pos, Filled - Pos);
        const std::size_t at = held.find(Pattern, From);
        if (at != std::string_view::npos)
            return at;
        if (held.size() >= Pattern.size())
            From = std::max(From, held.size() - Pattern.size() + 1);
        if (!Have(held.size() + 1))
            return std::string_view::npos;
    }
}

bool XmlBytes::Prolog() {
    if (Have(3) && std::string_view(Buffer.data() + Pos, 3) == "\xEF\xBB\xBF")
        Pos += 3;
    if (Failed)
        return false;
    if (Have(6) && std::string_view(Buffer.data() + Pos, 5) == "<?xml" &&
        IsSpace(Buffer[Pos + 5])) {
        const std::size_t end = Find("?>", 6);
        if (end == std::string_view::npos)
            return false;
        Pos += end + 2;
    }
    return !Failed;
}

XmlBytes::Token XmlBytes::Next() {
    if (Ended)
        return Failed ? Token::Invalid : Token::EndDocument;
    Characters = {};
    Attrs.clear();
    if (PendingEnd) {
        PendingEnd = false;
        LocalName = std::string_view(OpenNames).substr(OpenStarts.back());
        std::string_view prefix;
        SplitName(LocalName, prefix, LocalName);
        TextBuffer.assign(LocalName);
        LocalName = TextBuffer;
        OpenNames.resize(OpenStarts.back());
        OpenStarts.pop_back();
        PopPrefixes();
        return Token::EndElement;
    }
    if (!Started) {
        if (!Prolog())
            return Fail();
        Started = true;
    }
    if (!Have(1)) {
        if (Failed || !RootSeen || !OpenStarts.empty())
            return Fail();
        Ended = true;
        return Token::EndDocument;
    }
    return Buffer[Pos] == '<' ? Markup() : TextToken();
}

XmlBytes::Token XmlBytes::Markup() {
    if (!Have(2))
        return Fail();
    const char kind = Buffer[Pos + 1];
    if (kind == '/') {
        const std::size_t end = Find(">", 2);
        return end == std::string_view::npos ? Fail() : EndTag(end);
    }
    if (kind == '?') {
        const std::size_t end = Find("?>", 2);
        if (end == std::string_view::npos)
            return Fail();
        const std::string_view body(Buffer.data() + Pos + 2, end - 2);
        const std::size_t name = NameLength(body);
        if (name == 0 || (name < body.size() && !IsSpace(body[name])) ||
            SameAsciiIgnoringCase(body.substr(0, name), "xml"))
            return Fail();
        Pos += end + 2;
        return Token::Other;
    }
    if (kind == '!') {
        if (!Have(4))
            return Fail();
        if (std::string_view(Buffer.data() + Pos, 4) == "<!--") {
            const std::size_t dashes = Find("--", 4);
            if (dashes == std::string_view::npos || !Have(dashes + 3) ||
                Buffer[Pos + dashes + 2] != '>')
                return Fail();
            Pos += dashes + 3;
            return Token::Other;
        }
        if (!Have(9) || std::string_view(Buffer.data() + Pos, 9) != "<![CDATA[" ||
            OpenStarts.empty())
            return Fail();
        const std::size_t end = Find("]]>", 9);
        if (end == std::string_view::npos)
            return Fail();
        const std::string_view raw(Buffer.data() + Pos + 9, end - 9);
        if (raw.find('\r') == std::string_view::npos) {
            Characters = raw;
        } else {
            TextBuffer.clear();
            for (std::size_t i = 0; i < raw.size(); ++i) {
                if (raw[i] != '\r')
                    TextBuffer.push_back(raw[i]);
                else if (i + 1 >= raw.size() || raw[i + 1] != '\n')
                    TextBuffer.push_back('\n');
            }
            Characters = TextBuffer;
        }
        Pos += end + 3;
        return Token::Characters;
    }
    // A start tag ends at the first ">" outside quotes; a "<" before it is a fault.
    std::size_t i = 1;
    char quote = 0;
    for (;;) {
        const char *const start = Buffer.data() + Pos;
        const std::size_t held = Filled - Pos;
        for (; i < held; ++i) {
            const char c = start[i];
            if (c == '<')
                return Fail();
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return StartTag(i);
            }
        }
        if (!Have(held + 1))
            return Fail();
    }
}

XmlBytes::Token XmlBytes::StartTag(std::size_t End) {
    const std::string_view tag(Buffer.data() + Pos + 1, End - 1);
    const bool empty = !tag.empty() && tag.back() == '/';
    const std::string_view body = empty ? tag.substr(0, tag.size() - 1) : tag;
    const std::size_t nameLength = NameLength(body);
    if (nameLength == 0 || (RootSeen && OpenStarts.empty()) || OpenStarts.size() >= DeepestElement)
        return Fail();
    const std::string_view name = body.substr(0, nameLength);
    std::size_t values = 0;
    for (std::size_t at = nameLength;;) {
        const std::size_t next = SkipSpaces(body, at);
        if (next == body.size())
            break;
        if (next == at)
            return Fail();
        const std::size_t length = NameLength(body.substr(next), true);
        if (length == 0)
            return Fail();
        const std::string_view qualified = body.substr(next, length);
        std::size_t i = SkipSpaces(body, next + length);
        if (i >= body.size() || body[i] != '=')
            return Fail();
        i = SkipSpaces(body, i + 1);
        if (i >= body.size() || (body[i] != '"' && body[i] != '\''))
            return Fail();
        const char quote = body[i];
        bool plain = true;
        std::size_t close = i + 1;
        for (; close < body.size() && body[close] != quote; ++close) {
            const char c = body[close];
            plain = plain && c != '&' && c != '\t' && c != '\n' && c != '\r';
        }
        if (close == body.size())
            return Fail();
        std::string_view value = body.substr(i + 1, close - i - 1);
        at = close + 1;
        if (!plain) {
            if (ValueBuffers.size() <= values)
                ValueBuffers.resize(values + 1);
            if (!Decode(value, true, ValueBuffers[values]))
                return Fail();
            value = ValueBuffers[values++];
        }
        std::string_view prefix;
        std::string_view local;
        if (!SplitName(qualified, prefix, local))
            return Fail();
        if (prefix == "xmlns") {
            if (value.empty())
                return Fail();
            Prefixes.push_back({std::string(local), std::string(value), OpenStarts.size() + 1});
        }
        Attrs.push_back({qualified,
                         prefix == "xmlns" || qualified == "xmlns" ? std::string_view() : local,
                         value});
    }
    std::string_view prefix;
    std::string_view local;
    if (!SplitName(name, prefix, local) || (!prefix.empty() && !Declared(prefix)))
        return Fail();
    // Two attributes of one name in one namespace are one attribute twice, whatever their
    // prefixes.
    std::size_t namespaced = 0;
    for (const Attr &attribute : Attrs) {
        std::string_view attributePrefix;
        std::string_view attributeLocal;
        SplitName(attribute.Qualified, attributePrefix, attributeLocal);
        if (attributePrefix.empty() || attributePrefix == "xmlns")
            continue;
        if (attributePrefix != "xml" && !Declared(attributePrefix))
            return Fail();
        ++namespaced;
    }
    if (namespaced > 1) {
        std::vector<std::pair<std::string_view, std::string_view>> names;
        for (const Attr &attribute : Attrs) {
            std::string_view attributePrefix;
            std::string_view attributeLocal;
            SplitName(attribute.Qualified, attributePrefix, attributeLocal);
            if (!attributePrefix.empty() && attributePrefix != "xmlns")
                names.emplace_back(NamespaceOf(attributePrefix), attributeLocal);
        }
        std::sort(names.begin(), names.end());
        if (std::adjacent_find(names.begin(), names.end()) != names.end())
            return Fail();
    }
    // An attribute twice is a fault; a tag of many attributes is sorted rather than compared
    // pair by pair.
    if (Attrs.size() <= 16) {
        for (std::size_t a = 1; a < Attrs.size(); ++a) {
            for (std::size_t b = 0; b < a; ++b) {
                if (Attrs[a].Qualified == Attrs[b].Qualified)
                    return Fail();
            }
        }
    } else {
        std::vector<std::string_view> names;
        names.reserve(Attrs.size());
        for (const Attr &attribute : Attrs)
            names.push_back(attribute.Qualified);
        std::sort(names.begin(), names.end());
        if (std::adjacent_find(names.begin(), names.end()) != names.end())
            return Fail();
    }
    LocalName = local;
    OpenStarts.push_back(OpenNames.size());
    OpenNames += name;
    RootSeen = true;
    PendingEnd = empty;
    Pos += End + 1;
    return Token::StartElement;
}

XmlBytes::Token XmlBytes::EndTag(std::size_t End) {
    std::string_view name(Buffer.data() + Pos + 2, End - 2);
    const std::size_t length = NameLength(name);
    if (length == 0 || SkipSpaces(name, length) != name.size() || OpenStarts.empty())
        return Fail();
    name = name.substr(0, length);
    if (!Same(std::string_view(OpenNames).substr(OpenStarts.back()), name))
        return Fail();
    std::string_view prefix;
    SplitName(name, prefix, LocalName);
    OpenNames.resize(OpenStarts.back());
    OpenStarts.pop_back();
    PopPrefixes();
    Pos += End + 1;
    return Token::EndElement;
}

XmlBytes::Token XmlBytes::TextToken() {
    std::size_t end = Find("<", 0);
    if (end == std::string_view::npos) {
        if (Failed || !Drained)
            return Fail();
        end = Filled - Pos;
    }
    const std::string_view raw(Buffer.data() + Pos, end);
    if (OpenStarts.empty()) {
        // Outside the root element only white space may stand, and it is no text.
        if (SkipSpaces(raw, 0) != raw.size())
            return Fail();
        Pos += end;
        return Token::Other;
    }
    {
        bool plain = true;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c == ']' && raw.substr(i, 3) == "]]>")
                return Fail();
            plain = plain && c != '&' && c != '\r';
        }
        if (plain) {
            Characters = raw;
        } else {
            if (!Decode(raw, false, TextBuffer))
                return Fail();
            Characters = TextBuffer;
        }
    }
    Pos += end;
    return Token::Characters;
}

// Entities and character references resolved, line ends made "\n" and, in an attribute's
// value, white space made spaces; false for a reference XML does not allow.
bool XmlBytes::Decode(std::string_view Raw, bool InAttribute, std::string &Out) {
    Out.clear();
    for (std::size_t i = 0; i < Raw.size(); ++i) {
        const char c = Raw[i];
        if (c == '\r') {
            if (i + 1 < Raw.size() && Raw[i + 1] == '\n')
                ++i;
            Out.push_back(InAttribute ? ' ' : '\n');
        } else if (InAttribute && (c == '\t' || c == '\n')) {
            Out.push_back(' ');
        } else if (c != '&') {
            Out.push_back(c);
        } else {
            const std::size_t semicolon = Raw.find(';', i + 1);
            if (semicolon == std::string_view::npos)
                return false;
            const std::string_view name = Raw.substr(i + 1, semicolon - i - 1);
            i = semicolon;
            if (name == "lt") {
                Out.push_back('<');
            } else if (name == "gt") {
                Out.push_back('>');
            } else if (name == "amp") {
                Out.push_back('&');
            } else if (name == "apos") {
                Out.push_back('\'');
            } else if (name == "quot") {
                Out.push_back('"');
            } else if (name.size() >= 2 && name[0] == '#') {
                const bool hex = name[1] == 'x';
                std::string_view digits = name.substr(hex ? 2 : 1);
                if (digits.empty())
                    return false;
                while (digits.size() > 1 && digits[0] == '0')
                    digits.remove_prefix(1);
                if (digits.size() > 8)
                    return false;
                std::uint32_t code = 0;
                for (const char d : digits) {
                    int value = -1;
                    if (d >= '0' && d <= '9')
                        value = d - '0';
                    else if (hex && d >= 'a' && d <= 'f')
                        value = d - 'a' + 10;
                    else if (hex && d >= 'A' && d <= 'F')
                        value = d - 'A' + 10;
                    if (value < 0)
                        return false;
                    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
                }
                if (!IsXmlChar(code))
                    return false;
                AppendUtf8(Out, code);
            } else {
                return false;
            }
        }
    }
    return true;
}

std::string_view XmlBytes::Attribute(std::string_view Local, bool *Found) const {
    for (const Attr &attribute : Attrs) {
        if (Same(attribute.Local, Local) && !Local.empty()) {
            if (Found != nullptr)
                *Found = true;
            return attribute.Value;
        }
    }
    if (Found != nullptr)
        *Found = false;
    return {};
}

bool XmlBytes::Declared(std::string_view Prefix) const {
    if (Prefix == "xml")
        return true;
    return std::any_of(Prefixes.begin(), Prefixes.end(),
                       [Prefix](const Declaration &Made) { return Made.Prefix == Prefix; });
}

std::string_view XmlBytes::NamespaceOf(std::string_view Prefix) const {
    for (auto made = Prefixes.rbegin(); made != Prefixes.rend(); ++made) {
        if (made->Prefix == Prefix)
            return made->Uri;
    }
    return Prefix == "xml" ? "http://www.w3.org/XML/1998/namespace" : std::string_view();
}

void XmlBytes::PopPrefixes() {
    while (!Prefixes.empty() && Prefixes.back().Depth > OpenStarts.size())
        Prefixes.pop_back();
}

} // namespace sheets
