#include "b_01.h"

#include "msgbox.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace mirte {

QStringList G_Eiyou_Mei;
QStringList G_Eiyou_Tani;
QStringList G_Syokuhin_Gun;
QStringList G_Syokuji_Kubun;
QStringList G_Seikatu_Kyoudo;
std::array<std::array<double, 4>, 19> G_Hyoujun_Taikaku{};

QString G_DB_Path;
QString G_DB_Pwd;
int G_Yobidasi = 0;
qint64 G_Simei_ID = 0;
qint64 G_KK_ID = 0;
qint64 G_SeR_ID = 0;
QString G_Ryouri_Mei;
qint64 G_SeS_ID = 0;
int G_Tyouri_ID = 0;
qint64 G_Sei_ID = 0;
qint64 G_Mst_Ryouri_ID = 0;
QString G_Mst_Ryouri_Mei;
QString G_Simei_Hyouji;
QString G_Day_Hyouji;

namespace {

struct Nutrient {
    const char *name;
    const char *unit;
};

// Position is the nutrient's number everywhere; 0..24 are judged, 40..81 fatty acids, 82..102 amino acids.
constexpr Nutrient kNutrients[kEiyouCount] = {
    {"エネルギー", "kcal"}, {"たんぱく質", "g"}, {"脂質", "g"}, {"カルシウム", "mg"},
    {"鉄", "mg"}, {"ビタミンＡ", "μgRE"}, {"ビタミンＢ１", "mg"}, {"ビタミンＢ２", "mg"},
    {"ビタミンＣ", "mg"}, {"ビタミンＤ", "μg"}, {"ビタミンＥ", "mg"}, {"ナイアシン", "mg"},
    {"食塩相当量", "g"}, {"食物繊維総量", "g"}, {"ビタミンＫ", "μg"}, {"ビタミンＢ６", "mg"},
    {"葉酸", "μg"}, {"ビタミンＢ１２", "μg"}, {"パントテン酸", "mg"}, {"リン", "mg"},
    {"マグネシウム", "mg"}, {"カリウム", "mg"}, {"銅", "mg"}, {"マンガン", "mg"},
    {"亜鉛", "mg"}, {"炭水化物", "g"}, {"灰分", "g"}, {"ナトリウム", "mg"},
    {"レチノール", "μg"}, {"カロテン", "μg"}, {"コレステロール", "mg"}, {"水溶性食物繊維", "g"},
    {"不溶性食物繊維", "g"}, {"飽和脂肪酸", "g"}, {"一価不飽和脂肪酸", "g"}, {"多価不飽和脂肪酸", "g"},
    {"脂肪酸・総量", "g"}, {"脂肪酸・飽和", "g"}, {"脂肪酸・不飽和・一価", "g"}, {"脂肪酸・不飽和・多価", "g"},
    {"酪酸", "mg"}, {"ヘキサン酸", "mg"}, {"オクタン酸", "mg"}, {"デカン酸", "mg"},
    {"デセン酸", "mg"}, {"ラウリン酸", "mg"}, {"ミリスチン酸", "mg"}, {"ミリストレイン酸", "mg"},
    {"ペンタデカン酸", "mg"}, {"ペンタデカン酸ant", "mg"}, {"ペンタデセン酸", "mg"}, {"パルミチン酸", "mg"},
    {"パルミチン酸iso", "mg"}, {"パルミトレイン酸", "mg"}, {"ヘキサデカトリエン酸", "mg"}, {"ヘクサデカテトラエン酸", "mg"},
    {"ヘプタデカン酸", "mg"}, {"ヘプタデカン酸ant", "mg"}, {"ヘプタデセン酸", "mg"}, {"ヘプタデカジエン酸", "mg"},
    {"ステアリン酸", "mg"}, {"オレイン酸", "mg"}, {"リノール酸n-6", "mg"}, {"リノレン酸n-3", "mg"},
    {"γリノレン酸n-6", "mg"}, {"オクタデカテトラエン酸", "mg"}, {"アラキジン酸", "mg"}, {"イコセン酸", "mg"},
    {"イコサジエン酸n-6", "mg"}, {"イコサトリエン酸n-6", "mg"}, {"イコサテトラエン酸n-3", "mg"}, {"アラキドン酸n-6", "mg"},
    {"イコサペンタエン酸n-3", "mg"}, {"ベヘン酸", "mg"}, {"ドコセン酸", "mg"}, {"ドコサジエン酸", "mg"},
    {"ドコサテトラエン酸", "mg"}, {"ドコサペンタエン酸n-3", "mg"}, {"ドコサペンタエン酸n-6", "mg"}, {"ドコサヘキサエン酸n-3", "mg"},
    {"リグノセリン酸", "mg"}, {"テトラコセン酸", "mg"}, {"イソロイシン", "mg"}, {"ロイシン", "mg"},
    {"リジン", "mg"}, {"含硫アミノ酸・メチオニン", "mg"}, {"含硫アミノ酸・シスチン", "mg"}, {"含硫アミノ酸・合計", "mg"},
    {"芳香族アミノ酸・フェニルアラニン", "mg"}, {"芳香族アミノ酸・チロシン", "mg"}, {"芳香族アミノ酸・合計", "mg"}, {"スレオニン", "mg"},
    {"トリプトファン", "mg"}, {"パリン", "mg"}, {"ヒスチジン", "mg"}, {"アルギニン", "mg"},
    {"アラニン", "mg"}, {"アスパラギン酸", "mg"}, {"グルタミン酸", "mg"}, {"グリシン", "mg"},
    {"プロリン", "mg"}, {"セリン", "mg"}, {"アミノ酸スコア", "mg"},
};

constexpr std::array<std::array<double, 4>, 19> kTaikaku{{
    {80.2, 10.57, 79.1, 10.07},   {89.6, 12.85, 88.4, 12.36},   {97.6, 15, 96.4, 14.57},
    {104.7, 17.12, 103.6, 16.74}, {111.2, 19.34, 110.2, 18.97}, {117.2, 21.7, 116.2, 21.25},
    {123, 24.4, 121.9, 23.75},    {128.6, 27.42, 127.5, 26.6},  {133.9, 30.69, 133.2, 29.95},
    {139.2, 34.34, 139.7, 34.23}, {145.4, 38.73, 146.5, 39.28}, {153, 44.31, 151.6, 43.92},
    {160.5, 50.39, 154.7, 47.6},  {166, 55.69, 156.5, 50.38},   {169.3, 59.62, 157.4, 52.08},
    {171, 61.93, 158, 52.92},     {171.9, 63.15, 158.3, 52.95}, {172.3, 63.53, 158.5, 52.53},
    {172.3, 63.53, 158.5, 51.93},
}};

} // namespace

