#pragma once
// Where the web page commands and downloads go. The paths below each host are fixed by the
// sites; the hosts live here so they can be changed in one place.
#include <QString>

// The organizer's data site (program and results archives, odds pages).
inline const QString kOrganizerDataSite = QStringLiteral("http://www1.mbrace.or.jp");
// The organizer's race-information site (before-race pages, stadium pages, its top page).
inline const QString kOrganizerRaceSite = QStringLiteral("https://www.boatrace.jp");
// The product's home page (help page, forecast data file).
inline const QString kProductHomePage = QStringLiteral("https://quorvel.github.io/");

// The help page below the product's home page.
inline QString HelpPageAddress()
{
    return kProductHomePage + QStringLiteral("quorvel/quorvel_winhelp.html");
}
