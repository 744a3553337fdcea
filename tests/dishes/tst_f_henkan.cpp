// The quantity conversion: the arithmetic and the refuse rate of a food, then the window as a
// caller opens it (exec) and a user fills it.

#include "b_01.h"
#include "database.h"
#include "f_henkan.h"
#include "guitest.h"
#include "henkan_core.h"
#include "statusbartext.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

qint64 addFood(qint64 id, const QString &name, const QString &saibun, const QVariant &haiki)
{
    G_DB().insert(QStringLiteral("成分表"), {{QStringLiteral("成分表ID"), id},
                                             {QStringLiteral("食品番号"), QString::number(id)},
                                             {QStringLiteral("食品群"), QStringLiteral("種実類")},
                                             {QStringLiteral("食品名"), name},
                                             {QStringLiteral("細分"), saibun},
                                             {QStringLiteral("廃棄率"), haiki},
                                             {QStringLiteral("配布元"), 1}});
    return id;
}

struct Run {
    bool cancel = true;
    double value = 0;
    QString haiki, status;
};

// Opens the window as a caller does, types `input` and leaves it by `how`.
Run runConversion(const QString &input, const QString &how)
{
    Run r;
    F_HenKan w;
    onModal([&](QWidget *m) {
        r.haiki = child<QLineEdit>(m, QStringLiteral("Text2"))->text();
        r.status = child<StatusBarText>(m, QStringLiteral("StBar"))->text();
        typeInto(m, QStringLiteral("Text1"), input);
        if (how == QLatin1String("closeBox"))
            m->close();
        else if (how == QLatin1String("mnTojiru"))
            child<QAction>(m, how)->trigger();
        else
            click(m, how);
    });
    w.exec();
    r.cancel = w.CancelFlg;
    r.value = w.KansanBunRyou;
    return r;
}

} // namespace

class TstFHenKan : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;

