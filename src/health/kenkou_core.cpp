#include "kenkou_core.h"

#include "b_01.h"
#include "database.h"

#include <QLocale>
#include <QRegularExpression>

namespace mirte {

namespace {

const QString kTable = QStringLiteral("健康状態管理");
const QString kId = QStringLiteral("健康状態管理ID");

std::optional<double> optNumber(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return Val(v);
}

QVariant numberParam(const std::optional<double> &v)
{
    return v ? QVariant(*v) : QVariant();
}

KenkouRow rowFromMap(const QVariantMap &m)
{
    KenkouRow r;
    r.id = m.value(kId).toLongLong();
    r.simeiId = m.value(QStringLiteral("氏名ID")).toLongLong();
    r.hiduke = toDate(m.value(QStringLiteral("日付")));
    r.sintyou = optNumber(m.value(QStringLiteral("身長")));
    r.taijuu = optNumber(m.value(QStringLiteral("体重")));
    r.kenkou = m.value(QStringLiteral("健康状態")).toString();
    r.kyoudo = m.value(QStringLiteral("生活強度")).toInt();
    r.ketuatuSita = optNumber(m.value(QStringLiteral("血圧（下）")));
    r.ketuatuUe = optNumber(m.value(QStringLiteral("血圧（上）")));
    r.taion = optNumber(m.value(QStringLiteral("体温")));
    r.taisibou = optNumber(m.value(QStringLiteral("体脂肪率")));
    r.kettouti = optNumber(m.value(QStringLiteral("血糖値")));
    r.sinpaku = optNumber(m.value(QStringLiteral("心拍数")));
    r.hosuu = optNumber(m.value(QStringLiteral("歩数")));
    r.undouryou = optNumber(m.value(QStringLiteral("運動量（歩数計）")));
    r.bikou = m.value(QStringLiteral("備考")).toString();
    return r;
}

QVariantMap mapFromRow(const KenkouRow &r)
{
    return {
        {QStringLiteral("氏名ID"), r.simeiId},
        {QStringLiteral("日付"), dateParam(r.hiduke)},
        {QStringLiteral("身長"), numberParam(r.sintyou)},
        {QStringLiteral("体重"), numberParam(r.taijuu)},
        {QStringLiteral("健康状態"), r.kenkou},
        {QStringLiteral("生活強度"), r.kyoudo},
        {QStringLiteral("血圧（下）"), numberParam(r.ketuatuSita)},
        {QStringLiteral("血圧（上）"), numberParam(r.ketuatuUe)},
        {QStringLiteral("体温"), numberParam(r.taion)},
        {QStringLiteral("体脂肪率"), numberParam(r.taisibou)},
        {QStringLiteral("血糖値"), numberParam(r.kettouti)},
        {QStringLiteral("心拍数"), numberParam(r.sinpaku)},
        {QStringLiteral("歩数"), numberParam(r.hosuu)},
        {QStringLiteral("運動量（歩数計）"), numberParam(r.undouryou)},
        {QStringLiteral("備考"), r.bikou},
    };
}

const char *const kSelect =
    "SELECT 健康状態管理ID, 氏名ID, 日付, 身長, 体重, 健康状態, 生活強度, 血糖値, 体脂肪率, "
    "心拍数, 血圧（下）, 血圧（上）, 体温, 歩数, 運動量（歩数計）, 備考 FROM 健康状態管理 ";

bool sameNumber(const QString &text, const std::optional<double> &stored)
{
    return Val(text) == stored.value_or(0.0);
}

} // namespace

const QStringList &kenkouJoutai()
{
    static const QStringList list{QStringLiteral("健康"), QStringLiteral("妊娠前半期"),
                                  QStringLiteral("妊娠後半期"), QStringLiteral("授乳期")};
    return list;
}

QDate formDate(const QString &year, const QString &month, const QString &day)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
    const QString y = year.trimmed(), m = month.trimmed(), d = day.trimmed();
    if (!digits.match(y).hasMatch() || !digits.match(m).hasMatch() || !digits.match(d).hasMatch())
        return {};
    const int yy = y.toInt();
    if (yy < 100) // two-digit years are not guessed at
        return {};
    return QDate(yy, m.toInt(), d.toInt());
}

QString numberText(const std::optional<double> &value)
{
    if (!value)
        return {};
    return QLocale::c().toString(*value, 'g', QLocale::FloatingPointShortest);
}

QString measureText(const std::optional<double> &value)
{
    return value.value_or(0.0) == 0 ? QString() : numberText(value);
}

