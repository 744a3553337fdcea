#include "b_seibun.h"

#include "assess_sql.h"
#include "b_01.h"
#include "database.h"
#include "msgbox.h"

namespace mirte {

namespace {

const QString kFormat = QStringLiteral("####0.00");
constexpr int kLead = 5; // " ", 料理名, 食品名, 細分, 分量(g)

// Header of table 0 after the lead columns; each reads the 成分表 column named by its text
// without the unit (the half-width digits of two headers stand for the full-width ones).
const QStringList &headers0()
{
    static const QStringList h{
        QStringLiteral("エネルギー(Kcal)"), QStringLiteral("たんぱく質(g)"), QStringLiteral("脂質(g)"),
        QStringLiteral("カルシウム(mg)"), QStringLiteral("鉄(mg)"), QStringLiteral("レチノール(μg)"),
        QStringLiteral("カロテン(μg)"), QStringLiteral("ビタミンＡ(μgRE)"), QStringLiteral("ビタミンＢ１(mg)"),
        QStringLiteral("ビタミンＢ２(mg)"), QStringLiteral("ビタミンＣ(mg)"), QStringLiteral("ビタミンＤ(μg)"),
        QStringLiteral("ビタミンＥ(mg)"), QStringLiteral("ナイアシン(mg)"), QStringLiteral("食塩相当量(g)"),
        QStringLiteral("水溶性食物繊維(g)"), QStringLiteral("不溶性食物繊維(g)"), QStringLiteral("食物繊維総量(g)"),
        QStringLiteral("ビタミンＫ(μg)"), QStringLiteral("ビタミンＢ6(mg)"), QStringLiteral("葉酸(μg)"),
        QStringLiteral("ビタミンＢ12(μg)"), QStringLiteral("パントテン酸(mg)"), QStringLiteral("リン(mg)"),
        QStringLiteral("マグネシウム(mg)"), QStringLiteral("カリウム(mg)"), QStringLiteral("銅(mg)"),
        QStringLiteral("マンガン(mg)"), QStringLiteral("亜鉛(mg)"), QStringLiteral("炭水化物(g)"),
        QStringLiteral("灰分(g)"), QStringLiteral("ナトリウム(mg)"), QStringLiteral("コレステロール(mg)"),
        QStringLiteral("飽和脂肪酸(g)"), QStringLiteral("一価不飽和脂肪酸(g)"), QStringLiteral("多価不飽和脂肪酸(g)")};
    return h;
}

QStringList lead()
{
    return {QStringLiteral(" "), QStringLiteral("料理名"), QStringLiteral("食品名"), QStringLiteral("細分"),
            QStringLiteral("分量(g)")};
}

// Fatty acids 36..81 and amino acids 82..102 of the nutrient list.
constexpr int kFatFirst = 36, kFatTotal = 36, kSingleFirst = 40, kAminoFirst = 82;

QString selectList()
{
    QString s = QStringLiteral("成分表.成分表ID, 成分表.食品名, 成分表.細分");
    for (const QString &c : Seibun_Columns0())
        s += QStringLiteral(", 成分表.") + Database::quoteId(c);
    s += QStringLiteral(", 脂肪酸組成表.成分表ID");
    for (int i = kFatFirst; i < kAminoFirst; ++i)
        s += QStringLiteral(", 脂肪酸組成表.") + Database::quoteId(G_Eiyou_Mei.at(i));
    s += QStringLiteral(", アミノ酸組成表.成分表ID");
    for (int i = kAminoFirst; i < kEiyouCount; ++i)
        s += QStringLiteral(", アミノ酸組成表.") + Database::quoteId(G_Eiyou_Mei.at(i));
    return s;
}

const QString kJoins = QStringLiteral(
    " LEFT JOIN 成分表 ON 成分表.成分表ID = F.成分表ID"
    " LEFT JOIN 脂肪酸組成表 ON 脂肪酸組成表.成分表ID = F.成分表ID"
    " LEFT JOIN アミノ酸組成表 ON アミノ酸組成表.成分表ID = F.成分表ID");

// Builds the rows from a query whose first columns are: group key, dish text, quantity,
// then selectList(). Rows of one group are consecutive.
class Filler {
public:
    explicit Filler(bool subtotals) : m_subtotals(subtotals)
    {
        for (int g = 0; g < kSeibunGrids; ++g) {
            m_width[g] = int(Seibun_Header(g).size());
            m_sub[g].assign(m_width[g], 0.0);
            m_all[g].assign(m_width[g], 0.0);
        }
    }

