#include "b_t01.h"

#include "assess_sql.h"
#include "b_01.h"
#include "b_sessyu.h"
#include "database.h"
#include "msgbox.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace mirte {

std::array<SyoyouryouEntry, 25> G_Syoyouryou{};
QString G_Hyo_Nenrei, G_Hyo_Seibetu, G_Hyo_Kyoudo, G_Hyo_Kenkou, G_Hyo_Sintyou, G_Hyo_Taijuu;

namespace {

const QString kTitleError = QStringLiteral("エラー");
const QString kTitleKakunin = QStringLiteral("確認");

// Judged nutrient indexes.
enum : int {
    iEnergy = 0, iProtein, iFat, iCa, iFe, iVitA, iB1, iB2, iVitC, iVitD, iVitE, iNiacin,
    iSalt, iFibre, iVitK, iB6, iFolate, iB12, iPantothen, iPhosphorus, iMg, iPotassium,
    iCu, iMn, iZn
};

// ---- row selection ----

struct Sentaku {
    bool valid = false;
    double key = 0;          // 年齢（範囲１）
    bool bySex = false;
    bool byKyoudo = false;
    int kyoudo = 0;
    int band = 0;            // infant band 0, 1, 2
    QString text;            // G_Hyo_Nenrei
};

// The infant band: Syoyouryou_Set counts 60 days into the first band, Syoyouryou_Get does not.
int infantBand(int days, bool forSet)
{
    if (forSet)
        return days <= 60 ? 0 : days <= 180 ? 1 : 2;
    return days < 60 ? 0 : days < 180 ? 1 : 2;
}

Sentaku sentaku(int age, int days, int kyoudo, bool forSet)
{
    Sentaku s;
    if (age < 0)
        return s;
    s.valid = true;
    if (age == 0) {
        static const double keys[3] = {0, 0.17, 0.5};
        static const char *texts[3] = {"2ヶ月未満", "2～6ヶ月", "6ヶ月～1歳"};
        s.band = infantBand(days, forSet);
        s.key = keys[s.band];
        s.text = QString::fromUtf8(texts[s.band]);
    } else if (age <= 14) {
        s.key = age;
        s.bySex = true;
        s.text = QString::number(age) + QStringLiteral("歳");
    } else if (age <= 19) {
        s.key = age;
        s.bySex = s.byKyoudo = true;
        s.kyoudo = kyoudo;
        s.text = QString::number(age) + QStringLiteral("歳");
    } else if (age <= 69) {
        const int decade = age / 10 * 10;
        s.key = decade;
        s.bySex = s.byKyoudo = true;
        s.kyoudo = kyoudo;
        s.text = QStringLiteral("%1～%2歳").arg(decade).arg(decade + 10);
    } else {
        // From 70 on the table has only the light and the normal intensity.
        s.key = age <= 79 ? 70 : 80;
        s.bySex = s.byKyoudo = true;
        s.kyoudo = kyoudo == 1 ? 1 : 2;
        s.text = age <= 79 ? QStringLiteral("70～80歳") : QStringLiteral("80歳以上");
    }
    return s;
}

std::optional<QVariantMap> kijunRow(const Sentaku &s, int sex)
{
    if (!s.valid)
        return std::nullopt;
    // The band keys are fractions for infants: compare with a small margin.
    QString sql = QStringLiteral(
        "SELECT * FROM 標準所要量 WHERE 年齢（範囲１） BETWEEN ? AND ?");
    if (s.bySex)
        sql += QStringLiteral(" AND 性別 = ?");
    if (s.byKyoudo)
        sql += QStringLiteral(" AND 生活強度 = ?");
    sql += QStringLiteral(" ORDER BY 標準所要量ID LIMIT 1");
    QSqlQuery &q = G_DB().prepared(sql);
    q.addBindValue(s.key - 0.001);
    q.addBindValue(s.key + 0.001);
    if (s.bySex)
        q.addBindValue(sex);
    if (s.byKyoudo)
        q.addBindValue(s.kyoudo);
    assess::execOrThrow(q);
    if (!q.next()) {
        q.finish();
        return std::nullopt;
    }
    QVariantMap row;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        row.insert(rec.fieldName(i), q.value(i));
    q.finish();
    return row;
}

// Row selections already read during one series run.
struct RowCache {
    QHash<QString, std::optional<QVariantMap>> rows;
};

std::optional<QVariantMap> kijunRowCached(const Sentaku &s, int sex, RowCache *cache)
{
    if (!cache)
        return kijunRow(s, sex);
    const QString k = QStringLiteral("%1/%2/%3/%4/%5")
                          .arg(s.key)
                          .arg(s.bySex ? sex : -1)
                          .arg(s.byKyoudo ? s.kyoudo : -1)
                          .arg(int(s.valid))
                          .arg(s.band);
    auto it = cache->rows.find(k);
    if (it == cache->rows.end())
        it = cache->rows.insert(k, kijunRow(s, sex));
    return *it;
}

double col(const QVariantMap &row, const QString &name)
{
    return Val(row.value(name));
}

double quad(const QVariantMap &row, const QString &group, double h)
{
    return col(row, group + QStringLiteral("Ａ")) * h * h + col(row, group + QStringLiteral("Ｂ")) * h
        + col(row, group + QStringLiteral("Ｃ"));
}

// ---- reference weight for salt ----

// Quadratic of the height by sex and decade, for ages 20 and over.
double adultRefWeight(int age, int sex, double h)
{
    struct Q { double a, b, c; };
    static const Q men[5] = {{0.0039, -0.5775, 48.813}, {0.0029, -0.3444, 39.395},
                             {0.0044, -0.6819, 55.293}, {0.0052, -0.8815, 65.615},
                             {0.0054, -0.9342, 67.946}};
    static const Q women[5] = {{0.0033, -0.4534, 42.009}, {0.003, -0.363, 39.972},
                               {0.0035, -0.4792, 44.434}, {0.0041, -0.621, 52.105},
                               {0.006, -1.0653, 76.274}};
    const int k = std::min(age / 10 - 2, 4);
    const Q &q = sex == 1 ? men[k] : women[k];
    return q.a * h * h + q.b * h + q.c;
}

double refWeight(int age, int sex, double w, double h)
{
    if (age <= 0)
        return w;
    if (age <= 19)
        return G_Hyoujun_Taikaku[age - 1][sex == 1 ? 1 : 3];
    return adultRefWeight(age, sex, h);
}

QString numText(double v)
{
    return QString::number(v, 'g', 15);
}

// ---- additions for pregnancy and lactation ----

// Vitamin D and A are in μg and μgRE: 300 IU of D = 7.5 μg, 200 / 1400 IU of A = 60 / 420 μgRE.
constexpr std::array<double, 25> kZenhanki = {
    150, 10, 0, 300, 3, 0, 0.1, 0.1, 10, 7.5, 2, 1, 0, 0, 0, 0.5, 200, 0.2, 1, 0, 35, 0, 0.4, 0, 3};
constexpr std::array<double, 25> kKouhanki = {
    350, 20, 0, 300, 8, 60, 0.2, 0.2, 10, 7.5, 2, 2, 0, 0, 0, 0.5, 200, 0.2, 1, 0, 35, 0, 0.4, 0, 3};
constexpr std::array<double, 25> kJunyuuki = {
    700, 20, 0, 500, 8, 420, 0.3, 0.4, 40, 7.5, 3, 5, 0, 0, 0, 0.6, 80, 0.2, 2, 0, 0, 500, 0.6, 0, 3};

// The additions of a health state; nullptr for 健康 (nothing) and for an unknown state.
// `known` tells the two apart.
const std::array<double, 25> *additions(const QString &kenkou, bool &known)
{
    const QString s = kenkou.trimmed();
    known = true;
    if (s == QStringLiteral("健康"))
        return nullptr;
    if (s == QStringLiteral("妊娠前半期"))
        return &kZenhanki;
    if (s == QStringLiteral("妊娠後半期"))
        return &kKouhanki;
    if (s == QStringLiteral("授乳期"))
        return &kJunyuuki;
    known = false;
    return nullptr;
}

void undefinedStateMessage()
{
    MsgBox(QStringLiteral("未定義の健康状態が使用されています。"), vbExclamation, kTitleError);
}

// ---- the standard values ----

struct KijunInput {
    int age = 0;
    int band = 0;
    int sex = 1;
    double w = 0;
    double h = 0;
    QString kenkou;
};

// The 25 standard values before the additions of the health state.
std::array<double, 25> baseValues(const QVariantMap &row, const KijunInput &in)
{
    std::array<double, 25> s{};
    const double w = in.w, h = in.h;
    if (in.age >= 1) {
        s[iEnergy] = quad(row, QStringLiteral("エネルギー係数"), h);
        s[iProtein] = quad(row, QStringLiteral("たんぱく質係数"), h);
    } else {
        static const double kcal[3] = {120, 110, 100};
        static const double prot[3] = {3, 2.6, 2.7};
        s[iEnergy] = w * kcal[in.band];
        s[iProtein] = w * prot[in.band];
    }
    if (in.kenkou.trimmed() == QStringLiteral("健康"))
        s[iFat] = quad(row, QStringLiteral("脂肪エネルギー比率係数"), h) * s[iEnergy] / 900.0;
    else
        s[iFat] = s[iEnergy] * 27.5 / 900.0;
    for (int i = iCa; i <= iNiacin; ++i)
        s[i] = quad(row, G_Eiyou_Mei.at(i) + QStringLiteral("係数"), h);
    s[iSalt] = std::min(refWeight(in.age, in.sex, w, h) * 0.15, 10.0);
    s[iFibre] = s[iEnergy] * 10.0 / 1000.0;
    for (int i = iVitK; i <= iZn; ++i)
        s[i] = col(row, G_Eiyou_Mei.at(i));
    return s;
}

// Adds the state's amounts; fibre follows the new energy. Reports an unknown state.
void addState(std::array<double, 25> &s, const QString &kenkou)
{
    bool known = true;
    const std::array<double, 25> *add = additions(kenkou, known);
    if (!known)
        undefinedStateMessage();
    if (add) {
        for (int i = 0; i < 25; ++i)
            s[i] += (*add)[i];
    }
    s[iFibre] = s[iEnergy] * 10.0 / 1000.0;
}

// Upper references by age: 鉄, ビタミンＡ, ビタミンＤ, ビタミンＥ, ナイアシン, ビタミンＫ,
// ビタミンＢ６, 葉酸, マグネシウム.
constexpr int kJougenIdx[9] = {iFe, iVitA, iVitD, iVitE, iNiacin, iVitK, iB6, iFolate, iMg};

std::array<double, 9> jougenByAge(int age, int days)
{
    if (age <= 0)
        return {days <= 180 ? 10.0 : 15.0, 1200, 25, 200, 10, 5000, 30, 300, 130};
    if (age <= 2)
        return {20, 1200, 50, 300, 10, 10000, 30, 300, 130};
    if (age <= 5)
        return {25, 1200, 50, 400, 15, 14000, 40, 400, 200};
    if (age <= 8)
        return {30, 1200, 50, 400, 20, 17000, 50, 500, 250};
    if (age <= 11)
        return {35, 1200, 50, 500, 20, 22000, 70, 600, 500};
    if (age <= 14)
        return {35, 1500, 50, 600, 30, 27000, 90, 800, 600};
    if (age <= 17)
        return {40, 1500, 50, 600, 30, 28000, 90, 900, 650};
    if (age <= 49)
        return {40, 1500, 50, 600, 30, 30000, 100, 1000, 700};
    return {40, 1500, 50, 600, 30, 30000, 100, 1000, 650};
}

void setReferences(int age, int days)
{
    auto &t = G_Syoyouryou;
    for (auto &e : t) {
        e.Kagen = e.Syoyouryou;
        e.Jougen = 0;
    }
    auto S = [&](int i) { return t[i].Syoyouryou; };
    t[iEnergy].Kagen = S(iEnergy) * 0.9;
    t[iEnergy].Jougen = S(iEnergy) * 1.2;
    t[iFat].Kagen = S(iFat) * 0.75;
    t[iFat].Jougen = S(iFat) * 1.1;
    t[iCa].Jougen = 2500;
    t[iB1].Kagen = S(iB1) * 1.1;
    t[iB2].Kagen = S(iB2) * 0.9;
    t[iSalt].Kagen = S(iSalt) * 0.7;
    t[iSalt].Jougen = S(iSalt);
    t[iPhosphorus].Jougen = 4000;
    t[iPotassium].Kagen = S(iPotassium) * 1.1;
    t[iCu].Jougen = 9;
    t[iMn].Jougen = 10;
    t[iZn].Jougen = 30;
    const auto up = jougenByAge(age, days);
    for (int k = 0; k < 9; ++k)
        t[kJougenIdx[k]].Jougen = up[k];
}

QString kyoudoText(int kyoudo, int age)
{
    switch (kyoudo) {
    case 1:
        return age >= 15 ? QStringLiteral("軽い") : QStringLiteral("普通");
    case 2:
        return QStringLiteral("普通");
    case 3:
        return age >= 15 && age <= 69 ? QStringLiteral("やや重い") : QStringLiteral("普通");
    case 4:
        return age >= 15 && age <= 69 ? QStringLiteral("重い") : QStringLiteral("普通");
    default:
        return {};
    }
}

void noKijunRowMessage()
{
    MsgBox(QStringLiteral("必要所要量レコードが見つかりません。"), vbExclamation, kTitleError);
}

} // namespace

