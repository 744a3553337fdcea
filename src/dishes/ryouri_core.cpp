#include "ryouri_core.h"
#include "yomi_mecab.h"

#include "b_01.h"

#include <cmath>

namespace mirte {

namespace {
const QString kRyouri = QStringLiteral("料理名");
const QString kRyouriId = QStringLiteral("料理名ID");
const QString kBunrui = QStringLiteral("料理分類");
const QString kBunruiId = QStringLiteral("料理分類ID");
const QString kZairyou = QStringLiteral("材料");
const QString kZairyouId = QStringLiteral("材料ID");

bool exists(const QString &sql, const QVariantList &params)
{
    return !G_DB().scalar(sql, params).isNull();
}

void markOwn(qint64 ryouriId)
{
    G_DB().exec(QStringLiteral("UPDATE 料理名 SET 配布元 = ? WHERE 料理名ID = ?"), {kHaifuUser, ryouriId});
}
} // namespace

QString ryouriListSql()
{
    return QStringLiteral("SELECT 料理名.料理名ID, 料理名.料理分類ID, 料理分類.料理分類, 料理名.料理名, 料理名.配布元"
                          " FROM 料理分類 INNER JOIN 料理名 ON 料理分類.料理分類ID = 料理名.料理分類ID"
                          " ORDER BY 料理分類, 料理名");
}

QString bunruiListSql()
{
    return QStringLiteral("SELECT 料理分類ID, 料理分類 FROM 料理分類 ORDER BY 料理分類");
}

QString bunruiComboSql()
{
    return QStringLiteral("SELECT * FROM 料理分類 ORDER BY 料理分類");
}

QString tyouriListSql()
{
    return QStringLiteral("SELECT 調理法ID, 調理法 FROM 調理法 ORDER BY 調理法");
}

QString zairyouListSql()
{
    // An ingredient whose cooking method has gone still shows, with the method empty.
    return QStringLiteral("SELECT 成分表.食品群, 成分表.食品名, 成分表.細分, 材料.分量"
                          ", 材料.材料ID, 材料.成分表ID, 材料.調理法ID"
                          ", 成分表.分量目安, 調理法.調理法 "
                          "FROM 材料 INNER JOIN 成分表 ON 成分表.成分表ID = 材料.成分表ID "
                          "LEFT JOIN 調理法 ON 調理法.調理法ID = 材料.調理法ID "
                          "WHERE 材料.料理名ID = ? ORDER BY 材料.材料ID");
}

bool Ryouri_NameExists(const QString &name, qint64 exceptId)
{
    return exists(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = ? AND 料理名ID <> ? LIMIT 1"),
                  {name, exceptId});
}

qint64 Ryouri_Add(const QString &name, qint64 bunruiId)
{
    qint64 id = 0;
    // The name and its reading together: a dish the household adds is found as it is read.
    G_DB().transaction([&] {
        id = G_DB().insert(kRyouri, {{kBunruiId, bunruiId}, {kRyouri, name}, {QStringLiteral("配布元"), kHaifuUser}});
        Yomi_Touroku(G_DB(), name);
    });
    return id;
}

bool Ryouri_Update(qint64 id, const QString &name, qint64 bunruiId)
{
    bool done = false;
    G_DB().transaction([&] {
        done = G_DB().update(kRyouri, kRyouriId, id,
                             {{kRyouri, name}, {kBunruiId, bunruiId}, {QStringLiteral("配布元"), kHaifuUser}})
            > 0;
        if (done)
            Yomi_Touroku(G_DB(), name);
    });
    return done;
}

bool Ryouri_Delete(qint64 id)
{
    int n = 0;
    // The recipe goes with the dish through the schema's cascade.
    G_DB().transaction([&] { n = G_DB().remove(kRyouri, kRyouriId, id); });
    return n > 0;
}

bool Ryouri_Exists(qint64 id)
{
    return exists(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名ID = ?"), {id});
}

std::optional<QString> Ryouri_Mei(qint64 id)
{
    const QVariant v = G_DB().scalar(QStringLiteral("SELECT 料理名 FROM 料理名 WHERE 料理名ID = ?"), {id});
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

bool Bunrui_NameExists(const QString &name, qint64 exceptId)
{
    return exists(QStringLiteral("SELECT 料理分類ID FROM 料理分類 WHERE 料理分類 = ? AND 料理分類ID <> ? LIMIT 1"),
                  {name, exceptId});
}

qint64 Bunrui_Add(const QString &name)
{
    return G_DB().insert(kBunrui, {{kBunrui, name}});
}

bool Bunrui_Rename(qint64 id, const QString &name)
{
    return G_DB().update(kBunrui, kBunruiId, id, {{kBunrui, name}}) > 0;
}

int Bunrui_DishCount(qint64 id)
{
    return G_DB().scalar(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理分類ID = ?"), {id}).toInt();
}

bool Bunrui_Delete(qint64 id)
{
    int n = 0;
    // Dishes and their recipes go with the category through the schema's cascade.
    G_DB().transaction([&] { n = G_DB().remove(kBunrui, kBunruiId, id); });
    return n > 0;
}

bool Bunrui_Exists(qint64 id)
{
    return exists(QStringLiteral("SELECT 料理分類ID FROM 料理分類 WHERE 料理分類ID = ?"), {id});
}

std::optional<double> Bunryou_Check(const QString &text)
{
    const double q = Val(text);
    if (!std::isfinite(q) || !(q >= 0) || q > kBunryouMax)
        return std::nullopt;
    return q == 0 ? 0.0 : q; // no "-0"
}

QString BunryouText(double q)
{
    return QString::number(q, 'g', 15);
}

bool Zairyou_Exists(qint64 zairyouId)
{
    return exists(QStringLiteral("SELECT 材料ID FROM 材料 WHERE 材料ID = ?"), {zairyouId});
}

qint64 Zairyou_Add(const Zairyou &z)
{
    qint64 id = 0;
    G_DB().transaction([&] {
        id = G_DB().insert(kZairyou, {{kRyouriId, z.ryouriId},
                                      {QStringLiteral("成分表ID"), z.seibunId},
                                      {QStringLiteral("分量"), z.bunryou},
                                      {QStringLiteral("調理法ID"), z.tyouriId}});
        markOwn(z.ryouriId);
    });
    return id;
}

bool Zairyou_Update(qint64 zairyouId, const Zairyou &z)
{
    int n = 0;
    G_DB().transaction([&] {
        n = G_DB().update(kZairyou, kZairyouId, zairyouId,
                          {{QStringLiteral("成分表ID"), z.seibunId},
                           {QStringLiteral("分量"), z.bunryou},
                           {QStringLiteral("調理法ID"), z.tyouriId}});
        if (n > 0)
            G_DB().exec(QStringLiteral("UPDATE 料理名 SET 配布元 = ? WHERE 料理名ID = "
                                       "(SELECT 料理名ID FROM 材料 WHERE 材料ID = ?)"),
                        {kHaifuUser, zairyouId});
    });
    return n > 0;
}

bool Zairyou_Delete(qint64 zairyouId)
{
    int n = 0;
    G_DB().transaction([&] {
        const QVariant dish = G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 材料 WHERE 材料ID = ?"), {zairyouId});
        n = G_DB().remove(kZairyou, kZairyouId, zairyouId);
        if (n > 0)
            markOwn(dish.toLongLong());
    });
    return n > 0;
}

} // namespace mirte
