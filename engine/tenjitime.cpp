#include "engine/tenjitime.h"

#include "common/format.h"
#include "common/strutil.h"
#include "engine/engine.h"
#include "platform/ui.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cmath>

QPoint TenjiTimeDialogPos(const QRect& screen, const QSize& dialog)
{
    // A dialog larger than the screen keeps its top left corner on the screen.
    const int x = screen.x() + std::max(0, (screen.width() - dialog.width()) / 2);
    const int y = screen.y() + std::max(0, (screen.height() - dialog.height()) / 3);
    return {x, y};
}

// ---- exhibition time dialog -----------------------------------------------------------------

namespace {

const QString kTimeFormat = QStringLiteral("0.00");
constexpr float kLargestTime = 9999.99f;

bool isBox(int index) { return index >= 0 && index < 6; }

// A box whose cursor and selection lie inside its text.
TenjiTimeBox tidy(const TenjiTimeBox& box)
{
    TenjiTimeBox b = box;
    const int n = int(b.text.size());
    b.cursor = std::clamp(b.cursor, 0, n);
    b.selStart = std::clamp(b.selStart, 0, n);
    b.selLength = std::clamp(b.selLength, 0, n - b.selStart);
    return b;
}

TenjiTimeBox allSelected(const QString& text)
{
    TenjiTimeBox b;
    b.text = text;
    b.cursor = int(text.size());
    b.selStart = 0;
    b.selLength = int(text.size());
    return b;
}

} // namespace

std::optional<TenjiTimeBox> TenjiTimeType(const TenjiTimeBox& box, QChar key)
{
    TenjiTimeBox b = tidy(box);
    if (key == QLatin1Char('\b')) {
        if (b.selLength > 0) {
            b.text.remove(b.selStart, b.selLength);
            b.cursor = b.selStart;
        } else if (b.cursor > 0) {
            b.text.remove(b.cursor - 1, 1);
            --b.cursor;
        }
        b.selStart = b.cursor;
        b.selLength = 0;
        return b;
    }
    const bool digit = key >= QLatin1Char('0') && key <= QLatin1Char('9');
    if (!digit && key != QLatin1Char('.'))
        return std::nullopt;
    int at = b.cursor;
    QString text = b.text;
    if (b.selLength > 0) {
        text.remove(b.selStart, b.selLength);
        at = b.selStart;
    }
    if (text.size() + 1 > kTenjiTimeMaxLength)
        return std::nullopt;
    text.insert(at, key);
    b.text = text;
    b.cursor = at + 1;
    b.selStart = b.cursor;
    b.selLength = 0;
    return b;
}

std::optional<float> TenjiTimeValue(const QString& text)
{
    if (text.isEmpty())
        return 0.0f;
    if (!IsNumeric(text))
        return std::nullopt;
    const double typed = CDbl(text);
    if (!std::isfinite(typed) || typed < 0 || typed > double(kLargestTime) + 0.005)
        return std::nullopt;
    // Stored as the box shows it.
    const double shown = CDbl(Format(typed, kTimeFormat));
    if (shown < 0 || shown > double(kLargestTime))
        return std::nullopt;
    return float(shown);
}

void TenjiTimeInput::Load(const Engine& e)
{
    const int raceNo = e.SelectedRaceNo;
    const int stadium = e.StadiumNumber();
    for (int f = 1; f <= 6; ++f)
        boxes_[size_t(f - 1)] = allSelected(Format(e.st.UserTenjiTime.Get(f, raceNo, stadium), kTimeFormat));
    focus_ = 0;
}

const TenjiTimeBox& TenjiTimeInput::Box(int box) const
{
    static const TenjiTimeBox none;
    return isBox(box) ? boxes_[size_t(box)] : none;
}

void TenjiTimeInput::SetBox(int box, const TenjiTimeBox& state)
{
    if (isBox(box))
        boxes_[size_t(box)] = tidy(state);
}