// ---- dietary standard ----

bool Syoyouryou_Set(int age, int days, int kyoudo, int sex, double weight, double height,
                    const QString &kenkou)
{
    G_Hyo_Seibetu = age == 0 ? QStringLiteral("男女共通")
                             : sex == 1 ? QStringLiteral("男") : QStringLiteral("女");
    const Sentaku s = sentaku(age, days, kyoudo, true);
    G_Hyo_Nenrei = s.text;
    const std::optional<QVariantMap> row = kijunRow(s, sex);
    if (!row) {
        noKijunRowMessage();
        return false;
    }
    G_Hyo_Kyoudo = kyoudoText(kyoudo, age);
    G_Hyo_Kenkou = kenkou;

    KijunInput in;
    in.age = age;
    in.band = s.band;
    in.sex = sex;
    in.w = weight;
    in.h = height;
    in.kenkou = kenkou;
    std::array<double, 25> v = baseValues(*row, in);

    if (age == 0) {
        G_Hyo_Sintyou = QStringLiteral("体重を基準とする");
        G_Hyo_Taijuu = numText(weight) + QStringLiteral("kg");
    } else if (age <= 19) {
        G_Hyo_Sintyou = numText(G_Hyoujun_Taikaku[age - 1][sex == 1 ? 0 : 2])
            + QStringLiteral("(平均身長)");
        G_Hyo_Taijuu = QStringLiteral("身長を基準とする");
    } else {
        G_Hyo_Sintyou = numText(height) + QStringLiteral("cm");
        G_Hyo_Taijuu = QStringLiteral("身長を基準とする");
    }

    addState(v, kenkou);
    for (int i = 0; i < 25; ++i)
        G_Syoyouryou[i].Syoyouryou = v[i];
    setReferences(age, days);
    return true;
}

