#include "kenkou_csv.h"

#include "csv.h"

#include <algorithm>

namespace mirte {

namespace {
// The day window keeps an unfilled box as 0; no measure of a living person is 0.
QString cell(const std::optional<double> &v, int decimals = 1)
{
    return v && *v != 0 ? csvNumber(*v, decimals) : QString();
}
} // namespace

QList<QStringList> kenkouCsvRecords(const QList<KenkouRow> &rows, const QDate &from, const QDate &to,
                                    const QStringList &kyoudoNames)
{
    QList<QStringList> out;
    out << QStringList{QStringLiteral("日付"), QStringLiteral("身長(cm)"), QStringLiteral("体重(kg)"),
                       QStringLiteral("健康状態"), QStringLiteral("生活強度"), QStringLiteral("血糖値(mg/dl)"),
                       QStringLiteral("体脂肪率(%)"), QStringLiteral("心拍数(回/分)"),
                       QStringLiteral("血圧(下)(mmHg)"), QStringLiteral("血圧(上)(mmHg)"),
                       QStringLiteral("体温(℃)"), QStringLiteral("歩数(歩)"),
                       QStringLiteral("運動量(歩数計)(kcal)"), QStringLiteral("備考")};
    QList<KenkouRow> chosen;
    for (const KenkouRow &r : rows) {
        if (r.hiduke.isValid() && r.hiduke >= from && r.hiduke <= to)
            chosen << r;
    }
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const KenkouRow &a, const KenkouRow &b) { return a.hiduke < b.hiduke; });
    for (const KenkouRow &r : chosen) {
        const QString kyoudo =
            r.kyoudo >= 1 && r.kyoudo <= kyoudoNames.size() ? kyoudoNames.at(r.kyoudo - 1) : QString();
        out << QStringList{r.hiduke.toString(Qt::ISODate), cell(r.sintyou), cell(r.taijuu), r.kenkou, kyoudo,
                           cell(r.kettouti), cell(r.taisibou), cell(r.sinpaku), cell(r.ketuatuSita),
                           cell(r.ketuatuUe), cell(r.taion, 2), cell(r.hosuu, 0), cell(r.undouryou),
                           r.bikou};
    }
    return out;
}

} // namespace mirte
