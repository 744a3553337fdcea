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

// The trend graph's series: energy eaten and spent, or two chosen items, over 31 days or 26
// weeks, read for the whole period in a few queries.

namespace mirte {

using namespace t01detail;

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

    // False (after the message) when the person is missing. `columns` names what the run reads
    // of each record (empty: every column).
    bool loadPerson(const QString &columns = QStringLiteral("*"))
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
            QStringLiteral("SELECT %1 FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 BETWEEN ? AND ? "
                           "ORDER BY 日付, 健康状態管理ID")
                .arg(columns),
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
    // What the energy of a day is worked out from, and no more.
    if (!run.loadPerson(QStringLiteral("健康状態管理ID, 日付, 身長, 体重, 健康状態, 生活強度")))
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
