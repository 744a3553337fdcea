#include "tou_core.h"

#include "b_00.h"
#include "b_01.h"
#include "b_t01.h"
#include "csv.h"
#include "database.h"

#include <QVariant>
#include <cmath>

namespace mirte {

namespace {

template <class Table>
TouData fromTable(const Table &t, int points)
{
    TouData d;
    d.points = points;
    d.labels.reserve(points);
    d.kensuu.reserve(points);
    for (int r = 1; r <= 3; ++r) {
        d.mei[r] = t.Mei[r];
        d.values[r].reserve(points);
    }
    for (int c = 1; c <= points; ++c) {
        d.labels << t.Label[c];
        d.kensuu << t.Kensuu[c];
        for (int r = 1; r <= 3; ++r)
            d.values[r] << t.Value[r][c];
    }
    d.tani = G_Tou_Tani_Sitei;
    return d;
}

QString cellText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

template <class Table>
QString tableText(const Table &t, int cells)
{
    QString out;
    out.reserve(4 * cells * 8);
    for (int r = 0; r <= 3; ++r) {
        for (int c = 0; c < cells; ++c) {
            out += cellText(t.cell(r, c));
            out += QLatin1Char('\t');
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

// Digits only (full width allowed), at most `len` of them.
std::optional<int> wholeNumber(const QString &text, int len)
{
    const QString s = HalfWidthNumber(text).trimmed();
    if (s.isEmpty() || s.size() > len)
        return std::nullopt;
    for (QChar c : s) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    }
    return s.toInt();
}

} // namespace

TouData Tou_Data(TouKikanSyu syu)
{
    switch (syu) {
    case TouKikanSyu::Tuki:
        return fromTable(G_Tou_Tuki, G_Tou_Tuki.Cells - 1);
    case TouKikanSyu::Hantosi:
        return fromTable(G_Tou_Hantosi, G_Tou_Hantosi.Cells - 1);
    case TouKikanSyu::Kikan:
        break;
    }
    return fromTable(G_Tou_Kikan, G_Tou_Kikan.points());
}

TouZu Tou_Zu(const TouData &data, bool energy)
{
    TouZu z;
    if (energy) {
        z.sets = {{1, false, 12}, {2, false, 14}, {3, false, 9}};
        z.leftCount = 3;
        return z;
    }
    const bool item1 = !data.mei[1].isEmpty();
    const bool standard = !data.mei[2].isEmpty();
    const bool item2 = !data.mei[3].isEmpty();
    if (!item1 && !item2) {
        z.message = QStringLiteral("項目が両方とも見つかりません。");
        return z;
    }
    if (!item1) {
        z.sets = {{3, false, 12}};
        z.leftCount = 0;
    } else if (!standard) {
        z.sets = {{1, false, 12}};
        if (item2)
            z.sets.append({3, true, 14});
        z.leftCount = 1;
    } else {
        z.sets = {{1, false, 12}, {2, false, 14}};
        if (item2)
            z.sets.append({3, true, 9});
        z.leftCount = 2;
    }
    return z;
}

QString Mokuhyou_Flg_Column(const QString &item)
{
    if (item.isEmpty())
        return {};
    if (item == QStringLiteral("血圧（下）") || item == QStringLiteral("血圧（上）"))
        return QStringLiteral("血圧flg");
    static const QStringList health{
        QStringLiteral("身長"),   QStringLiteral("体重"),     QStringLiteral("心拍数"),
        QStringLiteral("血糖値"), QStringLiteral("体脂肪率"), QStringLiteral("歩数"),
        QStringLiteral("運動量（歩数計）"), QStringLiteral("体温")};
    const qsizetype judged = G_Eiyou_Mei.mid(0, kJudgedCount).indexOf(item);
    if (judged >= 0 || health.contains(item))
        return item + QStringLiteral("flg");
    return {};
}

std::optional<double> Mokuhyou_Get(qint64 simeiId, const QString &item)
{
    const QString flg = Mokuhyou_Flg_Column(item);
    if (flg.isEmpty())
        return std::nullopt;
    const auto row = G_DB().selectOne(
        QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {simeiId});
    if (!row || Flg_To_Check(row->value(flg)) != 1 || IsEmptyValue(row->value(item)))
        return std::nullopt;
    return Val(row->value(item));
}

std::optional<double> Tou_Heikin(const TouData &data, int row)
{
    if (row < 1 || row > 3)
        return std::nullopt;
    double sum = 0;
    int n = 0;
    for (int p = 1; p <= data.points; ++p) {
        if (data.ari(p)) {
            sum += data.value(row, p);
            ++n;
        }
    }
    if (n == 0)
        return std::nullopt;
    return sum / n;
}

QString Tou_Yomidasi(const TouZu &zu, const TouData &data, int set, int point)
{
    if (set < 1 || set > zu.sets.size() || point < 1 || point > data.points)
        return {};
    const double v = data.value(zu.sets[set - 1].row, point);
    const QString unit = set > zu.leftCount ? data.tani[2] : data.tani[set - 1];
    return Format(v, QStringLiteral("0.0#")) + QStringLiteral(" ( ") + unit + QStringLiteral(" ) ");
}

QString Tou_Text(TouKikanSyu syu)
{
    switch (syu) {
    case TouKikanSyu::Tuki:
        return tableText(G_Tou_Tuki, G_Tou_Tuki.Cells);
    case TouKikanSyu::Hantosi:
        return tableText(G_Tou_Hantosi, G_Tou_Hantosi.Cells);
    case TouKikanSyu::Kikan:
        break;
    }
    return tableText(G_Tou_Kikan, G_Tou_Kikan.points() + 1);
}

QList<QStringList> Tou_Csv_Records(TouKikanSyu syu)
{
    QDate start = G_Tou_Start, end;
    int step = 1;
    switch (syu) {
    case TouKikanSyu::Tuki:
        end = start.addDays(G_Tou_Tuki.Cells - 2);
        break;
    case TouKikanSyu::Hantosi:
        step = 7;
        end = start.addDays(qint64(G_Tou_Hantosi.Cells - 1) * step - 1);
        break;
    case TouKikanSyu::Kikan:
        start = G_Tou_Kikan.Start;
        end = G_Tou_Kikan.End;
        step = G_Tou_Kikan.Step;
        break;
    }
    const TouData d = Tou_Data(syu);
    const bool weekly = step > 1;
    QList<int> rows;
    for (int r = 1; r <= 3; ++r)
        if (!d.mei[r].isEmpty())
            rows << r;

    QStringList header;
    if (weekly)
        header << QStringLiteral("開始日") << QStringLiteral("終了日");
    else
        header << QStringLiteral("日付");
    for (int r : rows)
        header << (d.tani[r - 1].isEmpty() ? d.mei[r]
                                           : QStringLiteral("%1（%2）").arg(d.mei[r], d.tani[r - 1]));
    if (weekly)
        header << QStringLiteral("記録日数");

    QList<QStringList> out{header};
    const QString iso = QStringLiteral("yyyy-MM-dd");
    for (int p = 1; p <= d.points; ++p) {
        const QDate from = start.addDays(qint64(p - 1) * step);
        QStringList rec{from.toString(iso)};
        if (weekly)
            rec << std::min(from.addDays(step - 1), end).toString(iso);
        for (int r : rows) {
            const double v = d.value(r, p);
            // A health item holds 0 on a day it was not measured; a nutrient's 0 is an intake.
            const bool measured = d.ari(p) && (v != 0 || !G_Tou_Koumoku.contains(d.mei[r]));
            rec << (measured ? csvNumber(v, 2) : QString());
        }
        if (weekly)
            rec << QString::number(d.kensuu.value(p - 1));
        out << rec;
    }
    return out;
}

QList<QDate> Tou_Kiroku_Bi(qint64 simeiId)
{
    QList<QDate> out;
    const ResultSet rs = G_DB().select(
        QStringLiteral("SELECT DISTINCT 日付 FROM 健康状態管理 WHERE 氏名ID = ? ORDER BY 日付"), {simeiId});
    out.reserve(rs.rows.size());
    for (const QVariantList &r : rs.rows)
        out << toDate(r.value(0));
    return out;
}

QDate Tou_Hiduke(const QString &year, const QString &month, const QString &day)
{
    const auto y = wholeNumber(year, 4);
    const auto m = wholeNumber(month, 2);
    const auto d = wholeNumber(day, 2);
    if (!y || !m || !d || *y < 1900)
        return {};
    return QDate(*y, *m, *d); // invalid for 2003/2/30
}

QString Tou_Kikan_Setumei(const QDate &from, const QDate &to)
{
    const int step = Tou_Kikan_Step(from, to);
    if (step == 0)
        return {};
    const int days = int(from.daysTo(to)) + 1;
    if (step == 1)
        return QStringLiteral("１日ごと　%1点").arg(days);
    return QStringLiteral("１週間ごとの平均　%1点").arg((days + 6) / 7);
}

TouSyudou Tou_Syudou_Check(const std::array<QString, 4> &texts)
{
    TouSyudou k;
    k.texts = texts;
    auto refuse = [&](const QString &msg, int box) {
        k.message = msg;
        k.focus = box;
        return k;
    };
    std::array<double, 4> v{};
    for (int i = 0; i < 4; ++i) {
        const bool limit = i < 2;
        if (texts[i].trimmed().isEmpty())
            return refuse(limit ? QStringLiteral("数値を入れてください。")
                                : QStringLiteral("０以上の整数値を入れてください。"),
                          i);
        bool ok = false;
        const auto n = BoxNumber(texts[i], &ok);
        if (!ok || !n)
            return refuse(QStringLiteral("数値以外の文字が入っています。"), i);
        if (limit) {
            if (std::abs(*n) > kTouSyudouMaxAbs)
                return refuse(QStringLiteral("－１，０００，０００～１，０００，０００の数値を入れてください。"), i);
            k.texts[i] = Format(*n, QStringLiteral("0.00"));
        } else {
            // A negative count means nothing; a huge one would draw for ever.
            if (*n < 0)
                return refuse(QStringLiteral("０以上の整数値を入れてください。"), i);
            if (*n > kTouSyudouMaxLines + 0.5)
                return refuse(QStringLiteral("０～１００の整数値を入れてください。"), i);
            k.texts[i] = Format(*n, QStringLiteral("0"));
        }
        v[i] = Val(k.texts[i]);
        if (i == 1 && v[1] >= v[0])
            return refuse(QStringLiteral("最大値は、最小値より大きな値を入れてください。"), 0);
    }
    k.upper = v[0];
    k.lower = v[1];
    k.lines = int(v[2]);
    k.ticks = int(v[3]);
    return k;
}

} // namespace mirte
