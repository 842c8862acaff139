#pragma once
// The payroll sheet of the large-file benchmarks: 100,000 employees × 10 months = 1,000,000 rows,
// written as CSV and as .xlsx (numbers as numbers, by libxlsxwriter directly); and what both
// benchmarks measure it with.

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <string>

namespace PayrollFiles {

constexpr int Employees = 100'000;
constexpr int Months = 10;

// One row of the generated sheet: month-major, as a payroll export lists it, so every employee's
// rows are spread over the whole file.
struct Generated {
    std::string Id, Name, Month, Income, Exempt, Insurance, Special, Other, Mode;
};

inline std::string Amount(long long Cents) {
    return std::to_string(Cents / 100) + "." + char('0' + Cents % 100 / 10) +
           char('0' + Cents % 10);
}

inline Generated Row(int Employee, int Month) {
    static const char *const Surnames[] = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄"};
    static const char *const Modes[] = {"", "", "", "按月", "自1月", "6万"};
    const long long wage = 500'000 + (Employee * 7919LL % 6'000'000);
    char id[16];
    std::snprintf(id, sizeof id, "E%06d", Employee);
    return {id,
            std::string(Surnames[Employee % 8]) + "员工" + std::to_string(Employee),
            std::to_string(Month),
            Amount(wage + Month * 1234),
            Employee % 10 == 0 ? "500.00" : "0",
            Amount(wage / 10),
            Employee % 3 == 0 ? "3000" : "1500",
            "0",
            Modes[Employee % 6]};
}

inline const char *const Header[] = {"工号",     "姓名",         "月份",     "收入",    "免税收入",
                                     "专项扣除", "专项附加扣除", "其他扣除", "减除方式"};

inline void WriteCsv(const QString &Path) {
    FILE *file = std::fopen(QFile::encodeName(Path).constData(), "wb");
    std::fputs("工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n", file);
    for (int month = 1; month <= Months; ++month) {
        for (int employee = 0; employee < Employees; ++employee) {
            const Generated r = Row(employee, month);
            std::fprintf(file, "%s,%s,%s,%s,%s,%s,%s,%s,%s\n", r.Id.c_str(), r.Name.c_str(),
                         r.Month.c_str(), r.Income.c_str(), r.Exempt.c_str(), r.Insurance.c_str(),
                         r.Special.c_str(), r.Other.c_str(), r.Mode.c_str());
        }
    }
    std::fclose(file);
}

// The same rows as a workbook, numbers as numbers, written by libxlsxwriter directly.
inline void WriteXlsx(const QString &Path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(QFile::encodeName(Path).constData(), &options);
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    for (lxw_col_t c = 0; c < 9; ++c)
        worksheet_write_string(sheet, 0, c, Header[c], nullptr);
    lxw_row_t at = 1;
    for (int month = 1; month <= Months; ++month) {
        for (int employee = 0; employee < Employees; ++employee, ++at) {
            const Generated r = Row(employee, month);
            worksheet_write_string(sheet, at, 0, r.Id.c_str(), nullptr);
            worksheet_write_string(sheet, at, 1, r.Name.c_str(), nullptr);
            const std::string *numbers[] = {&r.Month,     &r.Income,  &r.Exempt,
                                            &r.Insurance, &r.Special, &r.Other};
            for (lxw_col_t c = 0; c < 6; ++c)
                worksheet_write_number(sheet, at, c + 2, std::stod(*numbers[c]), nullptr);
            if (!r.Mode.empty())
                worksheet_write_string(sheet, at, 8, r.Mode.c_str(), nullptr);
        }
    }
    workbook_close(book);
}

// Peak resident memory of this process so far.
inline double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

inline double MiB(qint64 Bytes) {
    return static_cast<double>(Bytes) / (1024 * 1024);
}

// The benchmark's main: "run IN OUT" measures one input in this process; "FOLDER" (a temporary
// folder when none is named) runs every input, each in a process of its own, so that each has
// its own peak memory.
inline int Main(int argc, char **argv, int (*Run)(const QString &In, const QString &Out),
                int (*All)(const QString &Folder)) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments[1] == "run")
        return Run(arguments[2], arguments[3]);
    if (arguments.size() == 2)
        return All(arguments[1]);
    QTemporaryDir folder;
    return All(folder.path());
}

} // namespace PayrollFiles
