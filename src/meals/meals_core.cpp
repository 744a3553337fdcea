#include "meals_core.h"

#include "b_01.h"
#include "kana.h"
#include "yomi.h"
#include "yomi_mecab.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <QRegularExpression>
#include <cmath>

namespace mirte {

namespace {

const QString kRyouri = QStringLiteral("摂取料理");
const QString kSyokuhin = QStringLiteral("摂取食品");

// Full-width digits, point and signs as typed with a Japanese input method count as ASCII.
QString asciiNumberText(const QString &text)
{
    return HalfWidthNumber(text).trimmed();
}

const QRegularExpression &leadingNumber()
{
    static const QRegularExpression re(
        QStringLiteral("^[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?"));
    return re;
}

QString trimmedNumber(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

} // namespace

// ---------------------------------------------------------------- entered numbers

std::optional<double> parseServings(const QString &text)
{
    const QString s = asciiNumberText(text);
    const QRegularExpressionMatch m = leadingNumber().match(s);
    // The whole text must be the number: "1.5人前" is no servings value.
    if (!m.hasMatch() || m.capturedLength() != s.size())
        return std::nullopt;
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v) || !(v > 0) || v > kMaxServings)
        return std::nullopt;
    return v;
}

QString servingsText(double servings)
{
    return QString::number(servings, 'f', 1);
}

std::optional<double> parseQuantity(const QString &text)
{
    const QString s = asciiNumberText(text);
    const QRegularExpressionMatch m = leadingNumber().match(s);
    // A text without a leading number counts as 0 g, as in the recipes.
    if (!m.hasMatch())
        return 0.0;
    bool ok = false;
    double v = m.captured(0).toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > kMaxGrams)
        return std::nullopt;
    if (v == 0)
        v = 0; // no "-0"
    return v;
}

QString quantityText(double grams)
{
    return trimmedNumber(grams, 6);
}

// ---------------------------------------------------------------- the day's dishes

ResultSet dayDishes(const Database &db, qint64 kkId)
{
    return db.select(QStringLiteral("SELECT * FROM 摂取料理 WHERE 健康状態管理ID = ? ORDER BY 摂取料理ID"),
                     {kkId});
}

bool deleteEatenDish(Database &db, qint64 serId)
{
    int n = 0;
    db.transaction([&] {
        // The foods go by the cascade; said here too, so that a file without it keeps no orphans.
        db.exec(QStringLiteral("DELETE FROM 摂取食品 WHERE 摂取料理ID = ?"), {serId});
        n = db.remove(kRyouri, QStringLiteral("摂取料理ID"), serId);
    });
    return n > 0;
}

// ---------------------------------------------------------------- the picker

QString allCategoriesText()
{
    return QStringLiteral("（全分類）");
}

QList<Category> categories(const Database &db)
{
    QList<Category> out;
    out.append({0, allCategoriesText()});
    const ResultSet rs =
        db.select(QStringLiteral("SELECT 料理分類, 料理分類ID FROM 料理分類 ORDER BY 料理分類"));
    for (const QVariantList &r : rs.rows)
        out.append({r.value(1).toLongLong(), r.value(0).toString()});
    return out;
}

ResultSet catalogue(const Database &db, qint64 categoryId, const QString &search)
{
    const QStringList keys = Yomi_Kensaku_Keys(search);
    ResultSet rs = db.select(
        QStringLiteral("SELECT 料理分類.料理分類 AS 料理分類, 料理名.料理名 AS 料理名, "
                       "料理名.料理分類ID AS 料理分類ID, 料理名.料理名ID AS 料理名ID%1 "
                       "FROM 料理分類 INNER JOIN 料理名 ON 料理分類.料理分類ID = 料理名.料理分類ID%2 "
                       "WHERE (? = 0 OR 料理名.料理分類ID = ?) "
                       "ORDER BY 料理分類.料理分類, 料理名.料理名")
            .arg(keys.isEmpty() ? QString() : QStringLiteral(", 読み.読み"),
                 keys.isEmpty() ? QString() : QStringLiteral(" LEFT JOIN 読み ON 読み.名前 = trim(料理名.料理名)")),
        {categoryId, categoryId});
    if (keys.isEmpty())
        return rs;
    // Both sides are folded here and the text is matched as it is, so that % _ ' * find
    // themselves; a name is found by its spelling or by how it is read.
    QList<QVariantList> kept;
    for (QVariantList &r : rs.rows) {
        if (Yomi_Match(keys, r.value(1).toString(), r.value(4).toString())) {
            r.removeLast();
            kept.append(std::move(r));
        }
    }
    rs.columns.removeLast();
    rs.rows = std::move(kept);
    return rs;
}

