#include "seedbuilder.h"

#include "csv.h"
#include "database.h"
#include "kana.h"
#include "yomi_mecab.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <cmath>

namespace mirte::seed {

namespace {

// Columns of the data files that are notes for people, not data.
const QStringList noteColumns{QStringLiteral("source")};

QHash<QString, QString> columnTypes(const Database &db, const QString &table)
{
    QHash<QString, QString> types;
    const ResultSet rs = db.select(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {table});
    for (const auto &r : rs.rows)
        types.insert(r.at(0).toString(), r.at(1).toString().toUpper());
    return types;
}

double toNumber(const QString &text, const QString &where)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw BuildError(QStringLiteral("%1: '%2' is not a number").arg(where, text));
    return v;
}

// A cell as the column wants it: empty is NULL (never 0), numbers for numeric columns.
QVariant cell(const QString &text, const QString &type, const QString &where)
{
    if (text.trimmed().isEmpty())
        return QVariant();
    if (type == QLatin1String("REAL"))
        return toNumber(text, where);
    if (type == QLatin1String("INTEGER")) {
        const double v = toNumber(text, where);
        if (v != std::floor(v))
            throw BuildError(QStringLiteral("%1: '%2' is not a whole number").arg(where, text));
        return qint64(v);
    }
    return text;
}

QString insertSql(const QString &table, const QStringList &cols)
{
    QStringList quoted, marks;
    for (const QString &c : cols) {
        quoted << Database::quoteId(c);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(Database::quoteId(table), quoted.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

// Copies every row of a data file whose header names are the table's columns.
// extra: further columns with one value for every row; rowHook may fill more per row.
template <class Hook>
int loadTable(Database &db, const QString &table, const CsvTable &csv, const QVariantMap &extra, Hook &&rowHook)
{
    const auto types = columnTypes(db, table);
    QStringList cols;
    QList<int> from;
    for (int i = 0; i < csv.header().size(); ++i) {
        const QString &h = csv.header().at(i);
        if (noteColumns.contains(h))
            continue;
        if (!types.contains(h))
            throw BuildError(QStringLiteral("%1: column '%2' is not in table %3").arg(csv.name(), h, table));
        cols << h;
        from << i;
    }
    QVariantMap sample = extra;
    rowHook(qsizetype(-1), sample); // lets the hook name its columns
    const QStringList extraCols = sample.keys();
    const QString sql = insertSql(table, cols + extraCols);
    for (qsizetype r = 0; r < csv.size(); ++r) {
        const QStringList &row = csv.rows().at(r);
        const QString where = QStringLiteral("%1 line %2").arg(csv.name()).arg(r + 2);
        QVariantList params;
        for (int i = 0; i < cols.size(); ++i)
            params << cell(row.at(from.at(i)), types.value(cols.at(i)), where + QLatin1Char(' ') + cols.at(i));
        QVariantMap more = extra;
        rowHook(r, more);
        for (const QString &c : extraCols)
            params << more.value(c);
        db.exec(sql, params);
    }
    return int(csv.size());
}

int loadTable(Database &db, const QString &table, const CsvTable &csv, const QVariantMap &extra = {})
{
    return loadTable(db, table, csv, extra, [](qsizetype, QVariantMap &) {});
}

// "20-30" gives 30: a range of the standards is read by its upper bound.
double upperBound(const QString &text, const QString &where)
{
    QString t = text.trimmed();
    for (const QChar sep : {QChar(u'-'), QChar(u'〜'), QChar(u'～')}) {
        const qsizetype i = t.lastIndexOf(sep);
        if (i > 0) {
            t = t.mid(i + 1);
            break;
        }
    }
    return toNumber(t, where);
}

struct Quadratic {
    double a = 0, b = 0, c = 0;
    double at(double h) const { return a * h * h + b * h + c; }
};

// Dietary standards: one row per selection key, coefficients derived from the published values.
int loadStandards(Database &db, const CsvTable &facts, const CsvTable &weights)
{
    QMap<QPair<int, int>, Quadratic> refWeight; // (decade, sex) -> reference weight by height
    for (qsizetype r = 0; r < weights.size(); ++r) {
        const QString where = QStringLiteral("%1 line %2").arg(weights.name()).arg(r + 2);
        const int decade = int(toNumber(weights.value(r, QStringLiteral("年齢（範囲１）")), where));
        const int sex = int(toNumber(weights.value(r, QStringLiteral("性別")), where));
        refWeight.insert({decade, sex},
                         {toNumber(weights.value(r, QStringLiteral("係数Ａ")), where),
                          toNumber(weights.value(r, QStringLiteral("係数Ｂ")), where),
                          toNumber(weights.value(r, QStringLiteral("係数Ｃ")), where)});
    }

    // Nutrients with a coefficient group; the ones marked follow height from age 20.
    const QList<QPair<QString, bool>> groups{
        {QStringLiteral("エネルギー"), true},   {QStringLiteral("たんぱく質"), true},
        {QStringLiteral("脂肪エネルギー比率"), false}, {QStringLiteral("カルシウム"), false},
        {QStringLiteral("鉄"), false},          {QStringLiteral("ビタミンＡ"), false},
        {QStringLiteral("ビタミンＢ１"), true},  {QStringLiteral("ビタミンＢ２"), true},
        {QStringLiteral("ビタミンＣ"), false},   {QStringLiteral("ビタミンＤ"), false},
        {QStringLiteral("ビタミンＥ"), false},   {QStringLiteral("ナイアシン"), true}};
    const QStringList plain{QStringLiteral("ビタミンＫ"), QStringLiteral("ビタミンＢ６"), QStringLiteral("葉酸"),
                            QStringLiteral("ビタミンＢ１２"), QStringLiteral("パントテン酸"), QStringLiteral("リン"),
                            QStringLiteral("マグネシウム"), QStringLiteral("カリウム"), QStringLiteral("銅"),
                            QStringLiteral("マンガン"), QStringLiteral("亜鉛")};

    QStringList cols{QStringLiteral("標準所要量ID"), QStringLiteral("年齢（範囲１）"), QStringLiteral("性別"),
                     QStringLiteral("生活強度")};
    for (const auto &g : groups)
        for (const QString &s : {QStringLiteral("係数Ａ"), QStringLiteral("係数Ｂ"), QStringLiteral("係数Ｃ")})
            cols << g.first + s;
    cols << plain;
    const QString sql = insertSql(QStringLiteral("標準所要量"), cols);

    QSet<QString> keys;
    for (qsizetype r = 0; r < facts.size(); ++r) {
        const QString where = QStringLiteral("%1 line %2").arg(facts.name()).arg(r + 2);
        const double age = toNumber(facts.value(r, QStringLiteral("年齢（範囲１）")), where);
        const QVariant sex = cell(facts.value(r, QStringLiteral("性別")), QStringLiteral("INTEGER"), where);
        const QVariant intensity = cell(facts.value(r, QStringLiteral("生活強度")), QStringLiteral("INTEGER"), where);
        const QString key = QStringLiteral("%1/%2/%3").arg(age).arg(sex.toString(), intensity.toString());
        if (keys.contains(key))
            throw BuildError(QStringLiteral("%1: key %2 appears twice").arg(where, key));
        keys.insert(key);

        Quadratic scale; // unit quadratic of the person's height, 1 at the reference height
        const bool byHeight = age >= 20;
        if (byHeight) {
            const int decade = std::min(int(age) / 10 * 10, 60);
            const auto it = refWeight.constFind({decade, sex.toInt()});
            if (it == refWeight.constEnd())
                throw BuildError(QStringLiteral("%1: no reference weight for %2 / sex %3").arg(where).arg(decade).arg(sex.toInt()));
            const double h = toNumber(facts.value(r, QStringLiteral("reference_height_cm")), where);
            const double w = it->at(h);
            scale = {it->a / w, it->b / w, it->c / w};
        }

        QVariantList params{r + 1, age, sex, intensity};
        for (const auto &g : groups) {
            const QString text = facts.value(r, g.first);
            const double v = g.first == QStringLiteral("脂肪エネルギー比率") ? upperBound(text, where)
                                                                         : toNumber(text, where + QLatin1Char(' ') + g.first);
            if (byHeight && g.second)
                params << v * scale.a << v * scale.b << v * scale.c;
            else
                params << 0.0 << 0.0 << v;
        }
        for (const QString &p : plain)
            params << toNumber(facts.value(r, p), where + QLatin1Char(' ') + p);
        db.exec(sql, params);
    }
    return int(facts.size());
}

struct Food {
    QString name;  // 食品名
    QString folded; // name, sub-division and alias, folded
    QString foldedName;
    QStringList keys; // words of the search column
};

qint64 foodId(const QString &number, const QString &where)
{
    const QString n = number.trimmed();
    bool ok = false;
    const qint64 id = n.toLongLong(&ok);
    if (!ok || n.size() != 5)
        throw BuildError(QStringLiteral("%1: '%2' is not a five-digit food number").arg(where, number));
    return id;
}

void checkNote(const QHash<qint64, Food> &foods, qint64 id, const QString &note, const QString &where)
{
    const auto it = foods.constFind(id);
    if (it == foods.constEnd())
        throw BuildError(QStringLiteral("%1: food %2 is not in the composition table").arg(where).arg(id, 5, 10, QLatin1Char('0')));
    if (!note.trimmed().isEmpty() && note.trimmed() != it->name)
        throw BuildError(QStringLiteral("%1: food %2 is '%3', not '%4'").arg(where).arg(id, 5, 10, QLatin1Char('0')).arg(it->name, note));
}

} // namespace

Counts build(const QString &dataDir, const QString &outPath)
{
    const QDir dir(dataDir);
    auto file = [&](const QString &rel) { return CsvTable::read(dir.filePath(rel)); };

    const CsvTable seibun = file(QStringLiteral("food/seibun.csv"));
    const CsvTable amino = file(QStringLiteral("food/amino.csv"));
    const CsvTable fatty = file(QStringLiteral("food/fatty.csv"));
    const CsvTable servings = file(QStringLiteral("food/servings.csv"));
    const CsvTable synonyms = file(QStringLiteral("food/synonyms.csv"));
    const CsvTable basal = file(QStringLiteral("reference/basal_metabolism.csv"));
    const CsvTable facts = file(QStringLiteral("reference/rda_facts.csv"));
    const CsvTable weights = file(QStringLiteral("reference/reference_weight.csv"));
    const CsvTable activities = file(QStringLiteral("reference/activities.csv"));
    const CsvTable methods = file(QStringLiteral("reference/cooking_methods.csv"));
    const CsvTable version = file(QStringLiteral("reference/version.csv"));
    const CsvTable categories = file(QStringLiteral("catalogue/categories.csv"));
    const CsvTable dishes = file(QStringLiteral("catalogue/dishes.csv"));
    // The readings come from the analyser: without its dictionary no seed is built.
    if (!Yomi_Riyou_Kanou())
        throw BuildError(QStringLiteral("MeCab with a UTF-8 IPA dictionary is needed: %1").arg(Yomi_Riyou_Fuka_Riyuu()));

    Counts n;

    // Foods, their folded search words, synonyms and serving guides.
    QList<qint64> order;
    QHash<qint64, Food> foods;
    for (qsizetype r = 0; r < seibun.size(); ++r) {
        const QString where = QStringLiteral("%1 line %2").arg(seibun.name()).arg(r + 2);
        const qint64 id = foodId(seibun.value(r, QStringLiteral("食品番号")), where);
        if (id != seibun.value(r, QStringLiteral("成分表ID")).toLongLong())
            throw BuildError(QStringLiteral("%1: 成分表ID does not match 食品番号").arg(where));
        Food f;
        f.name = seibun.value(r, QStringLiteral("食品名"));
        f.foldedName = foldForSearch(f.name);
        for (const QString &c : {QStringLiteral("食品名"), QStringLiteral("細分"), QStringLiteral("別名")}) {
            const QString k = foldForSearch(seibun.value(r, c));
            if (!k.isEmpty())
                f.keys << k;
        }
        f.folded = f.keys.join(QLatin1Char(' '));
        if (foods.contains(id))
            throw BuildError(QStringLiteral("%1: food %2 appears twice").arg(where).arg(id));
        foods.insert(id, f);
        order << id;
    }
    for (qsizetype r = 0; r < synonyms.size(); ++r) {
        const QString where = QStringLiteral("%1 line %2").arg(synonyms.name()).arg(r + 2);
        const QString word = foldForSearch(synonyms.value(r, QStringLiteral("語")));
        const QString target = foldForSearch(synonyms.value(r, QStringLiteral("対象")));
        const QString scope = synonyms.value(r, QStringLiteral("範囲")).trimmed();
        if (word.isEmpty() || target.isEmpty())
            throw BuildError(QStringLiteral("%1: empty word or target").arg(where));
        // 食品名: the name is the target; 名前: the name holds it; 部分: name, sub-division or alias holds it.
        const bool wholeName = scope == QStringLiteral("食品名");
        const bool inName = scope == QStringLiteral("名前");
        if (!wholeName && !inName && scope != QStringLiteral("部分"))
            throw BuildError(QStringLiteral("%1: scope must be 食品名, 名前 or 部分, not '%2'").arg(where, scope));
        int hits = 0;
        for (Food &f : foods) {
            const bool match = wholeName ? f.foldedName == target
                : inName                 ? f.foldedName.contains(target)
                                         : f.folded.contains(target);
            if (!match)
                continue;
            ++hits;
            if (!f.keys.join(QLatin1Char(' ')).contains(word))
                f.keys << word;
        }
        if (hits == 0)
            throw BuildError(QStringLiteral("%1: '%2' matches no food").arg(where, target));
        ++n.synonyms;
    }
    QHash<qint64, QString> guide;
    for (qsizetype r = 0; r < servings.size(); ++r) {
        const QString where = QStringLiteral("%1 line %2").arg(servings.name()).arg(r + 2);
        const qint64 id = foodId(servings.value(r, QStringLiteral("食品番号")), where);
        checkNote(foods, id, servings.value(r, QStringLiteral("食品名")), where);
        const QString text = servings.value(r, QStringLiteral("分量目安")).trimmed();
        if (text.isEmpty())
            throw BuildError(QStringLiteral("%1: empty serving guide").arg(where));
        if (guide.contains(id))
            throw BuildError(QStringLiteral("%1: food %2 has a serving guide already").arg(where).arg(id));
        guide.insert(id, text);
    }
    n.servings = int(guide.size());

    const QString tmp = outPath + QStringLiteral(".tmp");
    QFile::remove(tmp);
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    try {
        Database db(QStringLiteral("mkseed"));
        db.create(tmp);
        db.transaction([&] {
            n.methods = loadTable(db, QStringLiteral("調理法"), methods);
            n.foods = loadTable(db, QStringLiteral("成分表"), seibun, {{QStringLiteral("配布元"), 0}},
                                [&](qsizetype r, QVariantMap &more) {
                                    more.insert(QStringLiteral("検索"), QVariant());
                                    more.insert(QStringLiteral("分量目安"), QVariant());
                                    if (r < 0)
                                        return;
                                    const Food &f = foods.value(order.at(r));
                                    QStringList keys = f.keys;
                                    // The name's readings: 人参 is found as にんじん without a synonym.
                                    for (const QString &y : Yomi_Keisan(f.name).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                                        if (!keys.join(QLatin1Char(' ')).contains(y))
                                            keys << y;
                                    more.insert(QStringLiteral("検索"), keys.join(QLatin1Char(' ')));
                                    const QString g = guide.value(order.at(r));
                                    if (!g.isEmpty())
                                        more.insert(QStringLiteral("分量目安"), g);
                                });
            n.amino = loadTable(db, QStringLiteral("アミノ酸組成表"), amino, {{QStringLiteral("配布元"), 0}});
            n.fatty = loadTable(db, QStringLiteral("脂肪酸組成表"), fatty, {{QStringLiteral("配布元"), 0}});
            n.basal = loadTable(db, QStringLiteral("基礎代謝基準値"), basal);
            n.standards = loadStandards(db, facts, weights);
            n.activities = loadTable(db, QStringLiteral("エネルギー消費量"), activities);
            loadTable(db, QStringLiteral("参照データ版"), version);

            // Dish catalogue: categories and dishes numbered in file order.
            QHash<QString, qint64> categoryId;
            for (qsizetype r = 0; r < categories.size(); ++r) {
                const QString name = categories.value(r, QStringLiteral("料理分類")).trimmed();
                if (name.isEmpty() || categoryId.contains(name))
                    throw BuildError(QStringLiteral("%1 line %2: empty or repeated category").arg(categories.name()).arg(r + 2));
                categoryId.insert(name, r + 1);
                db.exec(QStringLiteral("INSERT INTO 料理分類 (料理分類ID, 料理分類) VALUES (?, ?)"), {r + 1, name});
            }
            n.categories = int(categories.size());
            QHash<QString, qint64> methodId;
            for (const auto &r : db.select(QStringLiteral("SELECT 調理法ID, 調理法 FROM 調理法")).rows)
                methodId.insert(r.at(1).toString(), r.at(0).toLongLong());
            QHash<QString, qint64> dishId;
            QString current;
            for (qsizetype r = 0; r < dishes.size(); ++r) {
                const QString where = QStringLiteral("%1 line %2").arg(dishes.name()).arg(r + 2);
                const QString category = dishes.value(r, QStringLiteral("料理分類")).trimmed();
                const QString name = dishes.value(r, QStringLiteral("料理名")).trimmed();
                if (name.isEmpty() || !categoryId.contains(category))
                    throw BuildError(QStringLiteral("%1: no dish name or unknown category '%2'").arg(where, category));
                if (name != current) {
                    // Dish names are unique over the whole catalogue; a dish's lines stay together.
                    if (dishId.contains(name))
                        throw BuildError(QStringLiteral("%1: dish '%2' appears twice").arg(where, name));
                    const qint64 id = dishId.size() + 1;
                    db.exec(QStringLiteral("INSERT INTO 料理名 (料理名ID, 料理分類ID, 料理名, 配布元) VALUES (?, ?, ?, 0)"),
                            {id, categoryId.value(category), name});
                    dishId.insert(name, id);
                    current = name;
                }
                const qint64 food = foodId(dishes.value(r, QStringLiteral("食品番号")), where);
                checkNote(foods, food, dishes.value(r, QStringLiteral("食品名")), where);
                const double grams = toNumber(dishes.value(r, QStringLiteral("分量")), where);
                if (!(grams > 0))
                    throw BuildError(QStringLiteral("%1: quantity must be above 0").arg(where));
                const QString method = dishes.value(r, QStringLiteral("調理法")).trimmed();
                if (!method.isEmpty() && !methodId.contains(method))
                    throw BuildError(QStringLiteral("%1: unknown cooking method '%2'").arg(where, method));
                db.exec(QStringLiteral("INSERT INTO 材料 (料理名ID, 成分表ID, 調理法ID, 分量) VALUES (?, ?, ?, ?)"),
                        {dishId.value(name), food, method.isEmpty() ? 1 : methodId.value(method), grams});
                ++n.ingredients;
            }
            n.dishes = int(dishId.size());

            // How the shipped dishes and activities are read (みそしる finds 味噌汁).
            QStringList names = dishId.keys();
            for (const QVariantList &r : db.select(QStringLiteral("SELECT 運動名称 FROM エネルギー消費量")).rows)
                names << r.value(0).toString().trimmed();
            names.removeDuplicates();
            for (const QString &name : std::as_const(names)) {
                const QString readings = Yomi_Keisan(name);
                if (readings.isEmpty())
                    throw BuildError(QStringLiteral("no reading for '%1'").arg(name));
                db.exec(QStringLiteral("INSERT INTO 読み (名前, 読み, 配布元) VALUES (?, ?, 0)"), {name, readings});
                ++n.readings;
            }
        });
        db.close();
    } catch (...) {
        // The connection is gone with the scope; leave no half-built file behind.
        QFile::remove(tmp);
        throw;
    }
    QFile::remove(outPath);
    if (!QFile::rename(tmp, outPath))
        throw BuildError(QStringLiteral("cannot write %1").arg(outPath));
    return n;
}

} // namespace mirte::seed
