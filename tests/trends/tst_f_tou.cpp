// The trend windows driven like a user: the set-up checks, the drawings it opens, the target
// line, the manual scale, gaps and means, and the outputs.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "csv.h"
#include "datacombo.h"
#include "datepick.h"
#include "filechoice.h"
#include "filechoicetest.h"
#include "f_help.h"
#include "f_tou01.h"
#include "f_tou02.h"
#include "f_tou02_syudou.h"
#include "graph.h"
#include "guitest.h"
#include "statusbartext.h"
#include "testsupport.h"

#include <QAction>
#include <QCalendarWidget>
#include <QToolButton>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kStart(2021, 4, 1);

// Writes the graph's CSV through its menu, the file dialog answered with a path in `dir`.
CsvTable savedCsv(F_Tou02 *g, const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("series"));
    {
        FileChoiceRecorder files;
        files.chosen = path;
        g->otCsv->trigger();
    }
    QFile f(path + QStringLiteral(".csv"));
    if (!f.open(QIODevice::ReadOnly) || !f.read(3).startsWith("\xEF\xBB\xBF"))
        return {};
    return CsvTable::read(f.fileName());
}

// Answers every modal window that opens while alive (the graph, the scale dialog).
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget *)> fn) : m_fn(std::move(fn))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *m = QApplication::activeModalWidget();
            if (!m || m == m_busy)
                return;
            m_busy = m;
            ++m_count;
            m_fn(m);
            if (m->isVisible())
                m->close();
            m_busy = nullptr;
        });
        m_timer.start(10);
    }
    int count() const { return m_count; }

private:
    std::function<void(QWidget *)> m_fn;
    QTimer m_timer;
    QWidget *m_busy = nullptr;
    int m_count = 0;
};

void setStart(F_Tou01 &w, const QDate &d)
{
    typeInto(w.Text3[0], QString::number(d.year()));
    typeInto(w.Text3[1], QString::number(d.month()));
    typeInto(w.Text3[2], QString::number(d.day()));
}

// Clicks グラフ and runs fn on the graph window it shows; false when none was shown.
bool withGraph(F_Tou01 &w, const std::function<void(F_Tou02 *)> &fn)
{
    bool shown = false;
    ModalWatch watch([&](QWidget *m) {
        auto *g = qobject_cast<F_Tou02 *>(m);
        if (!g)
            return;
        shown = true;
        if (!QTest::qWaitForWindowExposed(g))
            qWarning("graph window not exposed");
        fn(g);
    });
    click(&w, "Command1");
    return shown;
}

qint64 householder(const QVariantMap &extra = {})
{
    fx::kijun(40, 1, 2, {{"エネルギー係数Ｃ", 2250}, {"脂肪エネルギー比率係数Ｃ", 25}});
    fx::basal(40, 1, 22.3);
    const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1, extra);
    G_DB().exec("UPDATE USERCHECK SET MAINUSER = ?", {p});
    return p;
}

QStringList legends(Graph *g)
{
    QStringList out;
    for (int s = 1; s <= g->numSets(); ++s)
        out << g->legendText(s);
    return out;
}

} // namespace