void Kojin_Settei_Get(qint64 simeiId)
{
    const auto row =
        G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {simeiId});
    if (!row) {
        MsgBox(QStringLiteral("個人データレコードが見つかりません。"), vbExclamation, kTitleError);
        return;
    }
    for (int i = 0; i < kJudgedCount; ++i) {
        const QString name = G_Eiyou_Mei.at(i);
        G_Syoyouryou[i].Mokuhyou = Val(row->value(name));
        G_Syoyouryou[i].Mokuhyou_Flg = Val(row->value(name + QStringLiteral("flg"))) != 0;
    }
}

double Syoyouryou_Kijun(int i)
{
    if (i < 0 || i >= int(G_Syoyouryou.size()))
        return 0;
    const SyoyouryouEntry &e = G_Syoyouryou[i];
    return e.Mokuhyou_Flg ? e.Mokuhyou : e.Syoyouryou;
}

namespace {

double syoyouryouGet(const QString &name, int age, int days, int sex, const QVariantMap &rec,
                     RowCache *cache)
{
    try {
        const int idx = G_Eiyou_Mei.indexOf(name);
        if (idx >= 25 && idx <= 35) {
            MsgBox(QStringLiteral("目標値・標準所要量の無い項目"), vbOKOnly, QStringLiteral("テスト"));
            return 0;
        }
        const int kyoudo = int(Val(rec.value(QStringLiteral("生活強度"))));
        const Sentaku s = sentaku(age, days, kyoudo, false);
        const std::optional<QVariantMap> row = kijunRowCached(s, sex, cache);
        if (!row) {
            noKijunRowMessage();
            return 0;
        }
        if (idx >= 0 && idx < kJudgedCount) {
            KijunInput in;
            in.age = age;
            in.band = s.band;
            in.sex = sex;
            in.w = Val(rec.value(QStringLiteral("体重")));
            in.h = Val(rec.value(QStringLiteral("身長")));
            in.kenkou = rec.value(QStringLiteral("健康状態")).toString();
            std::array<double, 25> v = baseValues(*row, in);
            addState(v, in.kenkou);
            return v[idx];
        }
        if (!row->contains(name))
            throw DbError(3265, QStringLiteral("項目 '%1' はこのコレクションにありません。").arg(name));
        return Val(row->value(name));
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
        return 0;
    }
}

} // namespace