qint64 addCatalogueDish(Database &db, qint64 kkId, qint64 ryouriId, const QString &name,
                        const QString &kubun, double servings)
{
    if (!std::isfinite(servings) || !(servings > 0))
        throw DbError(13, QStringLiteral("人前の値が正しくありません。"));
    qint64 serId = 0;
    db.transaction([&] {
        serId = db.insert(kRyouri, {{QStringLiteral("健康状態管理ID"), kkId},
                                    {QStringLiteral("料理名"), name.trimmed()},
                                    {QStringLiteral("食事区分"), kubun},
                                    {QStringLiteral("料理分量"), servings},
                                    {QStringLiteral("料理名ID"), ryouriId}});
        const ResultSet recipe = db.select(
            QStringLiteral("SELECT 成分表ID, 調理法ID, 分量 FROM 材料 WHERE 料理名ID = ? ORDER BY 材料ID"),
            {ryouriId});
        for (const QVariantList &r : recipe.rows) {
            QVariantMap row{{QStringLiteral("健康状態管理ID"), kkId},
                            {QStringLiteral("摂取料理ID"), serId},
                            {QStringLiteral("成分表ID"), r.value(0)},
                            {QStringLiteral("調理法ID"), r.value(1)}};
            if (!r.value(2).isNull())
                row.insert(QStringLiteral("分量"), servings * r.value(2).toDouble());
            db.insert(kSyokuhin, row);
        }
    });
    return serId;
}

QList<OftenEaten> oftenEaten(const Database &db, qint64 simeiId, const QString &kubun, const QDate &today,
                             int days, int limit)
{
    QList<OftenEaten> out;
    QSqlQuery &q = db.prepared(QStringLiteral(
        "SELECT 摂取料理.料理名ID, 料理名.料理名, COUNT(*) AS 回数, MAX(健康状態管理.日付) AS 最後 "
        "FROM 健康状態管理 INNER JOIN 摂取料理 ON 摂取料理.健康状態管理ID = 健康状態管理.健康状態管理ID "
        "INNER JOIN 料理名 ON 料理名.料理名ID = 摂取料理.料理名ID "
        "WHERE 健康状態管理.氏名ID = ? AND 健康状態管理.日付 > ? AND 健康状態管理.日付 <= ? "
        "AND 摂取料理.食事区分 = ? "
        "GROUP BY 摂取料理.料理名ID ORDER BY 回数 DESC, 最後 DESC, 料理名.料理名 LIMIT ?"));
    q.addBindValue(simeiId);
    q.addBindValue(dateParam(today.addDays(-days)));
    q.addBindValue(dateParam(today));
    q.addBindValue(kubun);
    q.addBindValue(limit);
    if (!q.exec())
        throw DbError(q.lastError().nativeErrorCode().toInt(), q.lastError().text());
    while (q.next())
        out.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(), toDate(q.value(3))});
    q.finish();
    return out;
}

std::optional<double> guideGrams(const QString &guide)
{
    // The edible part first: the composition figures are per 100 g of it.
    static const QRegularExpression edible(QStringLiteral("正味\\s*([0-9.]+)\\s*g"));
    static const QRegularExpression whole(QStringLiteral("[=＝]\\s*([0-9.]+)(?:\\s*[~～〜]\\s*[0-9.]+)?\\s*g"));
    const QString &g = guide;
    for (const QRegularExpression *re : {&edible, &whole}) {
        const QRegularExpressionMatch m = re->match(g);
        bool ok = false;
        const double v = m.hasMatch() ? m.captured(1).toDouble(&ok) : 0;
        if (ok && v > 0 && v <= kMaxGrams)
            return v;
    }
    return std::nullopt;
}

QString singleFoodName(const QString &name, const QString &saibun)
{
    const QString s = saibun.trimmed();
    return s.isEmpty() ? name.trimmed() : QStringLiteral("%1（%2）").arg(name.trimmed(), s);
}

qint64 addSingleFood(Database &db, qint64 kkId, qint64 seiId, const QString &kubun)
{
    const auto food = db.selectOne(QStringLiteral("SELECT 食品名, 細分, 分量目安 FROM 成分表 WHERE 成分表ID = ?"), {seiId});
    if (!food)
        throw DbError(3021, QStringLiteral("成分表のレコードが見つかりません。"));
    const double grams = guideGrams(food->value(QStringLiteral("分量目安")).toString()).value_or(100.0);
    qint64 serId = 0;
    db.transaction([&] {
        serId = db.insert(kRyouri, {{QStringLiteral("健康状態管理ID"), kkId},
                                    {QStringLiteral("料理名"), singleFoodName(food->value(QStringLiteral("食品名")).toString(),
                                                                           food->value(QStringLiteral("細分")).toString())},
                                    {QStringLiteral("食事区分"), kubun},
                                    {QStringLiteral("料理分量"), 1.0}});
        db.insert(kSyokuhin, {{QStringLiteral("健康状態管理ID"), kkId},
                              {QStringLiteral("摂取料理ID"), serId},
                              {QStringLiteral("成分表ID"), seiId},
                              {QStringLiteral("調理法ID"), 1},
                              {QStringLiteral("分量"), grams}});
    });
    return serId;
}

