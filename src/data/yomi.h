#pragma once
// Names found by how they are read: a Japanese user types readings (みそしる, あるく) where
// the catalogue spells 味噌汁 and 歩行. The readings of the names are kept in the table 読み
// (shipped ones from the seed, the household's own as they are written); this side matches a
// typed text against a name and its readings, without the analyser.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace mirte {

class Database;

// The hand-written everyday words: 読み pairs give a reading the analyser cannot (唐揚げ is
// からあげ, not とうあげ), 言い換え pairs say what a typed word means (ウォーキング is 歩行).
// Both sides folded.
const QList<QPair<QString, QString>> &Yomi_Kotei();
const QList<QPair<QString, QString>> &Yomi_Iikae();

// The folded forms to look for: the typed text, and the text with an everyday word put in
// the catalogue's words. Empty for a blank text.
QStringList Yomi_Kensaku_Keys(const QString &text);
// True when any key is in the folded name or in one of its readings (blank-separated, folded).
bool Yomi_Match(const QStringList &keys, const QString &name, const QString &readings);

// The readings stored for a name; empty when there are none.
QString Yomi_Yomikomi(const Database &db, const QString &name);
// Keeps the readings of a household name (a shipped name keeps its own).
void Yomi_Kakikomi(Database &db, const QString &name, const QString &readings);
// Creates the table in a file made before it existed.
void Yomi_Table_Junbi(Database &db);

} // namespace mirte