double Syoyouryou_Get(const QString &name, int age, int days, int sex, const QVariantMap &kkRecord)
{
    return syoyouryouGet(name, age, days, sex, kkRecord, nullptr);
}

// ---- energy spent on a day ----

int Kiso_Nenrei(int age)
{
    if (age <= 19)
        return age;
    if (age < 60)
        return age / 10 * 10;
    if (age < 65)
        return 60;
    if (age < 70)
        return 65;
    if (age < 75)
        return 70;
    if (age < 80)
        return 75;
    return 80;
}

double Kiso_Keisuu(int age, double x)
{
    if (age < 14)
        return 1;
    // Compare at a fixed precision, so that an index of exactly 0.4 built from
    // durations in days is not pushed over the bound by rounding.
    const double r = std::round(x * 1e9) / 1e9;
    if (r >= -10 && r <= 0.4)
        return 0.98;
    if (r > 0.4 && r <= 0.65)
        return 1;
    if (r > 0.65 && r <= 0.9)
        return 1.02;
    return 1.04;
}

double Katudou_Sisuu(const QList<QPair<double, double>> &activities, bool *over24)
{
    double a = 0, t = 0;
    for (const auto &p : activities) {
        a += (p.first + 1.2) * p.second;
        t += p.second;
    }
    // Durations are whole minutes held as fractions of a day; their sum may miss 1 by a
    // rounding step, and a day of exactly 24 hours is not more than a day.
    const bool over = t > 1 + 1e-9;
    if (!over)
        a += std::max(0.0, 1 - t) * 1.2; // the rest of the day at rest
    if (over24)
        *over24 = over;
    return 0.9 * a - 1;
}

