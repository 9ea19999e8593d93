#pragma once
// The user's recurring dates: QXRECUR.DAX in the user's data folder, one
// entry per line in the Windows-1252 code page, lines ended by CR LF. The
// file is always written whole through a temporary file, so a failed or
// interrupted write leaves the previous list in place. The older QXRECUR.DAT
// (MMDD followed by the event text) is converted once at start-up.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Full paths of the two files in the user's data folder.
QString RecurringDatesPath();
QString OldRecurringDatesPath();

// The entries held by the bytes of a store: lines split at CR LF (a bare LF
// ends a line too), the empty piece after the last line end dropped.
QStringList ParseRecurringDates(const QByteArray& bytes);
// The bytes of a store holding `lines`.
QByteArray FormatRecurringDates(const QStringList& lines);

// The entries of a store file; a missing or unreadable file is an empty list.
QStringList LoadRecurringDates(const QString& path);
// Writes the file whole; false (the old file untouched) when that fails.
bool SaveRecurringDates(const QString& path, const QStringList& lines);

// One line of the old file as an entry: characters 5 to 154 padded to 120,
// then "@" and characters 1 to 4 padded to 10.
QString ConvertOldRecurringLine(const QString& line);
// When QXRECUR.DAT exists: its lines (blank ones skipped) are converted and
// added after the entries QXRECUR.DAX already holds (an entry already there
// is not added again), the store is written and QXRECUR.DAT deleted. The old
// file stays when the store could not be written. False when nothing was
// converted.
bool ConvertOldRecurringFile();

// The built-in holidays in their list order, as entry lines.
QStringList BuiltInHolidays();
