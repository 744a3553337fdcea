// The windows the day window opens: the past-records list, the chart, the intensity table and
// the person registry, each driven from the day window like a user.

#include "b_01.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "f_kjnyuu01_iti.h"
#include "f_kjnyuu01_tai.h"
#include "f_kjnyuu_set.h"
#include "flexgrid.h"
#include "kenkou_core.h"
#include "guitest.h"
#include "testsupport.h"
#include "uiutil.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <functional>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kToday = QDate::currentDate();

qint64 addDay(qint64 person, const QDate &d, double height, double weight, double steps,
              const QString &memo = QString())
{
    KenkouRow r;
    r.simeiId = person;
    r.hiduke = d;
    r.sintyou = height;
    r.taijuu = weight;
    r.kenkou = QStringLiteral("健康");
    r.kyoudo = 4;
    r.ketuatuSita = 65;
    r.ketuatuUe = 110;
    r.taion = 36.2;
    r.taisibou = 8.5;
    r.kettouti = 88;
    r.sinpaku = 58;
    r.hosuu = steps;
    r.undouryou = 95;
    r.bikou = memo;
    return insertKenkouRow(G_DB(), r);
}

void moveOver(FlexGrid *g, int row, int col)
{
    const auto [w, p] = g->cellPosition(row, col);
    QVERIFY(w);
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void doubleClickCell(FlexGrid *g, int row, int col)
{
    const auto [w, pt] = g->cellPosition(row, col);
    QVERIFY(w);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, pt);
}

} // namespace

class TstHealthWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDb> m_db;
    std::unique_ptr<test::MsgRecorder> m_msg;
    QPointer<F_KJNyuu01> m_w;

    F_KJNyuu01 *open()
    {
        m_w = new F_KJNyuu01;
        m_w->show();
        QApplication::setActiveWindow(m_w);
        return m_w;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_db = std::make_unique<test::TempDb>();
        m_msg = std::make_unique<test::MsgRecorder>();
        G_KK_ID = 0;
        G_Simei_ID = 0;
    }
    void cleanup()
    {
        delete m_w;
        m_msg.reset();
        m_db.reset();
    }

    // ---------------------------------------------------------------- past records

    void listFormatsAndColumns()
    {
        const qint64 p = addPerson("次郎", QDate(2015, 5, 1), 1, true);
        addDay(p, QDate(2024, 1, 5), 120, 65.5, 8000, "かぜ");
        open();
        F_KJNyuu01_Iti iti(m_w);
        FlexGrid *g = child<FlexGrid>(&iti, "VSGrid1");
        QCOMPARE(iti.windowTitle(), QStringLiteral("健康状態一覧"));
        QCOMPARE(child<QLabel>(&iti, "Label1")->text(), QStringLiteral("氏名 ： 次郎"));
        QCOMPARE(g->rows(), 2);
        QCOMPARE(g->cols(), 15);
        const QStringList expected{"", "2024/01/05", "120.0", "065.5", "健康", "重い", "088",
                                   "08.5", "058", "065", "110", "008000", "00095", "かぜ"};
        for (int c = 1; c < expected.size(); ++c)
            QCOMPARE(g->textMatrix(1, c), expected.at(c));
        QCOMPARE(g->textMatrix(0, 12), QStringLiteral("運動量(歩数計)"));
        QVERIFY(g->colHidden(14));
        QVERIFY(!g->colHidden(13));
    }

    void listCursor_data()
    {
        QTest::addColumn<bool>("unsavedDay");
        QTest::newRow("saved day shown") << false;
        QTest::newRow("unsaved day shown") << true;
    }
    void listCursor()
    {
        QFETCH(bool, unsavedDay);
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, QDate(2024, 1, 1), 160, 50, 1000);
        addDay(p, QDate(2024, 1, 2), 160, 51, 2000);
        addDay(p, QDate(2024, 1, 3), 160, 52, 3000);
        F_KJNyuu01 *w = open();
        if (!unsavedDay) {
            QTest::mouseClick(child<QToolButton>(w, "Command7_0"), Qt::LeftButton);
            QTest::mouseClick(child<QToolButton>(w, "Command7_0"), Qt::LeftButton);
            QCOMPARE(w->ThisDate, QDate(2024, 1, 2));
        }
        F_KJNyuu01_Iti iti(w);
        FlexGrid *g = child<FlexGrid>(&iti, "VSGrid1");
        QCOMPARE(g->row(), unsavedDay ? 3 : 2);
    }

    void listLoadsRecordIntoDayWindow()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 a = addDay(p, QDate(2024, 1, 1), 160, 50, 1000, "ついたち");
        addDay(p, kToday.addDays(-1), 160, 51, 2000);
        // Windows for meals and exercise exist: the loaded day must open them.
        const auto none = [](F_KJNyuu01 *) -> QWidget * { return nullptr; };
        F_KJNyuu01::setMealsOpener(none);
        F_KJNyuu01::setExerciseOpener(none);
        const auto reset = qScopeGuard([] {
            F_KJNyuu01::setMealsOpener({});
            F_KJNyuu01::setExerciseOpener({});
        });
        F_KJNyuu01 *w = open();
        QCOMPARE(G_KK_ID, 0);
        QVERIFY(!child<QPushButton>(w, "Command5")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command6")->isEnabled());
        bool tipShown = false;
        onModal([&](QWidget *m) {
            FlexGrid *g = child<FlexGrid>(m, "VSGrid1");
            moveOver(g, 0, 2);
            tipShown = g->toolTipText() == QStringLiteral("ダブルクリックで、行幅を切り替えます。");
            moveOver(g, 1, 3);
            tipShown = tipShown
                && g->toolTipText()
                    == QStringLiteral("ダブルクリックで、選択したレコードを前画面に表示します。  [2024/01/01]");
            doubleClickCell(g, 1, 3);
        });
        m_msg->answer(vbOK); // the change check of the unsaved day
        QTest::mouseClick(child<QPushButton>(w, "Command11"), Qt::LeftButton);
        QVERIFY(tipShown);
        QCOMPARE(G_KK_ID, a);
        QCOMPARE(w->ThisDate, QDate(2024, 1, 1));
        QCOMPARE(child<QLineEdit>(w, "Text3_2")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(w, "Text12")->text(), QStringLiteral("ついたち"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral("1000"));
        QCOMPARE(child<QLineEdit>(w, "Text4_1")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(w, "LabTosi")->text(), QStringLiteral("43"));
        QCOMPARE(G_Day_Hyouji, QStringLiteral("日付 ： 2024年1月1日（月）"));
        for (const char *n : {"Command2", "Command9", "Command5", "Command6"})
            QVERIFY2(child<QPushButton>(w, n)->isEnabled(), n);
    }

    void listRowHeightsAndClipboard()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, QDate(2024, 1, 1), 160, 50, 1000,
               "一行目のメモです。\r\n二行目です。\r\n三行目もあります。");
        const qint64 b = addDay(p, QDate(2024, 1, 2), 160, 51, 2000);
        open();
        F_KJNyuu01_Iti iti(m_w);
        iti.show();
        FlexGrid *g = child<FlexGrid>(&iti, "VSGrid1");
        QVERIFY(iti.rowsFitted());
        const int fitted = g->rowHeight(1);
        const int plain = g->rowHeight(2);
        QVERIFY(fitted > plain); // the three-line memo makes its row taller
        // Fitted to the current column only: the weight needs one line.
        QTest::mouseClick(g->cellPosition(2, 3).first, Qt::LeftButton, Qt::NoModifier,
                          g->cellPosition(2, 3).second);
        QCOMPARE(g->col(), 3);
        doubleClickCell(g, 0, 3);
        QVERIFY(!iti.rowsFitted());
        QVERIFY(g->rowHeight(1) <= plain);
        QCOMPARE(g->rowHeight(1), g->rowHeight(2));
        doubleClickCell(g, 0, 3);
        QVERIFY(iti.rowsFitted());
        QCOMPARE(g->rowHeight(1), fitted);
        // The memo column as the current one keeps the memo's row tall.
        QTest::mouseClick(g->cellPosition(2, 13).first, Qt::LeftButton, Qt::NoModifier,
                          g->cellPosition(2, 13).second);
        QCOMPARE(g->col(), 13);
        doubleClickCell(g, 0, 13);
        QVERIFY(!iti.rowsFitted());
        QCOMPARE(g->rowHeight(1), fitted);
        QVERIFY(g->rowHeight(2) < fitted);
        QVERIFY(!g->colHidden(1) && g->colHidden(14)); // the columns are as they were
        doubleClickCell(g, 0, 13);
        QVERIFY(iti.rowsFitted());

        // Text copy: no selector column, no identifier column.
        onModal([](QWidget *m) {
            child<QRadioButton>(m, "Option1_1")->click();
            QTest::mouseClick(child<QPushButton>(m, "Command1"), Qt::LeftButton);
        }, &iti);
        iti.otClip->trigger();
        const QString text = QApplication::clipboard()->text();
        const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith("日付\t身長\t"), qPrintable(lines.at(0)));
        QVERIFY(!lines.at(0).contains("健康状態管理ID"));
        for (const QString &l : lines)
            QCOMPARE(l.count('\t'), 13);
        QVERIFY(lines.at(1).contains("一行目のメモです。二行目です。三行目もあります。"));
        const QStringList cells = lines.at(2).split('\t');
        QCOMPARE(cells.size(), 14); // 13 cells, each followed by a TAB
        QCOMPARE(cells.at(0), QStringLiteral("2024/01/02"));
        QCOMPARE(cells.at(12), QString()); // the empty memo
        QVERIFY(!cells.contains(QString::number(b)));
    }

    void emptyListChooses()
    {
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        open();
        F_KJNyuu01_Iti iti(m_w);
        FlexGrid *g = child<FlexGrid>(&iti, "VSGrid1");
        QCOMPARE(g->rows(), 1);
        QTest::mouseClick(child<QPushButton>(&iti, "Command2"), Qt::LeftButton);
        QCOMPARE(iti.result(), int(QDialog::Accepted));
        QCOMPARE(G_KK_ID, 0);
        QVERIFY(m_msg->shown().isEmpty());
    }

    // ---------------------------------------------------------------- chart

    void chartComments_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("hLine");
        QTest::addColumn<bool>("wLine");
        QTest::addColumn<bool>("point");
        QTest::newRow("200 / 70") << "200" << "70" << false << true << false;
        QTest::newRow("130 / 30") << "130" << "30" << true << true << true;
        QTest::newRow("190 / 100") << "190" << "100" << true << true << true;
        QTest::newRow("165.5 / 100.5") << "165.5" << "100.5" << true << false << false;
    }
    void chartComments()
    {
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(bool, hLine);
        QFETCH(bool, wLine);
        QFETCH(bool, point);
        F_KJNyuu01_Tai tai(false, 45, height, weight);
        QCOMPARE(tai.windowTitle(), QStringLiteral("肥満とやせの判定図［４０歳～４９歳・女］"));
        QVERIFY(tai.Picture1->hasPicture());
        QVERIFY(m_msg->shown().isEmpty());
        QCOMPARE(tai.Picture1->marks().heightLine, hLine);
        QCOMPARE(tai.Picture1->marks().weightLine, wLine);
        QCOMPARE(tai.Picture1->marks().point, point);
        const QString hPart = hLine ? "　身長：\r\n　　" + height + " (cm)\r\n\r\n"
                                    : "　身長：表示範囲外です。\r\n\r\n　　" + height + " (cm)\r\n\r\n";
        const QString wPart = wLine ? "　体重：\r\n　　" + weight + " (kg)"
                                    : "　体重：表示範囲外です。\r\n\r\n　　" + weight + " (kg)";
        QCOMPARE(tai.comment(), hPart + wPart);
        QVERIFY(!tai.Label1->text().contains('\r'));
    }

    void chartDrawsWhereTheValuesAre()
    {
        F_KJNyuu01_Tai tai(true, 25, "175", "60");
        tai.resize(800, 700);
        tai.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tai));
        const QImage img = tai.Picture1->grab().toImage();
        const qreal dpr = img.devicePixelRatio();
        const ChartMapping map = tai.Picture1->mapping();
        auto at = [&](double h, double w) {
            const QPointF p = map.toPixel(h, w) * dpr;
            return img.pixelColor(p.toPoint());
        };
        const QColor red = basicColor(12);
        QCOMPARE(at(175, 40), red);  // the height line, low on the chart
        QCOMPARE(at(140, 60), red);  // the weight line, far left
        QVERIFY(at(150, 40) != red); // elsewhere the picture
        const QColor ring = at(175 + kChartPointRadius, 60);
        QVERIFY2(ring.blue() > ring.red(), qPrintable(ring.name())); // the blue circle
    }

    void chartSelection_data()
    {
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("title");
        QTest::newRow("19 man") << true << 19 << "肥満とやせの判定図［２０歳～２９歳・男］";
        QTest::newRow("121 woman") << false << 121 << "肥満とやせの判定図［２０歳～２９歳・女］";
        QTest::newRow("55 man") << true << 55 << "肥満とやせの判定図［５０歳～５９歳・男］";
    }
    void chartSelection()
    {
        QFETCH(bool, male);
        QFETCH(int, age);
        QFETCH(QString, title);
        F_KJNyuu01_Tai tai(male, age, "170", "60");
        QCOMPARE(tai.windowTitle(), title);
        // Each picture is a different one.
        QImage mine(F_KJNyuu01_Tai::picturePath(tai.choice().bitmap));
        QImage other(F_KJNyuu01_Tai::picturePath(chartFor(!male, age).bitmap));
        QVERIFY(!mine.isNull() && !other.isNull());
        QVERIFY(mine != other);
    }

    void intensityTable()
    {
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        QStringList texts;
        QString title;
        onModal([&](QWidget *m) {
            title = m->windowTitle();
            for (QLabel *l : m->findChildren<QLabel *>())
                texts << l->text();
            QTest::mouseClick(child<QPushButton>(m, "Command1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QToolButton>(w, "Command8"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("生活強度について"));
        for (const char *t : {"生活強度／生活活動指数（X)", "やや重い\n（0.75）", "筋運動", "７～８",
                              "表に示す基準を参考にして、生活強度を決めてください。"})
            QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    }

    // ---------------------------------------------------------------- registry

    void registryDeletesShownPerson()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, kToday, 160, 50, 1000);
        F_KJNyuu01 *w = open();
        QVERIFY(G_KK_ID != 0);
        onModal([](QWidget *m) {
            auto *combo = child<QComboBox>(m, "DBCombo1");
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down); // 花子
            QTest::mouseClick(child<QPushButton>(m, "Command2"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(m, "Command3"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(w, "Command4"), Qt::LeftButton);
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 個人データ").toInt(), 0);
        QCOMPARE(G_Simei_ID, 0);
        QCOMPARE(G_KK_ID, 0);
        QVERIFY(!child<QFrame>(w, "Frame1")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command9")->isEnabled());
        QVERIFY(child<QComboBox>(w, "DBCombo1")->currentText().isEmpty());
    }

    void registryShowsAnotherPerson()
    {
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 b = addPerson("一郎", QDate(1950, 4, 1), 1);
        F_KJNyuu01 *w = open();
        onModal([](QWidget *m) {
            auto *combo = child<QComboBox>(m, "DBCombo1");
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down); // 一郎 sorts first
            QTest::mouseClick(child<QPushButton>(m, "Command3"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(w, "Command4"), Qt::LeftButton);
        QCOMPARE(G_Simei_ID, b);
        QCOMPARE(child<QComboBox>(w, "DBCombo1")->currentText(), QStringLiteral("一郎"));
        QCOMPARE(child<QLabel>(w, "LabSeiBetu")->text(), QStringLiteral("男"));
        QCOMPARE(G_Simei_Hyouji, QStringLiteral("氏名 ： 一郎"));
    }
};

QTEST_MAIN(TstHealthWindows)
#include "tst_health_windows.moc"