namespace {

struct Katudou {
    bool missing = false;  // its エネルギー消費量 row is gone
    double rmr = 0;
    double time = 0;
};

using BasalCache = QHash<qint64, std::optional<double>>;

std::optional<double> kisoTaisyaKijun(int key, int sex, BasalCache *cache)
{
    const qint64 k = qint64(key) * 16 + sex;
    if (cache) {
        auto it = cache->constFind(k);
        if (it != cache->constEnd())
            return *it;
    }
    QSqlQuery &q = G_DB().prepared(QStringLiteral(
        "SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１ = ? AND 性別 = ?"));
    q.addBindValue(key);
    q.addBindValue(sex);
    assess::execOrThrow(q);
    std::optional<double> v;
    if (q.next())
        v = Val(q.value(0));
    q.finish();
    if (cache)
        cache->insert(k, v);
    return v;
}

SyouhiEnergy syouhiFrom(const QList<Katudou> &acts, int age, int sex, double weight,
                        BasalCache *cache)
{
    SyouhiEnergy r;
    if (age < 1) {
        r.status = SyouhiStatus::Infant;
        return r;
    }
    QList<QPair<double, double>> list;
    list.reserve(acts.size());
    for (const Katudou &k : acts) {
        if (k.missing) {
            r.status = SyouhiStatus::KatudouMissing;
            return r;
        }
        list.append({k.rmr, k.time});
        r.kirokuJikan += k.time;
    }
    r.katudouSisuu = Katudou_Sisuu(list, &r.over24);
    const std::optional<double> kijun = kisoTaisyaKijun(Kiso_Nenrei(age), sex, cache);
    if (!kijun) {
        r.status = SyouhiStatus::KisoMissing;
        return r;
    }
    r.kisoTaisya = *kijun * weight * Kiso_Keisuu(age, r.katudouSisuu);
    r.enSyouhiRyou = 10.0 / 9.0 * r.kisoTaisya * (r.katudouSisuu + 1);
    r.katudouTaisyaRyou = r.katudouSisuu * r.kisoTaisya;
    return r;
}

const QString kKatudouColumns = QStringLiteral(
    "運動時間.健康状態管理ID, 運動時間.時間, エネルギー消費量.エネルギー消費量ID, "
    "エネルギー消費量.エネルギー代謝率 FROM 運動時間 LEFT JOIN エネルギー消費量 "
    "ON 運動時間.エネルギー消費量ID = エネルギー消費量.エネルギー消費量ID ");

Katudou katudouFrom(const QSqlQuery &q)
{
    Katudou k;
    k.time = Val(q.value(1));
    k.missing = q.value(2).isNull();
    k.rmr = Val(q.value(3));
    return k;
}

} // namespace

SyouhiEnergy Syouhi_Energy_Keisan(qint64 kkId, int age, int sex, double weight)
{
    QList<Katudou> acts;
    if (age >= 1) {
        QSqlQuery &q = G_DB().prepared(QStringLiteral("SELECT ") + kKatudouColumns
                                       + QStringLiteral("WHERE 運動時間.健康状態管理ID = ? "
                                                        "ORDER BY 運動時間.運動時間ID"));
        q.addBindValue(kkId);
        assess::execOrThrow(q);
        while (q.next())
            acts.append(katudouFrom(q));
        q.finish();
    }
    return syouhiFrom(acts, age, sex, weight, nullptr);
}

// ---- trend series ----

QDate G_Tou_Start;
std::array<QString, 2> G_Tou_Koumoku_Sitei;
QStringList G_Tou_Koumoku;
QStringList G_Tou_Tani;
TouHyou<32> G_Tou_Tuki;
TouHyou<27> G_Tou_Hantosi;
std::array<QString, 3> G_Tou_Tani_Sitei;

void Tou_Koumoku_Settei()
{
    G_Tou_Koumoku = {QString(), QStringLiteral("身長"), QStringLiteral("体重"),
                     QStringLiteral("心拍数"), QStringLiteral("血圧（下）"), QStringLiteral("血圧（上）"),
                     QStringLiteral("血糖値"), QStringLiteral("体脂肪率"), QStringLiteral("歩数"),
                     QStringLiteral("運動量（歩数計）"), QStringLiteral("体温")};
    G_Tou_Tani = {QString(), QStringLiteral("cm"), QStringLiteral("kg"), QStringLiteral("回"),
                  QStringLiteral("mmHg"), QStringLiteral("mmHg"), QStringLiteral("mg/dl"),
                  QStringLiteral("％"), QStringLiteral("歩"), QStringLiteral("kcal"),
                  QStringLiteral("℃")};
}

namespace {

// Everything a series run reads, loaded for the whole period in a few queries.
class TouRun {
public:
    TouRun(qint64 simeiId, QDate from, QDate to) : m_simeiId(simeiId), m_from(from), m_to(to) {}