bool TenjiTimeInput::Type(QChar key)
{
    if (!isBox(focus_))
        return false;
    const std::optional<TenjiTimeBox> typed = TenjiTimeType(boxes_[size_t(focus_)], key);
    if (!typed)
        return false;
    boxes_[size_t(focus_)] = *typed;
    // Only a typed character moves on; rubbing out a long text down to four does not.
    if (key != QLatin1Char('\b') && typed->text.size() == kTenjiTimeMaxLength)
        MoveFocus(focus_ == 5 ? kOk : focus_ + 1);
    return true;
}

bool TenjiTimeInput::leave(int box)
{
    const std::optional<float> value = TenjiTimeValue(boxes_[size_t(box)].text);
    if (!value)
        return false;
    boxes_[size_t(box)] = allSelected(Format(*value, kTimeFormat));
    boxes_[size_t(box)].selLength = 0;
    return true;
}

bool TenjiTimeInput::MoveFocus(int target)
{
    if (target < 0 || target > kCancel)
        return false;
    if (target == focus_)
        return true;
    if (isBox(focus_) && target != kCancel && !leave(focus_))
        return false;
    focus_ = target;
    if (isBox(focus_))
        boxes_[size_t(focus_)] = allSelected(boxes_[size_t(focus_)].text);
    return true;
}

bool TenjiTimeInput::Ok(Engine& e)
{
    if (isBox(focus_) && !leave(focus_))
        return false;
    std::array<float, 6> values{};
    for (int i = 0; i < 6; ++i) {
        const std::optional<float> value = TenjiTimeValue(boxes_[size_t(i)].text);
        if (!value) {
            // A box left for "ｷｬﾝｾﾙ" may still hold anything: it is the one to correct.
            focus_ = i;
            boxes_[size_t(i)] = allSelected(boxes_[size_t(i)].text);
            return false;
        }
        values[size_t(i)] = *value;
    }
    const int raceNo = e.SelectedRaceNo;
    const int stadium = e.StadiumNumber();
    for (int f = 1; f <= 6; ++f)
        e.st.UserTenjiTime.Set(f, raceNo, stadium, values[size_t(f - 1)]);
    return true;
}

// ---- exhibition time clock ------------------------------------------------------------------

qint64 SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TenjiTimeClock::TenjiTimeClock(MillisecondClock clock) : clock_(std::move(clock))
{
    if (!clock_)
        clock_ = SteadyMilliseconds;
}

int TenjiTimeClock::BoatForKey(int qtKey)
{
    return qtKey >= Qt::Key_1 && qtKey <= Qt::Key_6 ? qtKey - Qt::Key_1 + 1 : 0;
}

void TenjiTimeClock::Press(int boat)
{
    if (boat < 1 || boat > 6)
        return;
    const size_t b = size_t(boat);
    const qint64 now = clock_();
    if (started_[b]) {
        // A clock that stepped back gives 0, never a negative time.
        const qint64 elapsed = std::max<qint64>(0, now - *started_[b]);
        text_[b] = Format(double(elapsed) / 1000.0, kTimeFormat);
        started_[b].reset();
    } else {
        started_[b] = now;
        text_[b] = QStringLiteral("計測中");
    }
}

QString TenjiTimeClock::Text(int boat) const
{
    return boat >= 1 && boat <= 6 ? text_[size_t(boat)] : QString();
}

bool TenjiTimeClock::Running(int boat) const
{
    return boat >= 1 && boat <= 6 && started_[size_t(boat)].has_value();
}

bool TenjiTimeClock::AllNumeric() const
{
    for (int b = 1; b <= 6; ++b)
        if (!IsNumeric(text_[size_t(b)]))
            return false;
    return true;
}

bool TenjiTimeClock::Close(Engine& e)
{
    if (!AllNumeric())
        return false;
    if (!e.ui.AskYesNo(QStringLiteral("展示タイムを更新しますか。")))
        return false;
    const int raceNo = e.SelectedRaceNo;
    const int stadium = e.StadiumNumber();
    for (int b = 1; b <= 6; ++b)
        e.st.UserTenjiTime.Set(b, raceNo, stadium, float(CDbl(text_[size_t(b)])));
    return true;
}
