#include "taikaku.h"

#include <cmath>

namespace mirte {

QString BodyIndex::name() const
{
    switch (kind) {
    case Kaup:
        return QStringLiteral("カウプ指数");
    case Rohrer:
        return QStringLiteral("ローレル指数");
    case Bmi:
        break;
    }
    return QStringLiteral("BMI");
}

QString BodyIndex::valueText() const
{
    return kind == Rohrer ? QString::number(value, 'f', 0) : QString::number(value, 'f', 1);
}

BodyIndex::Kind indexKindForAge(int years)
{
    if (years < 6)
        return BodyIndex::Kaup;
    if (years <= 15)
        return BodyIndex::Rohrer;
    return BodyIndex::Bmi;
}

QString bmiJudgement(double bmi)
{
    if (bmi < 18.5)
        return QStringLiteral("低体重");
    if (bmi < 25)
        return QStringLiteral("普通体重");
    if (bmi < 30)
        return QStringLiteral("肥満(1度)");
    if (bmi < 35)
        return QStringLiteral("肥満(2度)");
    if (bmi < 40)
        return QStringLiteral("肥満(3度)");
    return QStringLiteral("肥満(4度)");
}

QString kaupJudgement(double kaup)
{
    if (kaup < 13)
        return QStringLiteral("やせすぎ");
    if (kaup < 15)
        return QStringLiteral("やせぎみ");
    if (kaup < 18)
        return QStringLiteral("普通");
    if (kaup < 20)
        return QStringLiteral("太りぎみ");
    return QStringLiteral("太りすぎ");
}

QString rohrerJudgement(double rohrer)
{
    if (rohrer < 100)
        return QStringLiteral("やせすぎ");
    if (rohrer < 115)
        return QStringLiteral("やせぎみ");
    if (rohrer < 145)
        return QStringLiteral("普通");
    if (rohrer < 160)
        return QStringLiteral("太りぎみ");
    return QStringLiteral("太りすぎ");
}

std::optional<BodyIndex> bodyIndexOfKind(BodyIndex::Kind kind, double heightCm, double weightKg)
{
    // A typo such as 1.7 for 170 cm would give a wild figure; show nothing instead.
    if (!(heightCm >= 30 && heightCm <= 250) || !(weightKg >= 1 && weightKg <= 300))
        return std::nullopt;
    BodyIndex r;
    r.kind = kind;
    const double m = heightCm / 100.0;
    if (kind == BodyIndex::Rohrer) {
        r.value = std::round(weightKg / (heightCm * heightCm * heightCm) * 1e7);
        r.judgement = rohrerJudgement(r.value);
    } else {
        // Kaup is the same quotient as BMI, judged on the children's bands.
        r.value = std::round(weightKg / (m * m) * 10.0) / 10.0;
        r.judgement = kind == BodyIndex::Kaup ? kaupJudgement(r.value) : bmiJudgement(r.value);
    }
    return r;
}

std::optional<BodyIndex> bodyIndex(double heightCm, double weightKg, int ageYears)
{
    if (ageYears < 0)
        return std::nullopt;
    return bodyIndexOfKind(indexKindForAge(ageYears), heightCm, weightKg);
}

} // namespace mirte