    // False (after the message) when the person is missing.
    bool loadPerson()
    {
        const auto p = G_DB().selectOne(
            QStringLiteral("SELECT 性別, 生年月日 FROM 個人データ WHERE 氏名ID = ?"), {m_simeiId});
        if (!p) {
            MsgBox(QStringLiteral("対象の個人データレコードが見つかりません。"), vbExclamation,
                   kTitleError);
            return false;
        }
        m_sex = int(Val(p->value(QStringLiteral("性別"))));
        m_birth = toDate(p->value(QStringLiteral("生年月日")));
        if (!m_birth.isValid()) {
            MsgBox(QStringLiteral("対象の個人データに生年月日がありません。"), vbExclamation, kTitleError);
            return false;
        }
        const ResultSet rs = G_DB().select(
            QStringLiteral("SELECT * FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 BETWEEN ? AND ? "
                           "ORDER BY 日付, 健康状態管理ID"),
            {m_simeiId, dateParam(m_from), dateParam(m_to)});
        for (qsizetype r = 0; r < rs.size(); ++r) {
            const QDate d = toDate(rs.value(r, QStringLiteral("日付")));
            if (!m_records.contains(d))
                m_records.insert(d, rs.rowMap(r));
        }
        return true;
    }

    // The day totals of the given 成分表 columns, all in one pass.
    void loadIntake(QStringList columns)
    {
        columns.removeDuplicates();
        const auto totals = Sessyuryou_Kikan_Get(m_simeiId, m_from, m_to, columns);
        for (qsizetype i = 0; i < columns.size(); ++i)
            m_intake.insert(columns.at(i), totals.at(i));
    }

    void loadActivities()
    {
        QSqlQuery &q = G_DB().prepared(
            QStringLiteral("SELECT ") + kKatudouColumns
            + QStringLiteral("WHERE 運動時間.健康状態管理ID IN (SELECT 健康状態管理ID FROM 健康状態管理 "
                             "WHERE 氏名ID = ? AND 日付 BETWEEN ? AND ?) ORDER BY 運動時間.運動時間ID"));
        q.addBindValue(m_simeiId);
        q.addBindValue(dateParam(m_from));
        q.addBindValue(dateParam(m_to));
        assess::execOrThrow(q);
        while (q.next())
            m_acts[q.value(0).toLongLong()].append(katudouFrom(q));
        q.finish();
    }

    const QVariantMap *record(const QDate &d) const
    {
        auto it = m_records.constFind(d);
        return it == m_records.constEnd() ? nullptr : &*it;
    }

    static qint64 kkId(const QVariantMap &rec)
    {
        return rec.value(QStringLiteral("健康状態管理ID")).toLongLong();
    }

    // Age at the record's day; a day before the birth date is said once and keeps the last age.
    void age(const QVariantMap &rec)
    {
        const QDate d = toDate(rec.value(QStringLiteral("日付")));
        if (!Nenrei_Keisan(d, m_birth, m_age, m_days, false) && !m_birthSaid) {
            m_birthSaid = true;
            MsgBox(QStringLiteral("誕生日より昔の日付が含まれます。"), vbInformation, kTitleKakunin);
        }
    }

    double intake(const QString &column, const QVariantMap &rec) const
    {
        return m_intake.value(column).value(kkId(rec), 0.0);
    }

    double standard(const QString &name, const QVariantMap &rec)
    {
        return syoyouryouGet(name, m_age, m_days, m_sex, rec, &m_rows);
    }

