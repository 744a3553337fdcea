#include "henkan_core.h"

#include "b_01.h"
#include "database.h"

#include <algorithm>
#include <cmath>

namespace mirte {

HaikiRitu haikiRitu(const Database &db, qint64 seibunId)
{
    HaikiRitu h;
    const auto row = db.selectOne(QStringLiteral("SELECT 食品名, 細分, 廃棄率 FROM 成分表 WHERE 成分表ID = ?"),
                                  {seibunId});
    if (!row)
        return h;
    h.found = true;
    h.name = row->value(QStringLiteral("食品名")).toString();
    h.saibun = row->value(QStringLiteral("細分")).toString();
    const double r = Val(row->value(QStringLiteral("廃棄率")));
    h.rate = std::isfinite(r) ? std::clamp(r, 0.0, 100.0) : 0.0;
    return h;
}

double kansanBunRyou(double input, double rate)
{
    return input * (100.0 - rate) / 100.0;
}

QString kansanTooMuchMessage()
{
    return QStringLiteral("換算後の分量が１０，０００ｇを超えます。１０，０００ｇ以下になる数値を入れてください。");
}

bool kansanInputValid(double input)
{
    return std::isfinite(input) && input >= 0 && input <= kKansanMax;
}

QString haikiRituText(const HaikiRitu &h)
{
    if (!h.found)
        return QStringLiteral("0 ％");
    return Format(h.rate, QStringLiteral("0.0")) + QStringLiteral(" ％");
}

QString haikiStatusText(const HaikiRitu &h)
{
    if (!h.found)
        return QStringLiteral("食品が選ばれていません。");
    return QStringLiteral("対象の食品： ") + h.name + QStringLiteral("　") + h.saibun;
}

} // namespace mirte
