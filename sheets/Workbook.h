#pragma once
// Excel workbooks as the writer sees them. They are made by a module of their own (pendra_xlsx,
// folder xlsx/) over libxlsxwriter, loaded with the first workbook written: libxlsxwriter brings
// OpenSSL's libcrypto, which the program would otherwise load at every start for a window the
// user may never open.

#include <QString>
#include <QtPlugin>

#include <cstdint>
#include <memory>
#include <string_view>

namespace sheets {

// Rows of one worksheet, the header being row 0, and its columns.
constexpr std::uint32_t MaxWorkbookRows = 1048576;
constexpr std::uint32_t MaxWorkbookColumns = 16384;

// A workbook being written in constant memory, one worksheet after the other: each row goes to
// the library's temporary file as soon as the next one starts, so cells are placed row by row,
// left to right.
class WorkbookSheet {
  public:
    virtual ~WorkbookSheet() = default;
    // Ends the worksheet being written, if any, and starts another, named Name (empty: the
    // library's own name, Sheet1 and so on), which the calls from then on write to.
    virtual void NextSheet(const QString &Name) = 0;
    // The header row at Row (rows above it hold a title): bold titles, the columns widened, the
    // rows down to it frozen above the scrolling ones.
    virtual void Header(std::uint32_t Row, const QStringList &Titles) = 0;
    // An empty text leaves the cell empty.
    virtual void Text(std::uint32_t Row, std::uint16_t Column, std::string_view Cell) = 0;
    virtual void Number(std::uint32_t Row, std::uint16_t Column, double Value) = 0;
    // Shown with two decimals.
    virtual void Amount(std::uint32_t Row, std::uint16_t Column, double Value) = 0;
    // The first fault since the sheet was opened; empty while there is none.
    virtual QString Fault() const = 0;
    // Finishes the file; returns the fault, empty when it was written whole. A sheet deleted
    // without being closed leaves its file as it was.
    virtual QString Close() = 0;
};

class WorkbookMaker {
  public:
    virtual ~WorkbookMaker() = default;
    // A workbook in the file FileName, no worksheet begun yet (NextSheet begins the first); null
    // when it cannot be made there.
    virtual std::unique_ptr<WorkbookSheet> Open(const QString &FileName) = 0;
};

// The maker of the module, loaded once; null when the module is found nowhere. Thread-safe.
WorkbookMaker *Workbooks();

} // namespace sheets

#define WorkbookMaker_iid "example.pendra.TaxCalculator.WorkbookMaker/1.2"
Q_DECLARE_INTERFACE(sheets::WorkbookMaker, WorkbookMaker_iid)
