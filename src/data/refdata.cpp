#include "refdata.h"
#include "yomi.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace mirte {

namespace {

struct Usage {
    QString table;
    QString column;
};

struct RefTable {
    QString name;
    QStringList keys;
    // A row whose key appears in one of these places is still in use and is never deleted.
    QList<Usage> usedBy;
};

const QList<RefTable> &refTables()
{
    const QList<Usage> foodUse{{QStringLiteral("材料"), QStringLiteral("成分表ID")},
                               {QStringLiteral("摂取食品"), QStringLiteral("成分表ID")}};
    static const QList<RefTable> t{
        {QStringLiteral("調理法"), {QStringLiteral("調理法ID")},
         {{QStringLiteral("材料"), QStringLiteral("調理法ID")},
          {QStringLiteral("摂取食品"), QStringLiteral("調理法ID")}}},
        {QStringLiteral("成分表"), {QStringLiteral("成分表ID")}, foodUse},
        // A food kept for a record keeps its amino-acid and fatty-acid rows too.
        {QStringLiteral("アミノ酸組成表"), {QStringLiteral("成分表ID")}, foodUse},
        {QStringLiteral("脂肪酸組成表"), {QStringLiteral("成分表ID")}, foodUse},
        {QStringLiteral("標準所要量"), {QStringLiteral("標準所要量ID")}, {}},
        {QStringLiteral("基礎代謝基準値"), {QStringLiteral("年齢１"), QStringLiteral("性別")}, {}},
        {QStringLiteral("エネルギー消費量"), {QStringLiteral("エネルギー消費量ID")},
         {{QStringLiteral("運動時間"), QStringLiteral("エネルギー消費量ID")}}},
        // The household's own readings are marked by 配布元 and never touched.
        {QStringLiteral("読み"), {QStringLiteral("名前")}, {}},
    };
    return t;
}

bool isNumber(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}

QString rowKey(const QVariantList &row, const QList<int> &keyCols)
{
    QStringList parts;
    for (int c : keyCols)
        parts << (row.at(c).isNull() ? QStringLiteral("\x01") : row.at(c).toString());
    return parts.join(QChar(0x1F));
}

QString keyWhere(const QStringList &keys)
{
    QStringList w;
    for (const QString &k : keys)
        w << Database::quoteId(k) + QStringLiteral("=?");
    return w.join(QStringLiteral(" AND "));
}

// Brings one table up to the seed's rows; deletions are left to a second pass so that a table
// is emptied only after the tables pointing at it.
int upsertTable(Database &user, const Database &seed, const RefTable &t, QList<QVariantList> &gone)
{
    const QStringList userCols = user.columns(t.name);
    QStringList cols;
    for (const QString &c : seed.columns(t.name))
        if (userCols.contains(c))
            cols << c;
    for (const QString &k : t.keys)
        if (!cols.contains(k))
            throw DbError(3265, QStringLiteral("テーブル '%1' に列 '%2' がありません。").arg(t.name, k));

    QStringList quoted;
    for (const QString &c : cols)
        quoted << Database::quoteId(c);
    const QString select = QStringLiteral("SELECT %1 FROM %2").arg(quoted.join(QLatin1Char(',')),
                                                                   Database::quoteId(t.name));
    const ResultSet theirs = seed.select(select);
    const ResultSet ours = user.select(select);

    QList<int> keyCols;
    for (const QString &k : t.keys)
        keyCols << int(cols.indexOf(k));
    QHash<QString, qsizetype> ourIndex;
    for (qsizetype i = 0; i < ours.size(); ++i)
        ourIndex.insert(rowKey(ours.rows.at(i), keyCols), i);
    // A row whose 配布元 is set and not 0 is the household's own, not shipped data.
    const int originCol = int(cols.indexOf(QStringLiteral("配布元")));
    auto householdRow = [originCol](const QVariantList &row) {
        const QVariant &o = originCol >= 0 ? row.at(originCol) : QVariant();
        return !o.isNull() && o.toDouble() != 0;
    };

    QStringList marks, sets;
    QStringList valueCols;
    for (int c = 0; c < cols.size(); ++c) {
        marks << QStringLiteral("?");
        if (!keyCols.contains(c)) {
            sets << quoted.at(c) + QStringLiteral("=?");
            valueCols << cols.at(c);
        }
    }
    const QString insertSql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(Database::quoteId(t.name), quoted.join(QLatin1Char(',')),
                                       marks.join(QLatin1Char(',')));
    const QString updateSql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                  .arg(Database::quoteId(t.name), sets.join(QLatin1Char(',')),
                                       keyWhere(t.keys));

    int changes = 0;
    QSet<QString> seen;
    for (const QVariantList &row : theirs.rows) {
        const QString key = rowKey(row, keyCols);
        seen.insert(key);
        const auto it = ourIndex.constFind(key);
        if (it == ourIndex.constEnd()) {
            user.exec(insertSql, row);
            ++changes;
            continue;
        }
        const QVariantList &mine = ours.rows.at(*it);
        if (householdRow(mine))
            continue;
        bool differs = false;
        for (int c = 0; c < cols.size() && !differs; ++c)
            differs = !sameValue(row.at(c), mine.at(c));
        if (!differs || sets.isEmpty())
            continue;
        QVariantList params;
        for (int c = 0; c < cols.size(); ++c)
            if (!keyCols.contains(c))
                params << row.at(c);
        for (int c : keyCols)
            params << row.at(c);
        user.exec(updateSql, params);
        ++changes;
    }
    for (const QVariantList &row : ours.rows) {
        if (seen.contains(rowKey(row, keyCols)) || householdRow(row))
            continue;
        QVariantList key;
        for (int c : keyCols)
            key << row.at(c);
        gone << key;
    }
    return changes;
}

int deleteUnused(Database &user, const RefTable &t, const QList<QVariantList> &gone)
{
    const QStringList present = user.tables();
    int changes = 0;
    const QString deleteSql =
        QStringLiteral("DELETE FROM %1 WHERE %2").arg(Database::quoteId(t.name), keyWhere(t.keys));
    for (const QVariantList &key : gone) {
        bool used = false;
        for (const Usage &u : t.usedBy) {
            if (!present.contains(u.table))
                continue;
            used = user.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1 WHERE %2=?)")
                                   .arg(Database::quoteId(u.table), Database::quoteId(u.column)),
                               {key.first()})
                       .toBool();
            if (used)
                break;
        }
        if (!used)
            changes += user.exec(deleteSql, key);
    }
    return changes;
}