QString ownCategoryText()
{
    return QStringLiteral("わが家の料理");
}

qint64 registerEatenDish(Database &db, qint64 serId, const QString &name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return 0;
    qint64 id = 0;
    db.transaction([&] {
        if (db.selectOne(QStringLiteral("SELECT 1 FROM 料理名 WHERE 料理名 = ?"), {n}))
            return;
        const auto dish = db.selectOne(QStringLiteral("SELECT 摂取料理.料理名ID, 料理名.料理分類ID FROM 摂取料理 "
                                                      "LEFT JOIN 料理名 ON 料理名.料理名ID = 摂取料理.料理名ID "
                                                      "WHERE 摂取料理ID = ?"),
                                       {serId});
        if (!dish)
            return;
        qint64 bunrui = dish->value(QStringLiteral("料理分類ID")).toLongLong();
        if (bunrui == 0) {
            const QVariant own = db.scalar(QStringLiteral("SELECT 料理分類ID FROM 料理分類 WHERE 料理分類 = ?"),
                                           {ownCategoryText()});
            bunrui = own.isNull() ? db.insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), ownCategoryText()}})
                                  : own.toLongLong();
        }
        id = db.insert(QStringLiteral("料理名"),
                       {{QStringLiteral("料理分類ID"), bunrui}, {QStringLiteral("料理名"), n}, {QStringLiteral("配布元"), 1}});
        // A catalogue recipe is one serving: a dish eaten as 2人前 gives half its grams.
        db.exec(QStringLiteral("INSERT INTO 材料 (料理名ID, 成分表ID, 調理法ID, 分量) "
                               "SELECT ?, 成分表ID, 調理法ID, 分量 / (SELECT CASE WHEN 料理分量 > 0 THEN 料理分量 ELSE 1 END "
                               "FROM 摂取料理 WHERE 摂取料理ID = ?) FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID"),
                {id, serId, serId});
        Yomi_Touroku(db, n);
    });
    return id;
}

int moveEatenDishes(Database &db, const QList<qint64> &serIds, const QString &kubun)
{
    int n = 0;
    db.transaction([&] {
        for (qint64 id : serIds)
            n += db.exec(QStringLiteral("UPDATE 摂取料理 SET 食事区分 = ? WHERE 摂取料理ID = ?"), {kubun, id});
    });
    return n;
}

// ---------------------------------------------------------------- foods of a dish

ResultSet dishFoods(const Database &db, qint64 serId)
{
    return db.select(
        QStringLiteral("SELECT 成分表.食品名, 成分表.細分, 摂取食品.分量, 調理法.調理法, "
                       "摂取食品.摂取食品ID, 摂取食品.成分表ID, 摂取食品.調理法ID, 摂取食品.摂取料理ID, "
                       "成分表.食品群, 成分表.分量目安 "
                       "FROM 摂取料理, 摂取食品, 調理法, 成分表 "
                       "WHERE 摂取料理.摂取料理ID = ? AND 摂取食品.摂取料理ID = 摂取料理.摂取料理ID "
                       "AND 摂取食品.調理法ID = 調理法.調理法ID AND 摂取食品.成分表ID = 成分表.成分表ID "
                       "ORDER BY 摂取食品.摂取食品ID"),
        {serId});
}

ResultSet cookingMethods(const Database &db)
{
    return db.select(QStringLiteral("SELECT * FROM 調理法"));
}

bool eatenFoodExists(const Database &db, qint64 sesId)
{
    return db.selectOne(QStringLiteral("SELECT 摂取食品ID FROM 摂取食品 WHERE 摂取食品ID = ?"), {sesId})
        .has_value();
}

qint64 addEatenFood(Database &db, qint64 kkId, qint64 serId, qint64 seiId, int tyouriId,
                    double grams)
{
    return db.insert(kSyokuhin, {{QStringLiteral("健康状態管理ID"), kkId},
                                 {QStringLiteral("摂取料理ID"), serId},
                                 {QStringLiteral("成分表ID"), seiId},
                                 {QStringLiteral("分量"), grams},
                                 {QStringLiteral("調理法ID"), tyouriId}});
}

