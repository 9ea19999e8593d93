// Picture files dropped from the file manager onto the page become picture
// objects where they were let go, each as the Picture tool makes one (the
// picture stretched over the object) but sized to the picture instead of a
// dragged rectangle, and never larger than half the page.
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "app/CalendarMain.h"
#include "objects/kinds/GImage.h"
#include "page/CalendarPanel32.h"
#include "platform/LoadPicture.h"
#include "platform/Rounding.h"

namespace {

bool isPictureFile(const QUrl& url)
{
    if (!url.isLocalFile())
        return false;
    const QString path = url.toLocalFile();
    return PictureFormatOf(path) != TPictureFormat::Unknown || QFileInfo(path).suffix().compare(u"wmf", Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList TCalendarMain::PictureFilesIn(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls())
        if (isPictureFile(url))
            files << url.toLocalFile();
    return files;
}

int TCalendarMain::DropPictureFilesAsObjects(const QStringList& files, const QPoint& pagePoint)
{
    DoSaveRichtext();
    const float zoom = calendarPanel_->ZoomFactor();
    const QSize most(calendarPanel_->width() / 2, calendarPanel_->height() / 2);
    int made = 0;
    QPoint at = pagePoint;
    for (const QString& file : files) {
        auto* image = new TGImage(this, calendarPanel_);
        image->hide();
        image->Loaded();
        if (!image->LoadPictureFile(file, true, false)) {
            delete image;
            continue;
        }
        QSize size(std::max(1, roundHalfEven(image->Picture()->Width() * zoom)),
                   std::max(1, roundHalfEven(image->Picture()->Height() * zoom)));
        if (size.width() > most.width() || size.height() > most.height())
            size = size.scaled(most.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
        calendarPanel_->Place(image, QRect(at, size));
        at += QPoint(16, 16); // several files fan out rather than hide each other
        ++made;
    }
    if (made)
        CalendarPanelDroppedObjectEvent();
    return made;
}
