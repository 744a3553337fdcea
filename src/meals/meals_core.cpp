#include "meals_core.h"

#include "b_01.h"
#include "kana.h"

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
    ResultSet rs = db.select(
        QStringLiteral("SELECT 料理分類.料理分類 AS 料理分類, 料理名.料理名 AS 料理名, "
                       "料理名.料理分類ID AS 料理分類ID, 料理名.料理名ID AS 料理名ID "
                       "FROM 料理分類 INNER JOIN 料理名 ON 料理分類.料理分類ID = 料理名.料理分類ID "
                       "WHERE (? = 0 OR 料理名.料理分類ID = ?) "
                       "ORDER BY 料理分類.料理分類, 料理名.料理名"),
        {categoryId, categoryId});
    const QString key = foldForSearch(search);
    if (key.isEmpty())
        return rs;
    // The name has no search column: both sides are folded here, and the text is matched as it
    // is, so that % _ ' * find themselves.
    QList<QVariantList> kept;
    for (QVariantList &r : rs.rows) {
        if (foldForSearch(r.value(1).toString()).contains(key))
            kept.append(std::move(r));
    }
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
        QStringLiteral("SELECT 摂取料理ID, 料理名 FROM 摂取料理 WHERE 健康状態管理ID = ? ORDER BY 料理名, 摂取料理ID"),
        {kkId});
    for (const QVariantList &r : rs.rows)
        out.append({r.value(0).toLongLong(), r.value(1).toString()});
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
