// The diagnosis windows driven like a user, on days whose rates are worked out by hand:
// the graphs, the scale switch, the read-out, printing and copies, the standard table, the
// advice, the full table, the per-dish rates and the nutrient detail tables.

#include "assess_fixture.h"
#include "b_01.h"
#include "f_help.h"
#include "f_kjs_sin01.h"
#include "f_kjs_sin01_adv.h"
#include "f_kjs_sin01_hyo.h"
#include "f_kjs_sin02.h"
#include "f_kjs_sinrb01.h"
#include "f_kjseibun01.h"
#include "f_zaiseibun01.h"
#include "flexgrid.h"
#include "graph.h"
#include "guitest.h"
#include "seibun_grids.h"
#include "statusbartext.h"
#include "tabcontrol.h"
#include "testsupport.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;
namespace fx = mirte::test::fx;

namespace {

// The standard of the tests: energy 2000, protein 50, iron 10, salt 10; every other
// nutrient 100; lower and upper references as the program sets them for these four.
void standard()
{
    for (auto &e : G_Syoyouryou)
        e = SyoyouryouEntry{100, 0, 0, 0, false};
    G_Syoyouryou[0] = {2000, 0, 2400, 1800, false};
    G_Syoyouryou[1] = {50, 0, 0, 50, false};
    G_Syoyouryou[4] = {10, 0, 40, 10, false};
    G_Syoyouryou[12] = {10, 0, 10, 7, false};
}

// A day of 朝食 rice 200 g (energy 168 /100 g, protein 2.5), 夕食 fish 100 g (energy 200,
// protein 20, iron 1.0, salt 1.2) and a snack of the rice again, 50 g.
struct Day {
    qint64 kk = 0, rice = 0, fish = 0, snack = 0;
};

Day realisticDay()
{
    fx::food(1, {{"エネルギー", 168}, {"たんぱく質", 2.5}});
    fx::food(2, {{"エネルギー", 200}, {"たんぱく質", 20}, {"鉄", 1.0}, {"食塩相当量", 1.2}});
    fx::fatty(2, {{"脂肪酸・総量", 4.0}, {"酪酸", 10}});
    Day d;
    d.kk = fx::record(fx::person("山田花子", QDate(1980, 4, 1), 2), QDate(2024, 5, 1), 158, 52);
    d.rice = fx::dish(d.kk, "朝食", "ごはん");
    fx::eat(d.rice, d.kk, 1, 200);
    d.fish = fx::dish(d.kk, "夕食", "焼き魚");
    fx::eat(d.fish, d.kk, 2, 100);
    d.snack = fx::dish(d.kk, "その他", "おにぎり");
    fx::eat(d.snack, d.kk, 1, 50);
    G_KK_ID = d.kk;
    G_Simei_Hyouji = QStringLiteral("氏名 ： 山田花子");
    G_Day_Hyouji = QStringLiteral("日付 ： 2024年5月1日（水）");
    return d;
}

qint64 emptyDay()
{
    G_KK_ID = fx::record(fx::person("山田太郎", QDate(1975, 1, 1), 1), QDate(2024, 5, 2), 170, 65);
    return G_KK_ID;
}

QAction *action(QWidget *w, const char *name)
{
    auto *a = w->findChild<QAction *>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

void clickBar(Graph *g, int set, int point)
{
    g->redraw();
    QCoreApplication::processEvents();
    const QPoint at = g->pointPosition(set, point);
    QWidget *vp = g->chartView()->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(g, at));
}

QString cell(FlexGrid *g, int r, int c)
{
    return g->textMatrix(r, c);
}

} // namespace

class TstSindanWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init() { standard(); }

    // The graphs show every meal's rate; energy of the day is 336 + 200 + 84 of 2000.
    void ratesOfADay_data()
    {
        QTest::addColumn<int>("graph");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("point");
        QTest::addColumn<double>("rate");
        QTest::newRow("朝食 energy") << 1 << 1 << 1 << 16.8;      // 336 of 2000
        QTest::newRow("昼食 energy") << 1 << 2 << 1 << 0.0;
        QTest::newRow("夕食 energy") << 1 << 3 << 1 << 10.0;      // 200 of 2000
        QTest::newRow("その他 energy") << 1 << 4 << 1 << 4.2;     // 84 of 2000
        QTest::newRow("夕食 protein") << 1 << 3 << 2 << 40.0;     // 20 of 50
        QTest::newRow("朝食 protein") << 1 << 1 << 2 << 10.0;     // 5 of 50
        QTest::newRow("夕食 iron") << 1 << 3 << 5 << 10.0;        // 1 of 10
        QTest::newRow("夕食 salt") << 1 << 3 << 13 << 12.0;       // 1.2 of 10
        QTest::newRow("夕食 zinc") << 2 << 3 << 11 << 0.0;
    }
    void ratesOfADay()
    {
        QFETCH(int, graph);
        QFETCH(int, set);
        QFETCH(int, point);
        QFETCH(double, rate);
        TempDb t;
        realisticDay();
        F_KJS_Sin01 w;
        QVERIFY(w.loaded());
        Graph *g = graph == 1 ? w.Gr1 : w.Gr2;
        QCOMPARE(g->numSets(), 4);
        QCOMPARE(g->numPoints(), graph == 1 ? 14 : 11);
        QCOMPARE(g->legendText(1), QStringLiteral("朝食"));
        QCOMPARE(g->legendText(4), QStringLiteral("その他"));
        QCOMPARE(g->pointLabel(1), graph == 1 ? QStringLiteral("エネルギー") : QStringLiteral("ビタミンＫ"));
        QVERIFY(qAbs(g->value(set, point) - rate) < 1e-9);
        QCOMPARE(w.Text3->text(), QStringLiteral("氏名 ： 山田花子"));
        QCOMPARE(w.Text4->text(), QStringLiteral("日付 ： 2024年5月1日（水）"));
        QCOMPARE(w.StBar->text(), F_KJS_Sin01::defaultStatusText());
        QVERIFY(!w.mokuhyouUsed());
        QVERIFY(w.Label1->isHidden());
        QCOMPARE(w.windowTitle(), QStringLiteral("食事診断"));
    }

    // A target of 0 with its switch on gives 999 and the target label; the 標準値 hint
    // then speaks of targets.
    void zeroTargetShowsLabel()
    {
        TempDb t;
        realisticDay();
        G_Syoyouryou[4].Mokuhyou = 0;
        G_Syoyouryou[4].Mokuhyou_Flg = true;
        F_KJS_Sin01 w;
        w.resize(780, 560); // inside the offscreen screen, where the pointer can go
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int s = 1; s <= 4; ++s)
            QCOMPARE(w.Gr1->value(s, 5), 999.0);
        QVERIFY(w.Label1->isVisible());
        QCOMPARE(w.Label1->text(), QStringLiteral("一部の項目に目標値が指定されています。"));
        QTest::mouseMove(w.Command4);
        QCOMPARE(w.StBar->text(), QStringLiteral("栄養素毎の標準的な必要量の目安と目標値を表示します。"));
        QTest::mouseMove(w.Command6);
        QCOMPARE(w.StBar->text(), QStringLiteral("栄養毎の過不足の状況をアドバイスします。"));
        // Back over the graph, the window's own text.
        QTest::mouseMove(w.Gr1, w.Gr1->rect().center());
        QCOMPARE(w.StBar->text(), F_KJS_Sin01::defaultStatusText());
    }

    void emptyDayZeroBars()
    {
        TempDb t;
        emptyDay();
        F_KJS_Sin01 w;
        QVERIFY(w.loaded());
        for (Graph *g : {w.Gr1, w.Gr2})
            for (int s = 1; s <= 4; ++s)
                for (int p = 1; p <= g->numPoints(); ++p)
                    QCOMPARE(g->value(s, p), 0.0);
    }

    // A food whose composition row is gone stops the start: said once, no graphs drawn.
    void deletedFoodStopsTheStart()
    {
        TempDb t;
        MsgRecorder rec;
        const Day d = realisticDay();
        fx::removeDangling(QStringLiteral("成分表"), QStringLiteral("成分表ID"), 2);
        F_KJS_Sin01 w;
        QVERIFY(!w.loaded());
        QCOMPARE(rec.prompts(), QStringList{"成分表のレコードが削除されています。"});
        QCOMPARE(w.Gr1->numPoints(), 0);
        QVERIFY(!w.Command2->isEnabled());
        QVERIFY(!w.Command6->isEnabled());
        QVERIFY(w.Command3->isEnabled()); // one dish at a time still works
        Q_UNUSED(d);
    }

    // A database error while summing the day: reported, and the day is not judged.
    void databaseErrorStopsTheStart()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        G_DB().exec(QStringLiteral("ALTER TABLE 摂取食品 RENAME COLUMN 分量 TO 量"));
        F_KJS_Sin01 w;
        QVERIFY(!w.loaded());
        QCOMPARE(rec.shown().size(), 1);
        QCOMPARE(rec.shown().first().title, QStringLiteral("エラー"));
        QVERIFY(rec.last().startsWith(QStringLiteral("Error ")));
        QVERIFY(!w.Command2->isEnabled());
        QVERIFY(!w.Command6->isEnabled());
    }

    // Choosing the checked scale does nothing; the other one swaps marks and redraws.
    void scaleSwitch()
    {
        TempDb t;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAction *kotei = action(&w, "mnKotei");
        QAction *zentai = action(&w, "mnZentai");
        QVERIFY(kotei->isChecked());
        QVERIFY(!zentai->isChecked());
        QCOMPARE(w.Gr1->axisRange(), std::make_pair(0.0, 200.0));
        QPointer<QAbstractSeries> drawn = w.Gr1->chart()->series().first();
        kotei->trigger();
        QCoreApplication::processEvents();
        QVERIFY2(drawn, "the graph was drawn again");
        QVERIFY(kotei->isChecked());
        QVERIFY(!zentai->isChecked());
        QCOMPARE(w.scaleSwitches(), 0);
        zentai->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!drawn);
        QVERIFY(!kotei->isChecked());
        QVERIFY(zentai->isChecked());
        QVERIFY(!w.Gr2->isUserScale());
        QVERIFY(w.Gr1->axisRange().second < 200);  // the highest bar is 40 %
        drawn = w.Gr1->chart()->series().first();
        zentai->trigger();
        QCoreApplication::processEvents();
        QVERIFY(drawn);
        QVERIFY(zentai->isChecked());
        kotei->trigger();
        QVERIFY(w.Gr2->isUserScale());
        QCOMPARE(w.scaleSwitches(), 2);
    }

    void barReadOut_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("text");
        QTest::newRow("夕食 protein") << 0 << 3 << 2 << "夕 ( たんぱく質 ) \r\n40.0 ％ ";
        QTest::newRow("朝食 energy") << 0 << 1 << 1 << "朝 ( エネルギー ) \r\n16.8 ％ ";
    }
    void barReadOut()
    {
        QFETCH(int, tab);
        QFETCH(int, set);
        QFETCH(int, point);
        QFETCH(QString, text);
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.SSTab1->setTab(tab);
        clickBar(tab == 0 ? w.Gr1 : w.Gr2, set, point);
        QCOMPARE(rec.prompts(), QStringList{text});
        QCOMPARE(rec.shown().first().title, QStringLiteral("参考"));
        QCOMPARE(rec.shown().first().icon(), int(vbInformation));
    }

    // Cancelled: nothing printed, nothing more said.
    void printCancelled()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("x.pdf"));
        rec.answer(vbCancel);
        QVERIFY(!w.mnPrint_Click(&printer));
        QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
        rec.answer(vbCancel);
        // No print dialog may follow a cancelled question: one would be closed and counted.
        bool dialog = false;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                dialog = true;
                m->close();
            }
        });
        watch.start();
        action(&w, "mnPrint")->trigger();
        QTest::qWait(50);
        watch.stop();
        QVERIFY(!dialog);
        QCOMPARE(rec.prompts(), (QStringList{"印刷を開始します。プリンタの準備はよろしいですか。",
                                             "印刷を開始します。プリンタの準備はよろしいですか。"}));
        QCOMPARE(rec.shown().first().buttons(), int(vbOKCancel));
    }

    // A printer that cannot start is reported and nothing counts as printed.
    void printerFails()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x.pdf"));
        QVERIFY(!w.mnPrint_Click(&printer));
        QCOMPARE(rec.prompts().size(), 2);
        QCOMPARE(rec.shown().last().title, QStringLiteral("エラー"));
        QVERIFY(rec.last().contains(QStringLiteral("プリンタを使用できません。")));
    }

    // The printout of the tab shown under its title line: six blanks, person, three, day.
    void printToPdf_data()
    {
        QTest::addColumn<bool>("perDish");
        QTest::newRow("diagnosis") << false;
        QTest::newRow("per dish") << true;
    }
    void printToPdf()
    {
        QFETCH(bool, perDish);
        TempDb t;
        MsgRecorder rec;
        const Day d = realisticDay();
        std::unique_ptr<SindanWindow> w;
        if (perDish) {
            auto *rb = new F_KJS_SinRb01;
            rb->Option1[2]->click();
            rb->Command2->click();
            QCOMPARE(rb->shownDish(), d.fish);
            QCOMPARE(rb->printTitle(), QStringLiteral("      料理名 ： 焼き魚      氏名 ： 山田花子   日付 ： 2024年5月1日（水）"));
            w.reset(rb);
        } else {
            w = std::make_unique<F_KJS_Sin01>();
            QCOMPARE(w->printTitle(), QStringLiteral("      氏名 ： 山田花子   日付 ： 2024年5月1日（水）"));
        }
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->SSTab1->setTab(1);
        QCOMPARE(w->shownGraph(), w->Gr2);
        // MIRTE_SHOTS names a folder to keep the printout in, for looking at it.
        QTemporaryDir dir;
        const QString out = qEnvironmentVariable("MIRTE_SHOTS", dir.path())
                            + (perDish ? "/diag_rb01.pdf" : "/diag_sin01.pdf");
        QFile::remove(out);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        QVERIFY(w->mnPrint_Click(&printer));
        QVERIFY(QFileInfo(out).size() > 2000);
        QCOMPARE(rec.prompts().size(), 1);
    }

    // The text copy is the graph table of the tab shown, pasted back cell by cell.
    void textCopy_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("graph 1") << 0;
        QTest::newRow("graph 2") << 1;
    }
    void textCopy()
    {
        QFETCH(int, tab);
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        w.SSTab1->setTab(tab);
        QGuiApplication::clipboard()->setText("before");
        action(&w, "mnText")->trigger();
        QCOMPARE(rec.prompts(), QStringList{"クリップボードにテキスト形式でコピーしました。"});
        const QStringList rows = QGuiApplication::clipboard()->text().split("\r\n");
        QCOMPARE(rows.size(), 6);
        const int cells = tab == 0 ? 15 : 12;
        QList<QStringList> grid;
        for (int r = 0; r < 5; ++r) {
            QStringList c = rows[r].split('\t');
            QCOMPARE(c.size(), cells + 1); // every cell is followed by a tab
            QVERIFY(c.last().isEmpty());
            grid << c;
        }
        QCOMPARE(grid[0][0], QString());
        QCOMPARE(grid[0][1], tab == 0 ? QStringLiteral("エネルギー") : QStringLiteral("ビタミンＫ"));
        QCOMPARE(grid[0][cells - 1], tab == 0 ? QStringLiteral("食物繊維総量") : QStringLiteral("亜鉛"));
        QCOMPARE((QStringList{grid[1][0], grid[2][0], grid[3][0], grid[4][0]}), (QStringList{"朝", "昼", "夕", "他"}));
        if (tab == 0) {
            QCOMPARE(grid[1][1].toDouble(), 16.8);
            QCOMPARE(grid[3][2].toDouble(), 40.0);
            QCOMPARE(grid[3][13].toDouble(), 12.0);
        }
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < cells; ++c) {
                bool ok = false;
                grid[r][c].toDouble(&ok);
                QVERIFY(ok);
            }
    }

    void pictureCopy()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGuiApplication::clipboard()->clear();
        action(&w, "mnGazou")->trigger();
        QVERIFY(!QGuiApplication::clipboard()->pixmap().isNull());
        QCOMPARE(rec.prompts(), QStringList{"クリップボードにビットマップ形式でコピーしました。"});
    }

    // The standard table: the target column only when a target is used, the wider layout
    // and the note with it; the six header labels.
    void standardTable_data()
    {
        QTest::addColumn<bool>("target");
        QTest::newRow("standards only") << false;
        QTest::newRow("with a target") << true;
    }
    void standardTable()
    {
        QFETCH(bool, target);
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        G_Syoyouryou[1].Mokuhyou = 65;
        G_Syoyouryou[1].Mokuhyou_Flg = target;
        G_Hyo_Nenrei = QStringLiteral("40～50歳");
        G_Hyo_Seibetu = QStringLiteral("女");
        G_Hyo_Kyoudo = QStringLiteral("普通");
        G_Hyo_Kenkou = QStringLiteral("健康");
        G_Hyo_Sintyou = QStringLiteral("158cm");
        G_Hyo_Taijuu = QStringLiteral("身長を基準とする");
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool seen = false;
        int width = 0;
        onModal([&](QWidget *m) {
            auto *h = qobject_cast<F_KJS_Sin01_Hyo *>(m);
            QVERIFY(h);
            seen = true;
            width = h->width();
            // On a 1366×768 screen under a panel the window and its 閉じる must fit: the table scrolls.
            QVERIFY2(h->minimumSizeHint().height() <= 600, qPrintable(QString::number(h->minimumSizeHint().height())));
            QCOMPARE(h->Label1->text(), QStringLiteral("対象基準"));
            QCOMPARE(h->Label2->text(), QStringLiteral("年齢 ： 40～50歳"));
            QCOMPARE(h->Label3->text(), QStringLiteral("性別 ： 女"));
            QCOMPARE(h->Label4->text(), QStringLiteral("生活強度 ： 普通"));
            QCOMPARE(h->Label5->text(), QStringLiteral("身長 ： 158cm"));
            QCOMPARE(h->Label6->text(), QStringLiteral("体重 ： 身長を基準とする"));
            QCOMPARE(h->Label7->text(), QStringLiteral("健康状態 ： 健康"));
            FlexGrid *g = h->vsGrid;
            QCOMPARE(g->rows(), 26);
            QCOMPARE(cell(g, 0, 1), QStringLiteral("栄養素"));
            QCOMPARE(cell(g, 0, 3), QStringLiteral("目標値"));
            QCOMPARE(cell(g, 1, 1), QStringLiteral("エネルギー"));
            QCOMPARE(cell(g, 1, 2), QStringLiteral("2000.00"));
            QCOMPARE(cell(g, 2, 3), target ? QStringLiteral("65.00") : QString());
            QCOMPARE(cell(g, 25, 1), QStringLiteral("亜鉛"));
            QCOMPARE(g->colHidden(3), !target);
            QCOMPARE(h->Label8->isVisible(), target);
            QCOMPARE(g->colAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            // The copy holds the table as shown.
            onModal([](QWidget *clip) { click(clip, "Option1_1"); click(clip, "Command1"); }, m);
            h->mnClip->trigger();
            const QStringList rows = QGuiApplication::clipboard()->text().split("\r\n");
            QCOMPARE(rows[0], target ? QStringLiteral("栄養素\t標準値\t目標値\t単位\t") : QStringLiteral("栄養素\t標準値\t単位\t"));
            QCOMPARE(rows.size(), 27);
            click(h, "Command1");
        }, &w);
        click(&w, "Command4");
        QVERIFY(seen);
        // The target column makes the table wider.
        static int narrow = 0;
        if (!target)
            narrow = width;
        else
            QVERIFY(width > narrow);
    }

    void advice()
    {
        TempDb t;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString shown;
        onModal([&](QWidget *m) {
            auto *a = qobject_cast<F_KJS_Sin01_Adv *>(m);
            QVERIFY(a);
            QCOMPARE(a->windowTitle(), QStringLiteral("食事診断－アドバイス"));
            shown = a->Text1->toPlainText();
            QCOMPARE(shown, QString(a->adviceText()).replace("\r\n", "\n"));
            click(a, "Command1");
        }, &w);
        click(&w, "Command6");
        // Energy 620 of 2000, protein 26.25 of 50, iron 1 of 10, salt 1.2 of 10: all short.
        QVERIFY(shown.contains(QStringLiteral("　☆エネルギー ( 31.0 ％ ) ： 栄養不足")));
        QVERIFY(shown.contains(QStringLiteral("　☆たんぱく質 ( 52.5 ％ ) ： ")));
        QVERIFY(shown.contains(QStringLiteral("　☆鉄 ( 10.0 ％ ) ： ")));
        QVERIFY(shown.contains(QStringLiteral("　☆食塩相当量 ( 12.0 ％ ) ： ")));
        QVERIFY(!shown.contains(QStringLiteral("★摂り過ぎている栄養素")));
        QVERIFY(shown.contains(QStringLiteral("★栄養のばらつきがみられます。")));
    }

    void fullTable()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool seen = false;
        onModal([&](QWidget *m) {
            auto *s = qobject_cast<F_KJS_Sin02 *>(m);
            QVERIFY(s);
            seen = true;
            FlexGrid *g = s->vsGrid;
            QCOMPARE(g->rows(), 104);
            QCOMPARE(s->Label2->text(), QStringLiteral("氏名 ： 山田花子"));
            QCOMPARE(cell(g, 0, 6), QStringLiteral("合計"));
            QCOMPARE(cell(g, 1, 1), QStringLiteral("エネルギー"));
            QCOMPARE((QStringList{cell(g, 1, 2), cell(g, 1, 3), cell(g, 1, 4), cell(g, 1, 5), cell(g, 1, 6)}),
                     (QStringList{"336.00", "0.00", "200.00", "84.00", "620.00"}));
            QCOMPARE(cell(g, 1, 7), G_Eiyou_Tani[0]);
            QCOMPARE(cell(g, 103, 1), QStringLiteral("アミノ酸スコア"));
            // Single fatty acids: 10 × 100 × 4 ÷ 10 from the fish only.
            const int butyric = int(G_Eiyou_Mei.indexOf("酪酸")) + 1;
            QCOMPARE(cell(g, butyric, 4), QStringLiteral("400.00"));
            QCOMPARE(cell(g, butyric, 2), QStringLiteral("0.00"));
            click(s, "Command1");
        }, &w);
        click(&w, "Command2");
        QVERIFY(seen);
    }

    void fullTableOfEmptyDay()
    {
        TempDb t;
        emptyDay();
        F_KJS_Sin01 w;
        F_KJS_Sin02 s(&w);
        FlexGrid *g = s.vsGrid;
        QCOMPARE(g->rows(), 104);
        for (int r = 1; r < 104; ++r) {
            QCOMPARE(cell(g, r, 1), G_Eiyou_Mei[r - 1]);
            for (int c = 2; c <= 6; ++c)
                QCOMPARE(cell(g, r, c), QStringLiteral("0.00"));
        }
    }

    // 料理別 hides the diagnosis, which comes back when the per-dish window closes.
    void perDishRoad()
    {
        TempDb t;
        MsgRecorder rec;
        const Day d = realisticDay();
        G_Syoyouryou[0].Mokuhyou = 1000;
        G_Syoyouryou[0].Mokuhyou_Flg = true;
        auto *w = new F_KJS_Sin01;
        QPointer<F_KJS_Sin01> guard(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->Gr1->value(3, 1), 20.0); // the fish's 200 kcal against the target 1000
        click(w, "Command3");
        QPointer<F_KJS_SinRb01> rb = w->perDish();
        QVERIFY(rb);
        QVERIFY(rb->isVisible());
        QVERIFY(!w->isVisible());
        QCOMPARE(rb->StBar->text(), F_KJS_SinRb01::defaultStatusText());
        QCOMPARE(rb->Text1->text(), QStringLiteral("氏名 ： 山田花子"));
        // 朝食 lists the rice; 昼食 has no dish and the graph button stays idle.
        QCOMPARE(rb->Combo1->count(), 1);
        QCOMPARE(rb->Combo1->currentText(), QStringLiteral("ごはん"));
        click(rb, "Option1_1");
        QCOMPARE(rb->Combo1->count(), 0);
        click(rb, "Command2");
        QCOMPARE(rb->shownDish(), qint64(0));
        QCOMPARE(rb->Text3->text(), QString());
        for (int p = 1; p <= 14; ++p)
            QCOMPARE(rb->Gr1->value(1, p), 0.0);
        // 夕食: the fish against the standard 2000, not the target 1000.
        click(rb, "Option1_2");
        QCOMPARE(rb->Combo1->currentData().toLongLong(), d.fish);
        click(rb, "Command2");
        QCOMPARE(rb->Text3->text(), QStringLiteral("料理名 ： 焼き魚"));
        QCOMPARE(rb->Gr1->numSets(), 1);
        QCOMPARE(rb->Gr1->value(1, 1), 10.0);
        QCOMPARE(rb->Gr1->value(1, 2), 40.0);
        QCOMPARE(rb->Gr1->value(1, 5), 10.0);
        QCOMPARE(rb->Gr2->numPoints(), 11);
        rb->show();
        QVERIFY(QTest::qWaitForWindowExposed(rb));
        clickBar(rb->Gr1, 1, 2);
        QCOMPARE(rec.last(), QStringLiteral("たんぱく質\r\n40.0 ％ "));
        QCOMPARE(rec.shown().last().title, QStringLiteral("参考"));
        // A standard of 0: its bar is 999.
        G_Syoyouryou[13].Syoyouryou = 0;
        click(rb, "Command2");
        QCOMPARE(rb->Gr1->value(1, 14), 999.0);
        rb->SSTab1->setTab(0);
        action(rb, "mnText")->trigger();
        const QStringList rows = QGuiApplication::clipboard()->text().split("\r\n");
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[1].startsWith(QStringLiteral("成分\t10\t40\t")));
        rb->close();
        QTRY_VERIFY(!rb);
        QTRY_VERIFY(w->isVisible());
        w->close();
        QTRY_VERIFY(!guard);
    }

    void helpButton()
    {
        TempDb t;
        realisticDay();
        F_KJS_Sin01 w;
        w.show();
        click(&w, "Command5");
        F_Help *h = w.findChild<F_Help *>();
        QVERIFY(h);
        QVERIFY(h->isVisible());
        QCOMPARE(h->strHelpFile, QStringLiteral("H_KJS_Sin01_A.rtf"));
        QVERIFY(h->RText1->toPlainText().contains(QStringLiteral("主な栄養素について")));
        QCOMPARE(helpPageFor(&w), QStringLiteral("diagnosis.html"));
        h->close();
    }

    // ---- nutrient detail tables ----

    void dayDetailOfEmptyDay()
    {
        TempDb t;
        emptyDay();
        G_Simei_Hyouji = QStringLiteral("氏名 ： 山田太郎");
        F_KJSeibun01 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("成分詳細（一日分）"));
        QCOMPARE(w.Label1->text(), QStringLiteral("氏名 ： 山田太郎"));
        for (int g = 0; g < kSeibunGrids; ++g) {
            FlexGrid *grid = w.Grids->vsGrid[g];
            QCOMPARE(grid->rows(), 2);
            QCOMPARE(cell(grid, 1, 2), QStringLiteral("合計"));
            QCOMPARE(cell(grid, 1, 5), QStringLiteral("0.00"));
        }
        QCOMPARE(w.Grids->vsGrid[0]->cols(), 41);
        QCOMPARE(w.Grids->vsGrid[1]->cols(), 51);
        QCOMPARE(w.Grids->vsGrid[2]->cols(), 26);
    }

    void dayDetail()
    {
        TempDb t;
        MsgRecorder rec;
        realisticDay();
        F_KJSeibun01 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FlexGrid *g0 = w.Grids->vsGrid[0];
        QCOMPARE(g0->rows(), 1 + 3 + 3 + 1);
        QCOMPARE(cell(g0, 0, 1), QStringLiteral("料理名"));
        QCOMPARE(cell(g0, 0, 5), QStringLiteral("エネルギー(Kcal)"));
        QCOMPARE(cell(g0, 1, 1), QStringLiteral("ごはん (朝食)"));
        QCOMPARE(cell(g0, 1, 5), QStringLiteral("336.00"));
        QCOMPARE(cell(g0, 2, 2), QStringLiteral("小計"));
        QCOMPARE(cell(g0, 3, 1), QStringLiteral("焼き魚 (夕食)"));
        QCOMPARE(cell(g0, 7, 2), QStringLiteral("合計"));
        QCOMPARE(cell(g0, 7, 5), QStringLiteral("620.00"));
        // Rice has no fatty-acid row: empty cells that add nothing.
        FlexGrid *g1 = w.Grids->vsGrid[1];
        QCOMPARE(cell(g1, 1, 9), QString());
        QCOMPARE(cell(g1, 3, 9), QStringLiteral("400.00"));
        QCOMPARE(cell(g1, 7, 9), QStringLiteral("400.00"));
        // The unit note belongs to tabs 1 and 2.
        QVERIFY(!w.Grids->Label4->isVisible());
        w.Grids->SSTab1->setTab(1);
        QVERIFY(w.Grids->Label4->isVisible());
        QCOMPARE(w.Grids->Label4->text(), QStringLiteral("単位無しは、 　（mg）"));
        // The copy leaves the selector column out.
        onModal([](QWidget *clip) { click(clip, "Option1_1"); click(clip, "Command1"); }, &w);
        action(&w, "mnClip")->trigger();
        const QStringList rows = QGuiApplication::clipboard()->text().split("\r\n");
        QCOMPARE(rows.size(), 9);
        QVERIFY(rows[0].startsWith(QStringLiteral("料理名\t食品名\t細分\t分量(g)\t脂肪酸・総量(g)\t")));
        QCOMPARE(rows[0].count('\t'), 50);
    }

    void dishDetail_data()
    {
        QTest::addColumn<int>("yobiFlg");
        QTest::addColumn<QString>("title");
        QTest::newRow("eaten dish") << 2 << "成分詳細（料理別）";
        QTest::newRow("catalogue dish") << 1 << "成分詳細（料理マスタ）";
        QTest::newRow("unknown caller") << 0 << "";
    }
    void dishDetail()
    {
        QFETCH(int, yobiFlg);
        QFETCH(QString, title);
        TempDb t;
        MsgRecorder rec;
        const Day d = realisticDay();
        G_SeR_ID = d.fish;
        G_Ryouri_Mei = QStringLiteral("焼き魚");
        fx::cookingMethod();
        const qint64 cat = G_DB().insert("料理分類", {{"料理分類", "主菜"}});
        G_Mst_Ryouri_ID = G_DB().insert("料理名", {{"料理名", "鮭の塩焼き"}, {"料理分類ID", cat}});
        G_Mst_Ryouri_Mei = QStringLiteral("鮭の塩焼き");
        G_DB().insert("材料", {{"料理名ID", G_Mst_Ryouri_ID}, {"成分表ID", 2}, {"分量", 80}});
        G_DB().insert("材料", {{"料理名ID", G_Mst_Ryouri_ID}, {"成分表ID", 1}, {"分量", 150}});
        F_ZaiSeiBun01 w;
        w.YobiFlg = yobiFlg;
        w.show();
        if (yobiFlg == 0) {
            QCOMPARE(rec.prompts(), QStringList{"プログラムエラー"});
            QCOMPARE(rec.shown().first().icon(), int(vbCritical));
            QCOMPARE(w.Grids->vsGrid[0]->rows(), 1);
            return;
        }
        QVERIFY(rec.prompts().isEmpty());
        QCOMPARE(w.windowTitle(), title);
        FlexGrid *g0 = w.Grids->vsGrid[0];
        if (yobiFlg == 2) {
            QCOMPARE(g0->rows(), 3);
            QCOMPARE(cell(g0, 1, 5), QStringLiteral("200.00"));
            QCOMPARE(cell(g0, 2, 2), QStringLiteral("合計"));
            QCOMPARE(cell(g0, 2, 5), QStringLiteral("200.00"));
        } else {
            QCOMPARE(g0->rows(), 4);
            QCOMPARE(cell(g0, 1, 1), QStringLiteral("鮭の塩焼き"));
            QCOMPARE(cell(g0, 1, 5), QStringLiteral("160.00"));
            QCOMPARE(cell(g0, 2, 5), QStringLiteral("252.00"));
            QCOMPARE(cell(g0, 3, 5), QStringLiteral("412.00"));
            QCOMPARE(cell(w.Grids->vsGrid[1], 2, 9), QString());
            QCOMPARE(cell(w.Grids->vsGrid[1], 3, 9), QStringLiteral("320.00"));
        }
    }
};

QTEST_MAIN(TstSindanWindows)
#include "tst_sindan_windows.moc"
