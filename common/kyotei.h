#pragma once
// Small domain helpers shared by the engine, the windows and the report.
#include <QString>
#include <QtGlobal>

// Stadium name of a code 1..24; empty for any other code.
QString KyoteijyoName(int code);
// "①".."⑥" for 1..6; empty otherwise.
QString CircledNumber(int n);
// Frame colours (0x00BBGGRR): background when `back`, else the text colour on that background.
quint32 BoatColor(int frame, bool back);