private slots:
    void initTestCase()
    {
        QVERIFY(Syoki_Settei());
        m_db = std::make_unique<TempDb>();
        addFood(5001, QStringLiteral("甘ぐり"), QStringLiteral("中国ぐり"), 20.0);
        addFood(5002, QStringLiteral("りんご"), QStringLiteral("皮むき 生"), 15.0);
        addFood(5003, QStringLiteral("しお"), QStringLiteral("精製塩"), QVariant());
        addFood(5004, QStringLiteral("自家製"), QStringLiteral("記入ミス多"), 150.0);
        addFood(5005, QStringLiteral("自家製"), QStringLiteral("記入ミス負"), -5.0);
        addFood(5006, QStringLiteral("たけのこ"), QStringLiteral("若茎 生"), 50.0);
    }
    void cleanup() { G_Sei_ID = 0; }
    void cleanupTestCase() { m_db.reset(); }

    void refuseRateOfAFood_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("rateText");
        QTest::addColumn<QString>("status");
        QTest::newRow("甘ぐり") << qint64(5001) << true << 20.0 << "20.0 ％" << "対象の食品： 甘ぐり　中国ぐり";
        QTest::newRow("りんご") << qint64(5002) << true << 15.0 << "15.0 ％" << "対象の食品： りんご　皮むき 生";
        QTest::newRow("rate empty") << qint64(5003) << true << 0.0 << "0.0 ％" << "対象の食品： しお　精製塩";
        QTest::newRow("above 100") << qint64(5004) << true << 100.0 << "100.0 ％" << "対象の食品： 自家製　記入ミス多";
        QTest::newRow("below 0") << qint64(5005) << true << 0.0 << "0.0 ％" << "対象の食品： 自家製　記入ミス負";
        QTest::newRow("no food") << qint64(0) << false << 0.0 << "0 ％" << "食品が選ばれていません。";
        QTest::newRow("unknown food") << qint64(4999) << false << 0.0 << "0 ％" << "食品が選ばれていません。";
    }
    void refuseRateOfAFood()
    {
        QFETCH(qint64, id);
        QFETCH(bool, found);
        QFETCH(double, rate);
        QFETCH(QString, rateText);
        QFETCH(QString, status);
        const HaikiRitu h = haikiRitu(G_DB(), id);
        QCOMPARE(h.found, found);
        QCOMPARE(h.rate, rate);
        QCOMPARE(haikiRituText(h), rateText);
        QCOMPARE(haikiStatusText(h), status);
        // The window shows the same for the food in G_Sei_ID.
        G_Sei_ID = id;
        const Run r = runConversion(QStringLiteral("0"), QStringLiteral("Command2"));
        QCOMPARE(r.haiki, rateText);
        QCOMPARE(r.status, status);
    }

    void conversion_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("expected");
        QTest::newRow("20 % of 50") << qint64(5001) << "50" << 40.0;
        QTest::newRow("20 % of 0") << qint64(5001) << "0" << 0.0;
        QTest::newRow("15 % of 33.3") << qint64(5002) << "33.3" << 33.3 * 85 / 100;
        QTest::newRow("unshortened") << qint64(5002) << "1" << 0.85;
        QTest::newRow("50 % of 0.01") << qint64(5006) << "0.01" << 0.005;
        QTest::newRow("no food keeps the input") << qint64(0) << "50" << 50.0;
        QTest::newRow("empty rate keeps the input") << qint64(5003) << "12.5" << 12.5;
        QTest::newRow("rate above 100 gives 0") << qint64(5004) << "80" << 0.0;
        QTest::newRow("leading number") << qint64(5001) << "100g" << 80.0;
        QTest::newRow("no number is 0") << qint64(5001) << "abc" << 0.0;
        QTest::newRow("the most a recipe takes") << qint64(5001) << "12500" << 10000.0;
    }
    void conversion()
    {
        QFETCH(qint64, id);
        QFETCH(QString, input);
        QFETCH(double, expected);
        G_Sei_ID = id;
        const Run r = runConversion(input, QStringLiteral("Command1"));
        QVERIFY(!r.cancel);
        QVERIFY2(std::abs(r.value - expected) < 1e-12, qPrintable(QString::number(r.value, 'g', 17)));
        QCOMPARE(kansanBunRyou(Val(input), haikiRitu(G_DB(), id).rate), r.value);
    }

    void refusedInputKeepsTheWindow_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        const QString negative = QStringLiteral("０以上の数値を入れてください。");
        QTest::newRow("-1") << "-1" << negative;
        QTest::newRow("-0.5") << "-0.5" << negative;
        QTest::newRow("-1e3") << "-1e3" << negative;
        QTest::newRow("1e308") << "1e308" << QStringLiteral("１００，０００以下の数値を入れてください。");
        // 20 % refuse: 12,500 g bought is exactly the most a recipe takes; a gram more is refused.
        QTest::newRow("10,000.8 g edible") << "12501" << kansanTooMuchMessage();
        QTest::newRow("100,000 g") << "100000" << kansanTooMuchMessage();
    }
    void refusedInputKeepsTheWindow()
    {
        QFETCH(QString, input);
        QFETCH(QString, message);
        G_Sei_ID = 5001;
        MsgRecorder rec;
        F_HenKan w;
        bool stayed = false;
        double after = -1;
        onModal([&](QWidget *m) {
            typeInto(m, QStringLiteral("Text1"), input);
            click(m, QStringLiteral("Command1"));
            stayed = m->isVisible();
            QCOMPARE(rec.last(), message);
            QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
            QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(m, QStringLiteral("Text1")));
            // A good value then goes through.
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("10"));
            click(m, QStringLiteral("Command1"));
        });
        w.exec();
        QVERIFY(stayed);
        QCOMPARE(rec.shown().size(), 1);
        after = w.KansanBunRyou;
        QVERIFY(!w.CancelFlg);
        QCOMPARE(after, 8.0);
    }

    void leavingWithoutConfirmingCancels_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "Command2";
        QTest::newRow("menu") << "mnTojiru";
        QTest::newRow("close box") << "closeBox";
    }
    void leavingWithoutConfirmingCancels()
    {
        QFETCH(QString, how);
        G_Sei_ID = 5001;
        const Run r = runConversion(QStringLiteral("50"), how);
        QVERIFY(r.cancel);
        QCOMPARE(r.value, 0.0);
    }

    // The window reads G_Sei_ID when it is shown, not when it was made.
    void readsTheFoodWhenShown()
    {
        G_Sei_ID = 0;
        F_HenKan w;
        QCOMPARE(w.Text2->text(), QStringLiteral("0 ％"));
        G_Sei_ID = 5001;
        onModal([&](QWidget *m) {
            QCOMPARE(child<QLineEdit>(m, QStringLiteral("Text2"))->text(), QStringLiteral("20.0 ％"));
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("50"));
            click(m, QStringLiteral("Command1"));
        });
        w.exec();
        QCOMPARE(w.KansanBunRyou, 40.0);
    }
};

QTEST_MAIN(TstFHenKan)
#include "tst_f_henkan.moc"