bool Syoki_Settei()
{
    G_Seikatu_Kyoudo = {QStringLiteral("軽い"), QStringLiteral("普通"), QStringLiteral("やや重い"),
                        QStringLiteral("重い")};
    G_Syokuji_Kubun = {QStringLiteral("朝食"), QStringLiteral("昼食"), QStringLiteral("夕食"),
                       QStringLiteral("その他")};
    G_Syokuhin_Gun = {
        QStringLiteral("全食品"), QStringLiteral("穀類"), QStringLiteral("いも及びでん粉類"),
        QStringLiteral("砂糖及び甘味類"), QStringLiteral("豆類"), QStringLiteral("種実類"),
        QStringLiteral("野菜類"), QStringLiteral("果実類"), QStringLiteral("きのこ類"),
        QStringLiteral("藻類"), QStringLiteral("魚介類"), QStringLiteral("肉類"),
        QStringLiteral("卵類"), QStringLiteral("乳類"), QStringLiteral("油脂類"),
        QStringLiteral("菓子類"), QStringLiteral("し好飲料類"), QStringLiteral("調味料及び香辛料類"),
        QStringLiteral("調理加工食品類")};
    G_Eiyou_Mei.clear();
    G_Eiyou_Tani.clear();
    for (const Nutrient &n : kNutrients) {
        G_Eiyou_Mei << QString::fromUtf8(n.name);
        G_Eiyou_Tani << QString::fromUtf8(n.unit);
    }
    G_Hyoujun_Taikaku = kTaikaku;
    G_DB_Path = QStringLiteral("data/MLTD13.db");
    G_DB_Pwd = QStringLiteral("tamarin");
    return true;
}

const KenkouHani &Kenkou_Hani(KenkouKoumoku k)
{
    // Wide enough for a newborn and for the extremes of illness; narrow enough to catch a slip.
    static const KenkouHani table[] = {
        {QStringLiteral("身長"), QStringLiteral("cm"), 30, 250},
        {QStringLiteral("体重"), QStringLiteral("kg"), 1, 300},
        {QStringLiteral("心拍数"), QStringLiteral("回/分"), 20, 250},
        {QStringLiteral("血圧（下）"), QStringLiteral("mmHg"), 20, 200},
        {QStringLiteral("血圧（上）"), QStringLiteral("mmHg"), 40, 300},
        {QStringLiteral("血糖値"), QStringLiteral("mg/dl"), 10, 1000},
        {QStringLiteral("体脂肪率"), QStringLiteral("％"), 1, 80},
        {QStringLiteral("歩数"), QStringLiteral("歩"), 0, 200000},
        {QStringLiteral("運動量(歩数計)"), QStringLiteral("kcal"), 0, 10000},
        {QStringLiteral("体温"), QStringLiteral("℃"), 30, 45},
    };
    return table[int(k)];
}

bool Kenkou_Hani_Check(KenkouKoumoku k, double value)
{
    const KenkouHani &h = Kenkou_Hani(k);
    return std::isfinite(value) && value >= h.low && value <= h.high;
}

