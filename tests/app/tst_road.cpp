// A day's record from the first click to the trend graph, driven like a user on a copy of the
// full shipped data: the person, the day, three catalogue dishes, a changed and a swapped food,
// a copy from yesterday, the meal diagnosis with its advice and table, two activities with
// their diagnosis, and the month's trend. The figures are worked out here from the composition
// values of the foods eaten, not read back from the program.

#include "app_setup.h"
#include "backup_core.h"
#include "b_00.h"
#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "datacombo.h"
#include "f_kjnyuu01.h"
#include "f_kjr_copy01.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_kjs_sin01.h"
#include "f_kjs_sin01_adv.h"
#include "f_kjs_sin02.h"
#include "f_kjun_nyu01.h"
#include "f_kjun_sin01.h"
#include "f_kjznyu01.h"
#include "f_menu01.h"
#include "f_seiken01.h"
#include "f_tou01.h"
#include "f_tou02.h"
#include "f_user01.h"
#include "flexgrid.h"
#include "graph.h"
#include "guitest.h"
#include "meals_core.h"
#include "seiken_core.h"
#include "tabcontrol.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace mirte;
using namespace mirte::test;

namespace {

struct Eaten {
    qint64 sei = 0;
    double grams = 0;
};

QWidget *shown(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

int findRow(FlexGrid *g, int col, const QString &text)
{
    for (int r = 1; r < g->rows(); ++r)
        if (g->textMatrix(r, col) == text)
            return r;
    return -1;
}

void clickCell(FlexGrid *g, int row, int col)
{
    g->setTopRow(row);
    const auto [w, at] = g->cellPosition(row, col);
    QVERIFY2(w, qPrintable(QStringLiteral("cell %1,%2 of %3 not visible").arg(row).arg(col).arg(g->objectName())));
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// The catalogue recipe of a dish: food and grams of each 材料 row, in entry order.
QList<Eaten> recipe(qint64 dish)
{
    QList<Eaten> out;
    const ResultSet r = G_DB().select(
        QStringLiteral("SELECT 成分表ID, 分量 FROM 材料 WHERE 料理名ID = ? ORDER BY 材料ID"), {dish});
    for (const QVariantList &row : r.rows)
        out.append({row.value(0).toLongLong(), row.value(1).toDouble()});
    return out;
}

qint64 dishId(const QString &name)
{
    return G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = ?"), {name}).toLongLong();
}

qint64 foodOf(qint64 dish, const QString &foodName)
{
    return G_DB()
        .scalar(QStringLiteral("SELECT 材料.成分表ID FROM 材料 JOIN 成分表 ON 成分表.成分表ID = 材料.成分表ID "
                               "WHERE 材料.料理名ID = ? AND 成分表.食品名 = ?"),
                {dish, foodName})
        .toLongLong();
}

// The stored foods of a day as sorted "food:grams" texts, to compare with what was eaten.
QStringList storedFoods(qint64 kk)
{
    QStringList out;
    const ResultSet r =
        G_DB().select(QStringLiteral("SELECT 成分表ID, 分量 FROM 摂取食品 WHERE 健康状態管理ID = ?"), {kk});
    for (const QVariantList &row : r.rows)
        out << QStringLiteral("%1:%2").arg(row.value(0).toLongLong()).arg(row.value(1).toDouble(), 0, 'f', 3);
    out.sort();
    return out;
}

QStringList modelFoods(const QList<Eaten> &foods)
{
    QStringList out;
    for (const Eaten &e : foods)
        out << QStringLiteral("%1:%2").arg(e.sei).arg(e.grams, 0, 'f', 3);
    out.sort();
    return out;
}

// The day's amount of a composition column: value × grams ÷ 100 over the foods eaten.
double byHand(const QList<Eaten> &foods, const QString &column)
{
    double sum = 0;
    for (const Eaten &e : foods) {
        const QVariant v = G_DB().scalar(
            QStringLiteral("SELECT %1 FROM 成分表 WHERE 成分表ID = ?").arg(Database::quoteId(column)), {e.sei});
        sum += v.toDouble() * e.grams / 100.0;
    }
    return sum;
}

double rmrOf(qint64 kind)
{
    return G_DB()
        .scalar(QStringLiteral("SELECT エネルギー代謝率 FROM エネルギー消費量 WHERE エネルギー消費量ID = ?"), {kind})
        .toDouble();
}

} // namespace

class TstRoad : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/data/seed.db")))
            QSKIP("the seed database has not been built");
    }