bool updateEatenFood(Database &db, qint64 sesId, qint64 seiId, int tyouriId, double grams)
{
    return db.update(kSyokuhin, QStringLiteral("摂取食品ID"), sesId,
                     {{QStringLiteral("成分表ID"), seiId},
                      {QStringLiteral("分量"), grams},
                      {QStringLiteral("調理法ID"), tyouriId}})
        > 0;
}

bool deleteEatenFood(Database &db, qint64 sesId)
{
    return db.remove(kSyokuhin, QStringLiteral("摂取食品ID"), sesId) > 0;
}

bool renameEatenDish(Database &db, qint64 serId, const QString &name, const QString &kubun)
{
    return db.update(kRyouri, QStringLiteral("摂取料理ID"), serId,
                     {{QStringLiteral("料理名"), name}, {QStringLiteral("食事区分"), kubun}})
        > 0;
}

// ---------------------------------------------------------------- copying

QList<Person> persons(const Database &db)
{
    QList<Person> out;
    const ResultSet rs = db.select(QStringLiteral("SELECT 氏名ID, 氏名 FROM 個人データ ORDER BY 氏名"));
    for (const QVariantList &r : rs.rows)
        out.append({r.value(0).toLongLong(), r.value(1).toString()});
    return out;
}

QList<RecordedDay> recentDays(const Database &db, qint64 simeiId, const QDate &upTo, int limit)
{
    QList<RecordedDay> out;
    const ResultSet rs = db.select(
        QStringLiteral("SELECT 健康状態管理ID, 日付 FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 <= ? "
                       "ORDER BY 日付 DESC, 健康状態管理ID DESC LIMIT ?"),
        {simeiId, dateParam(upTo), limit});
    for (const QVariantList &r : rs.rows)
        out.append({r.value(0).toLongLong(), toDate(r.value(1))});
    return out;
}

QList<QDate> daysWithDishes(const Database &db, qint64 simeiId)
{
    QList<QDate> out;
    const ResultSet rs = db.select(
        QStringLiteral("SELECT DISTINCT k.日付 FROM 健康状態管理 k WHERE k.氏名ID = ? AND EXISTS "
                       "(SELECT 1 FROM 摂取料理 r WHERE r.健康状態管理ID = k.健康状態管理ID) ORDER BY k.日付"),
        {simeiId});
    out.reserve(rs.rows.size());
    for (const QVariantList &r : rs.rows)
        out << toDate(r.value(0));
    return out;
}

QString copyDayText(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy年MM月dd日"));
}

QList<DishName> dishNames(const Database &db, qint64 kkId)
{
    QList<DishName> out;
    const ResultSet rs = db.select(
        QStringLiteral("SELECT 摂取料理ID, 料理名, 食事区分 FROM 摂取料理 WHERE 健康状態管理ID = ? "
                       "ORDER BY CASE 食事区分 WHEN '朝食' THEN 1 WHEN '昼食' THEN 2 WHEN '夕食' THEN 3 "
                       "WHEN 'その他' THEN 4 ELSE 5 END, 料理名, 摂取料理ID"),
        {kkId});
    for (const QVariantList &r : rs.rows)
        out.append({r.value(0).toLongLong(), r.value(1).toString(), r.value(2).toString()});
    return out;
}

qint64 copyDishes(Database &db, qint64 targetKK, const QList<qint64> &sourceSerIds)
{
    qint64 last = 0;
    db.transaction([&] {
        for (qint64 src : sourceSerIds) {
            const auto dish = db.selectOne(
                QStringLiteral("SELECT 料理名, 食事区分, 料理分量, 料理名ID FROM 摂取料理 WHERE 摂取料理ID = ?"),
                {src});
            if (!dish)
                continue;
            QVariantMap row = *dish;
            row.insert(QStringLiteral("健康状態管理ID"), targetKK);
            const qint64 serId = db.insert(kRyouri, row);
            last = serId;
            const ResultSet foods = db.select(
                QStringLiteral("SELECT 成分表ID, 分量, 調理法ID FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID"),
                {src});
            for (const QVariantList &f : foods.rows) {
                db.insert(kSyokuhin, {{QStringLiteral("健康状態管理ID"), targetKK},
                                      {QStringLiteral("摂取料理ID"), serId},
                                      {QStringLiteral("成分表ID"), f.value(0)},
                                      {QStringLiteral("分量"), f.value(1)},
                                      {QStringLiteral("調理法ID"), f.value(2)}});
            }
        }
    });
    return last;
}

QString copyQuestion(int checkedCount)
{
    return QStringLiteral("選択された ") + QString::number(checkedCount)
        + QStringLiteral(" つの料理を本日食べた料理に追加します。\r\nよろしいですか？");
}

} // namespace mirte
