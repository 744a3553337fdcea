#pragma once
// The dish catalogue without windows: categories (料理分類), dishes (料理名) and their recipes
// (材料). Names are compared exactly as typed (after trimming) and always travel as bound
// parameters, so an apostrophe is a character like any other.

#include "database.h"

#include <QString>
#include <optional>

namespace mirte {

// Columns of the dish list (grid column = index + 1).
namespace ryouri_col {
inline constexpr int Id = 1;       // 料理名ID (hidden)
inline constexpr int BunruiId = 2; // 料理分類ID (hidden)
inline constexpr int Bunrui = 3;   // category name
inline constexpr int Mei = 4;      // dish name
inline constexpr int Haifu = 5;    // 配布元 (hidden)
} // namespace ryouri_col

// Columns of the ingredient list (grid column = index + 1).
namespace zairyou_col {
inline constexpr int Gun = 1;      // 食品群 (hidden)
inline constexpr int Mei = 2;      // 食品名
inline constexpr int Saibun = 3;   // 細分
inline constexpr int Bunryou = 4;  // 分量
inline constexpr int Id = 5;       // 材料ID (hidden)
inline constexpr int SeiId = 6;    // 成分表ID (hidden)
inline constexpr int TyouriId = 7; // 調理法ID (hidden)
inline constexpr int Meyasu = 8;   // 分量目安 (hidden)
inline constexpr int Tyouri = 9;   // 調理法
} // namespace zairyou_col

// The cooking method a new recipe starts with.
inline constexpr int kDefaultTyouriId = 1;

// Marks a dish as the household's own: the reference refresh never touches such a dish, and
// the mark tells a shipped dish the household changed from one it did not.
inline constexpr int kHaifuUser = 1;

// ---- the queries the windows bind ----
QString ryouriListSql();   // 料理名ID, 料理分類ID, 料理分類, 料理名, 配布元 by category, name
QString bunruiListSql();   // 料理分類ID, 料理分類 by name (the category window)
QString bunruiComboSql();  // every column of 料理分類 by name (the dish master's combo)
QString tyouriListSql();   // 調理法ID, 調理法 by name
// The ingredients of one dish (bind the 料理名ID).
QString zairyouListSql();

// ---- dishes ----
// Another dish (not exceptId) already has this name, in whatever category.
bool Ryouri_NameExists(const QString &name, qint64 exceptId = 0);
// Adds a household dish (配布元 1); returns its 料理名ID.
qint64 Ryouri_Add(const QString &name, qint64 bunruiId);
// Renames and re-categorises; the dish becomes the household's own. False when it is gone.
bool Ryouri_Update(qint64 id, const QString &name, qint64 bunruiId);
// Deletes the dish with its recipe in one transaction. False when it is gone. Days already
// recorded keep their eaten copies.
bool Ryouri_Delete(qint64 id);
bool Ryouri_Exists(qint64 id);
std::optional<QString> Ryouri_Mei(qint64 id);

// ---- categories ----
bool Bunrui_NameExists(const QString &name, qint64 exceptId = 0);
qint64 Bunrui_Add(const QString &name);
// False when the category is gone.
bool Bunrui_Rename(qint64 id, const QString &name);
// How many dishes belong to the category.
int Bunrui_DishCount(qint64 id);
// Deletes the category with its dishes and their recipes in one transaction. False when gone.
bool Bunrui_Delete(qint64 id);
bool Bunrui_Exists(qint64 id);

// ---- recipes ----
struct Zairyou {
    qint64 ryouriId = 0;
    qint64 seibunId = 0;
    double bunryou = 0;    // grams for one serving
    int tyouriId = kDefaultTyouriId;
};

// More than this for one serving is a typing slip (a stray zero or two), not a recipe.
inline constexpr double kBunryouMax = 10000;

// The quantity as the recipe window reads it: the leading number of the text (none is 0).
// Nothing when it is negative, above kBunryouMax or not a finite number.
std::optional<double> Bunryou_Check(const QString &text);
// A quantity in plain number form, as the box shows it after a check.
QString BunryouText(double q);

bool Zairyou_Exists(qint64 zairyouId);
// Each of these writes the ingredient and marks its dish as the household's own in one
// transaction.
qint64 Zairyou_Add(const Zairyou &z);
// Replaces food, quantity and cooking method (the dish stays). False when the row is gone.
bool Zairyou_Update(qint64 zairyouId, const Zairyou &z);
bool Zairyou_Delete(qint64 zairyouId);

} // namespace mirte
