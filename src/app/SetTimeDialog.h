#pragma once
// TSetTimeDialog: picks a time of day with one click for the hour and one
// for the minute. The caption always reads back the time chosen so far.
#include <QColor>
#include <QDialog>
#include <QTime>
#include <array>

class QPushButton;

class TSetTimeDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSetTimeDialog(QWidget* parent = nullptr);

    // The time shown when the dialog opens (only its time of day counts).
    void SetTime(const QTime& time) { given_ = time; }
    // The chosen time (seconds are zero).
    QTime Time() const { return time_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }

    // "08:30 AM": twelve-hour clock with leading zero and AM or PM.
    static QString FormatCaptionTime(const QTime& time);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, const QString& name, const QString& hint, bool marked);
    void chooseHour(int hour);
    void chooseMinute(int minute);
    void refresh();
    void paintButton(QPushButton* button, const QColor& colour);

    QTime given_{0, 0};
    QTime time_{0, 0};
    int hour_ = 0;
    int minute_ = 0;
    std::array<QPushButton*, 24> hourButtons_{};
    std::array<QPushButton*, 60> minuteButtons_{};
};
