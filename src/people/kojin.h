#pragma once
// The person registry (個人データ) and each person's own target values, without windows.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>

namespace mirte {

inline constexpr int kSexMale = 1;
inline constexpr int kSexFemale = 2;

struct Kojin {
    qint64 id = 0;
    QString name;
    QDate birth;
    int sex = kSexMale;
};

// ---- own target values ----
inline constexpr int kKenkouChecks = 9;  // health items (血圧 is one item with two values)
inline constexpr int kKenkouBoxes = 10;  // box 3 is the lower, box 9 the upper pressure
inline constexpr int kEiyou1Count = 14;  // nutrients 0..13 on the first nutrient page
inline constexpr int kEiyou2Count = 11;  // nutrients 14..24 on the second

// Column of each health check box and value box.
const QStringList &KenkouFlgColumns();  // 9
const QStringList &KenkouValColumns();  // 10
const QStringList &KenkouNames();       // captions of the 9 items

// The settings as the window shows them: flags and the texts of the value boxes.
struct KojinSettei {
    std::array<bool, kKenkouChecks> kenkouFlg{};
    std::array<QString, kKenkouBoxes> kenkouVal;
    std::array<bool, 25> eiyouFlg{};      // nutrients 0..24 of G_Eiyou_Mei
    std::array<QString, 25> eiyouVal;
};

// How a stored target value is shown in its box: plain number, empty shown as "0".
QString SetteiText(const QVariant &value);

// Every flag and value column of the settings, ready to write. A blank box is stored empty.
QVariantMap SetteiColumns(const KojinSettei &s);
// The settings of a stored row (needs the vocabulary of Syoki_Settei).
KojinSettei SetteiFromRow(const QVariantMap &row);

// ---- input checks shared by add and change ----
enum class KojinCheck { Ok, NameEmpty, NameTooLong, BadBirth, NoSex, Duplicate };

inline constexpr int kNameMax = 10;
// Characters as a person counts them (a surrogate pair is one character).
int NameLength(const QString &name);

// ---- database ----
std::optional<Kojin> Kojin_Get(qint64 id);
std::optional<QVariantMap> Kojin_Row(qint64 id);
// Another person (not exceptId) already has this name.
bool Kojin_NameExists(const QString &name, qint64 exceptId);
bool Kojin_HasRecords(qint64 id);

// The stored main-user mark as it stands (0 when empty).
qint64 MainUser_Value();

// Adds a person with default settings; marks the main user when asked. Returns the new 氏名ID.
qint64 Kojin_Add(const Kojin &k, bool mainUser);
// Saves name, sex and birth date, the settings when given, and the main-user mark
// (checked: this person; unchecked: cleared only when it was this person).
void Kojin_Update(const Kojin &k, const KojinSettei *settei, bool mainUser);
// Deletes the person with every record of theirs; clears the main-user mark when it was theirs.
void Kojin_Delete(qint64 id);

} // namespace mirte
