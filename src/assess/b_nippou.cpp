#include "b_nippou.h"

#include "b_01.h"
#include "b_t01.h"
#include "database.h"

namespace mirte {

QString NippouData::dayText() const
{
    if (!day.isValid())
        return {};
    static const QString youbi = QStringLiteral("月火水木金土日");
    return QStringLiteral("%1年%2月%3日（%4）")
        .arg(day.year())
        .arg(day.month())
        .arg(day.day())
        .arg(youbi.at(day.dayOfWeek() - 1));
}

QString NippouData::personText() const
{
    QStringList parts{simei};
    if (age >= 0)
        parts << QStringLiteral("%1歳").arg(age);
    if (sex == 1)
        parts << QStringLiteral("男性");
    else if (sex == 2)
        parts << QStringLiteral("女性");
    return parts.join(QChar(0x3000));
}

namespace {

QStringList adviceLines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

void energyBalance(NippouData &d, qint64 kkId, const QVariantMap &rec, const std::optional<QVariantMap> &person)
{
    d.undouAri = G_DB()
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM 運動時間 WHERE 健康状態管理ID = ?"), {kkId})
                     .toLongLong()
                 > 0;
    // Without activities the spent energy would be a guess at a day in bed: not shown.
    if (!d.undouAri) {
        d.syouhiNote = QStringLiteral("この日の運動・動作は記録されていません。");
        return;
    }
    if (!person || d.age < 0) {
        d.syouhiNote = QStringLiteral("生年月日がないため、消費エネルギーは計算できません。");
        return;
    }
    const SyouhiEnergy e = Syouhi_Energy_Keisan(kkId, d.age, d.sex, Val(rec.value(QStringLiteral("体重"))));
    switch (e.status) {
    case SyouhiStatus::Ok:
        d.syouhiKnown = true;
        d.syouhiEnergy = e.enSyouhiRyou;
        if (e.over24)
            d.syouhiNote = QStringLiteral("運動･動作時間の累計が24時間を超えています。");
        break;
    case SyouhiStatus::Infant:
        d.syouhiNote = QStringLiteral("0歳児の消費エネルギーは計算できません。");
        break;
    case SyouhiStatus::KatudouMissing:
        d.syouhiNote = QStringLiteral("エネルギー消費量のレコードが削除されています。");
        break;
    case SyouhiStatus::KisoMissing:
        d.syouhiNote = QStringLiteral("基礎代謝基準値レコードが見つかりません。");
        break;
    }
}

} // namespace

NippouData Nippou_Syuukei(qint64 kkId, const SessyuryouHyou &day, const SyoyouryouHyou &std,
                          const SindanKekka &k)
{
    NippouData d;
    const auto rec =
        G_DB().selectOne(QStringLiteral("SELECT * FROM 健康状態管理 WHERE 健康状態管理ID = ?"), {kkId});
    std::optional<QVariantMap> person;
    if (rec) {
        d.day = toDate(rec->value(QStringLiteral("日付")));
        person = G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"),
                                  {rec->value(QStringLiteral("氏名ID"))});
    }
    if (person) {
        d.simei = person->value(QStringLiteral("氏名")).toString();
        const int sex = int(Val(person->value(QStringLiteral("性別"))));
        d.sex = (sex == 1 || sex == 2) ? sex : 0;
        const QDate birth = toDate(person->value(QStringLiteral("生年月日")));
        int years = 0, days = 0;
        if (birth.isValid() && d.day.isValid() && Nenrei_Keisan(d.day, birth, years, days, false))
            d.age = years;
    }

    for (int i = 0; i < kJudgedCount; ++i) {
        const SyoyouryouEntry &e = std[i];
        NippouGyou g;
        g.name = G_Eiyou_Mei.value(i);
        g.unit = G_Eiyou_Tani.value(i);
        g.intake = day.Ryou[kSessyuRows - 1][i];
        g.mokuhyou = e.Mokuhyou_Flg;
        g.kijun = e.Mokuhyou_Flg ? e.Mokuhyou : e.Syoyouryou;
        g.ritu = k.dayRitu(i);
        g.hantei = Ritu_Hantei(g.ritu, e);
        d.gyou << g;
    }
    d.mokuhyouUsed = k.mokuhyouUsed;
    d.advice = adviceLines(Advice_Text(k, std));

    // The day table's energy is the energy eaten: the same sum the exercise diagnosis makes.
    d.sessyuEnergy = day.Ryou[kSessyuRows - 1][0];
    if (rec)
        energyBalance(d, kkId, *rec, person);
    return d;
}

} // namespace mirte