    // The energy spent, or nullopt after the message of a stop. Infants count 0, said once.
    std::optional<double> spent(const QVariantMap &rec)
    {
        if (m_age < 1) {
            if (!m_infantSaid) {
                m_infantSaid = true;
                MsgBox(QStringLiteral("１歳未満の消費エネルギーは、算出できません。"), vbInformation,
                       kTitleKakunin);
            }
            return 0.0;
        }
        const SyouhiEnergy e = syouhiFrom(m_acts.value(kkId(rec)), m_age, m_sex,
                                          Val(rec.value(QStringLiteral("体重"))), &m_basal);
        switch (e.status) {
        case SyouhiStatus::KatudouMissing:
            MsgBox(QStringLiteral("エネルギー消費量のレコードが削除されています。"), vbInformation,
                   kTitleError);
            return std::nullopt;
        case SyouhiStatus::KisoMissing:
            MsgBox(QStringLiteral("基礎代謝基準値レコードが見つかりません。"), vbExclamation,
                   kTitleError);
            return std::nullopt;
        default:
            return e.enSyouhiRyou;
        }
    }

private:
    qint64 m_simeiId;
    QDate m_from, m_to;
    int m_sex = 0;
    QDate m_birth;
    int m_age = 0, m_days = 0;
    bool m_birthSaid = false, m_infantSaid = false;
    QHash<QDate, QVariantMap> m_records;
    QHash<QString, QHash<qint64, double>> m_intake;
    QHash<qint64, QList<Katudou>> m_acts;
    RowCache m_rows;
    BasalCache m_basal;
};

QString pointLabel(const QDate &d)
{
    return QStringLiteral("%1/%2").arg(d.month()).arg(d.day());
}

// Clears the whole table first, so that a stop never leaves cells of an earlier run behind.
void resetKikan(TouKikan &t, const QDate &start, const QDate &end, int step, int points)
{
    t = TouKikan{};
    t.Start = start;
    t.End = end;
    t.Step = step;
    t.Label.resize(points + 1);
    for (int c = 1; c <= points; ++c)
        t.Label[c] = pointLabel(start.addDays(qint64(c - 1) * step));
    for (int r = 1; r <= 3; ++r)
        t.Value[r].fill(0.0, points + 1);
    t.Kensuu.fill(0, points + 1);
    G_Tou_Tani_Sitei = {};
}

// One day's three values. Returns false on a stop; `vals` then holds what was computed.
using DayFn = std::function<bool(TouRun &, const QVariantMap &, std::array<double, 4> &)>;

// One cell a day. The day of a stop keeps what was computed but counts as no record.
bool runDays(TouKikan &t, TouRun &run, const DayFn &day)
{
    for (int k = 0; k < t.points(); ++k) {
        const QVariantMap *rec = run.record(t.Start.addDays(k));
        if (!rec)
            continue;
        run.age(*rec);
        std::array<double, 4> v{};
        const bool ok = day(run, *rec, v);
        for (int r = 1; r <= 3; ++r)
            t.Value[r][k + 1] = v[r];
        if (!ok)
            return false;
        t.Kensuu[k + 1] = 1;
    }
    return true;
}

// One cell a week: the mean of the days with a record; the last week ends at t.End.
bool runWeeks(TouKikan &t, TouRun &run, const DayFn &day)
{
    for (int w = 0; w < t.points(); ++w) {
        std::array<double, 4> sum{};
        int count = 0;
        for (int i = 0; i < 7; ++i) {
            const QDate d = t.Start.addDays(qint64(w) * 7 + i);
            if (d > t.End)
                break;
            const QVariantMap *rec = run.record(d);
            if (!rec)
                continue;
            run.age(*rec);
            std::array<double, 4> v{};
            if (!day(run, *rec, v))
                return false;
            for (int r = 1; r <= 3; ++r)
                sum[r] += v[r];
            ++count;
        }
        if (count > 0) {
            for (int r = 1; r <= 3; ++r)
                t.Value[r][w + 1] = sum[r] / count;
            t.Kensuu[w + 1] = count;
        }
    }
    return true;
}

bool runPeriod(TouKikan &t, TouRun &run, const DayFn &day)
{
    return t.Step == 1 ? runDays(t, run, day) : runWeeks(t, run, day);
}

const QString kEnergy = QStringLiteral("エネルギー");

bool energyDay(TouRun &run, const QVariantMap &rec, std::array<double, 4> &v)
{
    v[1] = run.intake(kEnergy, rec);
    v[2] = run.standard(kEnergy, rec);
    const std::optional<double> spent = run.spent(rec);
    if (!spent)
        return false;
    v[3] = *spent;
    return true;
}

bool energyRun(TouKikan &t, const QDate &start, const QDate &end, int step, int points)
{
    resetKikan(t, start, end, step, points);
    t.Mei[1] = QStringLiteral("摂取エネルギー");
    t.Mei[2] = QStringLiteral("エネルギー（標準所要量）");
    t.Mei[3] = QStringLiteral("消費エネルギー");
    G_Tou_Tani_Sitei = {QStringLiteral("kcal"), QStringLiteral("kcal"), QStringLiteral("kcal")};
    TouRun run(G_Simei_ID, start, end);
    if (!run.loadPerson())
        return false;
    run.loadIntake({kEnergy});
    run.loadActivities();
    return runPeriod(t, run, energyDay);
}

bool validCode(int code)
{
    return code >= -1 && code <= 46;
}

QString itemName(int code)
{
    if (code >= 1 && code <= 10)
        return G_Tou_Koumoku.value(code);
    if (code >= 11 && code <= 46)
        return G_Eiyou_Mei.value(code - 11);
    return {};
}

QString itemUnit(int code)
{
    if (code >= 1 && code <= 10)
        return G_Tou_Tani.value(code);
    if (code >= 11 && code <= 46)
        return G_Eiyou_Tani.value(code - 11);
    return {};
}

double itemValue(TouRun &run, int code, const QVariantMap &rec)
{
    if (code >= 1 && code <= 10)
        return Val(rec.value(G_Tou_Koumoku.value(code)));
    if (code >= 11 && code <= 46)
        return run.intake(G_Eiyou_Mei.value(code - 11), rec);
    return 0;
}

bool koumokuRun(TouKikan &t, const QDate &start, const QDate &end, int step, int points,
                int code1, int code2)
{
    if (G_Tou_Koumoku.size() != 11 || G_Tou_Tani.size() != 11)
        Tou_Koumoku_Settei();
    resetKikan(t, start, end, step, points);
    if (!validCode(code1) || !validCode(code2)) {
        MsgBox(QStringLiteral("選択した項目が、無効です。"), vbCritical, kTitleError);
        return false;
    }
    const bool withStandard = code1 >= 11 && code1 <= 35;
    t.Mei[1] = itemName(code1);
    G_Tou_Tani_Sitei[0] = itemUnit(code1);
    if (withStandard) {
        t.Mei[2] = itemName(code1) + QStringLiteral("（標準所要量）");
        G_Tou_Tani_Sitei[1] = itemUnit(code1);
    }
    t.Mei[3] = itemName(code2);
    G_Tou_Tani_Sitei[2] = itemUnit(code2);

    TouRun run(G_Simei_ID, start, end);
    if (!run.loadPerson())
        return false;
    QStringList nutrients;
    for (int code : {code1, code2}) {
        if (code >= 11)
            nutrients << itemName(code);
    }
    run.loadIntake(nutrients);
    const QString name1 = itemName(code1);
    const DayFn day = [&](TouRun &r, const QVariantMap &rec, std::array<double, 4> &v) {
        v[1] = itemValue(r, code1, rec);
        if (withStandard)
            v[2] = r.standard(name1, rec);
        v[3] = itemValue(r, code2, rec);
        return true;
    };
    return runPeriod(t, run, day);
}

// The fixed tables are the same run over N - 1 cells, copied into place.
template <int N>
void toHyou(const TouKikan &k, TouHyou<N> &t)
{
    t = TouHyou<N>{};
    t.Mei = k.Mei;
    for (int c = 1; c < N && c <= k.points(); ++c) {
        t.Label[c] = k.Label[c];
        t.Kensuu[c] = k.Kensuu[c];
        for (int r = 1; r <= 3; ++r)
            t.Value[r][c] = k.Value[r][c];
    }
}

template <int N>
QDate fixedEnd(int step)
{
    return G_Tou_Start.addDays(qint64(N - 1) * step - 1);
}

template <int N>
bool energySet(TouHyou<N> &t, int step)
{
    TouKikan k;
    const bool ok = energyRun(k, G_Tou_Start, fixedEnd<N>(step), step, N - 1);
    toHyou(k, t);
    return ok;
}

template <int N>
bool koumokuSet(TouHyou<N> &t, int step, int code1, int code2)
{
    TouKikan k;
    const bool ok = koumokuRun(k, G_Tou_Start, fixedEnd<N>(step), step, N - 1, code1, code2);
    toHyou(k, t);
    return ok;
}

// Points of a usable period, after the message for an unusable one.
int kikanPoints(const QDate &from, const QDate &to, int &step)
{
    step = Tou_Kikan_Step(from, to);
    if (step == 0) {
        G_Tou_Kikan = TouKikan{};
        G_Tou_Tani_Sitei = {};
        MsgBox(QStringLiteral("期間を確認してください。"), vbInformation, kTitleKakunin);
        return 0;
    }
    const int days = int(from.daysTo(to)) + 1;
    return step == 1 ? days : (days + 6) / 7;
}

} // namespace

