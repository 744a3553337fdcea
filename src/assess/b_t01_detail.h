#pragma once
// What the three parts of B_T01 share and nobody else uses: the dietary standard (b_t01.cpp),
// the energy spent (b_t01_kiso.cpp) and the trend series (b_t01_tou.cpp).

#include "b_t01.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>

class QSqlQuery;

namespace mirte::t01detail {

inline const QString kTitleError = QStringLiteral("エラー");
inline const QString kTitleKakunin = QStringLiteral("確認");

// Row selections of the dietary standard already read during one series run.
struct RowCache {
    QHash<QString, std::optional<QVariantMap>> rows;
};
// Syoyouryou_Get with the rows of a series run kept.
double syoyouryouGet(const QString &name, int age, int days, int sex, const QVariantMap &rec, RowCache *cache);

// One recorded activity of a day.
struct Katudou {
    bool missing = false; // its エネルギー消費量 row is gone
    double rmr = 0;
    double time = 0;
};
// Basal metabolism reference values already read, by age key and sex.
using BasalCache = QHash<qint64, std::optional<double>>;

std::optional<double> kisoTaisyaKijun(int key, int sex, BasalCache *cache);
SyouhiEnergy syouhiFrom(const QList<Katudou> &acts, int age, int sex, double weight, BasalCache *cache);
// The columns of an activity query ("SELECT " + this + "WHERE ..."), and a row of it.
extern const QString kKatudouColumns;
Katudou katudouFrom(const QSqlQuery &q);

} // namespace mirte::t01detail
