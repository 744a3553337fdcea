#pragma once
// Vocabulary tables, process-wide values, composition arithmetic and the age routine.

#include "suuji.h"
#include <QDate>
#include <QString>
#include <optional>
#include <QStringList>
#include <QVariant>
#include <array>

namespace mirte {

// ---- vocabulary tables (filled once by Syoki_Settei) ----
inline constexpr int kEiyouCount = 103;
inline constexpr int kJudgedCount = 25;

extern QStringList G_Eiyou_Mei;      // 103 nutrient names
extern QStringList G_Eiyou_Tani;     // their units
extern QStringList G_Syokuhin_Gun;   // 19 food groups, 0 = all
extern QStringList G_Syokuji_Kubun;  // 4 meal kinds
extern QStringList G_Seikatu_Kyoudo; // 4 activity intensities
// Rows: ages 1..19; columns: boys cm, boys kg, girls cm, girls kg.
extern std::array<std::array<double, 4>, 19> G_Hyoujun_Taikaku;

// ---- process-wide values ----
extern QString G_DB_Path;
extern QString G_DB_Pwd;
extern int G_Yobidasi;        // caller code of the composition browser
extern qint64 G_Simei_ID;     // current person
extern qint64 G_KK_ID;        // current day record
extern qint64 G_SeR_ID;       // current eaten dish
extern QString G_Ryouri_Mei;  // its name
extern qint64 G_SeS_ID;       // current eaten food
extern int G_Tyouri_ID;       // current cooking method
extern qint64 G_Sei_ID;       // food chosen in the browser
extern qint64 G_Mst_Ryouri_ID;
extern QString G_Mst_Ryouri_Mei;
extern QString G_Simei_Hyouji;
extern QString G_Day_Hyouji;

bool Syoki_Settei();

// What a person can have, for the health items of the day record and of the own targets.
// A value outside is a typing slip (5180 kg, 1308 cm) and is refused before it is stored.
enum class KenkouKoumoku { Sintyou, Taijuu, Sinpaku, KetuatuSita, KetuatuUe, Kettouti, Taisibou, Hosuu,
                           Undouryou, Taion };
struct KenkouHani {
    QString name;  // as the message names it
    QString unit;
    double low, high;
};
const KenkouHani &Kenkou_Hani(KenkouKoumoku k);
// True for a finite value within the item's range.
bool Kenkou_Hani_Check(KenkouKoumoku k, double value);
// "体重は１～３００（kg）の範囲で入力してください。"
QString Kenkou_Hani_Message(KenkouKoumoku k);
// The number a whole box holds: empty (nullopt with *ok true), or a finite number (*ok true);
// anything else, a number too long for a double among them, sets *ok false.
std::optional<double> BoxNumber(const QString &text, bool *ok);

// The numeric value of a text: its leading number, "." as decimal point, whatever the locale.
// A text that does not begin with a number gives 0; a number too big for a double gives an
// infinite value of its sign.
double Val(const QString &text);
double Val(const QVariant &value);
// True when the value is null or the empty text.
bool IsEmptyValue(const QVariant &value);

// ---- composition arithmetic (amounts are per 100 g of edible part) ----
QString SeibunRyou_Hyouji(const QVariant &value, double grams, const QString &format);
double SeibunRyou_Keisan(const QVariant &value, double grams);
QString SeibunRyou_Hyouji2(const QVariant &value, double grams, const QVariant &factor,
                           const QString &format);
double SeibunRyou_Keisan2(const QVariant &value, double grams, const QVariant &factor);

// ---- age ----
// Whole years and days since the last birthday on `day`. A birth date later than the day
// returns false (and, when show is set, says so); the outputs are then left as they were.
bool Nenrei_Keisan(const QDate &day, const QDate &birth, int &years, int &days, bool show);

} // namespace mirte
