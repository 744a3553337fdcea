#include "kojin.h"

#include "b_00.h"
#include "b_01.h"
#include "database.h"

namespace mirte {

namespace {
const QString kTable = QStringLiteral("個人データ");
const QString kKey = QStringLiteral("氏名ID");

void setMainUser(qint64 id)
{
    Database &db = G_DB();
    if (db.exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = ? "
                               "WHERE rowid = (SELECT MIN(rowid) FROM USERCHECK)"),
                {id}) == 0)
        db.exec(QStringLiteral("INSERT INTO USERCHECK (MAINUSER) VALUES (?)"), {id});
}

void clearMainUserIf(qint64 id)
{
    G_DB().exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = 0 "
                               "WHERE rowid = (SELECT MIN(rowid) FROM USERCHECK) AND MAINUSER = ?"),
                {id});
}

QVariantMap baseColumns(const Kojin &k)
{
    return {{QStringLiteral("氏名"), k.name},
            {QStringLiteral("性別"), k.sex},
            {QStringLiteral("生年月日"), dateParam(k.birth)}};
}
} // namespace

const QStringList &KenkouFlgColumns()
{
    static const QStringList c{"身長flg", "体重flg", "心拍数flg", "血圧flg", "血糖値flg",
                               "体脂肪率flg", "歩数flg", "運動量（歩数計）flg", "体温flg"};
    return c;
}

const QStringList &KenkouValColumns()
{
    static const QStringList c{"身長", "体重", "心拍数", "血圧（下）", "血糖値",
                               "体脂肪率", "歩数", "運動量（歩数計）", "体温", "血圧（上）"};
    return c;
}

const QStringList &KenkouNames()
{
    static const QStringList c{"身長", "体重", "心拍数", "血圧", "血糖値",
                               "体脂肪率", "歩数", "運動量(歩数計)", "体温"};
    return c;
}

QString SetteiText(const QVariant &value)
{
    if (IsEmptyValue(value))
        return QStringLiteral("0");
    return QString::number(Val(value), 'g', 15);
}

QVariantMap SetteiColumns(const KojinSettei &s)
{
    // A blank box means "no value"; anything else is stored as the number it starts with.
    auto number = [](const QString &text) {
        return text.trimmed().isEmpty() ? QVariant(QMetaType(QMetaType::Double)) : QVariant(Val(text));
    };
    QVariantMap m;
    for (int i = 0; i < kKenkouChecks; ++i)
        m.insert(KenkouFlgColumns().at(i), s.kenkouFlg[i] ? 1 : 0);
    for (int i = 0; i < kKenkouBoxes; ++i)
        m.insert(KenkouValColumns().at(i), number(s.kenkouVal[i]));
    for (int i = 0; i < kJudgedCount; ++i) {
        m.insert(G_Eiyou_Mei.at(i) + QStringLiteral("flg"), s.eiyouFlg[i] ? 1 : 0);
        m.insert(G_Eiyou_Mei.at(i), number(s.eiyouVal[i]));
    }
    return m;
}

KojinSettei SetteiFromRow(const QVariantMap &row)
{
    KojinSettei s;
    for (int i = 0; i < kKenkouChecks; ++i)
        s.kenkouFlg[i] = Check_To_Flg(Flg_To_Check(row.value(KenkouFlgColumns().at(i))));
    for (int i = 0; i < kKenkouBoxes; ++i)
        s.kenkouVal[i] = SetteiText(row.value(KenkouValColumns().at(i)));
    for (int i = 0; i < kJudgedCount; ++i) {
        s.eiyouFlg[i] = Check_To_Flg(Flg_To_Check(row.value(G_Eiyou_Mei.at(i) + QStringLiteral("flg"))));
        s.eiyouVal[i] = SetteiText(row.value(G_Eiyou_Mei.at(i)));
    }
    return s;
}

int NameLength(const QString &name)
{
    return int(name.toUcs4().size());
}

std::optional<QVariantMap> Kojin_Row(qint64 id)
{
    return G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {id});
}

std::optional<Kojin> Kojin_Get(qint64 id)
{
    const auto row = Kojin_Row(id);
    if (!row)
        return std::nullopt;
    Kojin k;
    k.id = row->value(kKey).toLongLong();
    k.name = row->value(QStringLiteral("氏名")).toString();
    k.birth = toDate(row->value(QStringLiteral("生年月日")));
    k.sex = row->value(QStringLiteral("性別")).toInt();
    return k;
}

bool Kojin_NameExists(const QString &name, qint64 exceptId)
{
    return !G_DB()
                .scalar(QStringLiteral("SELECT 氏名ID FROM 個人データ WHERE 氏名 = ? AND 氏名ID <> ? LIMIT 1"),
                        {name, exceptId})
                .isNull();
}

bool Kojin_HasRecords(qint64 id)
{
    return !G_DB()
                .scalar(QStringLiteral("SELECT 健康状態管理ID FROM 健康状態管理 WHERE 氏名ID = ? LIMIT 1"), {id})
                .isNull();
}

qint64 MainUser_Value()
{
    return G_DB().scalar(QStringLiteral("SELECT MAINUSER FROM USERCHECK ORDER BY rowid LIMIT 1")).toLongLong();
}

qint64 Kojin_Add(const Kojin &k, bool mainUser)
{
    qint64 id = 0;
    G_DB().transaction([&] {
        id = G_DB().insert(kTable, baseColumns(k));
        if (mainUser)
            setMainUser(id);
    });
    return id;
}

void Kojin_Update(const Kojin &k, const KojinSettei *settei, bool mainUser)
{
    QVariantMap values = baseColumns(k);
    if (settei)
        values.insert(SetteiColumns(*settei));
    G_DB().transaction([&] {
        G_DB().updateRow(kTable, kKey, k.id, values);
        if (mainUser)
            setMainUser(k.id);
        else
            clearMainUserIf(k.id);
    });
}

void Kojin_Delete(qint64 id)
{
    G_DB().transaction([&] {
        G_DB().removeRow(kTable, kKey, id);
        clearMainUserIf(id);
    });
}

} // namespace mirte
