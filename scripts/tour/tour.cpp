// A tour of the program for the eye: every page and window of the page registry, the pages shown
// in the main window (hidden entries included), and the windows the program makes without an
// entry, each rendered into a PNG file, with worked examples calculated on the pages so that their
// results show too. Used to look at the layout after a change and to take the README's pictures.
// Every page is taken in Chinese into <folder>/zh and in English into <folder>/en. Run through
// scripts/make-tour:
//   pendra_tour <folder>

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "app/UStartup.h"
#include "common/UDeductionFacts.h"
#include "common/UDeductionsDialog.h"
#include "common/UFileManager.h"
#include "pages/UBatchModel.h"
#include "pages/UFrmBatch.h"
#include "pages/UFrmMoney.h"
#include "shell/UFrmProcessBar.h"
#include "shell/UFrmUpdate.h"
#include "translations/Language.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Input {
    const char *Edit;
    const char *Text;
};

// What is typed on a page before "开始计算" is pressed. Every figure is valid, so that no message
// box stops the tour.
struct Example {
    const char *Page;
    std::vector<Input> Inputs;
};

const std::vector<Example> &Examples() {
    static const std::vector<Example> examples{
        {"TFrmSalary", {{"TxtIncome", "10000"}, {"TxtGolds", "1000"}}},
        {"TFrmSalaryOld", {{"TxtIncome", "10000"}, {"TxtGolds", "1000"}}},
        {"TFrmYearAward", {{"TxtYearAward", "18000"}, {"TxtIncome", "5000"}}},
        {"TFrmFiveGolds", {{"TxtIncome", "10000"}}},
        {"TFrmLaoWu", {{"TxtIncome", "30000"}}},
        {"TFrmWriting", {{"TxtIncome", "10000"}}},
        {"TFrmRent", {{"TxtIncome", "4000"}}},
        {"TFrmTransfer",
         {{"TxtIncome", "500000"}, {"TxtOriginal", "300000"}, {"TxtExpense", "20000"}}},
        {"TFrmLicense", {{"TxtIncome", "10000"}}},
        {"TFrmPersonal", {{"TxtIncome", "80000"}}},
        {"TFrmCompany", {{"TxtIncome", "100000"}}},
        {"TFrmInterest", {{"TxtIncome", "10000"}}},
        {"TFrmChance", {{"TxtIncome", "10000"}}},
        {"TFrmOthers", {{"TxtIncome", "10000"}}},
        {"TFrmLateFee", {{"TxtTax", "10000"}, {"TxtDays", "30"}}},
        {"TFrmMakeUp",
         {{"TxtOnceIncome", "200000"}, {"TxtAverageWage", "40000"}, {"TxtFiveGolds", "1000"}}},
        // A bonus just past the first cliff, where splitting the year's pool saves most.
        {"TFrmCurBonus", {{"TxtBonus", "38000"}, {"TxtOtherTaxable", "100000"}}},
        {"TFrmCurLabour", {{"TxtIncome", "30000"}}},
        // Every kind of income and deduction, the bonus taxed on its own.
        {"TFrmCurSettle",
         {{"TxtWages", "100000"},
          {"TxtLabour", "10000"},
          {"TxtAuthor", "10000"},
          {"TxtRoyalty", "10000"},
          {"TxtExempt", "5000"},
          {"TxtInsurance", "10000"},
          {"TxtSpecial", "24000"},
          {"TxtPension", "15000"},
          {"TxtHealth", "3000"},
          {"TxtOther", "1000"},
          {"TxtBonus", "36000"},
          {"TxtWithheld", "1000"}}},
        {"TFrmCurSeverance", {{"TxtIncome", "300000"}, {"TxtAverageWage", "60000"}}},
        {"TFrmCurWage", {{"TxtIncome", "20000"}, {"TxtInsurance", "2000"}, {"TxtSpecial", "3000"}}},
    };
    return examples;
}

