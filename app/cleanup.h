#pragma once
#include <QDate>
#include <QString>

class UserInterface;

// The cut-off of the clean-up: today's year and day in the previous month (a day past the end
// of that month carries into the next one: 2024-03-31 gives 2024-03-02).
QDate CleanupCutoff(const QDate& today);

// Moves the plain files of `folder` matching `pattern` whose last change is not later than the
// cut-off to the trash; asks first (one question per file) unless `noConfirmation`.
void DeleteOldFiles(const QString& folder, const QString& pattern, bool noConfirmation, UserInterface& ui,
                    const QDate& today = QDate::currentDate());

// True on the days of the month when the start-up clean-up runs (10th, 20th, 30th).
bool IsCleanupDay(const QDate& today);
