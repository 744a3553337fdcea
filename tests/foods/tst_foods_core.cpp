// The browser's queries on the shipped tables: filters against an independent filter in C++,
// the characters LIKE treats specially, folded and synonym spellings, the fatty-acid basis,
// and the one-row accessor.

#include "b_01.h"
#include "class_seibun_rs.h"
#include "database.h"
#include "foods_fixture.h"
#include "seiken_core.h"
#include "testsupport.h"

#include <QSet>
#include <QtTest>
#include <cmath>

using namespace mirte;
using namespace mirte::test;

Q_DECLARE_METATYPE(mirte::SeibunKind)

namespace {

QSet<qint64> idsOf(const ResultSet &rs)
{
    QSet<qint64> out;
    for (const QVariantList &r : rs.rows)
        out.insert(r.at(0).toLongLong());
    return out;
}

// Which rows a search should find, worked out over every food without SQL.
QSet<qint64> expectedIds(SeibunKind kind, const QString &gun, const QString &text)
{
    const QSet<qint64> inKind = idsOf(G_DB().select(baseQuery(kind)));
    const ResultSet all = G_DB().select(
        QStringLiteral("SELECT 成分表ID, 食品群, 食品名, 細分, 補足, 別名, 検索 FROM 成分表"));
    const QStringList words = searchWords(text);
    QSet<qint64> out;
    for (const QVariantList &r : all.rows) {
        const qint64 id = r.at(0).toLongLong();
        if (!inKind.contains(id))
            continue;
        if (!gun.isEmpty() && gun != QStringLiteral("全食品") && r.at(1).toString() != gun)
            continue;
        bool hit = text.isEmpty();
        for (int c = 2; c <= 6 && !hit; ++c)
            for (const QString &w : words)
                hit = hit || r.at(c).toString().contains(w);
        if (hit)
            out.insert(id);
    }
    return out;
}

} // namespace

class TstFoodsCore : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;
    OddFoods m_odd;