class TstFTou : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    // ---- the set-up window ----

    void loadWithoutMainUser()
    {
        TempDb t;
        fx::person("花子", QDate(1985, 1, 1), 2);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("統計"));
        QCOMPARE(w.DBCombo1->text(), QString());
        QCOMPARE(w.DBCombo1->count(), 1);
        const QDate start = QDate::currentDate().addDays(-30);
        QCOMPARE(Tou_Hiduke(w.Text3[0]->text(), w.Text3[1]->text(), w.Text3[2]->text()), start);
        QVERIFY(w.Option3[0]->isChecked() && w.Option4[0]->isChecked());
        for (QLabel *l : w.Label)
            QVERIFY(!l->isEnabled());
        QVERIFY(w.Combo1->isEnabled());
        QVERIFY(!w.Text4[0]->isEnabled());
        // The two lists: the health items, then the nutrients エネルギー … 多価不飽和脂肪酸.
        for (QComboBox *c : {w.Combo1, w.Combo2}) {
            QCOMPARE(c->count(), 47);
            QCOMPARE(c->itemText(0), QString());
            QCOMPARE(c->itemText(2), QStringLiteral("体重"));
            QCOMPARE(c->itemText(10), QStringLiteral("体温"));
            QCOMPARE(c->itemText(11), QStringLiteral("エネルギー"));
            QCOMPARE(c->itemText(46), QStringLiteral("多価不飽和脂肪酸"));
        }
        QVERIFY(!withGraph(w, [](F_Tou02 *) {}));
        QCOMPARE(msgs.prompts(), QStringList{"名前を選択してください。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
        QCOMPARE(msgs.shown().first().icon(), int(vbInformation));

        // The item labels follow the kind of graph.
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        for (QLabel *l : w.Label)
            QVERIFY(l->isEnabled());
        QTest::mouseClick(w.Option4[0], Qt::LeftButton);
        QVERIFY(!w.Label[0]->isEnabled());
    }

    void refusedInput_data()
    {
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<int>("period");
        QTest::addColumn<QStringList>("end");
        QTest::addColumn<bool>("items");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QStringList ok{"2021", "4", "1"};
        QTest::newRow("30 February") << QStringList{"2003", "2", "30"} << 0 << ok << false
                                     << "開始日を確認してください。" << "Text3_0";
        QTest::newRow("blank month") << QStringList{"2021", "", "1"} << 1 << ok << false
                                     << "開始日を確認してください。" << "Text3_0";
        QTest::newRow("no item") << ok << 0 << ok << true << "項目を指定してください。" << "Combo1";
        QTest::newRow("bad end") << ok << 2 << QStringList{"2021", "2", "31"} << false
                                 << "終了日を確認してください。" << "Text4_0";
        QTest::newRow("end before start") << ok << 2 << QStringList{"2021", "3", "31"} << false
                                          << "終了日は、開始日から２年以内の、開始日より後の日付を入れてください。"
                                          << "Text4_0";
        QTest::newRow("over two years") << ok << 2 << QStringList{"2023", "4", "2"} << false
                                        << "終了日は、開始日から２年以内の、開始日より後の日付を入れてください。"
                                        << "Text4_0";
    }
    void refusedInput()
    {
        QFETCH(QStringList, start);
        QFETCH(int, period);
        QFETCH(QStringList, end);
        QFETCH(bool, items);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TempDb t;
        householder();
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.DBCombo1->text().isEmpty()); // the main user is chosen
        QTest::mouseClick(w.Option3[period], Qt::LeftButton);
        QCOMPARE(w.Text4[0]->isEnabled(), period == 2);
        for (int i = 0; i < 3; ++i) {
            typeInto(w.Text3[i], start[i]);
            typeInto(w.Text4[i], end[i]);
        }
        if (items)
            QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        QVERIFY(!withGraph(w, [](F_Tou02 *) {}));
        QCOMPARE(msgs.prompts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    // ---- the drawings ----

    void onlySecondItem()
    {
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(4), 170, 61.5);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        w.Combo2->setCurrentIndex(2); // 体重
        const bool shown = withGraph(w, [&](F_Tou02 *g) {
            QCOMPARE(g->windowTitle(), QStringLiteral("グラフ"));
            QCOMPARE(g->Gr->numSets(), 1);
            QCOMPARE(legends(g->Gr), QStringList{"体重"});
            QCOMPARE(g->Gr->numPoints(), 31);
            QCOMPARE(g->Gr->pointLabel(1), QStringLiteral("4/1"));
            QCOMPARE(g->Gr->setColor(1), 12);
            QCOMPARE(g->zu().leftCount, 0);
            QCOMPARE(g->Gr->value(1, 5), 61.5);
            QVERIFY(!g->Gr->hasReferenceLine());
            // Clicking the one point shows its value and unit.
            g->Gr->redraw();
            QCoreApplication::processEvents();
            QWidget *vp = g->Gr->chartView()->viewport();
            QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(g->Gr, g->Gr->pointPosition(1, 5)));
            QCOMPARE(g->Label3->text(), QStringLiteral("61.5 ( kg ) "));
            QCOMPARE(g->label1->text(), QStringLiteral("名前 ： 太郎"));
            QCOMPARE(g->label2->text(), QStringLiteral("開始日 ： 2021 年 4 月 1 日～"));
        });
        QVERIFY(shown);
        QCOMPARE(G_Tou_Koumoku_Sitei, (std::array<QString, 2>{"", "体重"}));
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QVERIFY(w.isVisible()); // the set-up stays open behind the graph
    }

    void twoItems_data()
    {
        QTest::addColumn<int>("code1");
        QTest::addColumn<int>("code2");
        QTest::addColumn<QStringList>("legends");
        QTest::addColumn<QList<int>>("colors");
        QTest::addColumn<int>("rightSet");
        QTest::addColumn<double>("lastSetValue"); // on the 3rd
        QTest::newRow("two health items") << 2 << 8 << QStringList{"体重", "歩数"} << QList<int>{12, 14} << 2
                                          << 9000.0;
        QTest::newRow("nutrient, its standard, item")
            << 14 << 2 << QStringList{"カルシウム", "カルシウム（標準所要量）", "体重"}
            << QList<int>{12, 14, 9} << 3 << 60.0;
        QTest::newRow("nutrient and its standard")
            << 14 << 0 << QStringList{"カルシウム", "カルシウム（標準所要量）"} << QList<int>{12, 14} << 0
            << 0.0;
    }
    void twoItems()
    {
        QFETCH(int, code1);
        QFETCH(int, code2);
        QFETCH(QStringList, legends);
        QFETCH(QList<int>, colors);
        QFETCH(int, rightSet);
        QFETCH(double, lastSetValue);
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(2), 170, 60, "健康", 2, {{"歩数", 9000}});
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QTest::mouseClick(w.Option3[1], Qt::LeftButton);
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        w.Combo1->setCurrentIndex(code1);
        w.Combo2->setCurrentIndex(code2);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            QCOMPARE(::legends(g->Gr), legends);
            QCOMPARE(g->Gr->numPoints(), 26);
            for (int s = 1; s <= legends.size(); ++s) {
                QCOMPARE(g->Gr->setColor(s), colors[s - 1]);
                QCOMPARE(g->Gr->axisOf(s), s == rightSet ? Graph::Axis::Right : Graph::Axis::Left);
            }
            QCOMPARE(g->Gr->value(int(legends.size()), 1), lastSetValue);
            QCOMPARE(g->Gr->axisTitle(Graph::Axis::Left), code1 == 2 ? QStringLiteral("（kg）")
                                                                      : QStringLiteral("（mg）"));
            QCOMPARE(g->Gr->axisTitle(Graph::Axis::Right),
                     rightSet == 0 ? QString() : code2 == 8 ? QStringLiteral("（歩）") : QStringLiteral("（kg）"));
            QVERIFY(g->Gr->hasValue(1, 1));
            QVERIFY(!g->Gr->hasValue(1, 2));
        }));
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
    }

    void energyTarget_data()
    {
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("line");
        QTest::newRow("switched on") << true << true;
        QTest::newRow("switched off, value stored") << false << false;
    }
    void energyTarget()
    {
        QFETCH(bool, flag);
        QFETCH(bool, line);
        TempDb t;
        const qint64 p = householder({{"エネルギーflg", flag ? 1 : 0}, {"エネルギー", 2100}});
        fx::record(p, kStart.addDays(1), 170, 60);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            QCOMPARE(legends(g->Gr), (QStringList{"摂取エネルギー", "エネルギー（標準所要量）", "消費エネルギー"}));
            QCOMPARE(g->Gr->setColor(3), 9);
            QCOMPARE(g->Gr->hasReferenceLine(), line);
            if (line) {
                QCOMPARE(g->Gr->referenceValue(), 2100.0);
                QCOMPARE(g->Gr->referenceLabel(), QStringLiteral("目標値"));
            }
            QCOMPARE(g->Gr->value(2, 2), 2250.0);
            QCOMPARE(g->Gr->value(3, 2), 1.176 * 22.3 * 60);
        }));
        QCOMPARE(G_Simei_ID, p);
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
    }

    // Records on the 3rd and the 20th only: two points, no line down to 0, the mean of the two.
    void gapsAndMean()
    {
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(2), 170, 60);
        fx::record(p, kStart.addDays(19), 170, 63);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        w.Combo1->setCurrentIndex(2);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            QList<int> drawn;
            for (int c = 1; c <= 31; ++c)
                if (g->Gr->hasValue(1, c))
                    drawn << c;
            QCOMPARE(drawn, (QList<int>{3, 20}));
            QVERIFY(g->Gr->axisRange().first > 50); // no plunge to 0 kg
            QCOMPARE(g->Gr->mean(1), 61.5);
            QVERIFY(g->Label4->text().isEmpty());
            g->gmAvr->trigger();
            QVERIFY(g->gmAvr->isChecked());
            QVERIFY(g->Gr->meanLines());
            QCOMPARE(g->Label4->text(), QStringLiteral("平均値 ： 体重 61.5 kg"));
            g->gmAvr->trigger();
            QVERIFY(!g->Gr->meanLines());
            QVERIFY(g->Label4->text().isEmpty());
        }));
    }

    void manualScale()
    {
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart, 170, 60);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            auto fill = [](QStringList texts, bool ok) {
                return [texts, ok](QWidget *m) {
                    auto *d = qobject_cast<F_Tou02_Syudou *>(m);
                    QVERIFY(d);
                    QCOMPARE(d->windowTitle(), QStringLiteral("グラフ　目盛の手動設定"));
                    for (int i = 0; i < 4; ++i)
                        QCOMPARE(d->Text1[i]->text(), QStringLiteral("0"));
                    for (int i = 0; i < 4; ++i)
                        typeInto(d->Text1[i], texts[i]);
                    click(d, ok ? "Command1" : "Command2");
                    QCOMPARE(d->CanselFlg, !ok);
                    QVERIFY(!d->isVisible());
                    if (ok) { // the limits as the scale took them
                        QCOMPARE(d->Text1[0]->text(), QStringLiteral("100.00"));
                        QCOMPARE(d->Text1[1]->text(), QStringLiteral("0.00"));
                    }
                };
            };
            // Lower limit equal to the upper: refused, the dialog stays until cancelled.
            {
                bool refused = false;
                ModalWatch inner([&](QWidget *m) {
                    auto *d = qobject_cast<F_Tou02_Syudou *>(m);
                    QVERIFY(d);
                    for (int i = 0; i < 4; ++i)
                        typeInto(d->Text1[i], QStringList{"50", "50", "2", "1"}[i]);
                    click(d, "Command1");
                    refused = d->isVisible() && d->CanselFlg;
                    QCOMPARE(d->Text1[0]->text(), QStringLiteral("50.00"));
                    QCOMPARE(QApplication::focusWidget(), d->Text1[0]);
                    click(d, "Command2");
                });
                g->grMem->trigger();
                QVERIFY(refused);
            }
            QCOMPARE(msgs.prompts(), QStringList{"最大値は、最小値より大きな値を入れてください。"});
            QVERIFY(!g->grMem->isChecked());
            QVERIFY(!g->Gr->isUserScale());
            // 0 .. 100.
            {
                ModalWatch inner(fill({"100", "0", "4", "1"}, true));
                g->grMem->trigger();
            }
            QVERIFY(g->grMem->isChecked());
            QVERIFY(g->Gr->isUserScale());
            QCOMPARE(g->Gr->axisRange(), (std::pair<double, double>(0, 100)));
            auto *y = qobject_cast<QValueAxis *>(g->Gr->chart()->axes(Qt::Vertical).first());
            QCOMPARE(y->tickCount(), 6); // four lines between the ends
            QCOMPARE(y->minorTickCount(), 1);
            // Checked: a click goes back to automatic.
            g->grMem->trigger();
            QVERIFY(!g->grMem->isChecked());
            QVERIFY(!g->Gr->isUserScale());
            QVERIFY(g->Gr->axisRange().second > 2000); // the energy series again
            // Cancel leaves the menu unchecked and the scale automatic.
            {
                ModalWatch inner(fill({"100", "0", "4", "1"}, false));
                g->grMem->trigger();
            }
            QVERIFY(!g->grMem->isChecked());
            QVERIFY(!g->Gr->isUserScale());
        }));
    }

    void outputs()
    {
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(3), 170, 60.25);
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        w.Combo1->setCurrentIndex(2);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            g->otHyou->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), Tou_Text(TouKikanSyu::Tuki));
            QVERIFY(QGuiApplication::clipboard()->text().contains("\t60.25\t"));
            QCOMPARE(msgs.last(), QStringLiteral("クリップボードにテキスト形式でコピーしました。"));
            msgs.clear();
            msgs.answer(vbCancel);
            g->otPrint->trigger();
            QCOMPARE(msgs.prompts(), QStringList{"印刷を開始します。プリンタの準備はよろしいですか。"});
            QCOMPARE(g->printTitle(),
                     QStringLiteral("      開始日 ： 2021 年 4 月 1 日～      名前 ： 太郎"));
            QGuiApplication::clipboard()->clear();
            g->otGazou->trigger();
            QVERIFY(!QGuiApplication::clipboard()->image().isNull());
            // For a spreadsheet: 31 dated rows, the weight only where it was measured.
            QTemporaryDir dir;
            const CsvTable csv = savedCsv(g, dir);
            QCOMPARE(csv.header(), (QStringList{"日付", "体重（kg）"}));
            QCOMPARE(csv.size(), 31);
            for (int d = 0; d < 31; ++d) {
                QCOMPARE(csv.rows()[d][0], kStart.addDays(d).toString(Qt::ISODate));
                QCOMPARE(csv.rows()[d][1], d == 3 ? QStringLiteral("60.25") : QString());
            }
        }));
    }

    // A period of the user's choice: daily up to three months, weekly beyond.
    void chosenPeriod_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("note");
        QTest::newRow("45 days") << 45 << 45 << "１日ごと　45点";
        QTest::newRow("two years") << 730 << 105 << "１週間ごとの平均　105点";
    }
    void chosenPeriod()
    {
        QFETCH(int, days);
        QFETCH(int, points);
        QFETCH(QString, note);
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(days - 1), 170, 64); // the last day counts
        MsgRecorder msgs;
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QTest::mouseClick(w.Option3[2], Qt::LeftButton);
        const QDate end = kStart.addDays(days - 1);
        typeInto(w.Text4[0], QString::number(end.year()));
        typeInto(w.Text4[1], QString::number(end.month()));
        typeInto(w.Text4[2], QString::number(end.day()));
        QCOMPARE(w.LabKikan->text(), note);
        QTest::mouseClick(w.Option4[1], Qt::LeftButton);
        w.Combo1->setCurrentIndex(2);
        QVERIFY(withGraph(w, [&](F_Tou02 *g) {
            QCOMPARE(g->Gr->numPoints(), points);
            QVERIFY(g->Gr->hasValue(1, points));
            QVERIFY(!g->Gr->hasValue(1, 1));
            QCOMPARE(g->Gr->value(1, points), 64.0);
            QVERIFY(g->label2->text().startsWith(QStringLiteral("期間 ： 2021 年 4 月 1 日～")));
            g->otHyou->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text().split("\r\n").first().count('\t'), points + 1);
            // Weekly means carry their two ends and the days behind them; the last week ends on `end`.
            QTemporaryDir dir;
            const CsvTable csv = savedCsv(g, dir);
            QCOMPARE(csv.size(), points);
            const bool weekly = points < days;
            QCOMPARE(csv.header().first(), weekly ? QStringLiteral("開始日") : QStringLiteral("日付"));
            QCOMPARE(csv.rows().last().value(weekly ? 1 : 0), end.toString(Qt::ISODate));
            QCOMPARE(csv.value(points - 1, QStringLiteral("体重（kg）")), QStringLiteral("64"));
            QVERIFY(csv.value(0, QStringLiteral("体重（kg）")).isEmpty());
            if (weekly)
                QCOMPARE(csv.value(points - 1, QStringLiteral("記録日数")), QStringLiteral("1"));
        }));
        QCOMPARE(msgs.prompts().size(), 2); // the copy's notice and the file written
    }

    // Start and end each have a calendar marking the person's recorded days; the end's follows
    // its boxes in being usable only for a chosen period.
    void calendarsFillTheDates()
    {
        TempDb t;
        const qint64 p = householder();
        fx::record(p, kStart.addDays(2), 170, 60);
        fx::record(p, kStart.addDays(9), 170, 61);
        F_Tou01 w;
        w.show();
        setStart(w, kStart);
        QVERIFY(!w.DatePick2->isEnabled());
        QTest::mouseClick(w.Option3[2], Qt::LeftButton);
        QVERIFY(w.DatePick2->isEnabled());
        const struct { DatePick *pick; std::array<QLineEdit *, 3> boxes; QDate day; } cases[] = {
            {w.DatePick1, w.Text3, kStart.addDays(2)}, {w.DatePick2, w.Text4, kStart.addDays(40)}};
        for (const auto &c : cases) {
            bool seen = false;
            onModal([&](QWidget *m) {
                auto *cal = child<QCalendarWidget>(m, "Calendar1");
                seen = true;
                for (int d = 0; d < 12; ++d)
                    QCOMPARE(cal->dateTextFormat(kStart.addDays(d)).fontWeight() == QFont::Bold, d == 2 || d == 9);
                emit cal->clicked(c.day);
            }, &w);
            c.pick->CmdCalendar->click();
            QVERIFY(seen);
            QCOMPARE(Tou_Hiduke(c.boxes[0]->text(), c.boxes[1]->text(), c.boxes[2]->text()), c.day);
        }
        QCOMPARE(w.LabKikan->text(), Tou_Kikan_Setumei(kStart.addDays(2), kStart.addDays(40)));
        w.DatePick1->CmdToday->click();
        QCOMPARE(Tou_Hiduke(w.Text3[0]->text(), w.Text3[1]->text(), w.Text3[2]->text()), QDate::currentDate());
    }

    void closingComesBack()
    {
        TempDb t;
        auto *w = new F_Tou01;
        QSignalSpy spy(w, &F_Tou01::closed);
        QPointer<F_Tou01> guard(w);
        w->show();
        QCOMPARE(w->StBar->text(), F_Tou01::defaultStatusText());
        QCOMPARE(helpPageFor(w->Combo1), QStringLiteral("trends.html"));
        click(w, "Command2");
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY(!guard);
    }
};

QTEST_MAIN(TstFTou)
#include "tst_f_tou.moc"