    // False when the food's composition row is gone.
    bool add(const QSqlQuery &q, int base)
    {
        const QString dish = q.value(base + 1).toString();
        const double grams = Val(q.value(base + 2));
        int c = base + 3;
        if (q.value(c).isNull())
            return false;
        const QString name = q.value(c + 1).toString();
        const QString saibun = q.value(c + 2).toString();
        c += 3;
        for (int g = 0; g < kSeibunGrids; ++g) {
            QStringList row{QString(), dish, name, saibun, Format(grams, kFormat)};
            row.reserve(m_width[g]);
            m_cur[g] = row;
        }
        for (int k = 0; k < int(headers0().size()); ++k)
            m_cur[0] << SeibunRyou_Hyouji(q.value(c + k), grams, kFormat);
        c += int(headers0().size());
        const bool fat = !q.value(c).isNull();
        ++c;
        const QVariant total = q.value(c + (kFatTotal - kFatFirst));
        for (int i = kFatFirst; i < kAminoFirst; ++i, ++c) {
            if (!fat)
                m_cur[1] << QString();
            else if (i < kSingleFirst)
                m_cur[1] << SeibunRyou_Hyouji(q.value(c), grams, kFormat);
            else
                m_cur[1] << SeibunRyou_Hyouji2(q.value(c), grams, total, kFormat);
        }
        const bool amino = !q.value(c).isNull();
        ++c;
        for (int i = kAminoFirst; i < kEiyouCount; ++i, ++c)
            m_cur[2] << (amino ? SeibunRyou_Hyouji(q.value(c), grams, kFormat) : QString());
        for (int g = 0; g < kSeibunGrids; ++g) {
            // The sums add the numbers as shown; an empty cell adds nothing.
            for (int k = kLead - 1; k < m_width[g]; ++k) {
                const QString &t = m_cur[g][k];
                if (!t.isEmpty()) {
                    m_sub[g][k] += Val(t);
                    m_all[g][k] += Val(t);
                }
            }
            out.rows[g] << m_cur[g];
        }
        return true;
    }

    void subtotal()
    {
        if (!m_subtotals)
            return;
        for (int g = 0; g < kSeibunGrids; ++g) {
            out.rows[g] << sumRow(QStringLiteral("小計"), m_sub[g], m_width[g]);
            m_sub[g].assign(m_width[g], 0.0);
        }
    }

    void total()
    {
        for (int g = 0; g < kSeibunGrids; ++g)
            out.rows[g] << sumRow(QStringLiteral("合計"), m_all[g], m_width[g]);
    }

    SeibunHyou out;

private:
    static QStringList sumRow(const QString &label, const std::vector<double> &sum, int width)
    {
        QStringList r{QString(), QString(), label, QString()};
        for (int k = kLead - 1; k < width; ++k)
            r << Format(sum[k], kFormat);
        return r;
    }

