#pragma once
// The one-page day report of the meal diagnosis: everything it shows, gathered without a
// window so that the figures on paper are the figures of the diagnosis.

#include "b_sindan.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace mirte {

struct NippouGyou {
    QString name, unit;
    double intake = 0;     // the day's total
    double kijun = 0;      // what 100 % stands for: the own target where switched on
    double ritu = 0;       // the day rate in %
    bool mokuhyou = false; // measured against the own target
    Hantei hantei = Hantei::Tekisei;
};

struct NippouData {
    QString simei;
    QDate day;
    int age = -1;          // whole years on the day; -1 when unknown
    int sex = 0;           // 1 male, 2 female, 0 unknown
    QList<NippouGyou> gyou; // the 25 judged nutrients
    QStringList advice;    // the advice text as lines, without blank lines at either end
    bool mokuhyouUsed = false;

    // ---- energy balance ----
    double sessyuEnergy = 0;   // eaten (kcal)
    bool undouAri = false;     // some activity was recorded on the day
    bool syouhiKnown = false;  // the energy spent could be worked out
    double syouhiEnergy = 0;   // spent (kcal), valid when syouhiKnown
    QString syouhiNote;        // why it is not known, or a caution about it

    QString dayText() const;      // "2024年5月1日（水）"
    QString personText() const;   // "山田花子　44歳　女性"
};

// Gathers the report of day kkId from its filled intake table, the standard it was judged
// against and the judgement. Shows no message. Database errors are thrown as DbError.
NippouData Nippou_Syuukei(qint64 kkId, const SessyuryouHyou &day, const SyoyouryouHyou &std,
                          const SindanKekka &k);

} // namespace mirte
