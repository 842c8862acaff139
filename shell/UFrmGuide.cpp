#include "shell/UFrmGuide.h"

#include "common/UGuide.h"

#include <QEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace {

bool HasAnchor(const QTextDocument *Document, const QString &Name) {
    for (QTextBlock block = Document->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().anchorNames().contains(Name))
                return true;
        }
    }
    return false;
}

} // namespace

TFrmGuide::TFrmGuide(QWidget *Parent) : QWidget(Parent, Qt::Window) {
    setObjectName(QStringLiteral("FrmGuide"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Text = new QTextBrowser(this);
    Text->setObjectName(QStringLiteral("TextGuide"));
    layout->addWidget(Text);
    // Wide enough for a paragraph to read comfortably, and within the smallest screen.
    resize(760, 640);
    Load();
}

void TFrmGuide::Load() {
    setWindowTitle(tr("使用说明"));
    Text->setAccessibleName(tr("使用说明"));
    Text->setHtml(Guide::Html());
    if (!Shown.isEmpty())
        ShowSectionOf(Shown);
}

void TFrmGuide::ShowSectionOf(const QString &PageClass) {
    if (PageClass.isEmpty())
        Shown = QStringLiteral("start");
    else
        Shown = HasAnchor(Text->document(), PageClass) ? PageClass : QStringLiteral("earlier");
    Text->scrollToAnchor(Shown);
    // A window just shown lays its text out when the event loop turns; the scroll range is known
    // only then.
    QTimer::singleShot(0, Text, [text = QPointer<QTextBrowser>(Text), anchor = Shown] {
        if (text)
            text->scrollToAnchor(anchor);
    });
}

void TFrmGuide::changeEvent(QEvent *Event) {
    if (Event->type() == QEvent::LanguageChange)
        Load();
    QWidget::changeEvent(Event);
}