    bool m_subtotals;
    int m_width[kSeibunGrids];
    QStringList m_cur[kSeibunGrids];
    std::vector<double> m_sub[kSeibunGrids], m_all[kSeibunGrids];
};

void deleted()
{
    MsgBox(QStringLiteral("成分表のレコードが削除されています。"), vbInformation, QStringLiteral("エラー"));
}

// Runs a food query (group key, dish text, quantity, selectList()) into the filler.
SeibunHyou fill(QSqlQuery &q, bool subtotals, const QList<qint64> &groups)
{
    assess::execOrThrow(q);
    Filler f(subtotals);
    qsizetype next = 0; // groups (dishes) in order; a dish without foods still gets its subtotal
    bool any = false;
    qint64 current = 0;
    while (q.next()) {
        const qint64 key = q.value(0).toLongLong();
        if (!any || key != current) {
            if (any)
                f.subtotal(), ++next;
            while (next < groups.size() && groups[next] != key)
                f.subtotal(), ++next;
            current = key;
            any = true;
        }
        if (!f.add(q, 0)) {
            q.finish();
            deleted();
            f.out.complete = false;
            return f.out;
        }
    }
    q.finish();
    if (any)
        f.subtotal(), ++next;
    while (next < groups.size())
        f.subtotal(), ++next;
    f.total();
    return f.out;
}

} // namespace

QStringList Seibun_Columns0()
{
    QStringList out;
    for (QString h : headers0()) {
        h = h.left(h.indexOf(QLatin1Char('(')));
        h.replace(QStringLiteral("Ｂ6"), QStringLiteral("Ｂ６")).replace(QStringLiteral("Ｂ12"), QStringLiteral("Ｂ１２"));
        out << h;
    }
    return out;
}

QStringList Seibun_Header(int g)
{
    QStringList h = lead();
    if (g == 0) {
        h << headers0();
    } else if (g == 1) {
        h << QStringLiteral("脂肪酸・総量(g)") << QStringLiteral("飽和脂肪酸(g) ")
          << QStringLiteral("一価不飽和脂肪酸(g)") << QStringLiteral("多価不飽和脂肪酸(g)");
        for (int i = kSingleFirst; i < kAminoFirst; ++i)
            h << G_Eiyou_Mei.value(i);
    } else {
        for (int i = kAminoFirst; i < kEiyouCount; ++i)
            h << G_Eiyou_Mei.value(i);
    }
    return h;
}

SeibunHyou Seibun_Day(qint64 kkId)
{
    QList<qint64> dishes;
    {
        QSqlQuery &d = G_DB().prepared(QStringLiteral(
            "SELECT 摂取料理ID FROM 摂取料理 WHERE 健康状態管理ID = ? ORDER BY 摂取料理ID"));
        d.addBindValue(kkId);
        assess::execOrThrow(d);
        while (d.next())
            dishes << d.value(0).toLongLong();
        d.finish();
    }
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT R.摂取料理ID, IFNULL(R.料理名, '') || ' (' || R.食事区分 || ')', F.分量, ") + selectList()
        + QStringLiteral(" FROM 摂取料理 R INNER JOIN 摂取食品 F ON F.摂取料理ID = R.摂取料理ID") + kJoins
        + QStringLiteral(" WHERE R.健康状態管理ID = ? ORDER BY R.摂取料理ID, F.摂取食品ID"));
    q.addBindValue(kkId);
    return fill(q, true, dishes);
}

SeibunHyou Seibun_Ryouri(qint64 serId, const QString &name)
{
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT 0, ?, F.分量, ") + selectList() + QStringLiteral(" FROM 摂取食品 F") + kJoins
        + QStringLiteral(" WHERE F.摂取料理ID = ? ORDER BY F.摂取食品ID"));
    q.addBindValue(name);
    q.addBindValue(serId);
    return fill(q, false, {});
}

SeibunHyou Seibun_Master(qint64 ryouriId, const QString &name)
{
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT 0, ?, F.分量, ") + selectList() + QStringLiteral(" FROM 材料 F") + kJoins
        + QStringLiteral(" WHERE F.料理名ID = ? ORDER BY F.材料ID"));
    q.addBindValue(name);
    q.addBindValue(ryouriId);
    return fill(q, false, {});
}

} // namespace mirte
