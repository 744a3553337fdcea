#pragma once
// Readings of the names the program keeps, by the morphological analyser MeCab with its IPA
// dictionary: used when the seed is built for the shipped names, and at run time for the
// names the household writes. Without the dictionary the program still works and searches by
// spelling.

#include <QString>

namespace mirte {

class Database;

// True when the analyser and a UTF-8 dictionary could be loaded (tried once).
bool Yomi_Riyou_Kanou();
// What went wrong loading it, for the one notice; empty when it loaded.
QString Yomi_Riyou_Fuka_Riyuu();

// The readings of a name, folded to hiragana and blank-separated (the analyser's best few, and
// those the everyday words give); empty when the analyser is not available.
QString Yomi_Keisan(const QString &name);

// Keeps the readings of a name the household wrote (a new or renamed dish). Throws DbError.
void Yomi_Touroku(Database &db, const QString &name);
// Gives every catalogue dish and activity without a reading one (names written before the
// table existed, or while the dictionary was missing). Returns how many were added.
int Yomi_Hojuu(Database &db);

} // namespace mirte