void formFromRow(KenkouForm &f, const KenkouRow &r, bool partial)
{
    f.sintyou = numberText(r.sintyou);
    f.taijuu = numberText(r.taijuu);
    f.kenkou = r.kenkou;
    f.kyoudoIndex = r.kyoudo - 1;
    if (partial) {
        f.ketuatuSita.clear();
        f.ketuatuUe.clear();
        f.taion.clear();
        f.taisibou.clear();
        f.kettouti.clear();
        f.sinpaku.clear();
        f.bikou.clear();
        f.hosuu.clear();
        f.undouryou.clear();
        return;
    }
    f.ketuatuSita = measureText(r.ketuatuSita);
    f.ketuatuUe = measureText(r.ketuatuUe);
    f.taion = measureText(r.taion);
    f.taisibou = measureText(r.taisibou);
    f.kettouti = measureText(r.kettouti);
    f.sinpaku = measureText(r.sinpaku);
    f.hosuu = measureText(r.hosuu);
    f.undouryou = measureText(r.undouryou);
    f.bikou = r.bikou;
}

void clearForm(KenkouForm &f)
{
    const QString y = f.year, m = f.month, d = f.day;
    f = KenkouForm{};
    f.year = y;
    f.month = m;
    f.day = d;
    f.kenkou = QStringLiteral("健康");
    f.kyoudoIndex = 1;
}

KenkouRow rowFromForm(const KenkouForm &f, qint64 simeiId, const QDate &day)
{
    KenkouRow r;
    r.simeiId = simeiId;
    r.hiduke = day;
    r.sintyou = Val(f.sintyou);
    r.taijuu = Val(f.taijuu);
    r.kenkou = f.kenkou;
    r.kyoudo = f.kyoudoIndex + 1;
    r.ketuatuSita = Val(f.ketuatuSita);
    r.ketuatuUe = Val(f.ketuatuUe);
    r.taion = Val(f.taion);
    r.taisibou = Val(f.taisibou);
    r.kettouti = Val(f.kettouti);
    r.sinpaku = Val(f.sinpaku);
    r.hosuu = Val(f.hosuu);
    r.undouryou = Val(f.undouryou);
    r.bikou = f.bikou;
    return r;
}

QStringList kenkouChoices(int sex, int age)
{
    if (sex == 2 && age >= 12 && age <= 59)
        return kenkouJoutai();
    return {kenkouJoutai().first()};
}

bool kenkouAllowed(const QString &state, int sex, int age)
{
    return kenkouChoices(sex, age).contains(state);
}

QString kenkouNotAllowedMessage()
{
    return QStringLiteral("妊娠・授乳期は、１２～５９才の女性の場合だけ選べます。健康状態を確認してください。");
}

std::optional<KenkouKoumoku> kenkouOutOfRange(const KenkouForm &f)
{
    using K = KenkouKoumoku;
    const std::pair<K, const QString *> boxes[] = {
        {K::Sintyou, &f.sintyou},       {K::Taijuu, &f.taijuu},     {K::KetuatuSita, &f.ketuatuSita},
        {K::KetuatuUe, &f.ketuatuUe},   {K::Taion, &f.taion},       {K::Taisibou, &f.taisibou},
        {K::Kettouti, &f.kettouti},     {K::Sinpaku, &f.sinpaku},   {K::Hosuu, &f.hosuu},
        {K::Undouryou, &f.undouryou}};
    for (const auto &[item, text] : boxes) {
        bool ok = false;
        const std::optional<double> v = BoxNumber(*text, &ok);
        const bool required = item == K::Sintyou || item == K::Taijuu;
        if (!ok || (v && (*v != 0 || required) && !Kenkou_Hani_Check(item, *v)))
            return item;
    }
    return std::nullopt;
}

bool ketuatuReversed(const KenkouForm &f)
{
    const double sita = Val(f.ketuatuSita), ue = Val(f.ketuatuUe);
    return sita != 0 && ue != 0 && sita > ue;
}

QString ketuatuOrderMessage()
{
    return QStringLiteral("血圧は、（下）→（上）の順に入力してください。");
}

bool sameFields(const KenkouForm &a, const KenkouForm &b)
{
    auto same = [](const QString &x, const QString &y) { return Val(x) == Val(y); };
    return same(a.sintyou, b.sintyou) && same(a.taijuu, b.taijuu) && a.kenkou == b.kenkou
        && a.kyoudoIndex == b.kyoudoIndex && same(a.ketuatuSita, b.ketuatuSita)
        && same(a.ketuatuUe, b.ketuatuUe) && same(a.taion, b.taion) && same(a.taisibou, b.taisibou)
        && same(a.kettouti, b.kettouti) && same(a.sinpaku, b.sinpaku) && same(a.hosuu, b.hosuu)
        && same(a.undouryou, b.undouryou) && a.bikou == b.bikou;
}

