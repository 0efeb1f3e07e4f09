#pragma once
// Small pieces of the race card window: labels rendered from LabelState, and the user bets
// panel "★ユーザー舟券".
#include <QFrame>
#include <QLabel>
#include <array>

struct LabelState;
struct UserBetLine;

// Text, colours and visibility of a label from its state. A hidden label keeps its place.
void ApplyLabel(QLabel& label, const LabelState& state);

// The user bets panel: a title and six lines "first － second odds ○".
class UserBetsPanel : public QFrame {
    Q_OBJECT
public:
    explicit UserBetsPanel(QWidget* parent = nullptr);
    void render(const LabelState& title, const std::array<UserBetLine, 6>& lines);

    struct Line {
        QLabel* first = nullptr;
        QLabel* sep = nullptr;
        QLabel* second = nullptr;
        QLabel* odds = nullptr;
        QLabel* hit = nullptr;
    };
    const Line& line(int index) const { return lines_[size_t(index)]; }
    QLabel& title() { return *title_; }

private:
    QLabel* title_ = nullptr;
    std::array<Line, 6> lines_{};
};
