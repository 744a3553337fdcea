#include "seiken_core.h"

#include "csv.h"
#include "kana.h"

#include <QList>
#include <QPair>

namespace mirte {

std::array<KensakuJouken, kSeiKenTabs> G_Kensaku_Jouken{};

QString zenSyokuhin()
{
    return QStringLiteral("全食品");
}

void Jouken_Reset()
{
    for (KensakuJouken &j : G_Kensaku_Jouken)
        j = {zenSyokuhin(), QString()};
}

const QStringList &sibousanNames()
{
    static const QStringList names{
        "酪酸", "ヘキサン酸", "オクタン酸", "デカン酸", "デセン酸", "ラウリン酸", "ミリスチン酸",
        "ミリストレイン酸", "ペンタデカン酸", "ペンタデカン酸ant", "ペンタデセン酸", "パルミチン酸",
        "パルミチン酸iso", "パルミトレイン酸", "ヘキサデカトリエン酸", "ヘクサデカテトラエン酸",
        "ヘプタデカン酸", "ヘプタデカン酸ant", "ヘプタデセン酸", "ヘプタデカジエン酸", "ステアリン酸",
        "オレイン酸", "リノール酸n-6", "リノレン酸n-3", "γリノレン酸n-6", "オクタデカテトラエン酸",
        "アラキジン酸", "イコセン酸", "イコサジエン酸n-6", "イコサトリエン酸n-6", "イコサテトラエン酸n-3",
        "アラキドン酸n-6", "イコサペンタエン酸n-3", "ベヘン酸", "ドコセン酸", "ドコサジエン酸",
        "ドコサテトラエン酸", "ドコサペンタエン酸n-3", "ドコサペンタエン酸n-6", "ドコサヘキサエン酸n-3",
        "リグノセリン酸", "テトラコセン酸"};
    return names;
}

namespace {

// Names with a hyphen need brackets in SQL.
QString bracketed(const QString &name)
{
    return name.contains(QLatin1Char('-')) ? QLatin1Char('[') + name + QLatin1Char(']') : name;
}

QString sibouQuery(bool kasyoku)
{
    QString q = QStringLiteral("SELECT 脂肪酸組成表.成分表ID, 食品番号, 食品群, 食品名, 細分, 脂肪酸・総量, "
                               "脂肪酸・飽和, 脂肪酸・不飽和・一価, 脂肪酸・不飽和・多価");
    for (const QString &n : sibousanNames()) {
        q += QStringLiteral(", ");
        if (kasyoku)
            // Per 100 g of the edible part; the alias ends in K (inside the brackets).
            q += bracketed(n) + QStringLiteral("*脂肪酸・総量/100 AS ") + bracketed(n + QLatin1Char('K'));
        else
            q += bracketed(n);
    }
    q += QStringLiteral(", 脂肪酸組成表.配布元, 成分表.分量目安"
                        " FROM 成分表 INNER JOIN 脂肪酸組成表 ON 成分表.成分表ID = 脂肪酸組成表.成分表ID");
    return q;
}

// Folded synonym word -> folded meaning, as shipped with the seed data.
const QList<QPair<QString, QString>> &synonyms()
{
    static const QList<QPair<QString, QString>> list = [] {
        QList<QPair<QString, QString>> out;
        try {
            const CsvTable t = CsvTable::read(QStringLiteral(":/foods/synonyms.csv"));
            for (qsizetype r = 0; r < t.size(); ++r) {
                const QString word = foldForSearch(t.value(r, QStringLiteral("語")));
                const QString target = foldForSearch(t.value(r, QStringLiteral("対象")));
                if (!word.isEmpty() && !target.isEmpty() && word != target)
                    out.append({word, target});
            }
        } catch (const CsvError &) {
            // Without the list the search still finds everything spelled as in the table.
        }
        return out;
    }();
    return list;
}

} // namespace

QString baseQuery(SeibunKind kind)
{
    switch (kind) {
    case SeibunKind::Seibun:
        return QStringLiteral(
            "SELECT 成分表ID, 食品番号, 食品群, 食品名, 細分, 廃棄率, エネルギー, 水分, たんぱく質, 脂質,"
            " 炭水化物, 灰分, ナトリウム, カリウム, カルシウム, マグネシウム, リン, 鉄, 亜鉛, 銅,"
            " レチノール, カロテン, ビタミンＡ, ビタミンＤ, ビタミンＥ, ビタミンＫ, ビタミンＢ１, ビタミンＢ２,"
            " ナイアシン, ビタミンＢ６, ビタミンＢ１２, 葉酸, パントテン酸, ビタミンＣ, 飽和脂肪酸, 一価不飽和脂肪酸,"
            " 多価不飽和脂肪酸, コレステロール, 水溶性食物繊維, 不溶性食物繊維, 食物繊維総量, 食塩相当量, マンガン,"
            " 分量目安, 備考, 補足, 別名, 配布元 FROM 成分表");
    case SeibunKind::Amino:
        return QStringLiteral(
            "SELECT アミノ酸組成表.成分表ID, 成分表.食品番号, 成分表.食品群, 成分表.食品名, 成分表.細分,"
            " アミノ酸組成表.イソロイシン, アミノ酸組成表.ロイシン, アミノ酸組成表.リジン,"
            " アミノ酸組成表.含硫アミノ酸・メチオニン, アミノ酸組成表.含硫アミノ酸・シスチン,"
            " アミノ酸組成表.含硫アミノ酸・合計, アミノ酸組成表.芳香族アミノ酸・フェニルアラニン,"
            " アミノ酸組成表.芳香族アミノ酸・チロシン, アミノ酸組成表.芳香族アミノ酸・合計,"
            " アミノ酸組成表.スレオニン, アミノ酸組成表.トリプトファン, アミノ酸組成表.パリン,"
            " アミノ酸組成表.ヒスチジン, アミノ酸組成表.アルギニン, アミノ酸組成表.アラニン,"
            " アミノ酸組成表.アスパラギン酸, アミノ酸組成表.グルタミン酸, アミノ酸組成表.グリシン,"
            " アミノ酸組成表.プロリン, アミノ酸組成表.セリン, アミノ酸組成表.アミノ酸スコア,"
            " アミノ酸組成表.配布元, 成分表.分量目安"
            " FROM 成分表 INNER JOIN アミノ酸組成表 ON 成分表.成分表ID = アミノ酸組成表.成分表ID");
    case SeibunKind::Sibou:
        return sibouQuery(false);
    case SeibunKind::SibouKasyoku:
        return sibouQuery(true);
    }
    return QString();
}

const QStringList &searchColumns()
{
    static const QStringList cols{"食品名", "細分", "補足", "別名", "検索"};
    return cols;
}

QStringList searchWords(const QString &text)
{
    QStringList words;
    auto add = [&](const QString &w) {
        if (!w.isEmpty() && !words.contains(w))
            words << w;
    };
    add(text);
    const QString folded = foldForSearch(text);
    add(folded);
    for (const auto &[word, target] : synonyms())
        if (folded.contains(word))
            add(QString(folded).replace(word, target));
    return words;
}

QString likePattern(const QString &word)
{
    QString p;
    p.reserve(word.size() + 2);
    p += QLatin1Char('%');
    for (QChar c : word) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            p += QLatin1Char('\\');
        p += c;
    }
    p += QLatin1Char('%');
    return p;
}

