// The main window's recurring-dates commands: editing the list, and filling
// the page's day cells from it.
#include <QDialog>
#include <QFileInfo>

#include "app/CalendarMain.h"
#include "app/WindowPlacement.h"
#include "page/CalendarPanel32.h"
#include "page/CellDates.h"
#include "platform/MessageBoxes.h"
#include "recurring/CheckMarkDialog.h"
#include "recurring/CheckMarkList.h"
#include "recurring/EditRecurringDates.h"
#include "recurring/RecurringFill.h"
#include "recurring/RecurringStore.h"

namespace {
// Hides the icon palette for the life of a command when it is meant to show,
// and shows it again however the command ends.
class PaletteHiddenWhile {
public:
    PaletteHiddenWhile(bool hide, const std::function<void(bool)>& show) : hidden_(hide), show_(show)
    {
        if (hidden_)
            show_(false);
    }
    ~PaletteHiddenWhile()
    {
        if (hidden_)
            show_(true);
    }
    PaletteHiddenWhile(const PaletteHiddenWhile&) = delete;
    PaletteHiddenWhile& operator=(const PaletteHiddenWhile&) = delete;

private:
    bool hidden_;
    std::function<void(bool)> show_;
};
} // namespace

void TCalendarMain::mnuEditrecurringDatesClick()
{
    PaletteHiddenWhile palette(IconToolVisible(), [this](bool show) { showPalette(show); });
    TEditRecurringDates dialog(this);
    dialog.CenterDialog = [this](QWidget& form) { CenterForm(form, this); };
    CenterForm(dialog, this);
    dialog.exec();
}

void TCalendarMain::mnuFillCalendarwithRecurringDatesClick()
{
    if (!fillRecurringItem_->isEnabled())
        return;
    const QString path = RecurringDatesPath();
    if (!QFileInfo::exists(path))
        return;
    {
        PaletteHiddenWhile palette(IconToolVisible(), [this](bool show) { showPalette(show); });
        // A planner may show the days of two months: entries of both count.
        const QList<MonthYear> months = MonthsShownByCells(*calendarPanel_);
        const QStringList candidates = FillCandidates(LoadRecurringDates(path), months);
        if (candidates.isEmpty()) {
            ShowInfo(QStringLiteral("No predefined dates match the current month"));
            return;
        }
        TSelectRecurringDates select(this);
        select.SetDates(candidates);
        CenterForm(select, this);
        if (select.exec() != QDialog::Accepted)
            return;
        BusyCursor busy;
        for (const DatedText& placement : FillPlacements(select.List()->SelectedLines(), months))
            PuttextOnDate(placement.date, placement.text);
    }
    SetButtons();
}
