#pragma once
// Body-build indices from height and weight: BMI for adults, Kaup for small children, Rohrer for
// school children, each with the judgement a Japanese clinic writes beside it.

#include <QString>
#include <optional>

namespace mirte {

struct BodyIndex {
    enum Kind { Bmi, Kaup, Rohrer } kind = Bmi;
    double value = 0;   // rounded as shown: BMI and Kaup to 0.1, Rohrer to 1
    QString judgement;  // judged on the shown value, so that label and band always agree

    QString name() const;  // "BMI", "カウプ指数", "ローレル指数"
    QString valueText() const;
};

// Which index fits an age in years: Kaup under 6, Rohrer 6 to 15, BMI from 16.
BodyIndex::Kind indexKindForAge(int years);

// The index for a person of that age; nothing when height or weight is missing or out of range.
std::optional<BodyIndex> bodyIndex(double heightCm, double weightKg, int ageYears);
std::optional<BodyIndex> bodyIndexOfKind(BodyIndex::Kind kind, double heightCm, double weightKg);

// The bands, on the shown value.
QString bmiJudgement(double bmi);       // 日本肥満学会
QString kaupJudgement(double kaup);
QString rohrerJudgement(double rohrer);

} // namespace mirte
