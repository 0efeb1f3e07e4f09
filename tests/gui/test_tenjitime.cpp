// The exhibition time dialog and the exhibition time clock as the user meets them: keys sent to
// the focused widget, buttons clicked, what ends up in UserTenjiTime and in the race card's
// 展示ﾀｲﾑ column. The demo program folder gives 大村 (stadium 24) on 2024-01-06, race 5.
#include "app/appcontext.h"
#include "app/selection.h"
#include "platform/qt/qtsurface.h"
#include "platform/qt/qtui.h"
#include "support/testsupport.h"
#include "tenjitime_gui.h"
#include "views/qt/frmTTClock.h"
#include "views/qt/frmTenjiTime.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kRace = 5;
constexpr int kStadium = 24;

class TenjiTimeGuiTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QtUi ui;
    std::unique_ptr<AppContext> app;

    void SetUp() override
    {
        ui.scripted = true;
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        ASSERT_TRUE(demo.exists());
        for (const QString& name : demo.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demo.filePath(name), tmp.filePath(name)));
        app = std::make_unique<AppContext>(tmp.path(), ui, QtSurfaceFactory());
        app->Initialise(nullptr);
        app->engine.raceCard.Load(app->display.DispStyle);
        ASSERT_TRUE(LoadStadium(app->engine, kStadium, tmp.path()));
        ASSERT_EQ(ChooseRace(app->engine, kRace), kRace);
        ASSERT_EQ(app->engine.StadiumNumber(), kStadium);
        ui.shown.clear();
    }

    float stored(int frame, int race = kRace) const
    {
        return app->engine.st.UserTenjiTime.Get(frame, race, kStadium);
    }

    // Shows a dialog and makes it the active window, so keys go to its focus widget.
    static void showActive(QDialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &dialog);
    }

    static QStringList texts(const frmTenjiTime& d)
    {
        QStringList t;
        for (int i = 0; i < 6; ++i)
            t << d.txtTenjiTime(i)->text();
        return t;
    }

    // Which control of the dialog has the focus: "1".."6", "OK", "Cancel" or "?".
    static QString focusName(const frmTenjiTime& d)
    {
        const QWidget* f = QApplication::focusWidget();
        for (int i = 0; i < 6; ++i)
            if (f == d.txtTenjiTime(i))
                return QString::number(i + 1);
        if (f == d.cmdOK())
            return QStringLiteral("OK");
        if (f == d.cmdCancel())
            return QStringLiteral("Cancel");
        return QStringLiteral("?");
    }

    // A click as the window system delivers it: the widget takes the focus first.
    static void click(QWidget* w)
    {
        if (w->focusPolicy() & Qt::ClickFocus)
            w->setFocus(Qt::MouseFocusReason);
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QApplication::processEvents();
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
        QApplication::processEvents();
    }

    // Centred horizontally at one third of the screen height.
    static void expectPlaced(const QDialog& d)
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(d.frameGeometry().topLeft(), TenjiTimeDialogPos(screen, d.frameGeometry().size()));
        EXPECT_GT(d.y(), screen.y());
    }

    QString raceCardTime(int frame) const { return app->engine.raceCard.flexBangumi.CellValue(frame, 20); }
};

} // namespace

// ---- exhibition time dialog -----------------------------------------------------------------

TEST_F(TenjiTimeGuiTest, DialogShowsTheTypedTimesOfTheSelectedRace)
{
    app->engine.st.UserTenjiTime.Set(2, kRace, kStadium, 6.8f);
    app->engine.st.UserTenjiTime.Set(3, kRace + 1, kStadium, 7.0f);
    frmTenjiTime d(*app, nullptr);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("展示タイム入力"));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.lblWaku(i)->text(), QStringLiteral("&%1号艇：").arg(i + 1));
        EXPECT_EQ(d.lblWaku(i)->buddy(), d.txtTenjiTime(i));
    }
    EXPECT_EQ(d.cmdOK()->text(), QStringLiteral("OK"));
    EXPECT_EQ(d.cmdCancel()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(d.cmdOK()->isDefault());
    EXPECT_EQ(texts(d), (QStringList{"0.00", "6.80", "0.00", "0.00", "0.00", "0.00"}));
    showActive(d);
    EXPECT_EQ(focusName(d), QStringLiteral("1"));
    EXPECT_EQ(d.txtTenjiTime(0)->selectedText(), QStringLiteral("0.00"));
    expectPlaced(d);
}

