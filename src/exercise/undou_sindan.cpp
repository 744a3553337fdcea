#include "undou_sindan.h"

#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "msgbox.h"
#include "undou_core.h"

#include <QSqlQuery>
#include <cmath>

namespace mirte {

namespace {

const QString kError = QStringLiteral("エラー");
const QString kKakunin = QStringLiteral("確認");

void error(const QString &text)
{
    MsgBox(text, vbExclamation, kError);
}

void notice(const QString &text)
{
    MsgBox(text, vbInformation, kKakunin);
}

// Compared at a fixed precision, as the basal factor is, so that an index of exactly 0.4 built
// from durations in days falls in the same row of both tables.
double rounded(double x)
{
    return std::round(x * 1e9) / 1e9;
}

} // namespace

std::array<std::array<double, 2>, 3> UndouSindan::graph() const
{
    std::array<std::array<double, 2>, 3> g{};
    if (!complete())
        return g;
    g[0][0] = EnSyouhiRyou - KatudouTaisyaRyou;
    g[1][0] = KatudouTaisyaRyou;
    g[2][1] = SessyuEn;
    return g;
}

bool Sessyu_Energy(qint64 kkId, double &kcal)
{
    kcal = 0;
    const ResultSet rs = G_DB().select(
        QStringLiteral("SELECT 成分表.成分表ID, 成分表.エネルギー, 摂取食品.分量 FROM 摂取食品 "
                       "LEFT JOIN 成分表 ON 成分表.成分表ID = 摂取食品.成分表ID "
                       "WHERE 摂取食品.健康状態管理ID = ? ORDER BY 摂取食品.摂取食品ID"),
        {kkId});
    for (const QVariantList &row : rs.rows) {
        if (row.at(0).isNull()) {
            error(QStringLiteral("成分表のレコードが削除されています。"));
            return false;
        }
        kcal += SeibunRyou_Keisan(row.at(1), Val(row.at(2)));
    }
    return true;
}

UndouSindan Energy_Keisan(qint64 kkId, qint64 simeiId)
{
    UndouSindan s;
    const auto rec = G_DB().selectOne(
        QStringLiteral("SELECT * FROM 健康状態管理 WHERE 健康状態管理ID = ?"), {kkId});
    if (!rec) {
        error(QStringLiteral("対象の健康状態管理レコードが見つかりません。"));
        s.teisi = UndouSindan::NoRecord;
        return s;
    }
    const auto person =
        G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {simeiId});
    if (!person) {
        error(QStringLiteral("対象の個人データレコードが見つかりません。"));
        s.teisi = UndouSindan::NoPerson;
        return s;
    }
    const QDate day = toDate(rec->value(QStringLiteral("日付")));
    const QDate birth = toDate(person->value(QStringLiteral("生年月日")));
    if (!birth.isValid() || !day.isValid()) {
        error(QStringLiteral("対象の個人データに生年月日がありません。"));
        s.teisi = UndouSindan::NoBirthDate;
        return s;
    }
    int age = 0, days = 0;
    if (!Nenrei_Keisan(day, birth, age, days, false)) {
        notice(QStringLiteral("年齢がマイナス値になります。"));
        s.teisi = UndouSindan::MinusAge;
        return s;
    }
    s.age = age;
    if (age == 0) {
        notice(QStringLiteral("0歳児のグラフ表示は判定できません。"));
        s.teisi = UndouSindan::Infant;
        return s;
    }

    // The one energy-spent rule of the program; nothing is added to its arithmetic here.
    const int sex = int(Val(person->value(QStringLiteral("性別"))));
    const SyouhiEnergy e =
        Syouhi_Energy_Keisan(kkId, age, sex, Val(rec->value(QStringLiteral("体重"))));
    if (e.status == SyouhiStatus::KatudouMissing) {
        error(QStringLiteral("エネルギー消費量のレコードが削除されています。"));
        s.teisi = UndouSindan::KatudouMissing;
        return s;
    }
    s.over24 = e.over24;
    if (e.over24)
        notice(QStringLiteral("運動･動作時間の累計が24時間を超えています。"));
    s.KatudouSisuu = e.katudouSisuu;
    s.kirokuJikan = e.kirokuJikan;
    s.Sei_Betu = sex;
    if (e.status == SyouhiStatus::KisoMissing) {
        error(QStringLiteral("基礎代謝基準値レコードが見つかりません。"));
        s.teisi = UndouSindan::KisoMissing;
        return s;
    }
    s.KisoTaisya = e.kisoTaisya;
    s.EnSyouhiRyou = e.enSyouhiRyou;
    s.KatudouTaisyaRyou = e.katudouTaisyaRyou;

