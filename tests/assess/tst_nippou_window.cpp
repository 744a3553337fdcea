// 出力 > 日報PDF of the meal diagnosis driven like a user: the file asked for, a PDF of one
// page with a Japanese font in it, the figures of the window, and the item off for a day
// that was not judged.

#include "assess_fixture.h"
#include "b_01.h"
#include "f_kjs_sin01.h"
#include "filechoice.h"
#include "filechoicetest.h"
#include "graph.h"
#include "nippou.h"
#include "testsupport.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace mirte;
using namespace mirte::test;
namespace fx = mirte::test::fx;

namespace {

// Energy 2000, protein 50, iron 10, salt 10, lower and upper references on these four;
// `strict` gives every nutrient a lower reference at its standard, so that every one of
// them is a shortage with its full advice: the longest text a day can have.
void standard(bool strict)
{
    for (auto &e : G_Syoyouryou)
        e = SyoyouryouEntry{100, 0, 0, strict ? 100.0 : 0.0, false};
    G_Syoyouryou[0] = {2000, 0, 2400, strict ? 2000.0 : 1800.0, false};
    G_Syoyouryou[1] = {50, 0, 0, 50, false};
    G_Syoyouryou[4] = {10, 0, 40, 10, false};
    G_Syoyouryou[12] = {10, 0, 10, strict ? 10.0 : 7.0, false};
}

void judgedDay(const QString &name)
{
    fx::food(1, {{"エネルギー", 168}, {"たんぱく質", 2.5}});
    fx::food(2, {{"エネルギー", 200}, {"たんぱく質", 20}, {"鉄", 1.0}, {"食塩相当量", 1.2}});
    G_KK_ID = fx::record(fx::person(name, QDate(1980, 4, 1), 2), QDate(2024, 5, 1), 158, 52);
    fx::eat(fx::dish(G_KK_ID, "朝食"), G_KK_ID, 1, 200);
    fx::eat(fx::dish(G_KK_ID, "夕食"), G_KK_ID, 2, 1000); // salt 12 g: an excess too
    fx::eat(fx::dish(G_KK_ID, "その他"), G_KK_ID, 1, 50);
    G_Simei_Hyouji = QStringLiteral("氏名 ： ") + name;
    G_Day_Hyouji = QStringLiteral("日付 ： 2024年5月1日（水）");
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pages(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TstNippouWindow : public QObject {
    Q_OBJECT

    FileChoiceRecorder m_files; // what the file dialog is asked and answers

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_files.asked.clear();
        m_files.chosen.clear();
    }

    // Whatever the day holds, the report is one page, set in a font with Japanese glyphs that
    // the file carries, with the window's own rates.
    void onePage_data()
    {
        QTest::addColumn<bool>("strict");
        QTest::addColumn<bool>("target");
        QTest::addColumn<bool>("activities");
        QTest::addColumn<QString>("name");
        QTest::newRow("a usual day") << false << false << true << "山田花子";
        QTest::newRow("every nutrient short, own target") << true << true << true << "山田花子";
        QTest::newRow("no activities, long name") << true << false << false
                                                  << "寿限無寿限無五劫の擦"; // the longest a name can be
    }
    void onePage()
    {
        QFETCH(bool, strict);
        QFETCH(bool, target);
        QFETCH(bool, activities);
        QFETCH(QString, name);
        TempDb t;
        MsgRecorder rec;
        standard(strict);
        if (target) {
            G_Syoyouryou[4].Mokuhyou = 5;
            G_Syoyouryou[4].Mokuhyou_Flg = true;
        }
        judgedDay(name);
        if (activities) {
            fx::basal(40, 2, 21.7);
            fx::activityKind(1, 3.0);
            fx::activity(G_KK_ID, 1, 0.1);
        }
        F_KJS_Sin01 w;
        QVERIFY(w.loaded());
        QVERIFY(w.mnNippou->isEnabled());
        QCOMPARE(w.mnNippou->text(), QStringLiteral("日報PDF(&D)…"));
        // MIRTE_SHOTS names a folder to keep the report in, for looking at it.
        QTemporaryDir dir;
        m_files.chosen = qEnvironmentVariable("MIRTE_SHOTS", dir.path()) + QStringLiteral("/nippou_")
                   + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))
                         .remove(QLatin1Char(','))
                   + QStringLiteral(".pdf");
        QFile::remove(m_files.chosen);
        w.mnNippou->trigger();

        QCOMPARE(m_files.asked.size(), 1);
        QCOMPARE(m_files.asked.first().mode, FileChoiceRequest::Save);
        QCOMPARE(m_files.asked.first().title, QStringLiteral("日報PDF"));
        QCOMPARE(m_files.asked.first().filter, QStringLiteral("PDFファイル (*.pdf)"));
        QVERIFY(m_files.asked.first().suggested.endsWith(QStringLiteral("/食事診断日報_%1_20240501.pdf").arg(name)));
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("日報PDFを出力しました。\n") + m_files.chosen});

        const QByteArray pdf = bytes(m_files.chosen);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pages(pdf), 1);
        QVERIFY(pdf.contains("/FontFile2"));
        QVERIFY(QFontDatabase::writingSystems(nippouFontFamily()).contains(QFontDatabase::Japanese));

        // The report shows the window's figures: the day rate is the sum of the meal bars.
        const NippouData &d = w.lastNippou();
        QCOMPARE(d.simei, name);
        QCOMPARE(d.gyou.size(), kJudgedCount);
        for (int i = 0; i < kJudgedCount; ++i) {
            QCOMPARE(d.gyou[i].ritu, w.kekka().dayRitu(i));
            Graph *g = i < kGraph2First ? w.Gr1 : w.Gr2;
            const int p = (i < kGraph2First ? i - kGraph1First : i - kGraph2First) + 1;
            double bars = 0;
            for (int s = 1; s <= g->numSets(); ++s)
                bars += g->value(s, p);
            QVERIFY(qAbs(d.gyou[i].ritu - bars) < 1e-9);
        }
        QCOMPARE(d.gyou[4].mokuhyou, target);
        QCOMPARE(d.undouAri, activities);
        QCOMPARE(d.syouhiKnown, activities);
    }

    // Cancelled, a name without suffix, a folder that is not there.
    void fileChoice_data()
    {
        QTest::addColumn<QString>("answer"); // below the temp dir; "" = cancel
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("diskLeft"); // bytes a file may grow to; 0 = no limit
        const QString failed = QStringLiteral("日報PDFを作成できませんでした。ディスクの空きと、書き込みできる場所かを確かめてください。\n%1");
        QTest::newRow("cancelled") << "" << "" << "" << qint64(0);
        QTest::newRow("no suffix") << "/日報" << "/日報.pdf" << "日報PDFを出力しました。\n%1" << qint64(0);
        QTest::newRow("other suffix kept") << "/day.PDF" << "/day.PDF" << "日報PDFを出力しました。\n%1" << qint64(0);
        QTest::newRow("no such folder") << "/nowhere/x.pdf" << "" << failed << qint64(0);
        // The disk fills while the page is written: no cut-off file, and no word of success.
        QTest::newRow("disk full") << "/full.pdf" << "" << failed << qint64(20000);
    }
    void fileChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QString, message);
        QFETCH(qint64, diskLeft);
        TempDb t;
        MsgRecorder rec;
        standard(false);
        judgedDay(QStringLiteral("山田花子"));
        QTemporaryDir dir;
        m_files.chosen = answer.isEmpty() ? QString() : dir.path() + answer;
        F_KJS_Sin01 w;
        {
            std::optional<DiskFull> full;
            if (diskLeft > 0)
                full.emplace(diskLeft);
            w.mnNippou->trigger();
        }
        QCOMPARE(m_files.asked.size(), 1);
        QCOMPARE(rec.prompts(), message.isEmpty() ? QStringList{} : QStringList{message.arg(m_files.chosen.isEmpty() ? QString() : (written.isEmpty() ? m_files.chosen : dir.path() + written))});
        if (!written.isEmpty())
            QCOMPARE(pages(bytes(dir.path() + written)), 1);
        // Nothing else lands in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), written.isEmpty() ? 0 : 1);
    }

    // A day that could not be summed is not reported: the item stays off.
    void unjudgedDayHasNoReport_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("food deleted") << 0;
        QTest::newRow("database error") << 1;
    }
    void unjudgedDayHasNoReport()
    {
        QFETCH(int, fault);
        TempDb t;
        MsgRecorder rec;
        standard(false);
        judgedDay(QStringLiteral("山田花子"));
        if (fault == 0)
            fx::removeDangling(QStringLiteral("成分表"), QStringLiteral("成分表ID"), 2);
        else
            G_DB().exec(QStringLiteral("ALTER TABLE 摂取食品 RENAME COLUMN 分量 TO 量"));
        F_KJS_Sin01 w;
        QVERIFY(!w.loaded());
        QVERIFY(!w.mnNippou->isEnabled());
        QVERIFY(!w.mnCsv->isEnabled());
        // Even called directly, nothing is asked or written.
        QVERIFY(!w.mnNippou_Click());
        QVERIFY(m_files.asked.isEmpty());
    }
};

QTEST_MAIN(TstNippouWindow)
#include "tst_nippou_window.moc"
