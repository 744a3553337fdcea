#pragma once
// The exercise diagnosis of a day: the activity index, basal and activity metabolism by the
// program's one energy-spent rule, the energy eaten, the advice and the load-energy table.

#include <QList>
#include <QString>
#include <array>

namespace mirte {

struct UndouSindan {
    enum Teisi {
        None,            // computed to the end
        NoRecord,        // the day's 健康状態管理 row is gone
        NoPerson,        // the person's 個人データ row is gone
        NoBirthDate,     // no birth date: no age
        MinusAge,        // the day lies before the birth date
        Infant,          // 0 years old on the day
        KatudouMissing,  // an activity's エネルギー消費量 row is gone
        KisoMissing,     // no 基礎代謝基準値 row for the age and sex
        SeibunMissing,   // an eaten food's 成分表 row is gone
        DbFailed,        // the database reported an error (shown by the caller)
    };
    Teisi teisi = None;
    bool over24 = false;          // the activities add up to more than a day

    // What the computation reached; the values after a stop stay 0 and are not valid.
    double KisoTaisya = 0;
    double EnSyouhiRyou = 0;
    double KatudouTaisyaRyou = 0;
    double SessyuEn = 0;
    double KatudouSisuu = 0;
    int Sei_Betu = 0;
    int age = 0;
    double kirokuJikan = 0; // the recorded activities' time, in days

    bool complete() const { return teisi == None; }
    // The activity index and the sex are known (the advice needs only these).
    bool sisuuKnown() const { return teisi == None || teisi == KisoMissing || teisi == SeibunMissing; }

    // The graph's 3 sets × 2 points: basal part and activity part of the expenditure, then the
    // intake; all 0 unless the computation completed.
    std::array<std::array<double, 2>, 3> graph() const;
};

// Computes the diagnosis of the day kkId of the person simeiId. Every stop and the notice of
// more than 24 hours are shown as messages, in the order they are met. Throws DbError.
UndouSindan Energy_Keisan(qint64 kkId, qint64 simeiId);

// The day's energy eaten: 摂取食品 × 成分表.エネルギー; an empty energy adds nothing.
// False (after "成分表のレコードが削除されています。") when an eaten food's row is gone;
// `kcal` then holds the foods summed before it. Throws DbError.
bool Sessyu_Energy(qint64 kkId, double &kcal);

// A value of the graph's messages and text copy: at most two decimals, no trailing point
// ("890", "1299.5", "103.96").
QString Kcal_Hyouji(double v);

// What the recorded activities cover of the day (durations in days), and that the rest counts as
// rest: one walk logged is not a day spent sitting still plus a walk by mistake.
QString Kiroku_Jikan_Text(double days);

// The advice text for activity index x and sex code (1 = male, any other = female).
QString Undou_Advice(double x, int sex);
// Which row of the advice table x falls in: 0 below 0.4, 1 from 0.4 to below 0.6, 2 above.
int Undou_Advice_Gyou(double x);

// One row of the load-energy table: activity, duration, load energy (kcal).
struct FukaGyou {
    QString meisyou;
    QString jikan;
    QString fuka;
};

struct FukaHyou {
    QList<FukaGyou> gyou;     // the activities, then the rest row (when under a day), the total
    bool stopped = false;     // an activity's reference row is gone: filling stopped there
};

// The table of the day kkId, with the day's basal metabolism. A missing reference row shows
// "エネルギー消費量のレコードが削除されています。" and keeps the rows before it. Throws DbError.
FukaHyou Fuka_Hyou(qint64 kkId, double kisoTaisya);

} // namespace mirte
