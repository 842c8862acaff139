#pragma once
// A workbook part's XML read straight from its UTF-8 bytes: a worksheet of a million rows is
// most of a workbook's reading, and QXmlStreamReader spends it turning every byte into UTF-16
// and every name and value into a QString the reader looks at once. Here a token is a view into
// the bytes just inflated; only a text with an entity or a carriage return is decoded, into a
// buffer of its own.
//
// It reads what a spreadsheet program writes: UTF-8 (a BOM allowed), the five entities and
// character references, CDATA, comments, processing instructions, namespace prefixes. It is as
// strict about being well formed as QXmlStreamReader, so that a part both read gives the same
// tokens or fails in both. What it does not read (a document type declaration, another
// encoding) it says before the first token, for the part to be read by QXmlStreamReader instead.

#include <QIODevice>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace sheets {

class XmlBytes {
  public:
    enum class Token { StartElement, EndElement, Characters, Other, Invalid, EndDocument };

    // Device is read from its current position; nothing is read by the constructor.
    explicit XmlBytes(QIODevice &Device);

    // Whether the part that starts with these bytes (its first few kilobytes, as peeked) is one
    // this reader reads: UTF-8 without a document type declaration.
    static bool Suits(std::string_view Start);

    Token Next();
    bool AtEnd() const { return Ended; }
    bool HasError() const { return Failed; }
    // Stops reading, as a fault of the document.
    void RaiseError();

    // Of the element just started or ended: its name without a prefix.
    std::string_view Name() const { return LocalName; }
    // Of the element just started: an attribute's value by its name without a prefix, entities
    // and white space of the value resolved as XML says; Found false when absent.
    std::string_view Attribute(std::string_view LocalName, bool *Found = nullptr) const;
    // Of a Characters token: the text, entities resolved and line ends made "\n".
    std::string_view Text() const { return Characters; }

  private:
    struct Attr {
        std::string_view Qualified;
        std::string_view Local;
        std::string_view Value;
    };

    QIODevice &Device;
    std::string Buffer;
    std::size_t Pos = 0;     // of the next byte to tokenize
    std::size_t Filled = 0;  // bytes of Buffer read
    std::size_t Checked = 0; // bytes of Buffer found valid UTF-8 of XML characters
    bool Drained = false;    // the device gave all it had
    bool Started = false;    // past the BOM and the XML declaration
    bool Ended = false;
    bool Failed = false;
    bool RootSeen = false;
    bool PendingEnd = false; // an empty element's end, given after its start

    std::string_view LocalName;
    std::string_view Characters;
    std::vector<Attr> Attrs;
    std::string TextBuffer;
    std::deque<std::string> ValueBuffers; // growing keeps the earlier ones where they are
    // Open elements' qualified names, one after another, and where each starts.
    std::string OpenNames;
    std::vector<std::size_t> OpenStarts;
    // Namespace prefixes declared, with the depth of the element that declared each.
    struct Declaration {
        std::string Prefix;
        std::string Uri;
        std::size_t Depth;
    };
    std::vector<Declaration> Prefixes;

    Token Fail();
    // Makes at least Count bytes from Pos available; false at the end of the data.
    bool Have(std::size_t Count);
    bool CheckCharacters();
    bool Prolog();
    Token Markup();
    Token StartTag(std::size_t End);
    Token EndTag(std::size_t End);
    Token TextToken();
    // Where Pattern starts at or after From (relative to Pos), reading on as needed; npos at the
    // end of the data.
    std::size_t Find(std::string_view Pattern, std::size_t From);
    bool Decode(std::string_view Raw, bool InAttribute, std::string &Out);
    bool Declared(std::string_view Prefix) const;
    std::string_view NamespaceOf(std::string_view Prefix) const;
    void PopPrefixes();
};

} // namespace sheets