TEST_F(TenjiTimeGuiTest, TypingRules)
{
    struct Case {
        const char* keys;
        QStringList texts;
        const char* focus;
    };
    const QString z = QStringLiteral("0.00");
    const Case cases[] = {
        {"6.7", {"6.7", z, z, z, z, z}, "1"},
        {"6.75", {"6.75", z, z, z, z, z}, "2"},
        {"6a.7b5", {"6.75", z, z, z, z, z}, "2"},                // letters are refused
        {"6 -.75", {"6.75", z, z, z, z, z}, "2"},
        {"6.756.80", {"6.75", "6.80", z, z, z, z}, "3"},
        {"6.756.806.816.826.836.84", {"6.75", "6.80", "6.81", "6.82", "6.83", "6.84"}, "OK"},
        {"1234", {"1234.00", z, z, z, z, z}, "2"},
        {"1..2", {"1..2", z, z, z, z, z}, "1"},                  // no number: stays
        {"1..2\t", {"1..2", z, z, z, z, z}, "1"},
        {"1..2\b\b\b.5\t", {"1.50", z, z, z, z, z}, "2"},
        {"6.7\t", {"6.70", z, z, z, z, z}, "2"},
        {"6\t7\t", {"6.00", "7.00", z, z, z, z}, "3"},
        {"\b\t", {z, z, z, z, z, z}, "2"},                       // emptied: no time
        {".\t", {".", z, z, z, z, z}, "1"},
        {"6.75\b", {"6.75", "", z, z, z, z}, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        frmTenjiTime d(*app, nullptr);
        showActive(d);
        TenjiTimeTypeKeys(QString::fromLatin1(c.keys));
        QApplication::processEvents();
        EXPECT_EQ(texts(d), c.texts);
        EXPECT_EQ(focusName(d), QString::fromLatin1(c.focus));
    }
}

TEST_F(TenjiTimeGuiTest, ClickingAnotherBox)
{
    app->engine.st.UserTenjiTime.Set(3, kRace, kStadium, 6.9f);
    frmTenjiTime d(*app, nullptr);
    showActive(d);
    TenjiTimeTypeKeys(QStringLiteral("6.7"));
    click(d.txtTenjiTime(2));
    EXPECT_EQ(focusName(d), QStringLiteral("3"));
    EXPECT_EQ(d.txtTenjiTime(0)->text(), QStringLiteral("6.70"));
    EXPECT_EQ(d.txtTenjiTime(2)->selectedText(), QStringLiteral("6.90")); // entered: all selected
    TenjiTimeTypeKeys(QStringLiteral("7."));
    click(d.txtTenjiTime(4));
    EXPECT_EQ(focusName(d), QStringLiteral("5"));
    TenjiTimeTypeKeys(QStringLiteral("."));
    click(d.txtTenjiTime(0)); // "." is no time: back to box 5
    EXPECT_EQ(focusName(d), QStringLiteral("5"));
    EXPECT_EQ(texts(d), (QStringList{"6.70", "0.00", "7.00", "0.00", ".", "0.00"}));
}

TEST_F(TenjiTimeGuiTest, FullWidthDigitsPasteAndInputMethodsGetNothingIn)
{
    frmTenjiTime d(*app, nullptr);
    showActive(d);
    QLineEdit* box = d.txtTenjiTime(0);
    TenjiTimeSendKey(box, Qt::Key_6, QStringLiteral("６"));
    EXPECT_EQ(box->text(), QStringLiteral("0.00"));
    TenjiTimeTypeKeys(QStringLiteral("6."));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    TenjiTimeSendKey(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    TenjiTimeSendKey(box, Qt::Key_Insert, QString(), Qt::ShiftModifier);
    EXPECT_EQ(box->text(), QStringLiteral("6."));
    EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(box->acceptDrops());
}

TEST_F(TenjiTimeGuiTest, EnterOnOkStoresTheSixTimes)
{
    app->engine.st.UserTenjiTime.Set(1, kRace + 1, kStadium, 7.1f);
    frmTenjiTime d(*app, nullptr);
    showActive(d);
    TenjiTimeTypeKeys(QStringLiteral("6.756.806.7\t\t\b\t7"));
    TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(d.Confirmed());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FLOAT_EQ(stored(1), 6.75f);
    EXPECT_FLOAT_EQ(stored(2), 6.80f);
    EXPECT_FLOAT_EQ(stored(3), 6.70f);
    EXPECT_EQ(stored(4), 0.0f);
    EXPECT_EQ(stored(5), 0.0f);
    EXPECT_FLOAT_EQ(stored(6), 7.0f);
    EXPECT_FLOAT_EQ(stored(1, kRace + 1), 7.1f);
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_F(TenjiTimeGuiTest, OkWithABoxThatHoldsNoTimeStoresNothing)
{
    app->engine.st.UserTenjiTime.Set(1, kRace, kStadium, 6.5f);
    frmTenjiTime d(*app, nullptr);
    showActive(d);
    TenjiTimeTypeKeys(QStringLiteral("6.."));
    click(d.cmdOK());
    EXPECT_FALSE(d.Confirmed());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(focusName(d), QStringLiteral("1"));
    EXPECT_EQ(d.txtTenjiTime(0)->text(), QStringLiteral("6.."));
    EXPECT_FLOAT_EQ(stored(1), 6.5f);
    // Corrected, it goes through.
    TenjiTimeTypeKeys(QStringLiteral("\b5"));
    click(d.cmdOK());
    EXPECT_TRUE(d.Confirmed());
    EXPECT_FLOAT_EQ(stored(1), 6.5f);
    EXPECT_EQ(d.txtTenjiTime(0)->text(), QStringLiteral("6.50"));
}

TEST_F(TenjiTimeGuiTest, CancelAndEscapeStoreNothing)
{
    app->engine.st.UserTenjiTime.Set(1, kRace, kStadium, 6.5f);
    for (const char* how : {"click", "escape", "close box", "from a box without a time"}) {
        SCOPED_TRACE(how);
        frmTenjiTime d(*app, nullptr);
        showActive(d);
        const QString h = QString::fromLatin1(how);
        TenjiTimeTypeKeys(h == QStringLiteral("from a box without a time") ? QStringLiteral("7..") : QStringLiteral("7.1\t7.2"));
        if (h == QStringLiteral("escape"))
            TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
        else if (h == QStringLiteral("close box"))
            d.close();
        else
            click(d.cmdCancel());
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(d.Confirmed());
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_FLOAT_EQ(stored(1), 6.5f);
        EXPECT_EQ(stored(2), 0.0f);
    }
}

TEST_F(TenjiTimeGuiTest, ShowTenjiTimeDialogRedrawsTheExhibitionColumnAfterOk)
{
    ASSERT_EQ(raceCardTime(1), QString());
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QApplication::activeModalWidget());
        QApplication::setActiveWindow(QApplication::activeModalWidget());
        TenjiTimeTypeKeys(QStringLiteral("6.756.806.816.826.836.84"));
        TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_TRUE(ShowTenjiTimeDialog(*app, nullptr));
    EXPECT_EQ(raceCardTime(1), QStringLiteral("6.75"));
    EXPECT_EQ(raceCardTime(6), QStringLiteral("6.84"));

    QTimer::singleShot(0, [] {
        QApplication::setActiveWindow(QApplication::activeModalWidget());
        TenjiTimeTypeKeys(QStringLiteral("7.00"));
        TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
    });
    EXPECT_FALSE(ShowTenjiTimeDialog(*app, nullptr));
    EXPECT_EQ(raceCardTime(1), QStringLiteral("6.75"));
    EXPECT_FLOAT_EQ(stored(1), 6.75f);
}

// ---- exhibition time clock ------------------------------------------------------------------

class TenjiTimeClockGuiTest : public TenjiTimeGuiTest {
protected:
    qint64 ms = 50000;
    MillisecondClock fake() { return [this] { return ms; }; }

    // Presses a boat's key on the dialog as the keyboard would (main keys or keypad).
    static void key(frmTTClock& d, int boat, bool keypad = false, bool autoRepeat = false)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &d;
        TenjiTimeSendKey(target, Qt::Key_1 + boat - 1, QString::number(boat),
                         keypad ? Qt::KeypadModifier : Qt::NoModifier, autoRepeat);
    }

    void timeAll(frmTTClock& d)
    {
        for (int b = 1; b <= 6; ++b) {
            key(d, b);
            ms += 6600 + 20 * b;
            key(d, b, b % 2 == 0);
        }
    }
};

TEST_F(TenjiTimeClockGuiTest, KeysStartAndStopTheWatches)
{
    frmTTClock d(*app, fake(), nullptr);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("展示タイム時計"));
    EXPECT_EQ(d.cmdClose()->text(), QStringLiteral("閉じる"));
    for (int b = 1; b <= 6; ++b) {
        EXPECT_EQ(d.lblBoat(b)->text(), QStringLiteral("%1号艇：").arg(b));
        EXPECT_TRUE(d.txtTime(b)->isReadOnly());
        EXPECT_EQ(d.txtTime(b)->text(), QString());
    }
    showActive(d);
    expectPlaced(d);
    EXPECT_EQ(QApplication::focusWidget(), d.cmdClose());
    key(d, 2);
    EXPECT_EQ(d.txtTime(2)->text(), QStringLiteral("計測中"));
    ms += 6750;
    key(d, 2);
    EXPECT_EQ(d.txtTime(2)->text(), QStringLiteral("6.75"));
    // The keypad works alike; a held key's repeats change nothing.
    key(d, 3, true);
    ms += 3000;
    key(d, 3, true, true);
    EXPECT_EQ(d.txtTime(3)->text(), QStringLiteral("計測中"));
    ms += 3810;
    key(d, 3, true);
    EXPECT_EQ(d.txtTime(3)->text(), QStringLiteral("6.81"));
    // A third press measures again.
    key(d, 2);
    EXPECT_EQ(d.txtTime(2)->text(), QStringLiteral("計測中"));
    // Other keys do nothing.
    TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_7, QStringLiteral("7"));
    TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_0, QStringLiteral("0"));
    for (int b : {1, 4, 5, 6})
        EXPECT_EQ(d.txtTime(b)->text(), QString()) << b;
    EXPECT_TRUE(d.isVisible());
}

