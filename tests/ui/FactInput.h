#pragma once
// Typing into a table of the year's facts as a user does, and years written as files for the
// pages to open.

#include "common/UFactTable.h"
#include "common/UOpenYear.h"
#include "common/UYearFiles.h"
#include "support/ReadmeYear.h"
#include "support/UiTestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace FactInput {

// Picks an entry of a combo box by keys, as a user without a mouse does.
inline void ChooseEntry(QComboBox *Combo, int Index) {
    Combo->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Combo, Qt::Key_Home);
    for (int i = 0; i < Index; ++i)
        QTest::keyClick(Combo, Qt::Key_Down);
    QTest::keyClick(Combo, Qt::Key_Return);
    ASSERT_EQ(Combo->currentIndex(), Index);
}

// The editor the table opened, wherever the focus is (a window that a modal box left is not
// active again at once).
inline QWidget *OpenEditor(TFactTable *Table) {
    for (QWidget *child : Table->viewport()->findChildren<QWidget *>()) {
        if (child->isVisible() &&
            (qobject_cast<QLineEdit *>(child) || qobject_cast<QAbstractSpinBox *>(child) ||
             qobject_cast<QComboBox *>(child)))
            return child;
    }
    return nullptr;
}

// The cell made current, F2, the text (or, in a list, the entry of that text), Enter.
inline void TypeCell(TFactTable *Table, int Row, const QString &Key, const QString &Text) {
    Table->activateWindow();
    Table->setFocus(Qt::OtherFocusReason);
    Table->setCurrentCell(Row, Table->ColumnOf(Key));
    QTest::keyClick(Table, Qt::Key_F2);
    QWidget *editor = OpenEditor(Table);
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int index = combo->findText(Text);
        ASSERT_GE(index, 0) << Text.toStdString();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Return);
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        spin->selectAll();
        QTest::keyClicks(spin, Text);
        QTest::keyClick(spin, Qt::Key_Return);
    } else {
        auto *edit = qobject_cast<QLineEdit *>(editor);
        ASSERT_NE(edit, nullptr) << "no editor opened in " << Table->objectName().toStdString();
        edit->selectAll();
        // Chinese comes as an input method commits it; QTest types ASCII keys alone.
        QInputMethodEvent typed;
        typed.setCommitString(Text);
        QApplication::sendEvent(edit, &typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The delegate commits what Enter ended once the event loop turns.
    QCoreApplication::processEvents();
}

// A new entry at the end of the table, its cells typed in the order given.
inline void AddEntry(TFactTable *Table,
                     std::initializer_list<std::pair<const char *, QString>> Cells) {
    Table->setCurrentCell(Table->rowCount() - 1, 0);
    UiTest::Click(Table->BtnAdd);
    const int row = Table->currentRow();
    for (const auto &[key, text] : Cells)
        TypeCell(Table, row, QString::fromLatin1(key), text);
}

// Text written to Name in Folder; its path.
inline QString WriteText(const QTemporaryDir &Folder, const QString &Name, const QByteArray &Text) {
    const QString path = Folder.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Text);
    return path;
}

// Opens the year file at Path as the open year, as 文件→打开 does once the file is chosen.
inline void OpenYear(const QString &Path) {
    ASSERT_TRUE(YearFiles::OpenPath(nullptr, Path));
}

// The example year of the README.
inline const QByteArray ReadmeYear = ReadmeYearJson;

// Two employers in turn with one beside them, several children, rent, every kind of payment:
// keys in another order than the writer's, amounts as numbers and as strings.
inline const QByteArray BusyYear = R"({
  "bonus_method": "merged",
  "year": 2025,
  "payments": [ { "amount": "3500", "kind": "labour", "month": 3 },
                { "month": 8, "kind": "author", "amount": 12000 },
                { "month": 11, "kind": "royalty", "amount": 50000.5 } ],
  "jobs": [
    { "pay": [ { "from": 1, "income": 28000, "exempt": 300, "insurance": 3200, "other": 100 },
               { "from": 4, "income": "31000.50", "insurance": 3500 } ],
      "employer": "甲公司", "to": 6, "mode": "自1月" },
    { "employer": "乙公司", "from": 7,
      "pay": [ { "from": 7, "income": 35000, "insurance": 3800 } ] },
    { "employer": "丙顾问", "from": 3, "to": 12, "deductions_here": false,
      "pay": [ { "from": 3, "income": 6000 } ] } ],
  "children": [ { "born": "2012-09-01", "share": 50 }, { "born": "2022-10-03" },
                { "born": "2025-04-20", "share": 50 } ],
  "elderly": { "only_child": true, "parents_born": ["1965-08-30", "1968-01-12"] },
  "rent": [ { "from": "2024-09", "to": "2025-08", "amount": 1500 },
            { "from": "2025-08", "to": "2026-07", "amount": 1100 } ],
  "certificates": ["2025-11", "2025-06"],
  "illness": [ { "who": "配偶", "paid": 98000 }, { "who": "子女", "paid": 41000 } ],
  "pension": [ { "month": 6, "amount": 5000 }, { "month": 12, "amount": 9000 } ],
  "health_insurance": [ { "from": 1, "to": 12, "monthly": 150 } ],
  "bonus": { "month": 1, "amount": 60000, "employer": "甲公司" }
})";

} // namespace FactInput
