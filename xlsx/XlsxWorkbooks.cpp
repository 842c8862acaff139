#include "xlsx/XlsxWorkbooks.h"

#include <QFile>
#include <xlsxwriter.h>

#include <string>

static_assert(sheets::MaxWorkbookRows == LXW_ROW_MAX);

namespace xlsx {
namespace {

constexpr double ColumnWidth = 16;

// libxlsxwriter in its constant-memory mode: strings inline, each row flushed once the next
// begins, so a million rows cost no more memory than one.
class Sheet : public sheets::WorkbookSheet {
  public:
    explicit Sheet(lxw_workbook *Made) : Book(Made) {
        Worksheet = workbook_add_worksheet(Book, nullptr);
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

    bool Opened() const { return Worksheet != nullptr; }

    void Header(const QStringList &Titles) override {
        lxw_col_t column = 0;
        for (const QString &title : Titles)
            Put(0, column++, title.toUtf8().toStdString(), Bold);
        if (column > 0)
            worksheet_set_column(Worksheet, 0, column - 1, ColumnWidth, nullptr);
        worksheet_freeze_panes(Worksheet, 1, 0);
    }
    void Text(std::uint32_t Row, std::uint16_t Column, std::string_view Cell) override {
        Put(Row, Column, Cell, nullptr);
    }
    void Number(std::uint32_t Row, std::uint16_t Column, double Value) override {
        Keep(worksheet_write_number(Worksheet, Row, Column, Value, nullptr));
    }
    void Amount(std::uint32_t Row, std::uint16_t Column, double Value) override {
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

    void Put(lxw_row_t Row, lxw_col_t Column, std::string_view Cell, lxw_format *Format) {
        if (!Cell.empty())
            Keep(worksheet_write_string(Worksheet, Row, Column, std::string(Cell).c_str(), Format));
    }
    void Keep(lxw_error Result) {
        if (Error == LXW_NO_ERROR)
            Error = Result;
    }
    static QString FaultOf(lxw_error Error) {
        if (Error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
            return QStringLiteral("一个单元格的文字超过了Excel允许的32767个字符");
        return QString::fromUtf8(lxw_strerror(Error));
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
