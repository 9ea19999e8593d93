// The time dialog: caption, button colours and the time read back.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/SetTimeDialog.h"
#include "persist/Color.h"

namespace {

QColor face(const QPushButton* button)
{
    return button->palette().color(QPalette::Button);
}

} // namespace

TEST(SetTimeDialog, ClicksSetTheHourAndMinuteAndTheCaptionReadsThemBack)
{
    TSetTimeDialog dialog;
    dialog.SetTime(QTime(8, 30, 15));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 08:30 AM"));
    auto* hour8 = dialog.findChild<QPushButton*>(QStringLiteral("Hour8"));
    auto* hour14 = dialog.findChild<QPushButton*>(QStringLiteral("Hour14"));
    auto* minute30 = dialog.findChild<QPushButton*>(QStringLiteral("Minute30"));
    auto* minute7 = dialog.findChild<QPushButton*>(QStringLiteral("Minute7"));
    auto* minute45 = dialog.findChild<QPushButton*>(QStringLiteral("Minute45"));
    ASSERT_TRUE(hour8 && hour14 && minute30 && minute7 && minute45);
    EXPECT_EQ(hour8->text(), QStringLiteral("8"));
    EXPECT_EQ(hour14->text(), QStringLiteral("2"));
    EXPECT_EQ(minute7->text(), QStringLiteral("07"));
    EXPECT_EQ(hour8->toolTip(), QStringLiteral("Click to set the hours portion of the time"));
    EXPECT_EQ(minute7->toolTip(), QStringLiteral("Click to set the minutes portion of the time"));

    const QColor yellow(Qt::yellow);
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor buttonFace = ToQColor(TColors::clBtnFace);
    EXPECT_EQ(face(hour8), yellow);
    EXPECT_EQ(face(minute30), yellow);
    EXPECT_EQ(face(hour14), buttonFace);
    EXPECT_EQ(face(minute45), silver);

    QTest::mouseClick(hour14, Qt::LeftButton);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 02:30 PM"));
    EXPECT_EQ(face(hour14), yellow);
    EXPECT_EQ(face(hour8), buttonFace);
    QTest::mouseClick(minute45, Qt::LeftButton);
    EXPECT_EQ(face(minute45), yellow);
    EXPECT_EQ(face(minute30), silver) << "the quarter hours keep their shade";
    QTest::mouseClick(minute7, Qt::LeftButton);
    EXPECT_EQ(face(minute45), silver);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 02:07 PM"));
    vellumy::test::SaveForInspection(dialog.grab().toImage(), QStringLiteral("set-time-dialog.png"));

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Time(), QTime(14, 7));
}

TEST(SetTimeDialog, MidnightAndNoonAreTwelve)
{
    EXPECT_EQ(TSetTimeDialog::FormatCaptionTime(QTime(0, 5)), QStringLiteral("12:05 AM"));
    EXPECT_EQ(TSetTimeDialog::FormatCaptionTime(QTime(12, 0)), QStringLiteral("12:00 PM"));
    EXPECT_EQ(TSetTimeDialog::FormatCaptionTime(QTime(23, 59)), QStringLiteral("11:59 PM"));

    TSetTimeDialog dialog;
    dialog.SetTime(QTime(23, 0));
    dialog.show();
    auto* hour0 = dialog.findChild<QPushButton*>(QStringLiteral("Hour0"));
    auto* hour12 = dialog.findChild<QPushButton*>(QStringLiteral("Hour12"));
    EXPECT_EQ(hour0->text(), QStringLiteral("12"));
    EXPECT_EQ(hour12->text(), QStringLiteral("12"));
    QTest::mouseClick(hour12, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
