#include "common/UDesktopHabits.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTimer>

namespace {

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int TextSideMargin = 2;

bool TextFits(const QLineEdit *Edit) {
    QStyleOptionFrame option;
    option.initFrom(Edit);
    option.lineWidth = Edit->hasFrame()
                           ? Edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, Edit)
                           : 0;
    const QRect contents =
        Edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, Edit);
    const QMargins margins = Edit->textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * TextSideMargin;
    return Edit->fontMetrics().horizontalAdvance(Edit->text()) <= room;
}

void UpdateTip(QLineEdit *Edit) {
    Edit->setToolTip(TextFits(Edit) ? QString() : Edit->text());
}

// A button that is not a dialog's default button ignores Return and Enter; this filter lets them
// click it, whether or not it sits in a dialog.
class EnterClicks : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(Event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // A held key clicks once: a click may open a box that the repeats would close again.
        if (!key->isAutoRepeat())
            static_cast<QPushButton *>(Watched)->click();
        return true;
    }
};

// Fits the columns of its table now, and again after each change of the model, the font or the
// style and after a hidden column is shown, once however many changes come in one turn of the
// event loop.
class ColumnFitter : public QObject {
  public:
    explicit ColumnFitter(QTableView *Table) : QObject(Table), Table(Table) {
        QHeaderView *header = Table->horizontalHeader();
        header->setSectionResizeMode(QHeaderView::Fixed);
        Table->installEventFilter(this);
        Follow(Table->model());
        // A hidden column is not fitted; shown again, it comes back at its old width.
        connect(header, &QHeaderView::sectionResized, this, [this](int, int Old, int New) {
            if (Old == 0 && New > 0)
                FitSoon();
        });
        Table->resizeColumnsToContents();
    }

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Table &&
            (Event->type() == QEvent::FontChange || Event->type() == QEvent::StyleChange))
            FitSoon();
        return false;
    }

  private:
    void Follow(const QAbstractItemModel *Model) {
        if (!Model)
            return;
        using M = QAbstractItemModel;
        const auto soon = [this] { FitSoon(); };
        connect(Model, &M::dataChanged, this, soon);
        connect(Model, &M::headerDataChanged, this, soon);
        connect(Model, &M::modelReset, this, soon);
        connect(Model, &M::layoutChanged, this, soon);
        connect(Model, &M::rowsInserted, this, soon);
        connect(Model, &M::rowsRemoved, this, soon);
        connect(Model, &M::columnsInserted, this, soon);
        connect(Model, &M::columnsRemoved, this, soon);
    }

    void FitSoon() {
        if (Pending)
            return;
        Pending = true;
        QTimer::singleShot(0, this, [this] {
            Pending = false;
            Table->resizeColumnsToContents();
        });
    }

    QTableView *Table;
    bool Pending = false;
};

} // namespace

namespace DesktopHabits {

void ShowResult(QLineEdit *Edit, const QString &Text) {
    Edit->setText(Text);
    // setText leaves the caret at the end, which scrolls a long number's leading digits away.
    Edit->home(false);
    UpdateTip(Edit);
}

void TipWhenClipped(QLineEdit *Edit) {
    QObject::connect(Edit, &QLineEdit::textChanged, Edit, [Edit] { UpdateTip(Edit); });
}

void SelectAllFromStart(QLineEdit *Edit) {
    const int length = static_cast<int>(Edit->text().size());
    Edit->setSelection(length, -length);
}

void ColumnsFitContents(QTableView *Table) {
    new ColumnFitter(Table);
}

void ClickOnEnter(QPushButton *Button) {
    Button->installEventFilter(new EnterClicks(Button));
}

} // namespace DesktopHabits
