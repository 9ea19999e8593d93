#pragma once
// Prints a design for several months: the page is shown with its month
// advanced, page objects and all, while the cell texts (which belong to the
// days of the page's own month) show only on that month. Everything is put
// back when the stepper goes, also after a failure.
#include <array>

#include "page/CalDrawParams.h"

class TCalendarPanel32;
class TWPRtfStorage;

// Months counted from the page's own month (0): First .. First + Count - 1.
struct TMonthRange {
    int First = 0;
    int Count = 1;
    // At most ten years in one job.
    static constexpr int MaxCount = 120;
    bool IsOwnMonthOnly() const { return First == 0 && Count == 1; }
};

class TMonthStepper {
public:
    explicit TMonthStepper(TCalendarPanel32& page);
    ~TMonthStepper();
    TMonthStepper(const TMonthStepper&) = delete;
    TMonthStepper& operator=(const TMonthStepper&) = delete;

    // Shows the page `offset` months after (or before) its own month.
    void Show(int offset);

    // The month and year `offset` months from month/year.
    static void Advance(int& month, int& year, int offset);

private:
    TCalendarPanel32& page_;
    int day_;
    int month_;
    int year_;
    int shown_ = 0;
    std::array<TWPRtfStorage*, DayCellCount> cellTexts_{};
};
