#include "b_00.h"

#include "database.h"

namespace mirte {

QString Apos_Double(const QString &in)
{
    QString out = in;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

qint64 MainUser_Get(const Database &db)
{
    const QVariant main = db.scalar(QStringLiteral("SELECT MAINUSER FROM USERCHECK ORDER BY rowid LIMIT 1"));
    if (main.isNull())
        return 0;
    const qint64 id = main.toLongLong();
    if (id == 0)
        return 0;
    const QVariant found = db.scalar(QStringLiteral("SELECT 氏名ID FROM 個人データ WHERE 氏名ID = ?"), {id});
    return found.isNull() ? 0 : id;
}

int Flg_To_Check(const QVariant &flag)
{
    return !flag.isNull() && flag.toBool() ? 1 : 0;
}

bool Check_To_Flg(int checkValue)
{
    return checkValue == 1;
}

QString Str_Del(const QString &text, const QString &sub)
{
    if (sub.isEmpty())
        return text;
    const qsizetype at = text.indexOf(sub);
    if (at < 0)
        return text;
    QString out = text;
    out.remove(at, sub.size());
    return out;
}

QString Str_DelAll(const QString &text, const QString &sub)
{
    QString cur = text;
    for (;;) {
        const QString next = Str_Del(cur, sub);
        if (next.size() == cur.size())
            return cur;
        cur = next;
    }
}

} // namespace mirte