bool Energy_Tuki_Set()
{
    return energySet(G_Tou_Tuki, 1);
}

bool Energy_Hantosi_Set()
{
    return energySet(G_Tou_Hantosi, 7);
}

bool Koumoku_Tuki_Set(int koumoku1, int koumoku2)
{
    return koumokuSet(G_Tou_Tuki, 1, koumoku1, koumoku2);
}

bool Koumoku_Hantosi_Set(int koumoku1, int koumoku2)
{
    return koumokuSet(G_Tou_Hantosi, 7, koumoku1, koumoku2);
}

TouKikan G_Tou_Kikan;

int Tou_Kikan_Step(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    const qint64 days = from.daysTo(to) + 1;
    if (days < 1 || days > kTouKikanMaxDays)
        return 0;
    return days <= kTouHibiMaxDays ? 1 : 7;
}

bool Energy_Kikan_Set(const QDate &from, const QDate &to)
{
    int step = 0;
    const int points = kikanPoints(from, to, step);
    return points > 0 && energyRun(G_Tou_Kikan, from, to, step, points);
}

bool Koumoku_Kikan_Set(const QDate &from, const QDate &to, int koumoku1, int koumoku2)
{
    int step = 0;
    const int points = kikanPoints(from, to, step);
    return points > 0 && koumokuRun(G_Tou_Kikan, from, to, step, points, koumoku1, koumoku2);
}

} // namespace mirte