bool henkouCheck(const KenkouForm &f, const KenkouRow *cur, const QDate &today)
{
    const QDate shown = formDate(f.year, f.month, f.day);
    if (!cur) {
        if (!shown.isValid() || shown != today)
            return true;
        for (const QString *t : {&f.taion, &f.taisibou, &f.kettouti, &f.ketuatuSita, &f.ketuatuUe,
                                 &f.sinpaku, &f.hosuu, &f.undouryou, &f.bikou}) {
            if (!t->trimmed().isEmpty())
                return true;
        }
        return false;
    }
    if (!shown.isValid() || shown != cur->hiduke)
        return true;
    const bool same = sameNumber(f.sintyou, cur->sintyou) && sameNumber(f.taijuu, cur->taijuu)
        && f.kenkou == cur->kenkou && f.kyoudoIndex + 1 == cur->kyoudo
        && sameNumber(f.ketuatuSita, cur->ketuatuSita) && sameNumber(f.ketuatuUe, cur->ketuatuUe)
        && sameNumber(f.taion, cur->taion) && sameNumber(f.taisibou, cur->taisibou)
        && sameNumber(f.kettouti, cur->kettouti) && sameNumber(f.sinpaku, cur->sinpaku)
        && sameNumber(f.hosuu, cur->hosuu) && sameNumber(f.undouryou, cur->undouryou)
        && f.bikou == cur->bikou;
    return !same;
}

QString youbiText(const QDate &d)
{
    static const char *const names[] = {"月", "火", "水", "木", "金", "土", "日"};
    if (!d.isValid())
        return {};
    return QStringLiteral("（") + QString::fromUtf8(names[d.dayOfWeek() - 1]) + QStringLiteral("）");
}

QString longDateText(const QDate &d)
{
    return QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}

QString slashDateText(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy/MM/dd"));
}

QString redateQuestion(const QDate &from, const QDate &to)
{
    return QStringLiteral("[%1]の記録を[%2]に移します。この日の食事と運動の記録も一緒に移ります。よろしいですか？")
        .arg(slashDateText(from), slashDateText(to));
}

QString dayHyoujiText(const QString &year, const QString &month, const QString &day,
                      const QString &youbi)
{
    return QStringLiteral("日付 ： ") + year + QStringLiteral("年") + month + QStringLiteral("月")
        + day + QStringLiteral("日") + youbi;
}

QList<KenkouRow> loadKenkouRows(const Database &db, qint64 simeiId)
{
    const ResultSet rs = db.select(QString::fromUtf8(kSelect)
                                       + QStringLiteral("WHERE 氏名ID = ? ORDER BY 日付 ASC"),
                                   {simeiId});
    QList<KenkouRow> out;
    out.reserve(rs.size());
    for (qsizetype i = 0; i < rs.size(); ++i)
        out << rowFromMap(rs.rowMap(i));
    return out;
}

int countKenkouRows(const Database &db, qint64 simeiId)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM 健康状態管理 WHERE 氏名ID = ?"), {simeiId}).toInt();
}

QList<KenkouRow> loadKenkouRowsPage(const Database &db, qint64 simeiId, int first, int count)
{
    const ResultSet rs = db.select(QString::fromUtf8(kSelect)
                                       + QStringLiteral("WHERE 氏名ID = ? ORDER BY 日付 ASC LIMIT ? OFFSET ?"),
                                   {simeiId, count, first});
    QList<KenkouRow> out;
    out.reserve(rs.size());
    for (qsizetype i = 0; i < rs.size(); ++i)
        out << rowFromMap(rs.rowMap(i));
    return out;
}

int kenkouRowIndex(const Database &db, qint64 simeiId, qint64 kkId)
{
    const QVariant day = db.scalar(QStringLiteral("SELECT 日付 FROM 健康状態管理 WHERE 健康状態管理ID = ? AND 氏名ID = ?"),
                                   {kkId, simeiId});
    if (day.isNull())
        return -1;
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 < ?"), {simeiId, day})
        .toInt();
}

std::optional<KenkouRow> loadKenkouRow(const Database &db, qint64 id)
{
    const auto m = db.selectOne(QString::fromUtf8(kSelect) + QStringLiteral("WHERE 健康状態管理ID = ?"),
                                {id});
    if (!m)
        return std::nullopt;
    return rowFromMap(*m);
}

qint64 findKenkouDay(const Database &db, qint64 simeiId, const QDate &day, qint64 excludeId)
{
    return db
        .scalar(QStringLiteral("SELECT 健康状態管理ID FROM 健康状態管理 "
                               "WHERE 氏名ID = ? AND 日付 = ? AND 健康状態管理ID <> ?"),
                {simeiId, dateParam(day), excludeId})
        .toLongLong();
}

qint64 insertKenkouRow(Database &db, const KenkouRow &row)
{
    return db.insert(kTable, mapFromRow(row));
}

void updateKenkouRow(Database &db, const KenkouRow &row)
{
    db.updateRow(kTable, kId, row.id, mapFromRow(row));
}

void deleteKenkouRow(Database &db, qint64 id)
{
    // The dishes, foods and activities of the day go with it (declared cascades).
    db.removeRow(kTable, kId, id);
}

} // namespace mirte