private slots:
    void initTestCase()
    {
        QVERIFY(Syoki_Settei());
        m_db = std::make_unique<TempDb>();
        copySeedFoods();
        m_odd = addOddFoods();
        QVERIFY(G_DB().scalar(QStringLiteral("SELECT COUNT(*) FROM 成分表")).toInt() > 1000);
    }
    void cleanupTestCase() { m_db.reset(); }

    void columnsOfEachKind_data()
    {
        QTest::addColumn<SeibunKind>("kind");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("guideCol");     // grid column of 分量目安 (query column + 1)
        QTest::addColumn<QString>("col6");     // first movable grid column
        QTest::newRow("成分表") << SeibunKind::Seibun << 48 << 44 << "廃棄率";
        QTest::newRow("アミノ酸") << SeibunKind::Amino << 28 << seiken_col::AminoGuide << "イソロイシン";
        QTest::newRow("脂肪酸") << SeibunKind::Sibou << 53 << seiken_col::SibouGuide << "脂肪酸・総量";
        QTest::newRow("脂肪酸可食部") << SeibunKind::SibouKasyoku << 53 << seiken_col::SibouGuide << "脂肪酸・総量";
    }
    void columnsOfEachKind()
    {
        QFETCH(SeibunKind, kind);
        QFETCH(int, count);
        QFETCH(int, guideCol);
        QFETCH(QString, col6);
        const ResultSet rs = seibunRows(kind, QString(), QStringLiteral("にんじん"));
        QCOMPARE(rs.columns.size(), qsizetype(count));
        QCOMPARE(rs.columns.at(seiken_col::Id - 1), QStringLiteral("成分表ID"));
        QCOMPARE(rs.columns.at(seiken_col::Bangou - 1), QStringLiteral("食品番号"));
        QCOMPARE(rs.columns.at(seiken_col::Mei - 1), QStringLiteral("食品名"));
        QCOMPARE(rs.columns.at(seiken_col::Saibun - 1), QStringLiteral("細分"));
        QCOMPARE(rs.columns.at(guideCol - 1), QStringLiteral("分量目安"));
        QCOMPARE(rs.columns.at(seiken_col::FirstMovable - 1), col6);
        if (kind == SeibunKind::Sibou || kind == SeibunKind::SibouKasyoku) {
            const QString suffix = kind == SeibunKind::SibouKasyoku ? QStringLiteral("K") : QString();
            for (int i = 0; i < sibousanNames().size(); ++i)
                QCOMPARE(rs.columns.at(seiken_col::SibouFirst - 1 + i), sibousanNames().at(i) + suffix);
        }
    }

    void filtersMatchAnIndependentFilter_data()
    {
        QTest::addColumn<SeibunKind>("kind");
        QTest::addColumn<QString>("gun");
        QTest::addColumn<QString>("text");
        const QList<std::pair<const char *, SeibunKind>> kinds{
            {"成分表", SeibunKind::Seibun}, {"アミノ酸", SeibunKind::Amino}, {"脂肪酸", SeibunKind::Sibou}};
        for (const auto &[name, kind] : kinds) {
            const QString n = QString::fromUtf8(name);
            QTest::newRow(qPrintable(n + "/全食品/空")) << kind << "全食品" << "";
            QTest::newRow(qPrintable(n + "/空群/空")) << kind << "" << "";
            QTest::newRow(qPrintable(n + "/野菜類/空")) << kind << "野菜類" << "";
            QTest::newRow(qPrintable(n + "/全食品/生")) << kind << "全食品" << "生";
            QTest::newRow(qPrintable(n + "/魚介類/生")) << kind << "魚介類" << "生";
            QTest::newRow(qPrintable(n + "/全食品/ﾆﾝｼﾞﾝ")) << kind << "全食品" << "ﾆﾝｼﾞﾝ";
            QTest::newRow(qPrintable(n + "/肉類/牛")) << kind << "肉類" << "牛";
            QTest::newRow(qPrintable(n + "/全食品/%")) << kind << "全食品" << "%";
            QTest::newRow(qPrintable(n + "/全食品/_")) << kind << "全食品" << "_";
            QTest::newRow(qPrintable(n + "/全食品/'")) << kind << "全食品" << "'";
            QTest::newRow(qPrintable(n + "/野菜類/'")) << kind << "野菜類" << "'";
            QTest::newRow(qPrintable(n + "/藻類/ない言葉")) << kind << "藻類" << "ない言葉";
        }
    }
    void filtersMatchAnIndependentFilter()
    {
        QFETCH(SeibunKind, kind);
        QFETCH(QString, gun);
        QFETCH(QString, text);
        const ResultSet rs = seibunRows(kind, gun, text);
        QCOMPARE(idsOf(rs), expectedIds(kind, gun, text));
        QCOMPARE(idsOf(rs).size(), rs.size()); // each food once
        if (text.isEmpty() && (gun.isEmpty() || gun == QStringLiteral("全食品")))
            QCOMPARE(int(rs.size()), G_DB().scalar(QStringLiteral("SELECT COUNT(*) FROM ")
                                                   + QStringList{"成分表", "アミノ酸組成表", "脂肪酸組成表"}.at(
                                                       std::min(int(kind), 2))).toInt());
        // Listed in 成分表ID order.
        for (qsizetype i = 1; i < rs.size(); ++i)
            QVERIFY(rs.rows.at(i - 1).at(0).toLongLong() < rs.rows.at(i).at(0).toLongLong());
    }

    // What the user types reaches SQL only as a bound value, and matches itself.
    void specialCharactersMatchThemselves_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("mustFind");
        QTest::addColumn<qint64>("mustMiss");
        QTest::newRow("apostrophe") << "'" << m_odd.apostrophe << m_odd.plain;
        QTest::newRow("apostrophe word") << "ママ's" << m_odd.apostrophe << m_odd.plain;
        QTest::newRow("percent") << "50%" << m_odd.percent << m_odd.plain;
        QTest::newRow("percent alone") << "%" << m_odd.percent << m_odd.plain;
        QTest::newRow("underscore") << "_" << m_odd.underscore << m_odd.plain;
        QTest::newRow("underscore between") << "製_ス" << m_odd.underscore << m_odd.plain;
        QTest::newRow("star") << "*" << m_odd.star << m_odd.plain;
        QTest::newRow("backslash") << "\\" << qint64(0) << m_odd.plain;
    }
    void specialCharactersMatchThemselves()
    {
        QFETCH(QString, text);
        QFETCH(qint64, mustFind);
        QFETCH(qint64, mustMiss);
        // The statement is the same whatever was typed: only the bound values differ.
        // ("z" stands for one word, "Z" for two: as typed and folded.)
        const qsizetype words = searchWords(text).size();
        QVERIFY(words == 1 || words == 2);
        const SeibunQuery q = Jouken_SQL(SeibunKind::Seibun, QStringLiteral("全食品"), text);
        QCOMPARE(q.sql, Jouken_SQL(SeibunKind::Seibun, QStringLiteral("全食品"), words == 1 ? "z" : "Z").sql);
        QCOMPARE(q.params.size(), words * searchColumns().size());
        const ResultSet rs = seibunRows(SeibunKind::Seibun, QStringLiteral("全食品"), text);
        const QSet<qint64> ids = idsOf(rs);
        if (mustFind)
            QVERIFY(ids.contains(mustFind));
        QVERIFY(!ids.contains(mustMiss));
        // Every food found holds the text itself.
        for (qsizetype r = 0; r < rs.size(); ++r) {
            QString all;
            for (const char *c : {"食品名", "細分", "補足", "別名"})
                all += rs.value(r, QString::fromUtf8(c)).toString() + QLatin1Char('|');
            QVERIFY2(all.contains(text), qPrintable(all));
        }
    }

    // The four spellings of carrots find the same foods, and the same as the folded form alone.
    void spellingsFindTheSameFoods_data()
    {
        QTest::addColumn<QStringList>("spellings");
        QTest::addColumn<qint64>("mustFind");
        QTest::newRow("にんじん") << QStringList{"にんじん", "ニンジン", "ﾆﾝｼﾞﾝ", "人参"} << qint64(6212);
        QTest::newRow("たまねぎ") << QStringList{"たまねぎ", "タマネギ", "ﾀﾏﾈｷﾞ", "玉ねぎ", "玉葱"} << qint64(6153);
        QTest::newRow("ごはん") << QStringList{"めし", "ご飯", "ごはん"} << qint64(1088);
    }
    void spellingsFindTheSameFoods()
    {
        QFETCH(QStringList, spellings);
        QFETCH(qint64, mustFind);
        for (SeibunKind kind : {SeibunKind::Seibun, SeibunKind::Amino, SeibunKind::Sibou}) {
            const QSet<qint64> first = idsOf(seibunRows(kind, QString(), spellings.first()));
            QVERIFY(!first.isEmpty());
            if (kind == SeibunKind::Seibun)
                QVERIFY2(first.contains(mustFind), qPrintable(spellings.first()));
            for (const QString &s : spellings)
                QVERIFY2(idsOf(seibunRows(kind, QString(), s)) == first, qPrintable(s));
        }
    }

    void edibleBasisIsFattyAcidsTimesTotal()
    {
        const ResultSet per = seibunRows(SeibunKind::Sibou, QString(), QString());
        const ResultSet edible = seibunRows(SeibunKind::SibouKasyoku, QString(), QString());
        QCOMPARE(edible.size(), per.size());
        const int total = per.column(QStringLiteral("脂肪酸・総量"));
        QVERIFY(total >= 0);
        int compared = 0;
        for (qsizetype r = 0; r < per.size(); r += 37) {
            QCOMPARE(edible.rows.at(r).at(0), per.rows.at(r).at(0));
            const QVariant t = per.rows.at(r).at(total);
            for (int c = seiken_col::SibouFirst - 1; c < seiken_col::SibouLast; ++c) {
                const QVariant v = per.rows.at(r).at(c);
                const QVariant k = edible.rows.at(r).at(c);
                if (v.isNull() || t.isNull()) {
                    QVERIFY(k.isNull());
                    continue;
                }
                QVERIFY(std::abs(k.toDouble() - v.toDouble() * t.toDouble() / 100) < 1e-9);
                ++compared;
            }
            // The columns before and after the fatty acids are the same on both bases.
            for (int c : {1, 3, 4, 5, 6, 51, 52})
                QCOMPARE(edible.rows.at(r).at(c), per.rows.at(r).at(c));
        }
        QVERIFY(compared > 100);
    }

    void oneRowAccessor_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("storedTable");
        QTest::addColumn<bool>("found");
        QTest::newRow("成分表") << "成分表" << qint64(6212) << "成分表" << true;
        QTest::newRow("padded name") << "  アミノ酸組成表 " << qint64(1088) << "アミノ酸組成表" << true;
        QTest::newRow("脂肪酸組成表") << "脂肪酸組成表" << qint64(1088) << "脂肪酸組成表" << true;
        QTest::newRow("id 0") << "成分表" << qint64(0) << "成分表" << false;
        QTest::newRow("unknown id") << "成分表" << qint64(99999) << "成分表" << false;
        QTest::newRow("other table") << "個人データ" << qint64(1) << "" << false;
        QTest::newRow("injection") << "成分表; DROP TABLE 成分表" << qint64(6212) << "" << false;
    }
    void oneRowAccessor()
    {
        QFETCH(QString, table);
        QFETCH(qint64, id);
        QFETCH(QString, storedTable);
        QFETCH(bool, found);
        Class_Seibun_RS rs;
        rs.setTableName(table);
        rs.setSeiBunHyouID(id);
        QCOMPARE(rs.TableName(), storedTable);
        QCOMPARE(rs.GetRS(), found);
        QCOMPARE(rs.RS_Obj().has_value(), found);
        if (found)
            QCOMPARE(rs.RS_Obj()->value(QStringLiteral("成分表ID")).toLongLong(), id);
        QVERIFY(G_DB().tables().contains(QStringLiteral("成分表")));
    }
};

QTEST_GUILESS_MAIN(TstFoodsCore)
#include "tst_foods_core.moc"
