#include "app/SetTimeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "persist/Color.h"

namespace {

// Buttons drawn silver mark the quarter hours; a button that is no longer
// chosen goes back to its own colour.
const char* const markedProperty = "vellumyMarked";

const QColor chosenColour(Qt::yellow);
const QColor markedColour(0xC0, 0xC0, 0xC0);

} // namespace

TSetTimeDialog::TSetTimeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("SetTimeDialog"));
    setWindowTitle(tr("Set Time"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QString hourHint = QStringLiteral("Click to set the hours portion of the time");
    auto* hourPanel = new QGroupBox(QStringLiteral("  Hour"), this);
    hourPanel->setObjectName(QStringLiteral("HourPanel"));
    auto* hourGrid = new QGridLayout(hourPanel);
    hourGrid->setSpacing(2);
    for (int half = 0; half < 2; ++half) {
        auto* label = new QLabel(half == 0 ? QStringLiteral("AM") : QStringLiteral("PM"), hourPanel);
        label->setObjectName(half == 0 ? QStringLiteral("AMLabel") : QStringLiteral("PMLabel"));
        hourGrid->addWidget(label, half, 0);
        for (int i = 0; i < 12; ++i) {
            const int hour = half * 12 + i;
            QPushButton* button = makeButton(QString::number(i == 0 ? 12 : i), QStringLiteral("Hour%1").arg(hour),
                                             hourHint, false);
            connect(button, &QPushButton::clicked, this, [this, hour] { chooseHour(hour); });
            hourGrid->addWidget(button, half, i + 1);
            hourButtons_[hour] = button;
        }
    }
    hourPanel->setWhatsThis(tr("The hour of the time: the upper row is the morning (12 is midnight), "
                               "the lower row the afternoon and evening (12 is noon)."));
    layout->addWidget(hourPanel);

    const QString minuteHint = QStringLiteral("Click to set the minutes portion of the time");
    auto* minutePanel = new QGroupBox(QStringLiteral("  Minute"), this);
    minutePanel->setObjectName(QStringLiteral("MinutePanel"));
    auto* minuteGrid = new QGridLayout(minutePanel);
    minuteGrid->setSpacing(2);
    for (int minute = 0; minute < 60; ++minute) {
        QPushButton* button = makeButton(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')),
                                         QStringLiteral("Minute%1").arg(minute), minuteHint, minute % 15 == 0);
        connect(button, &QPushButton::clicked, this, [this, minute] { chooseMinute(minute); });
        minuteGrid->addWidget(button, minute / 10, minute % 10);
        minuteButtons_[minute] = button;
    }
    minutePanel->setWhatsThis(tr("The minutes of the time. The quarter hours are shaded."));
    layout->addWidget(minutePanel);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow->addWidget(ok);
    buttonRow->addWidget(cancel);
    layout->addLayout(buttonRow);
}

QPushButton* TSetTimeDialog::makeButton(const QString& text, const QString& name, const QString& hint, bool marked)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(30, 24);
    // The hour and minute buttons never take Enter from the Ok button.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty(markedProperty, marked);
    paintButton(button, marked ? markedColour : ToQColor(TColors::clBtnFace));
    return button;
}

QString TSetTimeDialog::FormatCaptionTime(const QTime& time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

void TSetTimeDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QTime given = given_.isValid() ? given_ : QTime(0, 0);
    hour_ = given.hour();
    minute_ = given.minute();
    refresh();
}

void TSetTimeDialog::chooseHour(int hour)
{
    hour_ = hour;
    refresh();
}

void TSetTimeDialog::chooseMinute(int minute)
{
    minute_ = minute;
    refresh();
}

void TSetTimeDialog::refresh()
{
    time_ = QTime(hour_, minute_);
    setWindowTitle(QStringLiteral("Set Time As: ") + FormatCaptionTime(time_));
    const QColor face = ToQColor(TColors::clBtnFace);
    auto colourOf = [&](QPushButton* button, bool chosen) {
        if (chosen)
            return chosenColour;
        return button->property(markedProperty).toBool() ? markedColour : face;
    };
    for (int hour = 0; hour < 24; ++hour)
        paintButton(hourButtons_[hour], colourOf(hourButtons_[hour], hour == hour_));
    for (int minute = 0; minute < 60; ++minute)
        paintButton(minuteButtons_[minute], colourOf(minuteButtons_[minute], minute == minute_));
}

void TSetTimeDialog::paintButton(QPushButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    if (palette.color(QPalette::Button) == colour)
        return;
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}