// A small payroll: five employees over the year, one of them with a wage that is not a number,
// so that the batch window shows its results, its monthly totals and a rejected row.
QByteArray SamplePayroll() {
    struct Employee {
        const char *Id, *Name;
        int Wage, Insurance, Special;
        const char *Mode;
    };
    static const Employee staff[] = {{"E001", "张伟", 20000, 2000, 3000, ""},
                                     {"E002", "王芳", 12000, 1300, 1000, ""},
                                     {"E003", "李娜", 35000, 3500, 4000, ""},
                                     {"E004", "刘洋", 8000, 900, 0, "自1月"},
                                     {"E005", "陈静", 15000, 1600, 2000, ""}};
    QByteArray csv = "工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n";
    for (int month = 1; month <= 12; ++month) {
        for (const Employee &e : staff) {
            const bool wrong = month == 7 && QByteArray(e.Id) == "E005";
            csv += QByteArray(e.Id) + "," + e.Name + "," + QByteArray::number(month) + "," +
                   (wrong ? QByteArray("15000元") : QByteArray::number(e.Wage)) + ",0," +
                   QByteArray::number(e.Insurance) + "," + QByteArray::number(e.Special) + ",0," +
                   e.Mode + "\n";
        }
    }
    return csv;
}

// Parameters of a typical city, so that the social insurance page and the parameter window show
// real figures. They go into a folder of the tour's own, never into the user's file.
TGoldsSetupInfo SampleParameters() {
    TGoldsSetupInfo info;
    info.PMin = 1500;
    info.PMax = 20000;
    info.SMin = 1500;
    info.SMax = 15000;
    info.PFund = 12;
    info.PMedical = 2;
    info.PPension = 8;
    info.PLostJob = 0.2;
    info.UFund = 12;
    info.UMedical = 10;
    info.UPension = 20;
    info.ULostJob = 1;
    info.Injury = 0.5;
    info.GiveBirth = 0.8;
    return info;
}

QString ClassOf(const QWidget *Page) {
    return Page ? QString::fromLatin1(Page->metaObject()->className()) : QString();
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class TTour {
  public:
    explicit TTour(const QDir &Folder) : Folder(Folder) {}

    bool Save(QWidget *Window, const QString &Name) {
        Settle();
        const QString path = Folder.filePath(
            QStringLiteral("%1-%2.png").arg(++Count, 2, 10, QLatin1Char('0')).arg(Name));
        const bool saved = Window->grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        Failed = Failed || !saved;
        return saved;
    }

    // A page of the registry, shown in the main window as its entry shows it.
    void Page(TFrmMain &Main, const PageRegistry::Entry &Entry) {
        Main.Open(Entry.Name);
        QWidget *page = Main.CurrentPage();
        if (ClassOf(page) != Entry.Class) {
            std::printf("FAILED %s opens no page of its own\n", qPrintable(Entry.Name));
            Failed = true;
            return;
        }
        Calculate(page);
        Save(&Main, Entry.Class);
    }

    void Window(QWidget *Shown, const QString &Name, const std::function<void()> &Before = {}) {
        Shown->show();
        Settle();
        if (Before)
            Before();
        Save(Shown, Name);
        Shown->hide();
    }

    bool Failed = false;

  private:
    void Calculate(QWidget *Page) {
        const QString className = QString::fromLatin1(Page->metaObject()->className());
        for (const Example &example : Examples()) {
            if (className != QLatin1String(example.Page))
                continue;
            for (const Input &input : example.Inputs) {
                if (auto *edit = Page->findChild<QLineEdit *>(QLatin1String(input.Edit)))
                    edit->setText(QString::fromUtf8(input.Text));
            }
            if (auto *calc = Page->findChild<QPushButton *>(QStringLiteral("BtnCalc")))
                calc->click();
        }
    }

    QDir Folder;
    int Count = 0;
};

// What a window of the registry shows filled in: a payroll calculated, an amount converted, the
// special deductions chosen.
std::function<void()> Prepare(QWidget *Window) {
    if (auto *batch = qobject_cast<TFrmBatch *>(Window)) {
        batch->resize(1240, 720);
        return [batch] {
            static QTemporaryDir payrolls;
            const QString payroll = payrolls.filePath(QStringLiteral("工资表.csv"));
            QFile file(payroll);
            if (!file.open(QIODevice::WriteOnly) || file.write(SamplePayroll()) < 0) {
                std::fprintf(stderr, "no sample payroll: the batch window stays empty\n");
                return;
            }
            file.close();
            // The window's runs end in the background; the tour waits for each before the next.
            const auto ran = [batch](const std::function<bool()> &Begin) {
                QEventLoop loop;
                bool done = false;
                QObject::connect(batch, &TFrmBatch::Finished, &loop, [&done, &loop](bool Done) {
                    done = Done;
                    loop.quit();
                });
                if (!Begin())
                    return false;
                loop.exec();
                return done;
            };
            if (!ran([batch, &payroll] { return batch->OpenFile(payroll); }) ||
                !ran([batch] { return batch->Calculate(); }))
                return;
            // The month's withholding in sight, beside the amounts it comes from.
            const int tax = batch->SheetModel()->InputColumnCount() +
                            static_cast<int>(sheets::ResultColumn::Tax);
            batch->GridSheet->scrollTo(batch->SheetModel()->index(0, tax));
        };
    }
    if (auto *money = qobject_cast<TFrmMoney *>(Window)) {
        return [money] {
            money->TxtLowercase->setText(QStringLiteral("12345.67"));
            money->BtnConvert->click();
        };
    }
    if (auto *deductions = qobject_cast<TFrmCurDeductions *>(Window)) {
        // A child turning 3 in the year, a parent turning 60 in it, rent in a capital, the
        // pension paid in December.
        return [deductions] {
            const int year = deductions->Edited() ? deductions->Edited()->Year : 2026;
            const QString facts =
                QStringLiteral(R"({"children": [{"born": "%1-07-15", "share": 50}],
                    "elderly": {"parents_born": ["%2-10-01"], "only_child": true},
                    "rent": [{"from": "%3-01", "to": "%3-12", "amount": %4}],
                    "pension": [{"month": 12, "amount": 8000}]})")
                    .arg(year - 3)
                    .arg(year - 60)
                    .arg(year)
                    .arg(QString::fromStdString(
                        current::FormatYuan(current::RulesOf(year)->RentLargeCity)));
            deductions->Deductions->SetJson(QJsonDocument::fromJson(facts.toUtf8()).object());
            emit deductions->Deductions->Edited();
        };
    }
    return {};
}

