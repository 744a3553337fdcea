#include "b_t01.h"
#include "b_t01_detail.h"

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

using t01detail::kTitleError;
using t01detail::kTitleKakunin;

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

std::optional<QVariantMap> kijunRowCached(const Sentaku &s, int sex, t01detail::RowCache *cache)
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
double baseEnergy(const QVariantMap &row, const KijunInput &in)
{
    static const double kcal[3] = {120, 110, 100};
    return in.age >= 1 ? quad(row, QStringLiteral("エネルギー係数"), in.h) : in.w * kcal[in.band];
}

std::array<double, 25> baseValues(const QVariantMap &row, const KijunInput &in)
{
    std::array<double, 25> s{};
    const double w = in.w, h = in.h;
    s[iEnergy] = baseEnergy(row, in);
    if (in.age >= 1) {
        s[iProtein] = quad(row, QStringLiteral("たんぱく質係数"), h);
    } else {
        static const double prot[3] = {3, 2.6, 2.7};
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

namespace t01detail {

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
            // The trend graph asks for the energy of every day: only it is worked out then.
            if (idx == iEnergy) {
                bool known = true;
                const std::array<double, 25> *add = additions(in.kenkou, known);
                if (!known)
                    undefinedStateMessage();
                return baseEnergy(*row, in) + (add ? (*add)[iEnergy] : 0.0);
            }
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

} // namespace t01detail

double Syoyouryou_Get(const QString &name, int age, int days, int sex, const QVariantMap &kkRecord)
{
    return t01detail::syoyouryouGet(name, age, days, sex, kkRecord, nullptr);
}

} // namespace mirte
