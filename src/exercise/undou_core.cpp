#include "undou_core.h"

#include "b_01.h"
#include "kana.h"
#include "yomi.h"

#include <cmath>

namespace mirte {

QString Undou_Ichiran_Sql()
{
    return QStringLiteral(
        "SELECT 運動時間.運動時間ID, 運動時間.健康状態管理ID, エネルギー消費量.運動名称, "
        "運動時間.エネルギー消費量ID, 運動時間.時間 FROM エネルギー消費量 INNER JOIN 運動時間 "
        "ON エネルギー消費量.エネルギー消費量ID = 運動時間.エネルギー消費量ID "
        "WHERE 運動時間.健康状態管理ID = ? ORDER BY 運動時間.運動時間ID ASC");
}

QString Undou_Meisyou_Sql()
{
    return QStringLiteral("SELECT * FROM エネルギー消費量 ORDER BY 運動名称 ASC, エネルギー消費量ID ASC");
}

ResultSet Undou_Kensaku(const QString &text)
{
    const QStringList keys = Yomi_Kensaku_Keys(text);
    if (keys.isEmpty())
        return G_DB().select(QStringLiteral("SELECT * FROM エネルギー消費量 ORDER BY エネルギー消費量ID"));
    ResultSet all = G_DB().select(QStringLiteral(
        "SELECT エネルギー消費量.*, 読み.読み FROM エネルギー消費量 "
        "LEFT JOIN 読み ON 読み.名前 = trim(エネルギー消費量.運動名称) ORDER BY エネルギー消費量ID"));
    // Folded on our side, so that the user's text never becomes a pattern of the engine; an
    // activity is found by its spelling or by how it is read (あるく, ウォーキング: 歩行).
    const int nameCol = all.column(QStringLiteral("運動名称"));
    const int yomiCol = int(all.columns.size()) - 1;
    ResultSet out;
    out.columns = all.columns;
    out.columns.removeLast();
    for (QVariantList &row : all.rows) {
        if (Yomi_Match(keys, row.value(nameCol).toString(), row.value(yomiCol).toString())) {
            row.removeLast();
            out.rows << std::move(row);
        }
    }
    return out;
}

namespace {

bool blank(const QString &s)
{
    return s.trimmed().isEmpty();
}

// The number a box stands for, or nullopt when it cannot be part of a time of day.
bool wholeNumber(const QString &text, int low, int high, int &out)
{
    const double v = blank(text) ? 0.0 : Val(text);
    if (!std::isfinite(v) || v != std::floor(v) || v < low || v > high)
        return false;
    out = int(v);
    return true;
}

} // namespace

JikanCheck Jikan_Check(const QVariant &activityId, const QString &hours, const QString &minutes)
{
    JikanCheck c;
    if (!(Val(activityId) >= 1)) {
        c.result = JikanCheck::NoActivity;
        return c;
    }
    if (blank(hours) && blank(minutes)) {
        c.result = JikanCheck::Empty;
        return c;
    }
    int h = 0, m = 0;
    if (!wholeNumber(hours, 0, 23, h) || !wholeNumber(minutes, 0, 59, m)) {
        c.result = JikanCheck::Invalid;
        return c;
    }
    c.minutes = h * 60 + m;
    return c;
}

QString Jikan_Check_Message(JikanCheck::Result result, bool overwrite)
{
    switch (result) {
    case JikanCheck::NoActivity:
        return QStringLiteral("運動･動作名を選択してください。");
    case JikanCheck::Empty:
        return QStringLiteral("運動時間を入力してください。");
    case JikanCheck::Invalid:
        return overwrite ? QStringLiteral("24時間未満の値を入力してください。")
                         : QStringLiteral("時間の表記に誤りがあります。24時間未満の値を入力してください。");
    case JikanCheck::Ok:
        break;
    }
    return {};
}

int Jikan_Fun(double days)
{
    if (!std::isfinite(days) || days <= 0)
        return 0;
    return int(std::llround(days * kMinutesPerDay));
}

QString Jikan_HNN(double days)
{
    const int m = Jikan_Fun(days);
    return QStringLiteral("%1：%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString Jikan_HMS(double days)
{
    const int m = Jikan_Fun(days);
    return QStringLiteral("%1:%2:00").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString Jikan_Kei_Text(const QList<double> &durations)
{
    // Summed in minutes: a sum of fractions of a day would drift off whole minutes.
    qint64 total = 0;
    for (double d : durations)
        total += Jikan_Fun(d);
    return QStringLiteral("計： %1 時間 %2 分").arg(total / 60).arg(total % 60);
}

qint64 Undou_Tuika(qint64 kkId, qint64 activityId, int minutes)
{
    return G_DB().insert(QStringLiteral("運動時間"),
                         {{QStringLiteral("健康状態管理ID"), kkId},
                          {QStringLiteral("エネルギー消費量ID"), activityId},
                          {QStringLiteral("時間"), double(minutes) / kMinutesPerDay}});
}

bool Undou_Aru(qint64 undouId)
{
    return G_DB()
        .selectOne(QStringLiteral("SELECT 運動時間ID FROM 運動時間 WHERE 運動時間ID = ?"), {undouId})
        .has_value();
}

bool Undou_Henkou(qint64 undouId, qint64 kkId, qint64 activityId, int minutes)
{
    return G_DB().update(QStringLiteral("運動時間"), QStringLiteral("運動時間ID"), undouId,
                         {{QStringLiteral("健康状態管理ID"), kkId},
                          {QStringLiteral("エネルギー消費量ID"), activityId},
                          {QStringLiteral("時間"), double(minutes) / kMinutesPerDay}})
        > 0;
}

void Undou_Sakujo(qint64 undouId)
{
    G_DB().removeRow(QStringLiteral("運動時間"), QStringLiteral("運動時間ID"), undouId);
}

} // namespace mirte
