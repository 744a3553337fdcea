// The shipped seed database against its data files: counts, spot figures, standards, catalogue
// and search keys.

#include "csv.h"
#include "database.h"
#include "kana.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace mirte;

namespace {

QString dataFile(const QString &rel)
{
    return QDir(QStringLiteral(MIRTE_DATA_DIR)).filePath(rel);
}

struct Quad {
    double a, b, c;
    double at(double h) const { return a * h * h + b * h + c; }
};

// Reference weight by height of the standards, by decade and sex.
const Quad kMen30{0.0029, -0.3444, 39.395};
const Quad kMen40{0.0044, -0.6819, 55.293};
const Quad kWomen20{0.0033, -0.4534, 42.009};
const Quad kWomen60{0.006, -1.0653, 76.274};

} // namespace

class TstSeed : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Database m_db{QStringLiteral("seed_test")};

    double quad(const QVariantMap &row, const QString &group, double h)
    {
        return row.value(group + QStringLiteral("係数Ａ")).toDouble() * h * h
            + row.value(group + QStringLiteral("係数Ｂ")).toDouble() * h
            + row.value(group + QStringLiteral("係数Ｃ")).toDouble();
    }
    QVariantMap standard(double age, const QVariant &sex, const QVariant &intensity)
    {
        const ResultSet rs = m_db.select(
            QStringLiteral("SELECT * FROM 標準所要量 WHERE 年齢（範囲１）=? AND 性別 IS ? AND 生活強度 IS ?"),
            {age, sex, intensity});
        if (rs.size() != 1)
            return {};
        return rs.rowMap(0);
    }
    QList<qint64> search(const QString &words)
    {
        QList<qint64> ids;
        const QString like = QStringLiteral("%") + foldForSearch(words) + QStringLiteral("%");
        for (const auto &r : m_db.select(QStringLiteral("SELECT 成分表ID FROM 成分表 WHERE 検索 LIKE ? ORDER BY 成分表ID"),
                                         {like}).rows)
            ids << r.at(0).toLongLong();
        return ids;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(QStringLiteral(MIRTE_SEED_DB)));
        // Work on a copy: the seed itself stays as the build wrote it.
        const QString copy = m_dir.filePath(QStringLiteral("seed.db"));
        QVERIFY(QFile::copy(QStringLiteral(MIRTE_SEED_DB), copy));
        m_db.open(copy);
    }
    void cleanupTestCase() { m_db.close(); }

    void rowCounts_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("成分表") << "成分表" << 2478 << 2478;
        QTest::newRow("アミノ酸組成表") << "アミノ酸組成表" << 1951 << 1951;
        QTest::newRow("脂肪酸組成表") << "脂肪酸組成表" << 1919 << 1919;
        QTest::newRow("基礎代謝基準値") << "基礎代謝基準値" << 56 << 56;
        QTest::newRow("標準所要量") << "標準所要量" << 119 << 119;
        QTest::newRow("エネルギー消費量") << "エネルギー消費量" << 144 << 144;
        QTest::newRow("調理法") << "調理法" << 10 << 100;
        QTest::newRow("料理分類") << "料理分類" << 15 << 100;
        QTest::newRow("料理名") << "料理名" << 200 << 2000;
        QTest::newRow("材料") << "材料" << 200 << 20000;
        QTest::newRow("参照データ版") << "参照データ版" << 1 << 1;
        // The household's own tables ship empty.
        QTest::newRow("個人データ") << "個人データ" << 0 << 0;
        QTest::newRow("健康状態管理") << "健康状態管理" << 0 << 0;
        QTest::newRow("摂取料理") << "摂取料理" << 0 << 0;
        QTest::newRow("摂取食品") << "摂取食品" << 0 << 0;
        QTest::newRow("運動時間") << "運動時間" << 0 << 0;
    }
    void rowCounts()
    {
        QFETCH(QString, table);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        const int n = m_db.scalar(QStringLiteral("SELECT count(*) FROM ") + Database::quoteId(table)).toInt();
        QVERIFY2(n >= minimum && n <= maximum, qPrintable(QStringLiteral("%1 rows").arg(n)));
    }

    void spotValues_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("food");
        QTest::addColumn<QString>("column");
        QTest::addColumn<double>("expected");
        QTest::newRow("rice energy") << "成分表" << 1088 << "エネルギー" << 156.0;
        QTest::newRow("amaranth folate") << "成分表" << 1001 << "葉酸" << 130.0;
        QTest::newRow("chicken breast protein") << "成分表" << 11220 << "たんぱく質" << 23.3;
        QTest::newRow("carrot carotene") << "成分表" << 6212 << "カロテン" << 8600.0;
        QTest::newRow("carrot vitamin A (RE)") << "成分表" << 6212 << "ビタミンＡ" << 1433.0;
        QTest::newRow("carrot soluble fibre") << "成分表" << 6212 << "水溶性食物繊維" << 0.7;
        QTest::newRow("egg cholesterol") << "成分表" << 12004 << "コレステロール" << 370.0;
        QTest::newRow("natto vitamin K") << "成分表" << 4046 << "ビタミンＫ" << 600.0;
        QTest::newRow("miso salt") << "成分表" << 17045 << "食塩相当量" << 12.4;
        QTest::newRow("milk calcium") << "成分表" << 13003 << "カルシウム" << 110.0;
        QTest::newRow("horse mackerel saturated") << "成分表" << 10003 << "飽和脂肪酸" << 1.1;
        QTest::newRow("group 18 shira-ae energy") << "成分表" << 18024 << "エネルギー" << 81.0;
        QTest::newRow("rice lysine") << "アミノ酸組成表" << 1088 << "リジン" << 84.0;
        QTest::newRow("rice amino score") << "アミノ酸組成表" << 1088 << "アミノ酸スコア" << 75.0;
        QTest::newRow("horse mackerel total") << "脂肪酸組成表" << 10003 << "脂肪酸・総量" << 3.37;
        QTest::newRow("horse mackerel EPA") << "脂肪酸組成表" << 10003 << "イコサペンタエン酸n-3" << 8.902;
        QTest::newRow("horse mackerel DHA") << "脂肪酸組成表" << 10003 << "ドコサヘキサエン酸n-3" << 16.914;
    }
    void spotValues()
    {
        QFETCH(QString, table);
        QFETCH(int, food);
        QFETCH(QString, column);
        QFETCH(double, expected);
        const QVariant v = m_db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE 成分表ID=?")
                                           .arg(Database::quoteId(column), Database::quoteId(table)),
                                       {food});
        QVERIFY(!v.isNull());
        QCOMPARE(v.toDouble(), expected);
    }

    // Every cell of the three composition files arrives unchanged; an empty cell is NULL, never 0.
    void compositionFilesComplete_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::newRow("seibun") << "food/seibun.csv" << "成分表";
        QTest::newRow("amino") << "food/amino.csv" << "アミノ酸組成表";
        QTest::newRow("fatty") << "food/fatty.csv" << "脂肪酸組成表";
    }
    void compositionFilesComplete()
    {
        QFETCH(QString, file);
        QFETCH(QString, table);
        const CsvTable csv = CsvTable::read(dataFile(file));
        const ResultSet rs = m_db.select(QStringLiteral("SELECT * FROM %1 ORDER BY 成分表ID").arg(Database::quoteId(table)));
        QCOMPARE(rs.size(), csv.size());
        QHash<qint64, qsizetype> byId;
        for (qsizetype i = 0; i < rs.size(); ++i)
            byId.insert(rs.value(i, QStringLiteral("成分表ID")).toLongLong(), i);
        int empties = 0;
        for (qsizetype r = 0; r < csv.size(); ++r) {
            const qint64 id = csv.value(r, QStringLiteral("成分表ID")).toLongLong();
            QVERIFY(byId.contains(id));
            const qsizetype i = byId.value(id);
            QCOMPARE(rs.value(i, QStringLiteral("配布元")).toInt(), 0);
            for (const QString &col : csv.header()) {
                const QString text = csv.value(r, col);
                const QVariant v = rs.value(i, col);
                if (text.isEmpty()) {
                    ++empties;
                    QVERIFY2(v.isNull(), qPrintable(QStringLiteral("%1 %2 %3").arg(table).arg(id).arg(col)));
                } else if (v.metaType().id() == QMetaType::Double) {
                    QCOMPARE(v.toDouble(), text.toDouble());
                } else {
                    QCOMPARE(v.toString(), text);
                }
            }
        }
        QVERIFY(empties > 0); // the files do have empty cells, so the NULL branch ran
    }

    void basalMetabolism_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("sex");
        QTest::addColumn<double>("value");
        QTest::newRow("man 30") << 30 << 1 << 22.3;
        QTest::newRow("woman 20") << 20 << 2 << 23.6;
        QTest::newRow("boy 1") << 1 << 1 << 61.0;
        QTest::newRow("girl 16") << 16 << 2 << 25.3;
        QTest::newRow("woman 80") << 80 << 2 << 20.7;
    }
    void basalMetabolism()
    {
        QFETCH(int, age);
        QFETCH(int, sex);
        QFETCH(double, value);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１=? AND 性別=?"),
                             {age, sex}).toDouble(), value);
    }
    void basalMetabolismKeys()
    {
        QList<int> ages;
        for (int a = 1; a <= 19; ++a)
            ages << a;
        ages << 20 << 30 << 40 << 50 << 60 << 65 << 70 << 75 << 80;
        for (int a : ages)
            for (int s : {1, 2})
                QVERIFY2(m_db.scalar(QStringLiteral("SELECT count(*) FROM 基礎代謝基準値 WHERE 年齢１=? AND 性別=?"), {a, s}).toInt() == 1,
                         qPrintable(QStringLiteral("%1/%2").arg(a).arg(s)));
    }

    void activities()
    {
        // The activity list shows the second and third columns: group and name.
        const ResultSet rs = m_db.select(QStringLiteral("SELECT * FROM エネルギー消費量 ORDER BY エネルギー消費量ID"));
        QCOMPARE(rs.columns.mid(0, 4), (QStringList{QStringLiteral("エネルギー消費量ID"), QStringLiteral("分類"),
                                                   QStringLiteral("運動名称"), QStringLiteral("エネルギー代謝率")}));
        QCOMPARE(rs.value(0, QStringLiteral("運動名称")).toString(), QStringLiteral("睡眠"));
        QCOMPARE(rs.value(0, QStringLiteral("エネルギー代謝率")).toDouble(), -0.2);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT エネルギー代謝率 FROM エネルギー消費量 WHERE 運動名称=?"),
                             {QStringLiteral("歩行（普通 67m/分）")}).toDouble(), 2.4);
    }

    void cookingMethods()
    {
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT 調理法 FROM 調理法 WHERE 調理法ID=1")).toString(), QStringLiteral("そのまま"));
        for (const char *name : {"生", "ゆでる", "煮る", "焼く", "炒める", "揚げる", "蒸す", "電子レンジ", "和える", "漬ける"})
            QVERIFY2(m_db.scalar(QStringLiteral("SELECT count(*) FROM 調理法 WHERE 調理法=?"), {QString::fromUtf8(name)}).toInt() == 1, name);
    }

    // One row for every key the standard's row selection can ask for.
    void standardKeys()
    {
        struct Key { double age; QVariant sex, intensity; };
        QList<Key> keys;
        for (double a : {0.0, 0.17, 0.5})
            keys.append({a, QVariant(), QVariant()});
        for (int a = 1; a <= 14; ++a)
            for (int s : {1, 2})
                keys.append({double(a), s, QVariant()});
        for (int a : {15, 16, 17, 18, 19, 20, 30, 40, 50, 60})
            for (int s : {1, 2})
                for (int i = 1; i <= 4; ++i)
                    keys.append({double(a), s, i});
        for (int a : {70, 80})
            for (int s : {1, 2})
                for (int i = 1; i <= 2; ++i)
                    keys.append({double(a), s, i});
        QCOMPARE(keys.size(), 119);
        for (const Key &k : keys) {
            const QVariantMap row = standard(k.age, k.sex, k.intensity);
            QVERIFY2(!row.isEmpty(), qPrintable(QStringLiteral("%1/%2/%3").arg(k.age).arg(k.sex.toString(), k.intensity.toString())));
            for (auto it = row.cbegin(); it != row.cend(); ++it)
                if (it.key() != QStringLiteral("性別") && it.key() != QStringLiteral("生活強度"))
                    QVERIFY2(!it.value().isNull(), qPrintable(it.key()));
        }
    }

    void standardsFollowHeight_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("intensity");
        QTest::addColumn<double>("refHeight");
        QTest::addColumn<double>("energy");
        QTest::addColumn<double>("protein");
        QTest::addColumn<double>("b1");
        QTest::addColumn<double>("niacin");
        QTest::addColumn<double>("quadA");
        QTest::addColumn<double>("quadB");
        QTest::addColumn<double>("quadC");
        QTest::newRow("man 30 普通") << 30 << 1 << 2 << 170.7 << 2250.0 << 60.0 << 1.1 << 16.0 << kMen30.a << kMen30.b << kMen30.c;
        QTest::newRow("man 40 重い") << 40 << 1 << 4 << 170.7 << 2850.0 << 60.0 << 1.1 << 16.0 << kMen40.a << kMen40.b << kMen40.c;
        QTest::newRow("woman 20 軽い") << 20 << 2 << 1 << 158.0 << 1550.0 << 50.0 << 0.8 << 13.0 << kWomen20.a << kWomen20.b << kWomen20.c;
        // 70 and 80 use the quadratic of 60 and over.
        QTest::newRow("woman 80 普通") << 80 << 2 << 2 << 148.0 << 1500.0 << 50.0 << 0.8 << 13.0 << kWomen60.a << kWomen60.b << kWomen60.c;
    }
    void standardsFollowHeight()
    {
        QFETCH(int, age);
        QFETCH(int, sex);
        QFETCH(int, intensity);
        QFETCH(double, refHeight);
        QFETCH(double, energy);
        QFETCH(double, protein);
        QFETCH(double, b1);
        QFETCH(double, niacin);
        QFETCH(double, quadA);
        QFETCH(double, quadB);
        QFETCH(double, quadC);
        const QVariantMap row = standard(age, sex, intensity);
        QVERIFY(!row.isEmpty());
        // A person of the reference height gets the published figures.
        QVERIFY(std::abs(quad(row, QStringLiteral("エネルギー"), refHeight) - energy) < 1e-6);
        QVERIFY(std::abs(quad(row, QStringLiteral("たんぱく質"), refHeight) - protein) < 1e-9);
        QVERIFY(std::abs(quad(row, QStringLiteral("ビタミンＢ１"), refHeight) - b1) < 1e-9);
        QVERIFY(std::abs(quad(row, QStringLiteral("ナイアシン"), refHeight) - niacin) < 1e-9);
        // A taller person: scaled by the reference weight of each height.
        const Quad w{quadA, quadB, quadC};
        const double ratio = w.at(refHeight + 12) / w.at(refHeight);
        QVERIFY(ratio > 1.05);
        QVERIFY(std::abs(quad(row, QStringLiteral("エネルギー"), refHeight + 12) - energy * ratio) < 1e-6);
        QVERIFY(std::abs(quad(row, QStringLiteral("たんぱく質"), refHeight + 12) - protein * ratio) < 1e-9);
        // Minerals and the fat ratio stay constant whatever the height.
        QCOMPARE(row.value(QStringLiteral("カルシウム係数Ａ")).toDouble(), 0.0);
        QCOMPARE(row.value(QStringLiteral("カルシウム係数Ｂ")).toDouble(), 0.0);
        QCOMPARE(row.value(QStringLiteral("脂肪エネルギー比率係数Ａ")).toDouble(), 0.0);
        QCOMPARE(row.value(QStringLiteral("鉄係数Ｂ")).toDouble(), 0.0);
    }

    void workedExampleMan30()
    {
        // The example of the data notes: a man of 35, intensity 普通, 180 cm.
        const QVariantMap row = standard(30, 1, 2);
        const double e = quad(row, QStringLiteral("エネルギー"), 180);
        QVERIFY(std::abs(e - 2250.0 * kMen30.at(180) / kMen30.at(170.7)) < 1e-6);
        QCOMPARE(qRound(e), 2466);
        QCOMPARE(row.value(QStringLiteral("カルシウム係数Ｃ")).toDouble(), 600.0);
        QCOMPARE(row.value(QStringLiteral("亜鉛")).toDouble(), 12.0);
    }

    void standardConstants_data()
    {
        QTest::addColumn<double>("age");
        QTest::addColumn<QVariant>("sex");
        QTest::addColumn<QVariant>("intensity");
        QTest::addColumn<QString>("column");
        QTest::addColumn<double>("value");
        QTest::newRow("infant energy") << 0.0 << QVariant() << QVariant() << "エネルギー係数Ｃ" << 730.0;
        QTest::newRow("infant fat ratio") << 0.5 << QVariant() << QVariant() << "脂肪エネルギー比率係数Ｃ" << 40.0;
        QTest::newRow("boy 7 energy") << 7.0 << QVariant(1) << QVariant() << "エネルギー係数Ｃ" << 1650.0;
        QTest::newRow("boy 7 energy is no quadratic") << 7.0 << QVariant(1) << QVariant() << "エネルギー係数Ａ" << 0.0;
        QTest::newRow("girl 11 iron") << 11.0 << QVariant(2) << QVariant() << "鉄係数Ｃ" << 12.0;
        QTest::newRow("man 15 普通 energy") << 15.0 << QVariant(1) << QVariant(2) << "エネルギー係数Ｃ" << 2400.0;
        QTest::newRow("man 19 B1 constant") << 19.0 << QVariant(1) << QVariant(2) << "ビタミンＢ１係数Ｃ" << 1.1;
        // A range is read by its upper bound.
        QTest::newRow("fat ratio 20-30") << 20.0 << QVariant(1) << QVariant(1) << "脂肪エネルギー比率係数Ｃ" << 30.0;
        QTest::newRow("fat ratio 20-25") << 50.0 << QVariant(2) << QVariant(3) << "脂肪エネルギー比率係数Ｃ" << 25.0;
        QTest::newRow("fat ratio 15-25") << 70.0 << QVariant(1) << QVariant(2) << "脂肪エネルギー比率係数Ｃ" << 25.0;
        QTest::newRow("woman 20 vitamin A") << 20.0 << QVariant(2) << QVariant(2) << "ビタミンＡ係数Ｃ" << 540.0;
        QTest::newRow("woman 20 iron") << 20.0 << QVariant(2) << QVariant(1) << "鉄係数Ｃ" << 12.0;
        QTest::newRow("man 60 manganese") << 60.0 << QVariant(1) << QVariant(1) << "マンガン" << 4.0;
    }
    void standardConstants()
    {
        QFETCH(double, age);
        QFETCH(QVariant, sex);
        QFETCH(QVariant, intensity);
        QFETCH(QString, column);
        QFETCH(double, value);
        const QVariantMap row = standard(age, sex, intensity);
        QVERIFY(!row.isEmpty());
        QCOMPARE(row.value(column).toDouble(), value);
    }

    void catalogueIntegrity()
    {
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 材料 m LEFT JOIN 成分表 s ON s.成分表ID = m.成分表ID WHERE s.成分表ID IS NULL")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 材料 m LEFT JOIN 調理法 t ON t.調理法ID = m.調理法ID WHERE t.調理法ID IS NULL")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 料理名 r WHERE NOT EXISTS (SELECT 1 FROM 材料 m WHERE m.料理名ID = r.料理名ID)")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 料理分類 c WHERE NOT EXISTS (SELECT 1 FROM 料理名 r WHERE r.料理分類ID = c.料理分類ID)")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 配布元 <> 0")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 材料 WHERE NOT (分量 > 0)")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(DISTINCT 料理名) FROM 料理名")).toInt(),
                 m_db.scalar(QStringLiteral("SELECT count(*) FROM 料理名")).toInt());
    }

    void dishEnergyPlausible()
    {
        const ResultSet rs = m_db.select(QStringLiteral(
            "SELECT r.料理名, sum(coalesce(s.エネルギー, 0) * m.分量 / 100.0) FROM 料理名 r "
            "JOIN 材料 m ON m.料理名ID = r.料理名ID JOIN 成分表 s ON s.成分表ID = m.成分表ID GROUP BY r.料理名ID"));
        QVERIFY(rs.size() >= 200);
        for (const auto &r : rs.rows) {
            const double kcal = r.at(1).toDouble();
            QVERIFY2(kcal >= 5 && kcal <= 1500, qPrintable(QStringLiteral("%1: %2 kcal").arg(r.at(0).toString()).arg(kcal)));
        }
        const double rice = m_db.scalar(QStringLiteral(
            "SELECT sum(s.エネルギー * m.分量 / 100.0) FROM 料理名 r JOIN 材料 m ON m.料理名ID = r.料理名ID "
            "JOIN 成分表 s ON s.成分表ID = m.成分表ID WHERE r.料理名=?"), {QStringLiteral("ご飯")}).toDouble();
        QCOMPARE(qRound(rice), 234);
    }

    // A bowl of noodles in hot broth: the broth is dipping-strength tsuyu let down with stock,
    // so the bowl stays around 5 g of salt, not the 8-10 g of a bowl of neat tsuyu.
    void noodleBrothSalt_data()
    {
        QTest::addColumn<QString>("dish");
        for (const char *name : {"うどん", "きつねうどん", "天ぷらうどん", "月見うどん", "肉うどん", "カレーうどん",
                                 "鍋焼きうどん", "そば", "天ぷらそば", "きつねそば", "とろろそば"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void noodleBrothSalt()
    {
        QFETCH(QString, dish);
        const QVariant salt = m_db.scalar(QStringLiteral(
            "SELECT sum(coalesce(s.食塩相当量, 0) * m.分量 / 100.0) FROM 料理名 r JOIN 材料 m ON m.料理名ID = r.料理名ID "
            "JOIN 成分表 s ON s.成分表ID = m.成分表ID WHERE r.料理名=?"), {dish});
        QVERIFY(!salt.isNull());
        QVERIFY2(salt.toDouble() >= 3 && salt.toDouble() <= 7, qPrintable(QString::number(salt.toDouble())));
    }

    void everydayDishesPresent()
    {
        for (const char *name : {"ご飯", "おにぎり", "食パン", "うどん", "そば", "ラーメン", "カレーライス", "牛丼",
                                 "親子丼", "味噌汁", "豚汁", "焼き鮭", "さばの味噌煮", "鶏の唐揚げ", "ハンバーグ",
                                 "肉じゃが", "豚の生姜焼き", "冷奴", "納豆", "卵焼き", "目玉焼き",
                                 "ほうれん草のおひたし", "きんぴらごぼう", "ひじきの煮物", "野菜サラダ",
                                 "ポテトサラダ", "餃子", "麻婆豆腐", "天ぷら", "刺身", "すき焼き", "寄せ鍋", "牛乳",
                                 "ヨーグルト", "緑茶", "コーヒー", "ビール", "せんべい"})
            QVERIFY2(m_db.scalar(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理名=?"), {QString::fromUtf8(name)}).toInt() == 1, name);
    }

    void servingGuides()
    {
        QVERIFY(m_db.scalar(QStringLiteral("SELECT count(*) FROM 成分表 WHERE 分量目安 IS NOT NULL")).toInt() >= 300);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT 分量目安 FROM 成分表 WHERE 成分表ID=1088")).toString(),
                 QStringLiteral("茶碗1杯＝150g"));
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM 成分表 WHERE 分量目安 = ''")).toInt(), 0);
    }

    // Hiragana, katakana, half-width and full-width spellings and everyday synonyms find the same food.
    void searchFindsFood_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("food");
        QTest::newRow("hiragana") << "にんじん" << 6212;
        QTest::newRow("katakana") << "ニンジン" << 6212;
        QTest::newRow("half-width") << "ﾆﾝｼﾞﾝ" << 6212;
        QTest::newRow("kanji synonym") << "人参" << 6212;
        QTest::newRow("onion synonym") << "玉ねぎ" << 6153;
        QTest::newRow("onion katakana") << "タマネギ" << 6153;
        QTest::newRow("rice synonym") << "ご飯" << 1088;
        QTest::newRow("pork synonym") << "豚肉" << 11123;
        QTest::newRow("milk") << "牛乳" << 13003;
        QTest::newRow("cabbage hiragana") << "きゃべつ" << 6061;
        QTest::newRow("cabbage half-width") << "ｷｬﾍﾞﾂ" << 6061;
        QTest::newRow("cocoa half-width") << "ｺｺｱ" << 16048;
        QTest::newRow("alias half-width") << "ﾌﾞﾛｲﾗｰ" << 11220;
        QTest::newRow("natto kanji") << "納豆" << 4046;
        QTest::newRow("egg kanji") << "卵" << 12004;
    }
    void searchFindsFood()
    {
        QFETCH(QString, words);
        QFETCH(int, food);
        const QList<qint64> ids = search(words);
        QVERIFY2(ids.contains(food), qPrintable(QStringLiteral("%1 found %2 foods").arg(words).arg(ids.size())));
    }

    void searchKeysAreFolded()
    {
        // No katakana and no full-width ASCII is left in the keys, so a folded word matches them.
        const ResultSet rs = m_db.select(QStringLiteral("SELECT 成分表ID, 検索 FROM 成分表"));
        for (const auto &r : rs.rows) {
            const QString keys = r.at(1).toString();
            QVERIFY2(!keys.isEmpty(), qPrintable(r.at(0).toString()));
            QCOMPARE(foldForSearch(keys), keys);
        }
    }
};

QTEST_GUILESS_MAIN(TstSeed)
#include "tst_seed.moc"