// Every page and window, in the language in use; false when one could not be shown or saved.
bool Tour(const QDir &Folder) {
    TTour tour(Folder);
    TFrmMain main;
    main.show();
    // The menus with their period headers and accelerators.
    for (QMenu *menu : {main.N2, main.MCurrent})
        tour.Window(menu, QStringLiteral("Menu-") + menu->objectName());
    for (const PageRegistry::Entry *entry : PageRegistry::PagesAndWindows(main.Entries())) {
        if (entry->IsPage()) {
            tour.Page(main, *entry);
            continue;
        }
        const std::unique_ptr<QWidget> window(entry->Create(nullptr));
        tour.Window(window.get(), entry->Class, Prepare(window.get()));
    }

    TFrmUpdate newest(nullptr, false);
    tour.Window(&newest, QStringLiteral("TFrmUpdate-newest"));
    TFrmUpdate newer(nullptr, true);
    tour.Window(&newer, QStringLiteral("TFrmUpdate-newer"));
    // Shown, the progress window closes itself after a second: it is taken before that.
    TFrmProcessBar progress;
    tour.Window(&progress, QStringLiteral("TFrmProcessBar"));
    return !tour.Failed;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the PNG files>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    QTemporaryDir parameters;
    TFileManager::SetFoldersForTesting(parameters.path(), parameters.path());
    if (!parameters.isValid() ||
        TFileManager::WriteSetupInfo(SampleParameters()) != TFileManager::TWriteResult::Written)
        std::fprintf(stderr, "no sample parameters: the social insurance figures stay 0\n");

    // Each language in a folder of its own, the same pages and windows in both.
    bool failed = false;
    for (const Translations::Language language :
         {Translations::Language::Chinese, Translations::Language::English}) {
        const QString code = Translations::Code(language);
        if (!Translations::Apply(language, Translations::Scope::Qt) || !folder.mkpath(code)) {
            std::fprintf(stderr, "cannot take the tour in %s\n", qPrintable(code));
            failed = true;
            continue;
        }
        failed = !Tour(QDir(folder.filePath(code))) || failed;
    }
    return failed ? 1 : 0;
}