    void aDaysRecord()
    {
        QTemporaryDir dir;
        MsgRecorder msgs;
        CommandLine cmd;
        cmd.dbPath = dir.filePath(QStringLiteral("household.db"));
        int status = -1;
        F_Menu01 *menu = startProgram(cmd, &status);
        QVERIFY(menu);
        menu->show();
        const QDate today = QDate::currentDate();
        const QDate birth = today.addYears(-42).addDays(-30);

        // ---- the daily record, and the person registered from it
        click(menu, "Command1_1");
        auto *day = qobject_cast<F_KJNyuu01 *>(shown("F_KJNyuu01"));
        QVERIFY(day);
        QVERIFY(!menu->isVisible());
        onModal([&](QWidget *m) {
            auto *u = qobject_cast<F_User01 *>(m);
            QVERIFY(u);
            typeInto(u->Text3, QStringLiteral("道野花子"));
            typeInto(u->Text1[0], QString::number(birth.year()));
            typeInto(u->Text1[1], QString::number(birth.month()));
            typeInto(u->Text1[2], QString::number(birth.day()));
            QTest::mouseClick(u->Option1[1], Qt::LeftButton);
            if (!u->Check1->isChecked())
                QTest::mouseClick(u->Check1, Qt::LeftButton);
            click(u, "Command1");
            click(u, "Command3");
        }, day);
        click(day, "Command4");
        const auto person = G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名 = ?"),
                                             {QStringLiteral("道野花子")});
        QVERIFY(person);
        const qint64 simei = person->value(QStringLiteral("氏名ID")).toLongLong();
        QCOMPARE(person->value(QStringLiteral("性別")).toInt(), 2);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT MAINUSER FROM USERCHECK")).toLongLong(), simei);
        QCOMPARE(child<QComboBox>(day, "DBCombo1")->currentText(), QStringLiteral("道野花子"));
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));

        // Yesterday's meals, to copy from later: 朝食 of one catalogue dish.
        const qint64 gohan = dishId(QStringLiteral("ご飯"));
        QVERIFY(gohan > 0);
        const qint64 yesterday = G_DB().insert(
            QStringLiteral("健康状態管理"),
            {{QStringLiteral("氏名ID"), simei}, {QStringLiteral("日付"), dateParam(today.addDays(-1))},
             {QStringLiteral("身長"), 158.0}, {QStringLiteral("体重"), 52.0},
             {QStringLiteral("健康状態"), QStringLiteral("健康")}, {QStringLiteral("生活強度"), 2}});
        addCatalogueDish(G_DB(), yesterday, gohan, QStringLiteral("ご飯"), QStringLiteral("朝食"), 1);

        // ---- today's health state
        typeInto(day, "Text3_0", QString::number(today.year()));
        typeInto(day, "Text3_1", QString::number(today.month()));
        typeInto(day, "Text3_2", QString::number(today.day()));
        child<QLineEdit>(day, "Text5")->setFocus();
        typeInto(day, "Text5", "158");
        typeInto(day, "Text6", "52.5");
        child<QComboBox>(day, "Combo2")->setCurrentText(QStringLiteral("健康"));
        child<QComboBox>(day, "Combo1")->setCurrentText(QStringLiteral("普通"));
        click(day, "Command1");
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        const auto rec = G_DB().selectOne(
            QStringLiteral("SELECT * FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 = ?"), {simei, dateParam(today)});
        QVERIFY(rec);
        const qint64 kk = rec->value(QStringLiteral("健康状態管理ID")).toLongLong();
        QCOMPARE(rec->value(QStringLiteral("体重")).toDouble(), 52.5);
        QCOMPARE(rec->value(QStringLiteral("生活強度")).toInt(), 2);
        QCOMPARE(G_KK_ID, kk);
        QCOMPARE(G_Simei_ID, simei);

        // ---- 食事入力 → 料理一覧: three dishes
        click(day, "Command5");
        auto *meals = qobject_cast<F_KJRNyu01 *>(shown("F_KJRNyu01"));
        QVERIFY(meals);
        QVERIFY(!day->isVisible());
        QList<Eaten> eaten;
        struct Pick {
            QString dish, kubun, servings;
            double factor;
        };
        const QList<Pick> picks{{QStringLiteral("ハムサンド"), QStringLiteral("朝食"), "1", 1.0},
                                {QStringLiteral("カレーライス"), QStringLiteral("昼食"), "1.5", 1.5},
                                {QStringLiteral("肉じゃが"), QStringLiteral("夕食"), "0.5", 0.5}};
        click(meals, "Command2");
        F_KJRNyu01_Ken *ken = meals->picker();
        QVERIFY(ken && ken->isVisible());
        for (const Pick &p : picks) {
            const qint64 id = dishId(p.dish);
            QVERIFY2(id > 0, qPrintable(p.dish));
            typeInto(ken->Text1, p.dish);
            click(ken, "Command1");
            const int r = findRow(ken->vsGrid, 2, p.dish);
            QVERIFY2(r > 0, qPrintable(p.dish));
            clickCell(ken->vsGrid, r, 2);
            QCOMPARE(ken->Text2->text(), p.dish);
            ken->Combo2->setCurrentText(p.kubun);
            typeInto(ken->Text3, p.servings);
            click(ken, "Command2");
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            const auto ser = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取料理 WHERE 摂取料理ID = ?"), {G_SeR_ID});
            QVERIFY(ser);
            QCOMPARE(ser->value(QStringLiteral("料理名ID")).toLongLong(), id);
            QCOMPARE(ser->value(QStringLiteral("食事区分")).toString(), p.kubun);
            QCOMPARE(ser->value(QStringLiteral("料理分量")).toDouble(), p.factor);
            QCOMPARE(ser->value(QStringLiteral("健康状態管理ID")).toLongLong(), kk);
            for (Eaten e : recipe(id)) {
                e.grams *= p.factor;
                eaten.append(e);
            }
            QCOMPARE(storedFoods(kk), modelFoods(eaten));
        }
        ken->hide();
        QCOMPARE(meals->VSGrid1->rows(), 1 + 3);

        // ---- 材料表示 of the dinner: one food's grams changed, one food swapped in the browser
        const qint64 nikujaga = dishId(QStringLiteral("肉じゃが"));
        const qint64 potato = foodOf(nikujaga, QStringLiteral("じゃがいも"));
        const qint64 onion = foodOf(nikujaga, QStringLiteral("たまねぎ"));
        const qint64 carrot = foodOf(dishId(QStringLiteral("カレーライス")), QStringLiteral("にんじん"));
        QVERIFY(potato && onion && carrot);
        clickCell(meals->VSGrid1, findRow(meals->VSGrid1, 4, QStringLiteral("肉じゃが")), 4);
        QCOMPARE(G_Ryouri_Mei, QStringLiteral("肉じゃが"));
        const qint64 dinner = G_SeR_ID;
        click(meals, "Command8");
        F_KJZNyu01 *zai = meals->ingredients();
        QVERIFY(zai && zai->isVisible());
        const auto eatenRow = [&](qint64 sei) {
            for (int r = 1; r < zai->vsGrid->rows(); ++r)
                if (G_DB().scalar(QStringLiteral("SELECT 成分表ID FROM 摂取食品 WHERE 摂取食品ID = ?"),
                                  {zai->vsGrid->valueMatrix(r, 5)}).toLongLong() == sei)
                    return r;
            return -1;
        };
        const auto dinnerFood = [&](qint64 sei) -> Eaten & {
            // The dinner's foods are the last ones added.
            for (qsizetype i = eaten.size() - 1; i >= 0; --i)
                if (eaten[i].sei == sei)
                    return eaten[i];
            qFatal("food not eaten");
        };
        clickCell(zai->vsGrid, eatenRow(potato), 1);
        typeInto(zai->Text3, "80");
        click(zai, "Command4");
        dinnerFood(potato).grams = 80;
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(storedFoods(kk), modelFoods(eaten));

        clickCell(zai->vsGrid, eatenRow(onion), 1);
        const double onionGrams = dinnerFood(onion).grams;
        const qint64 onionRow = G_SeS_ID;
        click(zai, "Command1");
        F_SeiKen01 *browser = G_SeiKen();
        QVERIFY(browser && browser->isVisible());
        browser->SSTab1->setTab(0);
        FlexGrid *foods = browser->grid(0);
        int carrotRow = -1;
        for (int r = 1; r < foods->rows() && carrotRow < 0; ++r)
            if (foods->valueMatrix(r, seiken_col::Id).toLongLong() == carrot)
                carrotRow = r;
        QVERIFY(carrotRow > 0);
        foods->setRow(carrotRow);
        click(browser, "Command5");
        QCOMPARE(G_Sei_ID, carrot);
        click(zai, "Command4");
        dinnerFood(onion).sei = carrot;
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(storedFoods(kk), modelFoods(eaten));
        // The same eaten food now holds the carrot, with the onion's grams.
        const auto swapped = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取食品 WHERE 摂取食品ID = ?"), {onionRow});
        QVERIFY(swapped);
        QCOMPARE(swapped->value(QStringLiteral("成分表ID")).toLongLong(), carrot);
        QCOMPARE(swapped->value(QStringLiteral("分量")).toDouble(), onionGrams);
        QCOMPARE(swapped->value(QStringLiteral("摂取料理ID")).toLongLong(), dinner);
        // The catalogue keeps its recipe.
        QCOMPARE(foodOf(nikujaga, QStringLiteral("たまねぎ")), onion);
        zai->close();
        QTRY_VERIFY(meals->isVisible());

        // ---- 他の日からコピー: yesterday's breakfast
        onModal([&](QWidget *m) {
            auto *c = qobject_cast<F_KJR_Copy01 *>(m);
            QVERIFY(c);
            QCOMPARE(c->Text1[2]->text(), QString::number(today.addDays(-1).day()));
            QCOMPARE(c->List2->count(), 1);
            click(c, "Command1");
        }, meals);
        meals->mnCopy->trigger();
        QCOMPARE(msgs.last(), copyQuestion(1));
        msgs.clear();
        for (const Eaten &e : recipe(gohan))
            eaten.append(e);
        QCOMPARE(storedFoods(kk), modelFoods(eaten));
        QCOMPARE(dayDishes(G_DB(), kk).size(), 4);

        // ---- 食事診断: energy, protein and salt against the day's standard
        click(meals, "Command6");
        F_KJS_Sin01 *sin = meals->diagnosis();
        QVERIFY(sin && sin->isVisible());
        QVERIFY(sin->loaded());
        QVERIFY(!sin->mokuhyouUsed());
        const auto rateOf = [&](int i) {
            return byHand(eaten, G_Eiyou_Mei.at(i)) / G_Syoyouryou[i].Syoyouryou * 100.0;
        };
        for (const char *name : {"エネルギー", "たんぱく質", "食塩相当量"}) {
            const int i = int(G_Eiyou_Mei.indexOf(QString::fromUtf8(name)));
            QVERIFY2(i >= 0 && i < kJudgedCount, name);
            QVERIFY(G_Syoyouryou[i].Syoyouryou > 0);
            const double hand = rateOf(i);
            QVERIFY2(std::abs(sin->kekka().dayRitu(i) - hand) < 1e-6,
                     qPrintable(QStringLiteral("%1: %2 against %3").arg(name).arg(sin->kekka().dayRitu(i)).arg(hand)));
        }
        // The energy bars of the four meals add up to the day's rate.
        double bars = 0;
        for (int s = 1; s <= 4; ++s)
            bars += sin->Gr1->value(s, 1);
        QVERIFY(std::abs(bars - rateOf(0)) < 1e-6);

        // ｱﾄﾞﾊﾞｲｽ: the shortages are the judged nutrients under their lower bound.
        QStringList shortages;
        for (int i = 0; i < kJudgedCount; ++i) {
            const SyoyouryouEntry &e = G_Syoyouryou[i];
            if (e.Kagen > 0 && e.Syoyouryou > 0 && rateOf(i) < e.Kagen / e.Syoyouryou * 100.0 - 1e-9)
                shortages << G_Eiyou_Mei.at(i);
        }
        QString advice;
        onModal([&](QWidget *m) {
            auto *a = qobject_cast<F_KJS_Sin01_Adv *>(m);
            QVERIFY(a);
            advice = a->Text1->toPlainText();
            click(a, "Command1");
        }, sin);
        click(sin, "Command6");
        const QString shortPart = advice.section(QStringLiteral("★摂り過ぎている栄養素"), 0, 0);
        QStringList named;
        for (const QString &line : shortPart.split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("　☆")))
                named << line.mid(2).section(QStringLiteral(" ( "), 0, 0);
        QCOMPARE(named, shortages);
        QVERIFY(!shortages.isEmpty());

        // 詳細: every one of the 103 nutrients, the energy total as worked out here.
        int detailRows = 0;
        QString energyTotal;
        onModal([&](QWidget *m) {
            auto *s = qobject_cast<F_KJS_Sin02 *>(m);
            QVERIFY(s);
            detailRows = s->vsGrid->rows() - 1;
            energyTotal = s->vsGrid->textMatrix(1, 6);
            click(s, "Command1");
        }, sin);
        click(sin, "Command2");
        QCOMPARE(detailRows, 103);
        QCOMPARE(energyTotal.trimmed(), QString::number(byHand(eaten, QStringLiteral("エネルギー")), 'f', 2));
        click(sin, "Command1");
        QTRY_VERIFY(meals->isVisible());
        meals->close();
        QTRY_VERIFY(day->isVisible());

        // ---- 運動入力: two activities, then 運動診断
        click(day, "Command6");
        auto *undou = qobject_cast<F_KJUn_Nyu01 *>(shown("F_KJUn_Nyu01"));
        QVERIFY(undou);
        struct Act {
            qint64 kind;
            int hours, minutes;
        };
        const QList<Act> acts{{G_DB().scalar(QStringLiteral("SELECT エネルギー消費量ID FROM エネルギー消費量 "
                                                           "WHERE 運動名称 = ?"), {QStringLiteral("睡眠")}).toLongLong(), 7, 0},
                              {G_DB().scalar(QStringLiteral("SELECT エネルギー消費量ID FROM エネルギー消費量 "
                                                           "WHERE エネルギー代謝率 >= 2 ORDER BY エネルギー消費量ID")).toLongLong(),
                               1, 30}};
        for (const Act &a : acts) {
            QVERIFY(a.kind > 0);
            QVERIFY(undou->DBCombo1->setBoundValue(a.kind));
            typeInto(undou, "Text3_0", QString::number(a.hours));
            typeInto(undou, "Text3_1", QString::number(a.minutes));
            click(undou, "Command2");
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        }
        const ResultSet stored = G_DB().select(
            QStringLiteral("SELECT エネルギー消費量ID, 時間 FROM 運動時間 WHERE 健康状態管理ID = ? ORDER BY 運動時間ID"), {kk});
        QCOMPARE(stored.size(), 2);
        double a = 0, t = 0;
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(stored.rows[i].value(0).toLongLong(), acts[i].kind);
            const double days = (acts[i].hours * 60 + acts[i].minutes) / 1440.0;
            QVERIFY(std::abs(stored.rows[i].value(1).toDouble() - days) < 1e-9);
            a += (rmrOf(acts[i].kind) + 1.2) * days;
            t += days;
        }
        const double x = 0.9 * (a + (1 - t) * 1.2) - 1;
        const double coef = x <= 0.4 ? 0.98 : x <= 0.65 ? 1.0 : x <= 0.9 ? 1.02 : 1.04;
        const double kijun = G_DB().scalar(QStringLiteral("SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１ = 40 "
                                                          "AND 性別 = 2")).toDouble();
        QVERIFY(kijun > 0);
        const double spent = 10.0 / 9.0 * kijun * 52.5 * coef * (x + 1);
        click(undou, "Command6");
        F_KJUn_Sin01 *usin = undou->diagnosis();
        QVERIFY(usin);
        QVERIFY(usin->result().complete());
        QVERIFY2(std::abs(usin->result().EnSyouhiRyou - spent) < 1e-6,
                 qPrintable(QStringLiteral("%1 against %2").arg(usin->result().EnSyouhiRyou).arg(spent)));
        QVERIFY(std::abs(usin->result().SessyuEn - byHand(eaten, QStringLiteral("エネルギー"))) < 1e-6);
        usin->close();
        undou->close();
        QTRY_VERIFY(day->isVisible());
        day->close();
        QTRY_VERIFY(menu->isVisible());

        // ---- the month's trend of energy ends on today's intake
        click(menu, "Command1_2");
        auto *tou = qobject_cast<F_Tou01 *>(shown("F_Tou01"));
        QVERIFY(tou);
        QCOMPARE(tou->DBCombo1->text(), QStringLiteral("道野花子"));
        const QDate start = today.addDays(-30);
        typeInto(tou->Text3[0], QString::number(start.year()));
        typeInto(tou->Text3[1], QString::number(start.month()));
        typeInto(tou->Text3[2], QString::number(start.day()));
        QTest::mouseClick(tou->Option3[0], Qt::LeftButton);
        QTest::mouseClick(tou->Option4[0], Qt::LeftButton);
        bool drawn = false;
        const double kcal = byHand(eaten, QStringLiteral("エネルギー"));
        onModal([&](QWidget *m) {
            auto *g = qobject_cast<F_Tou02 *>(m);
            QVERIFY(g);
            drawn = true;
            const TouData &d = g->data();
            QCOMPARE(d.points, 31);
            QVERIFY(d.ari(31));
            QVERIFY(d.ari(30)); // yesterday
            bool intake = false;
            for (int row = 1; row <= 3; ++row)
                if (d.mei[row].contains(QStringLiteral("摂取")))
                    intake = std::abs(d.value(row, 31) - kcal) < 1e-6;
            QVERIFY2(intake, qPrintable(d.mei[1] + d.mei[2] + d.mei[3]));
            click(g, "Command1");
        }, tou);
        click(tou, "Command1");
        QVERIFY(drawn);
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        tou->close();
        QTRY_VERIFY(menu->isVisible());
        waitForDailyBackup(); // it reads the file in a thread of its own
        G_DB().close();
        delete menu;
    }
};

QTEST_MAIN(TstRoad)
#include "tst_road.moc"
