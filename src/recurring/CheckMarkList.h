#pragma once
// The lists of recurring entries. Each row holds one entry line and shows its
// display text ("Christmas Day (25th of December)").
//
// TEntryList: the plain list of the Recurring Dates dialog, 16-pixel rows in
// Arial, one row selected at a time.
// TCheckMarkList: the multi-select list of the Holidays and Select dialogs.
// A click toggles a row; selected rows carry a check mark at their left edge,
// and the focused row is drawn white on black.
#include <QImage>
#include <QListWidget>
#include <QStringList>

class TEntryList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;

    explicit TEntryList(QWidget* parent = nullptr);

    // Replaces the rows by the lines, in the given order.
    void SetLines(const QStringList& lines);
    QStringList Lines() const;
    QString LineAt(int row) const;

    // Sorts lines by the whole line without regard to case (stable).
    static void SortLines(QStringList& lines);
};

class TCheckMarkList : public TEntryList {
    Q_OBJECT
public:
    explicit TCheckMarkList(QWidget* parent = nullptr);

    QList<int> SelectedRows() const;
    QStringList SelectedLines() const;

    // The 16 x 16 check marks: for a row drawn normally, and reversed for the
    // focused row.
    static const QImage& CheckMark();
    static const QImage& ReversedCheckMark();
};
