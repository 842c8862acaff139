#include "xlsx/XlsxWorkbooks.h"

#include "sheets/SheetText.h"

#include <QFile>
#include <xlsxwriter.h>

#include <string>

static_assert(sheets::MaxWorkbookRows == LXW_ROW_MAX);
static_assert(sheets::MaxWorkbookColumns == LXW_COL_MAX);

namespace xlsx {
namespace {

constexpr double ColumnWidth = 16;

// libxlsxwriter in its constant-memory mode: strings inline, each row flushed once the next
// begins, so a million rows cost no more memory than one.
class Sheet : public sheets::WorkbookSheet {
  public:
    explicit Sheet(lxw_workbook *Made) : Book(Made) {
        Bold = workbook_add_format(Book);
        format_set_bold(Bold);
        TwoDecimals = workbook_add_format(Book);
        format_set_num_format(TwoDecimals, "0.00");
    }
    ~Sheet() override {
        if (Book != nullptr)
            lxw_workbook_free(Book); // left unfinished: nothing is written
    }
    Sheet(const Sheet &) = delete;
    Sheet &operator=(const Sheet &) = delete;

    bool Opened() const { return Bold != nullptr && TwoDecimals != nullptr; }

    void NextSheet(const QString &Name) override {
        const QByteArray name = Name.toUtf8();
        lxw_worksheet *next =
            workbook_add_worksheet(Book, Name.isEmpty() ? nullptr : name.constData());
        if (next == nullptr)
            Keep(LXW_ERROR_MEMORY_MALLOC_FAILED);
        else
            Worksheet = next;
    }

    void Header(std::uint32_t Row, const QStringList &Titles) override {
        lxw_col_t column = 0;
        for (const QString &title : Titles)
            Put(Row, column++, title.toUtf8().toStdString(), Bold);
        if (column > 0 && Worksheet != nullptr)
            worksheet_set_column(Worksheet, 0, column - 1, ColumnWidth, nullptr);
        if (Worksheet != nullptr)
            worksheet_freeze_panes(Worksheet, Row + 1, 0);
    }
    void Text(std::uint32_t Row, std::uint16_t Column, std::string_view Cell) override {
        Put(Row, Column, Cell, nullptr);
    }
    void Number(std::uint32_t Row, std::uint16_t Column, double Value) override {
        if (Began())
            Keep(worksheet_write_number(Worksheet, Row, Column, Value, nullptr));
    }
    void Amount(std::uint32_t Row, std::uint16_t Column, double Value) override {
        if (Began())
            Keep(worksheet_write_number(Worksheet, Row, Column, Value, TwoDecimals));
    }
    QString Fault() const override { return Error == LXW_NO_ERROR ? QString() : FaultOf(Error); }
    QString Close() override {
        if (Error == LXW_NO_ERROR)
            Error = workbook_close(Book);
        else
            lxw_workbook_free(Book);
        Book = nullptr;
        return Fault();
    }

  private:
    lxw_workbook *Book;
    lxw_worksheet *Worksheet = nullptr;
    lxw_format *Bold = nullptr;
    lxw_format *TwoDecimals = nullptr;
    lxw_error Error = LXW_NO_ERROR; // the first

    // A cell written before any NextSheet is a fault of the caller, kept as one.
    bool Began() {
        if (Worksheet == nullptr)
            Keep(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE);
        return Worksheet != nullptr;
    }
    void Put(lxw_row_t Row, lxw_col_t Column, std::string_view Cell, lxw_format *Format) {
        if (!Cell.empty() && Began())
            Keep(worksheet_write_string(Worksheet, Row, Column, std::string(Cell).c_str(), Format));
    }
    void Keep(lxw_error Result) {
        if (Error == LXW_NO_ERROR)
            Error = Result;
    }
    // In the program's words: the library's own are English.
    static QString FaultOf(lxw_error Error) {
        using sheets::SheetText;
        switch (Error) {
        case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
            return SheetText::tr("一个单元格的文字超过了Excel允许的32767个字符");
        case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
            return SheetText::tr("超出了Excel一张工作表的%1行、%2列")
                .arg(sheets::MaxWorkbookRows)
                .arg(sheets::MaxWorkbookColumns);
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return SheetText::tr("内存不足");
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            return SheetText::tr("无法在临时文件夹中写入");
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return SheetText::tr("无法写出文件（磁盘已满或没有写入权限）");
        default:
            return SheetText::tr("写Excel文件的组件出错（错误代码%1）").arg(int(Error));
        }
    }
};

} // namespace

std::unique_ptr<sheets::WorkbookSheet> XlsxWorkbooks::Open(const QString &FileName) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(QFile::encodeName(FileName).constData(), &options);
    if (book == nullptr)
        return nullptr;
    auto sheet = std::make_unique<Sheet>(book);
    if (!sheet->Opened())
        return nullptr;
    return sheet;
}

} // namespace xlsx
