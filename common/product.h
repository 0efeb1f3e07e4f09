#pragma once
#include <QString>

inline const QString kProductName = QStringLiteral("Quorvel");
constexpr int kVersionMajor = 6;
constexpr int kVersionMinor = 0;
// Name under which the per-user settings live: the product name and the major version.
inline const QString kSettingsApplication = QStringLiteral("Quorvel6");