QString Kenkou_Hani_Message(KenkouKoumoku k)
{
    const KenkouHani &h = Kenkou_Hani(k);
    auto wide = [](double v) {
        QString s = QString::number(v, 'f', 0);
        for (QChar &c : s)
            c = QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
        return s;
    };
    return h.name + QStringLiteral("は") + wide(h.low) + QStringLiteral("～") + wide(h.high)
        + QStringLiteral("（") + h.unit + QStringLiteral("）の範囲で入力してください。");
}

std::optional<double> BoxNumber(const QString &text, bool *ok)
{
    const QString s = HalfWidthNumber(text).trimmed();
    *ok = true;
    if (s.isEmpty())
        return std::nullopt;
    const double v = QLocale::c().toDouble(s, ok);
    if (!*ok || !std::isfinite(v)) {
        *ok = false;
        return std::nullopt;
    }
    return v;
}

double Val(const QString &text)
{
    // Leading blanks are skipped; then sign, digits, an optional fraction and exponent.
    const QString s = HalfWidthNumber(text).trimmed();
    qsizetype i = 0;
    const qsizetype n = s.size();
    QString num;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        num += s[i++];
    bool digits = false;
    while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
        num += s[i++];
        digits = true;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        num += s[i++];
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exp += s[j++];
        bool expDigits = false;
        while (j < n && s[j] >= QLatin1Char('0') && s[j] <= QLatin1Char('9')) {
            exp += s[j++];
            expDigits = true;
        }
        if (expDigits)
            num += exp;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(num, &ok);
    if (ok)
        return v;
    // Out of a double's range. Too big (400 nines, 1e999) is not nothing: an infinite value,
    // which every box check refuses, instead of a 0 that would pass as "empty". Too small
    // (1e-999) is 0. The order of magnitude tells them apart.
    const qsizetype e = num.indexOf(QLatin1Char('e'));
    const QString mantissa = e < 0 ? num : num.left(e);
    const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? mantissa : mantissa.left(point);
    const QString fraction = point < 0 ? QString() : mantissa.mid(point + 1);
    qint64 magnitude = 0;
    qsizetype firstDigit = -1;
    for (qsizetype k = 0; k < whole.size(); ++k)
        if (whole[k] >= QLatin1Char('1') && whole[k] <= QLatin1Char('9')) {
            firstDigit = k;
            break;
        }
    if (firstDigit >= 0) {
        magnitude = whole.size() - firstDigit;
    } else {
        qsizetype zeros = 0;
        while (zeros < fraction.size() && fraction[zeros] == QLatin1Char('0'))
            ++zeros;
        magnitude = -zeros;
    }
    if (e >= 0) {
        const QString ex = num.mid(e + 1);
        const bool negative = ex.startsWith(QLatin1Char('-'));
        qint64 n = 0;
        for (QChar c : ex)
            if (c.isDigit())
                n = std::min<qint64>(n * 10 + (c.unicode() - u'0'), 1000000);
        magnitude += negative ? -n : n;
    }
    if (magnitude <= 0)
        return 0.0;
    return num.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::infinity();
}

double Val(const QVariant &value)
{
    if (value.isNull())
        return 0.0;
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toDouble();
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    default:
        return Val(value.toString());
    }
}

bool IsEmptyValue(const QVariant &value)
{
    return value.isNull() || (value.metaType().id() == QMetaType::QString && value.toString().isEmpty());
}

QString SeibunRyou_Hyouji(const QVariant &value, double grams, const QString &format)
{
    if (IsEmptyValue(value))
        return {};
    return Format(Val(value) * grams / 100.0, format);
}

double SeibunRyou_Keisan(const QVariant &value, double grams)
{
    if (IsEmptyValue(value))
        return 0.0;
    return Val(value) * grams / 100.0;
}

QString SeibunRyou_Hyouji2(const QVariant &value, double grams, const QVariant &factor,
                           const QString &format)
{
    if (IsEmptyValue(factor) || IsEmptyValue(value))
        return {};
    return Format(Val(value) * grams * Val(factor) / 10.0, format);
}

double SeibunRyou_Keisan2(const QVariant &value, double grams, const QVariant &factor)
{
    if (IsEmptyValue(factor) || IsEmptyValue(value))
        return 0.0;
    return Val(value) * grams * Val(factor) / 10.0;
}

bool Nenrei_Keisan(const QDate &day, const QDate &birth, int &years, int &days, bool show)
{
    // A missing date (written outside the program) has no age, not one of about 2000 years.
    if (!day.isValid() || !birth.isValid())
        return false;
    if (birth > day) {
        if (show)
            MsgBox(QStringLiteral("誕生日より昔の記録です。"), vbInformation, QStringLiteral("確認"));
        return false;
    }
    // A birthday that does not exist in a year (29 February) falls on the day after.
    auto birthdayIn = [&](int year) {
        QDate d(year, birth.month(), birth.day());
        if (!d.isValid())
            d = QDate(year, 3, 1);
        return d;
    };
    int y = day.year() - birth.year();
    QDate bd = birthdayIn(day.year());
    if (bd > day) {
        --y;
        bd = birthdayIn(day.year() - 1);
    }
    years = y;
    days = int(bd.daysTo(day));
    return true;
}

} // namespace mirte
