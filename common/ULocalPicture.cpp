#include "common/ULocalPicture.h"

#include "common/UStartAhead.h"
#include "translations/Language.h"

#include <QEvent>
#include <QFile>
#include <QLabel>

namespace LocalPicture {
namespace {

// Follows the language on the label it belongs to; a page built anew in the other language makes
// its own.
class TFollower : public QObject {
  public:
    TFollower(QLabel *Label, QString Resource)
        : QObject(Label), Label(Label), Resource(std::move(Resource)) {
        Label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Label && Event->type() == QEvent::LanguageChange)
            Label->setPixmap(QPixmap(Of(Resource)));
        return false;
    }

  private:
    QLabel *Label;
    QString Resource;
};

} // namespace

QString Of(const QString &Resource) {
    if (Translations::Current() != Translations::Language::English ||
        !Resource.endsWith(QLatin1StringView(".png")))
        return Resource;
    QString english = Resource;
    english.insert(english.size() - 4, QLatin1StringView("_en"));
    return QFile::exists(english) ? english : Resource;
}

void Show(QLabel *Label, const QString &Resource) {
    Label->setPixmap(StartAhead::Picture(Of(Resource)));
    new TFollower(Label, Resource);
}

} // namespace LocalPicture
