// The meal windows driven like a user: the day's dishes, the picker, the dish's foods, the
// rename and the copy from another day, over a temporary household.

#include "b_01.h"
#include "datacombo.h"
#include "datepick.h"
#include "f_kjnyuu01.h"
#include "f_kjr_copy01.h"
#include "f_kjr_rhen.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_kjs_sin01.h"
#include "f_kjseibun01.h"
#include "f_zaiseibun01.h"
#include "graph.h"
#include "seibun_grids.h"
#include "f_henkan.h"
#include "f_kjznyu01.h"
#include "f_seiken01.h"
#include "henkan_core.h"
#include "seiken_core.h"
#include "flexgrid.h"
#include "guitest.h"
#include "meals_core.h"
#include "meals_fixture.h"
#include "statusbartext.h"
#include "tabcontrol.h"
#include "updown.h"

#include <QAction>
#include <QCalendarWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kDay(2024, 5, 20);

int findRow(FlexGrid *g, int col, const QString &text)
{
    for (int r = 1; r < g->rows(); ++r)
        if (g->textMatrix(r, col) == text)
            return r;
    return -1;
}

void clickCell(FlexGrid *g, int row, int col)
{
    const auto [w, at] = g->cellPosition(row, col);
    QVERIFY2(w, "cell not visible");
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

QList<qint64> gridIds(FlexGrid *g)
{
    QList<qint64> out;
    for (int r = 1; r < g->rows(); ++r)
        out << g->valueMatrix(r, 1).toLongLong();
    return out;
}

void activate(QWidget *w)
{
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(w, &e);
}

double gramsOf(qint64 sesId)
{
    return G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取食品ID = ?"), {sesId}).toDouble();
}

} // namespace

class TstMealsWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> m_db;
    std::unique_ptr<MsgRecorder> m_msg;
    Kitchen k;
    qint64 m_kk = 0;
    QPointer<F_KJRNyu01> m_w;

    F_KJRNyu01 *open()
    {
        G_KK_ID = m_kk;
        G_Simei_ID = k.hanako;
        m_w = new F_KJRNyu01(DayHeader{QStringLiteral("花子"), QStringLiteral("2024年5月20日（月）"), kDay});
        m_w->show();
        QApplication::processEvents();
        return m_w;
    }
    F_KJRNyu01_Ken *openPicker(F_KJRNyu01 *w)
    {
        click(w, "Command2");
        F_KJRNyu01_Ken *ken = w->picker();
        if (!ken || !ken->isVisible())
            qFatal("picker not shown");
        return ken;
    }
    // Makes the picker's row of `name` current.
    void choose(F_KJRNyu01_Ken *ken, const QString &name)
    {
        const int r = findRow(ken->vsGrid, 2, name);
        QVERIFY2(r > 0, qPrintable(name));
        clickCell(ken->vsGrid, r, 2);
        QCOMPARE(ken->Text2->text(), name);
    }
    qint64 addDishByPicker(const QString &name, const QString &kubun = QStringLiteral("朝食"),
                           const QString &servings = QStringLiteral("1.0"))
    {
        F_KJRNyu01_Ken *ken = openPicker(m_w);
        choose(ken, name);
        ken->Combo2->setCurrentText(kubun);
        typeInto(ken->Text3, servings);
        click(ken, "Command2");
        return G_SeR_ID;
    }

    F_KJZNyu01 *openFoods(const QString &dish, const QString &kubun = QStringLiteral("夕食"))
    {
        F_KJRNyu01 *w = open();
        addDishByPicker(dish, kubun);
        w->picker()->hide();
        click(w, "Command8");
        F_KJZNyu01 *z = w->ingredients();
        if (!z || !z->isVisible())
            qFatal("foods window not shown");
        return z;
    }

    // Runs the copy window: optionally another person and date, unchecks the given rows of the
    // dish list and copies.
    void runCopy(const std::function<void(F_KJR_Copy01 *)> &drive)
    {
        onModal([&](QWidget *m) {
            auto *c = qobject_cast<F_KJR_Copy01 *>(m);
            QVERIFY(c);
            drive(c);
        });
        m_w->mnCopy->trigger();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_db = std::make_unique<TempDb>();
        m_msg = std::make_unique<MsgRecorder>();
        k = Kitchen();
        k.build();
        m_kk = addDay(k.hanako, kDay);
        G_SeR_ID = 0;
        G_Ryouri_Mei.clear();
        G_Yobidasi = 0;
    }
    void cleanup()
    {
        delete m_w;
        m_msg.reset();
        m_db.reset();
    }

    // ---------------------------------------------------------------- the day's dishes

    // 食事診断 and 成分表示 take the day window's place and give it back when they close; the
    // ingredients window's 成分表示 does the same with the dish's table. Curry rice of 80 g rice
    // (168 kcal/100 g), 20 g roux (512), 30 g carrot (37) and 50 g pork (183): 339.4 kcal.
    void diagnosisAndDetailFromTheDay()
    {
        for (auto [id, kcal] : {std::pair{k.rice, 168}, std::pair{k.curry, 512}, std::pair{k.carrot, 37},
                                std::pair{k.pork, 183}})
            G_DB().exec(QStringLiteral("UPDATE 成分表 SET エネルギー = ? WHERE 成分表ID = ?"), {kcal, id});
        for (auto &e : G_Syoyouryou)
            e = SyoyouryouEntry{100, 0, 0, 0, false};
        G_Syoyouryou[0].Syoyouryou = 2000;
        F_KJRNyu01 *w = open();
        addDishByPicker(QStringLiteral("カレーライス"), QStringLiteral("昼食"));
        w->picker()->hide();

        click(w, "Command6");
        QPointer<F_KJS_Sin01> sin = w->diagnosis();
        QVERIFY(sin && sin->isVisible());
        QVERIFY(!w->isVisible());
        QVERIFY(qAbs(sin->Gr1->value(2, 1) - 339.4 / 20) < 1e-9);
        QCOMPARE(sin->Gr1->value(1, 1), 0.0);
        click(sin, "Command1");
        QTRY_VERIFY(!sin);
        QTRY_VERIFY(w->isVisible());

        click(w, "Command5");
        QPointer<F_KJSeibun01> day = w->dayDetail();
        QVERIFY(day && day->isVisible());
        QVERIFY(!w->isVisible());
        FlexGrid *g = day->Grids->vsGrid[0];
        QCOMPARE(g->rows(), 1 + 4 + 1 + 1);
        QCOMPARE(g->textMatrix(1, 1), QStringLiteral("カレーライス (昼食)"));
        QCOMPARE(g->textMatrix(6, 2), QStringLiteral("合計"));
        QCOMPARE(g->textMatrix(6, 5), QStringLiteral("339.40"));
        click(day, "Command1");
        QTRY_VERIFY(!day);
        QTRY_VERIFY(w->isVisible());

        click(w, "Command8");
        F_KJZNyu01 *z = w->ingredients();
        QVERIFY(z && z->isVisible());
        click(z, "Command6");
        QPointer<F_ZaiSeiBun01> dish = z->dishDetail();
        QVERIFY(dish && dish->isVisible());
        QVERIFY(!z->isVisible());
        QCOMPARE(dish->windowTitle(), QStringLiteral("成分詳細（料理別）"));
        QCOMPARE(dish->Grids->vsGrid[0]->rows(), 1 + 4 + 1);
        QCOMPARE(dish->Grids->vsGrid[0]->textMatrix(5, 5), QStringLiteral("339.40"));
        click(dish, "Command1");
        QTRY_VERIFY(!dish);
        QTRY_VERIFY(z->isVisible());
    }


    void emptyDayOpensWithNothingSelected()
    {
        G_SeR_ID = 99;
        F_KJRNyu01 *w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("健康状態入力－料理入力"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral("花子"));
        QCOMPARE(child<QLineEdit>(w, "Text2")->text(), QStringLiteral("2024年5月20日（月）"));
        QCOMPARE(w->VSGrid1->rows(), 1);
        QCOMPARE(G_SeR_ID, 0);
        QVERIFY(!child<QPushButton>(w, "Command4")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command8")->isEnabled());
        QCOMPARE(w->StBar->text(), F_KJRNyu01::defaultStatusText());
        // The nutrient table and the diagnosis are offered, even for a day without dishes.
        QVERIFY(child<QPushButton>(w, "Command5")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Command6")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Command6")->toolTip().isEmpty());
        QVERIFY(w->picker() && !w->picker()->isVisible());
    }

    void openingSelectsTheFirstDishAndHidesTheIds()
    {
        const qint64 a = addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        addCatalogueDish(G_DB(), m_kk, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        F_KJRNyu01 *w = open();
        QCOMPARE(w->VSGrid1->rows(), 3);
        QCOMPARE(w->VSGrid1->row(), 1);
        QCOMPARE(G_SeR_ID, a);
        QCOMPARE(G_Ryouri_Mei, QStringLiteral("カレーライス"));
        QVERIFY(child<QPushButton>(w, "Command4")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Command8")->isEnabled());
        for (int c : {1, 2, 3, 5, 7})
            QVERIFY2(w->VSGrid1->colHidden(c), qPrintable(QString::number(c)));
        QCOMPARE(w->VSGrid1->colWidth(0), 200);
        QCOMPARE(w->VSGrid1->colWidth(6), 1400);
        QCOMPARE(w->VSGrid1->textMatrix(1, 6), QStringLiteral("昼食"));
        QVERIFY(w->VSGrid1->colWidth(4) >= 1600);
    }

    void activationSetsTheCallerCode()
    {
        F_KJRNyu01 *w = open();
        activate(w);
        QCOMPARE(G_Yobidasi, 1);
        activate(w->picker());
        QCOMPARE(G_Yobidasi, 11);
        activate(w);
        QCOMPARE(G_Yobidasi, 1);
    }

    void deleteDish_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void deleteDish()
    {
        QFETCH(int, answer);
        addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        const qint64 b = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        addCatalogueDish(G_DB(), m_kk, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        F_KJRNyu01 *w = open();
        clickCell(w->VSGrid1, 2, 4);
        QCOMPARE(G_SeR_ID, b);
        m_msg->answer(answer);
        click(w, "Command4");
        QCOMPARE(m_msg->last(), QStringLiteral("料理を削除します。よろしいですか。"));
        if (answer == vbOK) {
            QCOMPARE(w->VSGrid1->rows(), 3);
            QVERIFY(!gridIds(w->VSGrid1).contains(b));
            QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ?"), {b}), 0);
            // Nothing is selected afterwards, although dishes remain.
            QCOMPARE(w->VSGrid1->row(), 0);
            QCOMPARE(G_SeR_ID, 0);
            QCOMPARE(G_Ryouri_Mei, QString());
            QVERIFY(!w->Command4->isEnabled());
            QVERIFY(!w->Command8->isEnabled());
        } else {
            QCOMPARE(w->VSGrid1->rows(), 4);
            QCOMPARE(G_SeR_ID, b);
            QVERIFY(w->Command4->isEnabled());
        }
    }

    void headerSortToggleAndCornerRestoresEntryOrder()
    {
        for (const char *n : {"さば", "あじ", "たい"}) {
            const qint64 d = addDish(k.washoku, QString::fromUtf8(n), {{k.rice, 1, 10}});
            addCatalogueDish(G_DB(), m_kk, d, QString::fromUtf8(n), QStringLiteral("夕食"), 1);
        }
        F_KJRNyu01 *w = open();
        const QList<qint64> entry = gridIds(w->VSGrid1);
        auto shown = [w] {
            QStringList s;
            for (int r = 1; r < w->VSGrid1->rows(); ++r)
                s << w->VSGrid1->textMatrix(r, 4);
            return s;
        };
        QStringList asc = shown();
        std::sort(asc.begin(), asc.end());
        QStringList desc = asc;
        std::reverse(desc.begin(), desc.end());
        clickCell(w->VSGrid1, 0, 4);
        QCOMPARE(shown(), asc);
        clickCell(w->VSGrid1, 0, 4);
        QCOMPARE(shown(), desc);
        clickCell(w->VSGrid1, 0, 4);
        QCOMPARE(shown(), asc);
        clickCell(w->VSGrid1, 0, 0);
        QCOMPARE(gridIds(w->VSGrid1), entry);
        // The selection follows what is shown.
        clickCell(w->VSGrid1, 3, 4);
        QCOMPARE(G_SeR_ID, w->VSGrid1->valueMatrix(3, 1).toLongLong());
        QCOMPARE(G_Ryouri_Mei, w->VSGrid1->textMatrix(3, 4));
    }

    // ---------------------------------------------------------------- the picker

    void pickerAddsScaledDish_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ups");
        QTest::addColumn<int>("downs");
        QTest::addColumn<double>("servings");
        QTest::newRow("typed") << "1.5" << 0 << 0 << 1.5;
        QTest::newRow("arrows up") << "" << 5 << 0 << 1.5;
        QTest::newRow("arrows down") << "" << 0 << 3 << 0.7;
        QTest::newRow("typed then arrows") << "2" << 1 << 0 << 2.1;
    }
    void pickerAddsScaledDish()
    {
        QFETCH(QString, typed);
        QFETCH(int, ups);
        QFETCH(int, downs);
        QFETCH(double, servings);
        const qint64 gohan = addDish(k.washoku, QStringLiteral("ごはん"), {{k.rice, 1, 80}});
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        QCOMPARE(ken->windowTitle(), QStringLiteral("食べた料理の追加"));
        QCOMPARE(ken->Text3->text(), QStringLiteral("1.0"));
        QCOMPARE(ken->Combo2->currentText(), QStringLiteral("朝食"));
        choose(ken, QStringLiteral("ごはん"));
        ken->Combo2->setCurrentText(QStringLiteral("昼食"));
        if (!typed.isEmpty()) {
            typeInto(ken->Text3, typed);
            QTest::keyClick(ken->Text3, Qt::Key_Return);
        }
        for (int i = 0; i < ups; ++i)
            QTest::mouseClick(ken->UpDown2->upButton(), Qt::LeftButton);
        for (int i = 0; i < downs; ++i)
            QTest::mouseClick(ken->UpDown2->downButton(), Qt::LeftButton);
        click(ken, "Command2");

        const ResultSet day = dayDishes(G_DB(), m_kk);
        QCOMPARE(day.size(), 1);
        const qint64 ser = day.rows[0].value(0).toLongLong();
        QCOMPARE(day.value(0, QStringLiteral("料理分量")).toDouble(), servings);
        QCOMPARE(day.value(0, QStringLiteral("料理名ID")).toLongLong(), gohan);
        QCOMPARE(day.value(0, QStringLiteral("食事区分")).toString(), QStringLiteral("昼食"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {ser}).toDouble(),
                 servings * 80);
        // The new dish is the selected row of the day window; the picker stays as it was.
        QCOMPARE(G_SeR_ID, ser);
        QCOMPARE(G_Ryouri_Mei, QStringLiteral("ごはん"));
        QCOMPARE(w->VSGrid1->valueMatrix(w->VSGrid1->row(), 1).toLongLong(), ser);
        QVERIFY(w->Command4->isEnabled() && w->Command8->isEnabled());
        QVERIFY(ken->isVisible());
        QCOMPARE(ken->Text3->text(), servingsText(servings));
        QCOMPARE(ken->Combo2->currentText(), QStringLiteral("昼食"));
        QCOMPARE(ken->Text2->text(), QStringLiteral("ごはん"));
    }

    void oneAndAHalfServingsOf80Grams()
    {
        addDish(k.washoku, QStringLiteral("ごはん"), {{k.rice, 1, 80}});
        open();
        const qint64 ser = addDishByPicker(QStringLiteral("ごはん"), QStringLiteral("朝食"), QStringLiteral("1.5"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {ser}).toDouble(), 120.0);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分量 FROM 摂取料理 WHERE 摂取料理ID = ?"), {ser}).toDouble(), 1.5);
    }

    void pickerAddsSeveralInARow()
    {
        F_KJRNyu01 *w = open();
        const qint64 a = addDishByPicker(QStringLiteral("カレーライス"));
        const qint64 b = addDishByPicker(QStringLiteral("カレーライス"));
        const qint64 c = addDishByPicker(QStringLiteral(" 肉じゃが "), QStringLiteral("夕食"));
        QVERIFY(a != b && b != c);
        QCOMPARE(gridIds(w->VSGrid1), (QList<qint64>{a, b, c}));
        // Two independent copies of the same dish, each with its own foods.
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ?"), {a}), 4);
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ?"), {b}), 4);
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID IN (?, ?)"), {a, b}), 8);
        QCOMPARE(G_Ryouri_Mei, QStringLiteral("肉じゃが"));
    }

    void pickerRefusesServings_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-1";
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("absurd") << "5000";
    }
    void pickerRefusesServings()
    {
        QFETCH(QString, typed);
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        choose(ken, QStringLiteral("カレーライス"));
        typeInto(ken->Text3, typed);
        click(ken, "Command2");
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(m_msg->shown().last().title, QStringLiteral("確認"));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), 0);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), 0);
        QCOMPARE(G_SeR_ID, 0);
    }

    void pickerSearch_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected"); // empty = the whole catalogue
        QTest::newRow("everything") << QStringLiteral("（全分類）") << "" << QStringList{};
        QTest::newRow("apostrophe") << QStringLiteral("（全分類）") << "'" << QStringList{QStringLiteral("O'Brien風ポテト")};
        QTest::newRow("hiragana") << QStringLiteral("（全分類）") << QStringLiteral("かれー")
                                  << QStringList{QStringLiteral("カレーライス")};
        QTest::newRow("percent") << QStringLiteral("（全分類）") << "%" << QStringList{QStringLiteral("100%ジュース")};
        QTest::newRow("category") << QStringLiteral("飲み物") << ""
                                  << QStringList{QStringLiteral("100%ジュース"), QStringLiteral("お水")};
    }
    void pickerSearch()
    {
        QFETCH(QString, category);
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        addDish(k.yousyoku, QStringLiteral("O'Brien風ポテト"));
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        QCOMPARE(ken->Combo1->itemText(0), QStringLiteral("（全分類）"));
        QCOMPARE(ken->Combo1->count(), countRows(QStringLiteral("料理分類")) + 1);
        ken->Combo1->setCurrentText(category);
        typeInto(ken->Text1, search);
        click(ken, "Command1");
        if (expected.isEmpty()) {
            QCOMPARE(ken->vsGrid->rows() - 1, countRows(QStringLiteral("料理名")));
        } else {
            QCOMPARE(ken->vsGrid->rows() - 1, expected.size());
            for (int r = 1; r < ken->vsGrid->rows(); ++r)
                QCOMPARE(ken->vsGrid->textMatrix(r, 2), expected.at(r - 1));
        }
        QVERIFY(ken->vsGrid->colHidden(3) && ken->vsGrid->colHidden(4));
        QCOMPARE(ken->vsGrid->row(), 1);
        QCOMPARE(ken->Text2->text(), ken->vsGrid->textMatrix(1, 2));
        QVERIFY(m_msg->shown().isEmpty());
    }

    void pickerWithNothingChosen()
    {
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        typeInto(ken->Text1, QStringLiteral("見つからない料理"));
        click(ken, "Command1");
        QCOMPARE(ken->vsGrid->rows(), 1);
        QCOMPARE(ken->Text2->text(), QString());
        ken->Command2_Click();
        QCOMPARE(m_msg->last(), QStringLiteral("料理名を選択してください。"));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), 0);
    }

    void pickerHidesAndKeepsItsSettings()
    {
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        ken->Combo1->setCurrentText(QStringLiteral("洋食"));
        typeInto(ken->Text1, QStringLiteral("カレー"));
        click(ken, "Command1");
        ken->Combo2->setCurrentText(QStringLiteral("夕食"));
        typeInto(ken->Text3, QStringLiteral("2.5"));
        QPointer<F_KJRNyu01_Ken> alive(ken);
        ken->close();
        QVERIFY(alive && !ken->isVisible());
        QCOMPARE(openPicker(w), ken);
        QCOMPARE(ken->Combo1->currentText(), QStringLiteral("洋食"));
        QCOMPARE(ken->Text1->text(), QStringLiteral("カレー"));
        QCOMPARE(ken->vsGrid->rows(), 2);
        QCOMPARE(ken->Combo2->currentText(), QStringLiteral("夕食"));
        QCOMPARE(ken->Text3->text(), QStringLiteral("2.5"));
        click(ken, "Command3");
        QVERIFY(alive && !ken->isVisible());
        // ComboReSet goes back to every category.
        ken->ComboReSet();
        QCOMPARE(ken->Combo1->currentIndex(), 0);
        QCOMPARE(ken->Combo1->count(), countRows(QStringLiteral("料理分類")) + 1);
        // The picker goes with its day window.
        w->close();
        QVERIFY(!alive);
    }

    void pickerAddFailureWritesNothing_data()
    {
        QTest::addColumn<int>("failingFood");
        QTest::newRow("first food") << 1;
        QTest::newRow("third food") << 3;
    }
    void pickerAddFailureWritesNothing()
    {
        QFETCH(int, failingFood);
        F_KJRNyu01 *w = open();
        const qint64 before = addDishByPicker(QStringLiteral("100%ジュース"));
        failOnInsert(QStringLiteral("摂取食品"), failingFood);
        m_msg->clear();
        F_KJRNyu01_Ken *ken = openPicker(w);
        choose(ken, QStringLiteral("カレーライス"));
        click(ken, "Command2");
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(m_msg->shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), 1);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), 1);
        QCOMPARE(gridIds(w->VSGrid1), QList<qint64>{before});
        QCOMPARE(G_SeR_ID, before);
    }

    // ---------------------------------------------------------------- rename

    void rename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kubun");
        QTest::addColumn<QString>("message"); // "" = none
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedKubun");
        QTest::newRow("trimmed") << QStringLiteral("  甘口カレー ") << QStringLiteral("昼食")
                                 << QStringLiteral("変更します。よろしいですか？") << QStringLiteral("甘口カレー")
                                 << QStringLiteral("昼食");
        QTest::newRow("moved to dinner") << QStringLiteral("カレーライス") << QStringLiteral("夕食")
                                         << QStringLiteral("変更します。よろしいですか？") << QStringLiteral("カレーライス")
                                         << QStringLiteral("夕食");
        QTest::newRow("unchanged") << QStringLiteral(" カレーライス ") << QStringLiteral("昼食") << QString()
                                   << QStringLiteral("カレーライス") << QStringLiteral("昼食");
        QTest::newRow("empty") << QStringLiteral("   ") << QStringLiteral("夕食")
                               << QStringLiteral("料理名を入力してください。") << QStringLiteral("カレーライス")
                               << QStringLiteral("昼食");
    }
    void rename()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kubun);
        QFETCH(QString, message);
        QFETCH(QString, storedName);
        QFETCH(QString, storedKubun);
        const qint64 a = addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        F_KJRNyu01 *w = open();
        if (message.isEmpty())
            failOnUpdate(QStringLiteral("摂取料理")); // saving unchanged values writes nothing
        bool closed = false;
        onModal([&](QWidget *m) {
            auto *rhen = qobject_cast<F_KJR_RHen *>(m);
            QVERIFY(rhen);
            QCOMPARE(rhen->windowTitle(), QStringLiteral("料理入力－料理名・食事区分変更"));
            QCOMPARE(rhen->Text1->text(), QStringLiteral("カレーライス"));
            QCOMPARE(rhen->Combo1->currentText(), QStringLiteral("昼食"));
            typeInto(rhen->Text1, typed);
            rhen->Combo1->setCurrentText(kubun);
            click(rhen, "Command2");
            closed = !rhen->isVisible();
        });
        w->mnEdit->trigger();
        QCOMPARE(m_msg->last(), message);
        QCOMPARE(closed, message != QStringLiteral("料理名を入力してください。"));
        const auto row = G_DB().selectOne(QStringLiteral("SELECT 料理名, 食事区分 FROM 摂取料理 WHERE 摂取料理ID = ?"), {a});
        QCOMPARE(row->value(QStringLiteral("料理名")).toString(), storedName);
        QCOMPARE(row->value(QStringLiteral("食事区分")).toString(), storedKubun);
        QCOMPARE(w->VSGrid1->textMatrix(1, 4), storedName);
        QCOMPARE(w->VSGrid1->textMatrix(1, 6), storedKubun);
        QCOMPARE(G_Ryouri_Mei, storedName);
    }

    void renameCancelKeepsTheWindowOpen()
    {
        addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        F_KJRNyu01 *w = open();
        bool open = false;
        onModal([&](QWidget *m) {
            auto *rhen = qobject_cast<F_KJR_RHen *>(m);
            QVERIFY(rhen);
            typeInto(rhen->Text1, QStringLiteral("別の名前"));
            m_msg->answer(vbCancel);
            click(rhen, "Command2");
            open = rhen->isVisible();
        });
        w->mnEdit->trigger();
        QVERIFY(open);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理名 FROM 摂取料理")).toString(), QStringLiteral("カレーライス"));
    }

    void renameNeedsACurrentRow()
    {
        addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        F_KJRNyu01 *w = open();
        w->VSGrid1->setRow(0);
        bool opened = false;
        QTimer::singleShot(50, this, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                opened = true;
                m->close();
            }
        });
        w->mnEdit->trigger();
        QTest::qWait(100);
        QVERIFY(!opened);
    }

    // ---------------------------------------------------------------- the dish's foods

    void foodsWindowOpensFromTheDay()
    {
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        QCOMPARE(z->windowTitle(), QStringLiteral("料理材料一覧    料理名：肉じゃが［夕食］"));
        QVERIFY(!m_w->isVisible());
        QVERIFY(!m_w->picker()->isVisible());
        QCOMPARE(z->vsGrid->rows(), 3);
        // The first food is in the upper area and is the one being edited.
        QCOMPARE(z->vsGrid->row(), 1);
        QCOMPARE(z->Text1->text(), QStringLiteral("ぶた"));
        QCOMPARE(z->Text2->text(), QStringLiteral("もも　脂身つき　生"));
        QCOMPARE(z->Text9->text(), QStringLiteral("肉類"));
        QCOMPARE(z->Text3->text(), QStringLiteral("40"));
        QCOMPARE(z->DBCombo1->currentText(), QStringLiteral("煮る"));
        QCOMPARE(G_Sei_ID, k.pork);
        QCOMPARE(G_Tyouri_ID, 4);
        QCOMPARE(G_SeS_ID, z->vsGrid->valueMatrix(1, 5).toLongLong());
        for (int c = 5; c <= 10; ++c)
            QVERIFY(z->vsGrid->colHidden(c));
        QVERIFY(!z->Text4->isVisible() && !z->Text5->isVisible() && !z->Text6->isVisible());
        z->close();
        QApplication::processEvents();
        QVERIFY(m_w->isVisible());
    }

    void changeQuantity_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << "0" << true << 0.0 << "0";
        QTest::newRow("trailing unit") << "120g" << true << 120.0 << "120";
        QTest::newRow("decimals") << "12.25" << true << 12.25 << "12.25";
        QTest::newRow("full-width") << QStringLiteral("８５ｇ") << true << 85.0 << "85";
        QTest::newRow("negative") << "-5" << false << 40.0 << "-5";
        QTest::newRow("letters") << "abc" << true << 0.0 << "0";
        QTest::newRow("absurd") << "20000" << false << 40.0 << "20000";
    }
    void changeQuantity()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        const qint64 ses = G_SeS_ID;
        typeInto(z->Text3, typed);
        click(z, "Command4");
        QCOMPARE(gramsOf(ses), stored);
        QCOMPARE(z->Text3->text(), shown);
        if (accepted) {
            QVERIFY(m_msg->shown().isEmpty());
            QCOMPARE(z->vsGrid->valueMatrix(z->vsGrid->row(), 5).toLongLong(), ses);
            QCOMPARE(z->vsGrid->valueMatrix(z->vsGrid->row(), 3).toDouble(), stored);
        } else {
            QCOMPARE(m_msg->last(), QStringLiteral("分量が無効な値です。"));
            QCOMPARE(m_msg->shown().last().title, QStringLiteral("確認"));
        }
    }

    void pickedFoodReplacesTheSelectedOne()
    {
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        clickCell(z->vsGrid, 2, 1);
        const qint64 ses = G_SeS_ID;
        QCOMPARE(z->Text1->text(), QStringLiteral("たまねぎ"));
        z->foodPicked(k.carrot, QStringLiteral("野菜類"), QStringLiteral("にんじん"), QStringLiteral("根　皮むき　生"), QString());
        QCOMPARE(G_Sei_ID, k.carrot);
        QCOMPARE(z->Text3->text(), QStringLiteral("50")); // quantity and method stay
        click(z, "Command4");
        const auto row = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取食品 WHERE 摂取食品ID = ?"), {ses});
        QCOMPARE(row->value(QStringLiteral("成分表ID")).toLongLong(), k.carrot);
        QCOMPARE(row->value(QStringLiteral("分量")).toDouble(), 50.0);
        QCOMPARE(row->value(QStringLiteral("調理法ID")).toInt(), 4);
        QCOMPARE(z->vsGrid->textMatrix(z->vsGrid->row(), 1), QStringLiteral("にんじん"));
        // The catalogue recipe is untouched.
        QCOMPARE(countRows(QStringLiteral("材料"), QStringLiteral("料理名ID = ? AND 成分表ID = ?"), {k.nikujaga, k.carrot}), 0);
    }

    void addPickedFood()
    {
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        z->foodPicked(k.rice, QStringLiteral("穀類"), QStringLiteral("こめ"), QStringLiteral("精白米　めし"),
                      QStringLiteral("茶碗１杯150g"));
        typeInto(z->Text3, QStringLiteral("150g"));
        z->DBCombo1->setText(QStringLiteral("そのまま"));
        QCOMPARE(G_Tyouri_ID, 1);
        QCOMPARE(z->Text6->text(), QStringLiteral("1"));
        click(z, "Command5");
        QCOMPARE(z->vsGrid->rows(), 4);
        const int r = z->vsGrid->row();
        QCOMPARE(z->vsGrid->textMatrix(r, 1), QStringLiteral("こめ"));
        const qint64 ses = z->vsGrid->valueMatrix(r, 5).toLongLong();
        QCOMPARE(G_SeS_ID, ses);
        QCOMPARE(gramsOf(ses), 150.0);
        QCOMPARE(z->Text3->text(), QStringLiteral("150"));
        QCOMPARE(z->Text8->text(), QStringLiteral("茶碗１杯150g"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 健康状態管理ID FROM 摂取食品 WHERE 摂取食品ID = ?"), {ses}).toLongLong(), m_kk);
    }

    void addOrChangeNeedsFoodAndMethod_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("noFood"); // else no cooking method
        QTest::newRow("add without food") << "Command5" << true;
        QTest::newRow("add without method") << "Command5" << false;
        QTest::newRow("change without food") << "Command4" << true;
        QTest::newRow("change without method") << "Command4" << false;
    }
    void addOrChangeNeedsFoodAndMethod()
    {
        QFETCH(QString, button);
        QFETCH(bool, noFood);
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        // Another window (the composition browser) may leave these unset.
        if (noFood)
            G_Sei_ID = 0;
        else
            G_Tyouri_ID = 0;
        const int before = countRows(QStringLiteral("摂取食品"));
        failOnUpdate(QStringLiteral("摂取食品"));
        click(z, button);
        QCOMPARE(m_msg->last(), QStringLiteral("材料あるいは、調理法が入力されていません。"));
        QCOMPARE(countRows(QStringLiteral("摂取食品")), before);
    }

    void deleteFood_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void deleteFood()
    {
        QFETCH(int, answer);
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        const qint64 ses = G_SeS_ID;
        m_msg->answer(answer);
        click(z, "Command3");
        QCOMPARE(m_msg->last(), QStringLiteral("材料を削除します。よろしいですか。"));
        if (answer == vbOK) {
            QCOMPARE(z->vsGrid->rows(), 2);
            QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取食品ID = ?"), {ses}), 0);
            QCOMPARE(G_SeS_ID, 0);
            QCOMPARE(G_Sei_ID, 0);
            QCOMPARE(G_Tyouri_ID, 0);
            QCOMPARE(z->Text1->text(), QString());
            QCOMPARE(z->Text3->text(), QStringLiteral("0"));
            QCOMPARE(z->vsGrid->row(), 0);
            QVERIFY(!z->Command3->isEnabled() && !z->Command4->isEnabled());
            // Adding now needs a food first.
            click(z, "Command5");
            QCOMPARE(m_msg->last(), QStringLiteral("材料あるいは、調理法が入力されていません。"));
        } else {
            QCOMPARE(z->vsGrid->rows(), 3);
            QCOMPARE(G_SeS_ID, ses);
        }
    }

    void browserPickFillsTheFoodsWindow_data()
    {
        QTest::addColumn<int>("callerCode");
        QTest::addColumn<bool>("filled");
        QTest::newRow("day's dishes") << 1 << true;
        QTest::newRow("dish picker") << 11 << false;
    }
    void browserPickFillsTheFoodsWindow()
    {
        QFETCH(int, callerCode);
        QFETCH(bool, filled);
        createSeiKen();
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        clickCell(z->vsGrid, 2, 1); // たまねぎ, 50 g, 煮る
        const qint64 ses = G_SeS_ID;
        click(z, "Command1");
        F_SeiKen01 *s = G_SeiKen();
        QVERIFY(s->isVisible());
        QVERIFY(s->Command5->isVisible());
        s->SSTab1->setTab(0);
        FlexGrid *g = s->grid(0);
        int row = -1;
        for (int r = 1; r < g->rows(); ++r)
            if (g->valueMatrix(r, seiken_col::Id).toLongLong() == k.carrot)
                row = r;
        QVERIFY(row > 0);
        g->setRow(row);
        G_Yobidasi = callerCode;
        s->Command5_Click();
        if (filled) {
            QCOMPARE(z->Text1->text(), QStringLiteral("にんじん"));
            QCOMPARE(z->Text2->text(), QStringLiteral("根　皮むき　生"));
            QCOMPARE(z->Text9->text(), QStringLiteral("野菜類"));
            QCOMPARE(z->Text5->text(), QString::number(k.carrot));
            click(z, "Command4");
            const auto r = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取食品 WHERE 摂取食品ID = ?"), {ses});
            QCOMPARE(r->value(QStringLiteral("成分表ID")).toLongLong(), k.carrot);
            QCOMPARE(r->value(QStringLiteral("分量")).toDouble(), 50.0);
            QCOMPARE(r->value(QStringLiteral("調理法ID")).toInt(), 4);
        } else {
            QCOMPARE(z->Text1->text(), QStringLiteral("たまねぎ"));
        }
        // Closing the foods window puts the browser away too.
        z->close();
        QVERIFY(!s->isVisible());
        destroySeiKen();
    }

    // 食品から追加 puts the chosen food in the day as a dish of its own; a food chosen for a recipe
    // while the picker waits hidden behind the dish master never does.
    void pickerSingleFood_data()
    {
        QTest::addColumn<bool>("ownButton");
        QTest::newRow("食品から追加") << true;
        QTest::newRow("a food for a recipe") << false;
    }
    void pickerSingleFood()
    {
        QFETCH(bool, ownButton);
        createSeiKen();
        F_KJRNyu01 *w = open();
        F_KJRNyu01_Ken *ken = openPicker(w);
        const QString count = QStringLiteral("SELECT COUNT(*) FROM 摂取料理 WHERE 健康状態管理ID = ?");
        const int before = G_DB().scalar(count, {m_kk}).toInt();
        if (ownButton) {
            click(ken, "CmdSyokuhin");
        } else {
            ken->hide();
            G_Yobidasi = 11; // as the picker left it when the dish master opened
        }
        F_SeiKen01 *s = G_SeiKen();
        s->SSTab1->setTab(0);
        FlexGrid *g = s->grid(0);
        for (int r = 1; r < g->rows(); ++r)
            if (g->valueMatrix(r, seiken_col::Id).toLongLong() == k.carrot)
                g->setRow(r);
        s->Command5_Click();
        QCOMPARE(G_DB().scalar(count, {m_kk}).toInt(), before + (ownButton ? 1 : 0));
        if (ownButton) {
            const auto dish = G_DB().selectOne(QStringLiteral("SELECT 料理名, 料理名ID FROM 摂取料理 WHERE 健康状態管理ID = ? "
                                                              "ORDER BY 摂取料理ID DESC LIMIT 1"),
                                               {m_kk});
            QVERIFY(dish->value(QStringLiteral("料理名")).toString().startsWith(QStringLiteral("にんじん（")));
            QVERIFY(dish->value(QStringLiteral("料理名ID")).isNull());
            QVERIFY(!s->isVisible());
        }
        destroySeiKen();
    }

    void quantityConversion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << "123" << true;
        QTest::newRow("cancelled") << "123" << false;
    }
    void quantityConversion()
    {
        QFETCH(QString, typed);
        QFETCH(bool, confirm);
        G_DB().exec(QStringLiteral("UPDATE 成分表 SET 廃棄率 = 15 WHERE 成分表ID = ?"), {k.onion});
        F_KJZNyu01 *z = openFoods(QStringLiteral(" 肉じゃが "));
        clickCell(z->vsGrid, 2, 1);
        QCOMPARE(G_Sei_ID, k.onion);
        const QString before = z->Text3->text();
        onModal([&](QWidget *m) {
            auto *h = qobject_cast<F_HenKan *>(m);
            QVERIFY(h);
            typeInto(h->Text1, typed);
            if (confirm)
                click(h, "Command1");
            else
                click(h, "Command2");
        });
        click(z, "Command7");
        if (confirm)
            QCOMPARE(z->Text3->text(),
                     Format(kansanBunRyou(Val(typed), haikiRitu(G_DB(), k.onion).rate), QStringLiteral("0.00")));
        else
            QCOMPARE(z->Text3->text(), before);
        QVERIFY(z->Text3->text() != typed || !confirm);
    }

    // ---------------------------------------------------------------- copy from another day

    void copyOpensOnTheDayBefore()
    {
        for (int i = 1; i <= 8; ++i)
            addDay(k.hanako, kDay.addDays(-i));
        addDay(k.hanako, kDay.addDays(1)); // a later day is never offered
        open();
        runCopy([&](F_KJR_Copy01 *c) {
            QCOMPARE(c->windowTitle(), QStringLiteral("料理入力－他の日からコピー"));
            QCOMPARE(c->Combo1->currentText(), QStringLiteral("花子"));
            QCOMPARE(c->Combo1->count(), countRows(QStringLiteral("個人データ")));
            QCOMPARE(c->Text1[0]->text(), QString::number(kDay.addDays(-1).year()));
            QCOMPARE(c->Text1[1]->text(), QString::number(kDay.addDays(-1).month()));
            QCOMPARE(c->Text1[2]->text(), QString::number(kDay.addDays(-1).day()));
            QCOMPARE(c->Text2->text(), QStringLiteral("花子"));
            QCOMPARE(c->List1->count(), 6);
            for (int i = 0; i < 6; ++i)
                QCOMPARE(c->List1->item(i)->text(), copyDayText(kDay.addDays(-1 - i)));
            QCOMPARE(c->List1->currentRow(), 0);
            click(c, "Command2");
        });
        QCOMPARE(m_msg->prompts().first(), QStringLiteral("過去に記録したデータから一日分の食べた料理をコピーします。"));
    }

    // The calendar marks the chosen person's days with dishes; a picked day is searched at once.
    void copyCalendarPicksTheDay()
    {
        const qint64 withDishes = addDay(k.hanako, kDay.addDays(-10));
        addCatalogueDish(G_DB(), withDishes, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        addDay(k.hanako, kDay.addDays(-12)); // a record without dishes has nothing to copy
        addDay(k.hanako, kDay.addDays(-3));
        open();
        runCopy([&](F_KJR_Copy01 *c) {
            const QDate pick = kDay.addDays(-10);
            bool seen = false;
            onModal([&](QWidget *m) {
                auto *cal = child<QCalendarWidget>(m, "Calendar1");
                seen = true;
                QCOMPARE(cal->selectedDate(), kDay.addDays(-1));
                for (int d = -14; d <= 0; ++d)
                    QCOMPARE(cal->dateTextFormat(kDay.addDays(d)).fontWeight() == QFont::Bold, d == -10);
                emit cal->clicked(pick);
            }, c);
            c->DatePick1->CmdCalendar->click();
            QVERIFY(seen);
            QCOMPARE(c->Text1[0]->text(), QString::number(pick.year()));
            QCOMPARE(c->Text1[1]->text(), QString::number(pick.month()));
            QCOMPARE(c->Text1[2]->text(), QString::number(pick.day()));
            QCOMPARE(c->searchDate(), pick);
            QCOMPARE(c->List1->item(0)->text(), copyDayText(pick));
            QCOMPARE(c->List2->count(), 1);
            click(c, "Command2");
        });
    }

    void copyCheckedDishes_data()
    {
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<int>("times");
        QTest::newRow("all") << QList<int>{} << 1;
        QTest::newRow("all but one") << QList<int>{1} << 1;
        QTest::newRow("just one") << QList<int>{0, 2} << 1;
        QTest::newRow("twice") << QList<int>{2} << 2;
    }
    void copyCheckedDishes()
    {
        QFETCH(QList<int>, unchecked);
        QFETCH(int, times);
        const qint64 src = addDay(k.hanako, kDay.addDays(-1));
        addCatalogueDish(G_DB(), src, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 2);
        addCatalogueDish(G_DB(), src, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1.5);
        addCatalogueDish(G_DB(), src, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        F_KJRNyu01 *w = open();
        QList<qint64> expectedSources;
        for (int t = 0; t < times; ++t) {
            m_msg->clear();
            runCopy([&](F_KJR_Copy01 *c) {
                QCOMPARE(c->List2->count(), 3);
                expectedSources.clear();
                for (int i = 0; i < 3; ++i) {
                    QCOMPARE(c->List2->item(i)->checkState(), Qt::Checked);
                    if (unchecked.contains(i))
                        c->List2->item(i)->setCheckState(Qt::Unchecked);
                    else
                        expectedSources << c->List2->item(i)->data(Qt::UserRole).toLongLong();
                }
                click(c, "Command1");
                QVERIFY(!c->isVisible());
            });
            QCOMPARE(m_msg->last(), copyQuestion(3 - int(unchecked.size())));
        }
        const ResultSet day = dayDishes(G_DB(), m_kk);
        QCOMPARE(day.size(), int(expectedSources.size()) * times);
        for (int i = 0; i < day.size(); ++i) {
            const qint64 from = expectedSources.at(i % expectedSources.size());
            const qint64 copy = day.rows[i].value(0).toLongLong();
            QCOMPARE(day.value(i, QStringLiteral("料理名")),
                     G_DB().scalar(QStringLiteral("SELECT 料理名 FROM 摂取料理 WHERE 摂取料理ID = ?"), {from}));
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT group_concat(成分表ID || ':' || 分量) FROM "
                                                  "(SELECT * FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID)"),
                                   {copy}),
                     G_DB().scalar(QStringLiteral("SELECT group_concat(成分表ID || ':' || 分量) FROM "
                                                  "(SELECT * FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID)"),
                                   {from}));
        }
        // The last created dish is the selected one.
        QCOMPARE(G_SeR_ID, day.rows.last().value(0).toLongLong());
        QCOMPARE(w->VSGrid1->valueMatrix(w->VSGrid1->row(), 1).toLongLong(), G_SeR_ID);
        QVERIFY(w->Command4->isEnabled());
    }

    void copyAnotherPersonsDay()
    {
        const qint64 src = addDay(k.taro, QDate(2024, 4, 1));
        addCatalogueDish(G_DB(), src, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 2);
        addDay(k.hanako, kDay.addDays(-1));
        open();
        runCopy([&](F_KJR_Copy01 *c) {
            QCOMPARE(c->List1->count(), 1); // her own day
            QCOMPARE(c->List2->count(), 0);
            click(c, "Command1");
            QCOMPARE(m_msg->last(), QStringLiteral("選択した日付には、食べた料理が登録されていません。他の日を選択してください。"));
            c->Combo1->setCurrentText(QStringLiteral("太郎"));
            click(c, "Command3");
            QCOMPARE(c->Text2->text(), QStringLiteral("太郎"));
            QCOMPARE(c->List1->count(), 1);
            QCOMPARE(c->List1->item(0)->text(), copyDayText(QDate(2024, 4, 1)));
            QCOMPARE(c->List2->count(), 1);
            click(c, "Command1");
        });
        const ResultSet day = dayDishes(G_DB(), m_kk);
        QCOMPARE(day.size(), 1);
        QCOMPARE(day.value(0, QStringLiteral("料理分量")).toDouble(), 2.0);
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("健康状態管理ID = ?"), {m_kk}), 4);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT SUM(分量) FROM 摂取食品 WHERE 健康状態管理ID = ?"), {m_kk}).toDouble(),
                 G_DB().scalar(QStringLiteral("SELECT SUM(分量) FROM 摂取食品 WHERE 健康状態管理ID = ?"), {src}).toDouble());
    }

    void copyMessages_data()
    {
        QTest::addColumn<QStringList>("date"); // typed into the three boxes
        QTest::addColumn<bool>("uncheckAll");
        QTest::addColumn<QString>("message");
        QTest::newRow("invalid date") << QStringList{"2024", "2", "30"} << false
                                      << QStringLiteral("入力年月日（半角数値）を確認してください。 ");
        QTest::newRow("letters") << QStringList{"2024", "x", "1"} << false
                                 << QStringLiteral("入力年月日（半角数値）を確認してください。 ");
        QTest::newRow("nothing before") << QStringList{"2000", "1", "1"} << false
                                        << QStringLiteral("コピー元の日付データがありません。検索し直してください。");
        QTest::newRow("none checked") << QStringList{} << true
                                      << QStringLiteral("コピーする料理が未選択です。１つ以上の項目にチェックを付けてください。");
    }
    void copyMessages()
    {
        QFETCH(QStringList, date);
        QFETCH(bool, uncheckAll);
        QFETCH(QString, message);
        const qint64 src = addDay(k.hanako, kDay.addDays(-3));
        addCatalogueDish(G_DB(), src, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        open();
        runCopy([&](F_KJR_Copy01 *c) {
            if (!date.isEmpty()) {
                for (int i = 0; i < 3; ++i)
                    typeInto(c->Text1[i], date.at(i));
                click(c, "Command3");
            }
            if (uncheckAll)
                c->List2->item(0)->setCheckState(Qt::Unchecked);
            // A refused search keeps what was listed; the copy is tried only past the search.
            if (uncheckAll || message.startsWith(QStringLiteral("コピー元")))
                click(c, "Command1");
            QVERIFY(c->isVisible());
        });
        QVERIFY(m_msg->prompts().contains(message));
        if (message.startsWith(QStringLiteral("コピー元")))
            QVERIFY(m_msg->prompts().contains(QStringLiteral("指定日以前のデータはありません。")));
        QCOMPARE(dayDishes(G_DB(), m_kk).size(), 0);
    }

    void copyFailureWritesNothing()
    {
        const qint64 src = addDay(k.hanako, kDay.addDays(-1));
        addCatalogueDish(G_DB(), src, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        addCatalogueDish(G_DB(), src, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        F_KJRNyu01 *w = open();
        const int dishes = countRows(QStringLiteral("摂取料理"));
        const int foods = countRows(QStringLiteral("摂取食品"));
        failOnInsert(QStringLiteral("摂取食品"), 5);
        runCopy([&](F_KJR_Copy01 *c) {
            click(c, "Command1");
            QVERIFY(c->isVisible());
        });
        QCOMPARE(m_msg->shown().last().title, QStringLiteral("エラー"));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), dishes);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), foods);
        QCOMPARE(w->VSGrid1->rows(), 1);
    }

    // ---------------------------------------------------------------- from the daily record

    void dailyRecordOpensTheMeals()
    {
        const QDate today = QDate::currentDate();
        const qint64 kk = addDay(k.hanako, today);
        // The day's standard needs its reference row, whatever her age band is by now.
        for (int band = 20; band <= 80; band += 10)
            G_DB().insert(QStringLiteral("標準所要量"), {{QStringLiteral("年齢（範囲１）"), band},
                                                       {QStringLiteral("性別"), 2},
                                                       {QStringLiteral("生活強度"), 2}});
        addCatalogueDish(G_DB(), kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        QPointer<F_KJRNyu01> opened;
        F_KJNyuu01::setMealsOpener([&](F_KJNyuu01 *caller) -> QWidget * {
            opened = new F_KJRNyu01(DayHeader::from(caller));
            return opened;
        });
        auto *day = new F_KJNyuu01;
        day->show();
        QCOMPARE(G_KK_ID, kk);
        click(day, "Command5");
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(!day->isVisible());
        QCOMPARE(opened->Text1->text(), QStringLiteral("花子"));
        QCOMPARE(opened->Text2->text(), QString::number(today.year()) + QStringLiteral("年") + QString::number(today.month())
                                            + QStringLiteral("月") + QString::number(today.day()) + QStringLiteral("日")
                                            + day->Text4[3]->text());
        QCOMPARE(opened->header().day, today);
        QCOMPARE(opened->VSGrid1->rows(), 2);
        opened->close();
        QApplication::processEvents();
        QVERIFY(!opened);
        QVERIFY(day->isVisible());
        F_KJNyuu01::setMealsOpener({});
        delete day;
    }
};

QTEST_MAIN(TstMealsWindows)
#include "tst_meals_windows.moc"