// A private connection to the seed, closed when it goes out of scope.
class SeedConnection {
public:
    explicit SeedConnection(const QString &path)
        : m_db(QStringLiteral("mirte_seed_%1").arg(counter().fetchAndAddRelaxed(1)))
    {
        m_db.open(path);
    }
    const Database &db() const { return m_db; }

private:
    static QAtomicInt &counter()
    {
        static QAtomicInt n;
        return n;
    }
    Database m_db;
};

} // namespace

QString referenceVersionName()
{
    return QStringLiteral("参照データ");
}

int referenceVersion(const Database &db)
{
    if (!db.tables().contains(QStringLiteral("参照データ版")))
        return 0;
    return db.scalar(QStringLiteral("SELECT 版 FROM 参照データ版 WHERE 名称=?"), {referenceVersionName()})
        .toInt();
}

const QStringList &referenceTables()
{
    static const QStringList names = [] {
        QStringList n;
        for (const RefTable &t : refTables())
            n << t.name;
        return n;
    }();
    return names;
}

int seedReferenceVersion(const QString &seedPath)
{
    SeedConnection seed(seedPath);
    return referenceVersion(seed.db());
}

bool refreshReferenceData(Database &user, const QString &seedPath)
{
    if (!user.isOpen())
        throw DbError(3420, QStringLiteral("データベースが開かれていません。"));
    SeedConnection seed(seedPath);
    const int shipped = referenceVersion(seed.db());
    if (shipped <= 0)
        throw DbError(3078, QStringLiteral("'%1' に参照データの版がありません。").arg(seedPath));
    if (referenceVersion(user) >= shipped)
        return false;

    int changes = 0;
    user.transaction([&] {
        // Files made before the readings existed get their table first.
        Yomi_Table_Junbi(user);
        QList<QList<QVariantList>> gone;
        const QStringList seedTables = seed.db().tables();
        for (const RefTable &t : refTables()) {
            gone.append(QList<QVariantList>());
            // A seed without a table (the readings) leaves the file's rows as they are.
            if (seedTables.contains(t.name))
                changes += upsertTable(user, seed.db(), t, gone.last());
        }
        for (qsizetype i = refTables().size() - 1; i >= 0; --i)
            changes += deleteUnused(user, refTables().at(i), gone.at(i));
        // Files made before the version table existed get it now.
        user.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS 参照データ版 (名称 TEXT PRIMARY KEY, 版 INTEGER NOT NULL)"));
        changes += user.exec(QStringLiteral("INSERT OR REPLACE INTO 参照データ版 (名称, 版) VALUES (?, ?)"),
                             {referenceVersionName(), shipped});
    });
    return changes > 0;
}

void createFromSeed(const QString &seedPath, const QString &targetPath)
{
    if (!QFileInfo::exists(seedPath))
        throw DbError(3024, QStringLiteral("ファイル '%1' が見つかりません。").arg(seedPath));
    if (QFileInfo::exists(targetPath))
        throw DbError(3204, QStringLiteral("ファイル '%1' は既に存在します。").arg(targetPath));
    const QFileInfo target(targetPath);
    if (!QDir().mkpath(target.absolutePath()))
        throw DbError(3044, QStringLiteral("フォルダ '%1' を作れません。").arg(target.absolutePath()));
    // Copy beside the target first, so that a failed copy never leaves a half file under its name.
    const QString part = targetPath + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(seedPath, part)) {
        QFile::remove(part);
        throw DbError(3051, QStringLiteral("ファイル '%1' を作れません。").arg(targetPath));
    }
    QFile::setPermissions(part, QFile::permissions(part) | QFile::WriteOwner | QFile::ReadOwner);
    if (!QFile::rename(part, targetPath)) {
        QFile::remove(part);
        throw DbError(3204, QStringLiteral("ファイル '%1' は既に存在します。").arg(targetPath));
    }
}

} // namespace mirte
