#include "yomi.h"

#include "csv.h"
#include "database.h"
#include "kana.h"

#include <algorithm>

namespace mirte {

namespace {
struct Words {
    QList<QPair<QString, QString>> kotei, iikae;
};

const Words &words()
{
    static const Words w = [] {
        Words out;
        try {
            const CsvTable t = CsvTable::read(QStringLiteral(":/mirte/yomi_words.csv"));
            for (qsizetype r = 0; r < t.size(); ++r) {
                const QString word = foldForSearch(t.value(r, QStringLiteral("語")));
                const QString target = foldForSearch(t.value(r, QStringLiteral("対象")));
                if (word.isEmpty() || target.isEmpty())
                    continue;
                (t.value(r, QStringLiteral("種類")) == QStringLiteral("読み") ? out.kotei : out.iikae)
                    .append({word, target});
            }
        } catch (const CsvError &) {
            // Without the list, readings and spellings still find the names.
        }
        // The longest word first: 焼き鮭 is やきざけ before 鮭 alone is read.
        std::stable_sort(out.kotei.begin(), out.kotei.end(),
                         [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
        return out;
    }();
    return w;
}
} // namespace

const QList<QPair<QString, QString>> &Yomi_Kotei()
{
    return words().kotei;
}

const QList<QPair<QString, QString>> &Yomi_Iikae()
{
    return words().iikae;
}

QStringList Yomi_Kensaku_Keys(const QString &text)
{
    const QString folded = foldForSearch(text);
    if (folded.isEmpty())
        return {};
    QStringList keys{folded};
    for (const auto &[word, target] : Yomi_Iikae()) {
        if (folded.contains(word)) {
            const QString k = QString(folded).replace(word, target);
            if (!keys.contains(k))
                keys << k;
        }
    }
    return keys;
}

bool Yomi_Match(const QStringList &keys, const QString &name, const QString &readings)
{
    const QString folded = foldForSearch(name);
    for (const QString &k : keys) {
        if (folded.contains(k) || readings.contains(k))
            return true;
    }
    return false;
}

void Yomi_Table_Junbi(Database &db)
{
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS 読み (名前 TEXT PRIMARY KEY, 読み TEXT NOT NULL, "
                           "配布元 INTEGER NOT NULL DEFAULT 1)"));
}

QString Yomi_Yomikomi(const Database &db, const QString &name)
{
    return db.scalar(QStringLiteral("SELECT 読み FROM 読み WHERE 名前 = ?"), {name}).toString();
}

void Yomi_Kakikomi(Database &db, const QString &name, const QString &readings)
{
    if (name.trimmed().isEmpty() || readings.isEmpty())
        return;
    // A shipped reading (配布元 0) stays; the household's own is refreshed with the name.
    db.exec(QStringLiteral("INSERT INTO 読み (名前, 読み, 配布元) VALUES (?, ?, 1) "
                           "ON CONFLICT(名前) DO UPDATE SET 読み = excluded.読み WHERE 配布元 <> 0"),
            {name, readings});
}

} // namespace mirte
