// Picture files dropped from the file manager onto the page become picture
// objects at the drop point, also outside the day cells.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "MainTestSupport.h"
#include "TestSupport.h"
#include "app/CalendarMain.h"
#include "objects/kinds/GImage.h"
#include "page/CalendarPanel32.h"
#include "platform/Rounding.h"

using namespace vellumy::test;

TEST_F(MainWindowTest, PictureFilesDroppedOnThePageBecomePictureObjects)
{
    TCalendarMain& window = start();
    newCalendar(window, 0, true, 1997, 12);
    TCalendarPanel32& page = *window.CalendarPanel();
    QObject& filter = window;

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(DataPath("pictures/tga-24-rle.tga")),
                   QUrl::fromLocalFile(DataPath("wmf/shapes.wmf")),
                   QUrl::fromLocalFile(DataPath("pictures/make-fixtures.sh"))});
    const QPoint title(page.width() / 2, 8); // outside every day cell
    QDragMoveEvent over(title, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(&page, &over);
    EXPECT_TRUE(over.isAccepted());
    QDropEvent drop(title, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    filter.eventFilter(&page, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(window.Modified());

    const QList<TGImage*> made = page.findChildren<TGImage*>();
    ASSERT_EQ(made.size(), 2); // the script is no picture
    EXPECT_EQ(made[0]->pos(), title);
    const float zoom = page.ZoomFactor(); // the picture's own size at the page's zoom
    EXPECT_EQ(made[0]->size(), QSize(roundHalfEven(37 * zoom), std::max(15, roundHalfEven(23 * zoom))));
    EXPECT_TRUE(made[0]->Stretch());
    EXPECT_EQ(made[1]->pos(), title + QPoint(16, 16));
    EXPECT_EQ(made[1]->Picture()->Kind(), TPictureKind::Metafile);
    EXPECT_TRUE(made[0]->objectName().startsWith("Special"));
}
