#pragma once
// The composition browser without its window: the three tab queries, the search conditions of
// each tab and how a search text becomes bound LIKE patterns.

#include "database.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <array>

namespace mirte {

// What a tab lists. Tab 2 shows Sibou or SibouKasyoku, by the fatty-acid basis.
enum class SeibunKind { Seibun = 0, Amino = 1, Sibou = 2, SibouKasyoku = 3 };

inline constexpr int kSeiKenTabs = 3;

// Grid columns (column 0 is the row selector; data column k + 1 shows query column k).
namespace seiken_col {
inline constexpr int Id = 1;        // 成分表ID
inline constexpr int Bangou = 2;    // 食品番号
inline constexpr int Gun = 3;       // 食品群
inline constexpr int Mei = 4;       // 食品名
inline constexpr int Saibun = 5;    // 細分
inline constexpr int FirstMovable = 6;
inline constexpr int AminoGuide = 28;   // 分量目安 on the amino-acid tab
inline constexpr int SibouFirst = 10;   // first of the 42 fatty acids
inline constexpr int SibouLast = 51;
inline constexpr int SibouGuide = 53;   // 分量目安 on the fatty-acid tab
} // namespace seiken_col

// The food group and search text of one tab.
struct KensakuJouken {
    QString gun;
    QString text;
};

QString zenSyokuhin(); // "全食品": no food-group filter

// One condition per tab, shared by the browser and the condition window.
extern std::array<KensakuJouken, kSeiKenTabs> G_Kensaku_Jouken;
// Every tab back to ("全食品", empty).
void Jouken_Reset();

// The 42 fatty acids in the order the fatty-acid tab lists them.
const QStringList &sibousanNames();

// The select list and FROM clause of a kind, without any filter.
QString baseQuery(SeibunKind kind);

// The columns the text filter looks in.
const QStringList &searchColumns();

// The words a search text stands for: as typed, folded like the 検索 keys, and the folded
// text with a known synonym replaced by what it means (人参 also looks for にんじん).
// Empty for an empty text.
QStringList searchWords(const QString &text);

// A LIKE pattern that finds `word` anywhere; %, _ and the escape character match themselves.
QString likePattern(const QString &word);

struct SeibunQuery {
    QString sql;
    QVariantList params;
};

// The query of a kind for a food group and a search text. "全食品" or an empty group and an
// empty text leave that filter out. Every user text is a bound parameter.
SeibunQuery Jouken_SQL(SeibunKind kind, const QString &gun, const QString &text);

// Runs it on G_DB(). Throws DbError.
ResultSet seibunRows(SeibunKind kind, const QString &gun, const QString &text);

} // namespace mirte