SeibunQuery Jouken_SQL(SeibunKind kind, const QString &gun, const QString &text)
{
    SeibunQuery q;
    q.sql = baseQuery(kind);
    // The joined kinds name every column of 成分表 with its table.
    const QString t = kind == SeibunKind::Seibun ? QString() : QStringLiteral("成分表.");
    const bool byGun = !gun.isEmpty() && gun != zenSyokuhin();
    const QStringList words = text.isEmpty() ? QStringList() : searchWords(text);

    QStringList where;
    if (byGun) {
        where << QStringLiteral("(%1食品群) = ?").arg(t);
        q.params << gun;
    }
    if (!words.isEmpty()) {
        QStringList any;
        for (const QString &w : words) {
            const QString pattern = likePattern(w);
            for (const QString &c : searchColumns()) {
                any << QStringLiteral("(%1%2) LIKE ? ESCAPE '\\'").arg(t, c);
                q.params << pattern;
            }
        }
        where << QLatin1Char('(') + any.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    }
    if (!where.isEmpty())
        q.sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    q.sql += QStringLiteral(" ORDER BY %1成分表ID").arg(kind == SeibunKind::Seibun ? QString() : QStringLiteral("成分表."));
    return q;
}

ResultSet seibunRows(SeibunKind kind, const QString &gun, const QString &text)
{
    const SeibunQuery q = Jouken_SQL(kind, gun, text);
    return G_DB().select(q.sql, q.params);
}

} // namespace mirte