    double kcal = 0;
    if (!Sessyu_Energy(kkId, kcal)) {
        s.teisi = UndouSindan::SeibunMissing;
        return s;
    }
    s.SessyuEn = kcal;
    return s;
}

namespace {
QString hoursText(int minutes)
{
    const int h = minutes / 60, m = minutes % 60;
    if (h == 0)
        return QStringLiteral("%1分").arg(m);
    return m == 0 ? QStringLiteral("%1時間").arg(h) : QStringLiteral("%1時間%2分").arg(h).arg(m);
}
} // namespace

QString Kiroku_Jikan_Text(double days)
{
    // Durations are whole minutes held as fractions of a day.
    const int minutes = int(std::lround(days * 24 * 60));
    constexpr int kDay = 24 * 60;
    if (minutes <= 0)
        return QStringLiteral("運動・動作は記録されていません。一日を安静として計算しています。");
    if (minutes >= kDay)
        return QStringLiteral("記録された運動・動作は%1で、一日分の記録です。").arg(hoursText(minutes));
    return QStringLiteral("記録された運動・動作は%1です。残りの%2は安静として計算しています。")
        .arg(hoursText(minutes), hoursText(kDay - minutes));
}

QString Kcal_Hyouji(double v)
{
    QString s = Format(v, QStringLiteral("0.00"));
    while (s.endsWith(QLatin1Char('0')) && s.contains(QLatin1Char('.')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

int Undou_Advice_Gyou(double x)
{
    const double r = rounded(x);
    if (r < 0.4)
        return 0;
    if (r < 0.6)
        return 1;
    return 2;
}

QString Undou_Advice(double x, int sex)
{
    static const char *const texts[3][2] = {
        {"★１日に、あと200～300kcal程度の運動をするように心掛けましょう。",
         "★１日に、あと100～200kcal程度の運動をするように心掛けましょう。"},
        {"★１日に、あと100～200kcal程度の運動をするように心掛けましょう。",
         "★１日に、あと100kcal程度の運動をするように心掛けましょう。"},
        {"★運動量は足りています。日頃使わない筋肉を使う運動を行いましょう。",
         "★運動量は足りています。日頃使わない筋肉を使う運動を行いましょう。"},
    };
    return QString::fromUtf8(texts[Undou_Advice_Gyou(x)][sex == 1 ? 0 : 1]);
}

FukaHyou Fuka_Hyou(qint64 kkId, double kisoTaisya)
{
    FukaHyou h;
    const ResultSet rs = G_DB().select(
        QStringLiteral("SELECT 運動時間.時間, エネルギー消費量.エネルギー消費量ID, "
                       "エネルギー消費量.運動名称, エネルギー消費量.エネルギー代謝率 FROM 運動時間 "
                       "LEFT JOIN エネルギー消費量 "
                       "ON エネルギー消費量.エネルギー消費量ID = 運動時間.エネルギー消費量ID "
                       "WHERE 運動時間.健康状態管理ID = ? ORDER BY 運動時間.運動時間ID"),
        {kkId});
    const QString picture = QStringLiteral("#####0.00");
    double sum = 0;
    qint64 minutes = 0;
    for (const QVariantList &row : rs.rows) {
        if (row.at(1).isNull()) {
            MsgBox(QStringLiteral("エネルギー消費量のレコードが削除されています。"), vbExclamation,
                   kError);
            h.stopped = true;
            return h;
        }
        const double t = Val(row.at(0));
        const double fuka = Val(row.at(3)) * t * kisoTaisya;
        h.gyou << FukaGyou{row.at(2).toString(), Jikan_HMS(t), Format(fuka, picture)};
        sum += fuka;
        minutes += Jikan_Fun(t);
    }
    if (minutes >= kMinutesPerDay) {
        const qint64 rest = minutes % kMinutesPerDay;
        const QString beyond = QStringLiteral("%1:%2:00(+%3日)")
                                   .arg(rest / 60, 2, 10, QLatin1Char('0'))
                                   .arg(rest % 60, 2, 10, QLatin1Char('0'))
                                   .arg(minutes / kMinutesPerDay);
        h.gyou << FukaGyou{QStringLiteral("合計"), beyond, Format(sum, picture)};
    } else {
        const double rest = double(kMinutesPerDay - minutes) / kMinutesPerDay;
        h.gyou << FukaGyou{QStringLiteral("その他（安静時）"), Jikan_HMS(rest), Format(0, picture)};
        h.gyou << FukaGyou{QStringLiteral("合計"), QStringLiteral("24:00:00"), Format(sum, picture)};
    }
    return h;
}

} // namespace mirte
