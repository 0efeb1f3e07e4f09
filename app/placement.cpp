#include "app/placement.h"

#include "common/strutil.h"
#include "platform/settingsstore.h"

#include <cmath>

namespace {

const QString kStartup = QStringLiteral("Startup");

// A stored twips value: used when numeric and within [0, limit), else the default.
double TwipsValue(const SettingsStore& s, const QString& key, double defaultValue, double limit)
{
    const QString text = s.GetString(kStartup, key, QString::number(defaultValue));
    if (!IsNumeric(text))
        return defaultValue;
    const double v = Val(text);
    if (!std::isfinite(v) || v < 0 || v >= limit)
        return defaultValue;
    return v;
}

int ToPixels(double twips)
{
    return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel));
}

} // namespace

WindowPlacement ReadPlacement(const SettingsStore& s, const QRect& workArea, const QSize& screen)
{
    WindowPlacement p;
    const QRect initial(0, 0, ToPixels(12000), ToPixels(9000));
    switch (s.GetInt(kStartup, QStringLiteral("FormSize"), 0)) {
    case 0:
        // The work area itself: its width and height, so a panel on the left or at the top
        // does not push the window past the screen's edge.
        p.FormSizeMode = 0;
        p.rect = workArea;
        break;
    case 1: {
        p.FormSizeMode = 1;
        const double top = TwipsValue(s, QStringLiteral("Top"), 0, double(screen.height()) * kTwipsPerPixel);
        const double left = TwipsValue(s, QStringLiteral("Left"), 0, double(screen.width()) * kTwipsPerPixel);
        // A size beyond any screen is no saved size either.
        const double huge = 1.0e6 * kTwipsPerPixel;
        const double height = TwipsValue(s, QStringLiteral("Height"), 9000, huge);
        const double width = TwipsValue(s, QStringLiteral("Width"), 12000, huge);
        p.rect = QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
        break;
    }
    case 2:
        p.FormSizeMode = 2;
        p.maximised = true;
        p.rect = initial;
        break;
    default:
        p.FormSizeMode = 0;
        p.rect = initial;
        break;
    }
    return p;
}

void SavePlacement(SettingsStore& s, const QRect& rect)
{
    s.SetInt(kStartup, QStringLiteral("Top"), rect.top() * kTwipsPerPixel);
    s.SetInt(kStartup, QStringLiteral("Left"), rect.left() * kTwipsPerPixel);
    s.SetInt(kStartup, QStringLiteral("Height"), rect.height() * kTwipsPerPixel);
    s.SetInt(kStartup, QStringLiteral("Width"), rect.width() * kTwipsPerPixel);
}