TEST_F(TenjiTimeClockGuiTest, CloseAsksAndStoresOnYes)
{
    frmTTClock d(*app, fake(), nullptr);
    showActive(d);
    timeAll(d);
    ui.yesNoAnswers = {true};
    click(d.cmdClose());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(d.Stored());
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_EQ(ui.shown[0].kind, QStringLiteral("question"));
    EXPECT_EQ(ui.shown[0].title, QStringLiteral("Quorvel"));
    EXPECT_EQ(ui.shown[0].text, QStringLiteral("展示タイムを更新しますか。"));
    EXPECT_FLOAT_EQ(stored(1), 6.62f);
    EXPECT_FLOAT_EQ(stored(6), 6.72f);
}

TEST_F(TenjiTimeClockGuiTest, CloseWithoutStoring)
{
    app->engine.st.UserTenjiTime.Set(1, kRace, kStadium, 7.0f);
    for (const char* how : {"no", "escape", "close box", "five times"}) {
        SCOPED_TRACE(how);
        const QString h = QString::fromLatin1(how);
        ui.shown.clear();
        frmTTClock d(*app, fake(), nullptr);
        showActive(d);
        timeAll(d);
        if (h == QStringLiteral("five times"))
            key(d, 4); // running again
        ui.yesNoAnswers = {false};
        if (h == QStringLiteral("escape"))
            TenjiTimeSendKey(QApplication::focusWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
        else if (h == QStringLiteral("close box"))
            d.close();
        else
            click(d.cmdClose());
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(d.Stored());
        EXPECT_EQ(ui.shown.size(), h == QStringLiteral("five times") ? 0 : 1);
        EXPECT_FLOAT_EQ(stored(1), 7.0f);
        EXPECT_EQ(stored(2), 0.0f);
    }
}

TEST_F(TenjiTimeClockGuiTest, ShowTenjiTimeClockRedrawsTheExhibitionColumnWhenStored)
{
    ui.yesNoAnswers = {true};
    QTimer::singleShot(0, [this] {
        auto* d = qobject_cast<frmTTClock*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        QApplication::setActiveWindow(d);
        timeAll(*d);
        d->cmdClose()->click();
    });
    EXPECT_TRUE(ShowTenjiTimeClock(*app, nullptr, fake()));
    EXPECT_EQ(raceCardTime(1), QStringLiteral("6.62"));
    EXPECT_EQ(raceCardTime(6), QStringLiteral("6.72"));
    EXPECT_EQ(ui.shown.size(), 1);

    // Answered No: nothing stored, nothing redrawn.
    app->engine.raceCard.flexBangumi.CellValue(1, 20, QStringLiteral("x"));
    ui.yesNoAnswers = {false};
    QTimer::singleShot(0, [this] {
        auto* d = qobject_cast<frmTTClock*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        timeAll(*d);
        d->cmdClose()->click();
    });
    EXPECT_FALSE(ShowTenjiTimeClock(*app, nullptr, fake()));
    EXPECT_EQ(raceCardTime(1), QStringLiteral("x"));
    EXPECT_FLOAT_EQ(stored(1), 6.62f);
}

// Renders both dialogs for a look (run with --gtest_also_run_disabled_tests; PNGs go to the
// folder in QUORVEL_PNG_DIR, default /tmp).
TEST_F(TenjiTimeClockGuiTest, DISABLED_RenderPng)
{
    const QString dir = qEnvironmentVariableIsSet("QUORVEL_PNG_DIR") ? qEnvironmentVariable("QUORVEL_PNG_DIR")
                                                                   : QStringLiteral("/tmp");
    app->engine.st.UserTenjiTime.Set(2, kRace, kStadium, 6.8f);
    app->engine.st.UserTenjiTime.Set(5, kRace, kStadium, 12.5f);
    frmTenjiTime t(*app, nullptr);
    showActive(t);
    TenjiTimeTypeKeys(QStringLiteral("6.7"));
    QApplication::processEvents();
    EXPECT_TRUE(t.grab().save(dir + QStringLiteral("/tenjitime.png")));

    frmTTClock c(*app, fake(), nullptr);
    showActive(c);
    key(c, 1);
    ms += 6750;
    key(c, 1);
    key(c, 2);
    key(c, 3);
    ms += 6820;
    key(c, 3);
    QApplication::processEvents();
    EXPECT_TRUE(c.grab().save(dir + QStringLiteral("/ttclock.png")));
}
