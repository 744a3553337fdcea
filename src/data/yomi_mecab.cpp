#include "yomi_mecab.h"

#include "database.h"
#include "kana.h"
#include "yomi.h"

#include <QMutex>
#include <QStringList>
#include <mecab.h>
#include <memory>

namespace mirte {

namespace {

// The analyser's nodes carry the IPA dictionary's features: ..., 原形, 読み, 発音.
constexpr int kYomiField = 7;
constexpr int kNBest = 3;

struct Analyser {
    Analyser();
    std::unique_ptr<MeCab::Model> model;
    std::unique_ptr<MeCab::Tagger> tagger;
    QString problem;
    QMutex lock;
};

bool utf8Dictionary(MeCab::Model *m)
{
    const MeCab::DictionaryInfo *d = m ? m->dictionary_info() : nullptr;
    if (!d || !d->charset)
        return false;
    const QString cs = QString::fromLatin1(d->charset).toLower().remove(QLatin1Char('-'));
    return cs == QStringLiteral("utf8");
}

Analyser::Analyser()
{
    // The system's configuration first; then the UTF-8 dictionary where Debian puts it, in case
    // the default one is another encoding.
    const char *const tries[] = {"", "-d /var/lib/mecab/dic/ipadic-utf8",
                                 "-d /usr/lib/x86_64-linux-gnu/mecab/dic/ipadic-utf8",
                                 "-d /var/lib/mecab/dic/debian"};
    for (const char *arg : tries) {
        std::unique_ptr<MeCab::Model> m(MeCab::createModel(arg));
        if (!m || !utf8Dictionary(m.get()))
            continue;
        std::unique_ptr<MeCab::Tagger> t(m->createTagger());
        if (!t)
            continue;
        model = std::move(m);
        tagger = std::move(t);
        return;
    }
    const char *why = MeCab::getLastError();
    problem = why && *why ? QString::fromUtf8(why) : QStringLiteral("UTF-8 の IPA 辞書が見つかりません。");
}

Analyser &analyser()
{
    static Analyser a;
    return a;
}

// The analyser's few best readings of one text, folded.
void readingsOf(Analyser &a, const QString &text, QStringList &out)
{
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<MeCab::Lattice> lattice(a.model->createLattice());
    lattice->set_sentence(utf8.constData());
    lattice->set_request_type(MECAB_NBEST);
    if (!a.tagger->parse(lattice.get()))
        return;
    for (int n = 0; n < kNBest; ++n) {
        QString reading;
        for (const MeCab::Node *node = lattice->bos_node(); node; node = node->next) {
            if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
                continue;
            const QString surface = QString::fromUtf8(node->surface, int(node->length));
            const QStringList f = QString::fromUtf8(node->feature).split(QLatin1Char(','));
            // Unknown words and signs have no reading: they are read as written.
            const QString yomi =
                f.size() > kYomiField && f.at(kYomiField) != QStringLiteral("*") ? f.at(kYomiField) : surface;
            reading += yomi;
        }
        const QString folded = foldForSearch(reading).remove(QLatin1Char(' '));
        if (!folded.isEmpty() && !out.contains(folded))
            out << folded;
        if (!lattice->next())
            break;
    }
}

} // namespace

bool Yomi_Riyou_Kanou()
{
    return analyser().tagger != nullptr;
}

QString Yomi_Riyou_Fuka_Riyuu()
{
    return analyser().problem;
}

QString Yomi_Keisan(const QString &name)
{
    Analyser &a = analyser();
    if (!a.tagger)
        return {};
    const QString folded = foldForSearch(name);
    if (folded.isEmpty())
        return {};
    QMutexLocker hold(&a.lock);
    QStringList readings;
    readingsOf(a, folded, readings);
    // The everyday words the dictionary reads otherwise (唐揚げ as とうあげ) give
    // one more.
    QString fixed = folded;
    for (const auto &[word, reading] : Yomi_Kotei())
        fixed.replace(word, reading);
    if (fixed != folded)
        readingsOf(a, fixed, readings);
    return readings.join(QLatin1Char(' '));
}

void Yomi_Touroku(Database &db, const QString &name)
{
    const QString readings = Yomi_Keisan(name.trimmed());
    if (!readings.isEmpty()) {
        Yomi_Table_Junbi(db);
        Yomi_Kakikomi(db, name.trimmed(), readings);
    }
}

int Yomi_Hojuu(Database &db)
{
    if (!Yomi_Riyou_Kanou())
        return 0;
    Yomi_Table_Junbi(db);
    const ResultSet missing =
        db.select(QStringLiteral("SELECT trim(料理名) FROM 料理名 WHERE trim(料理名) NOT "
                                 "IN (SELECT 名前 FROM 読み) "
                                 "UNION SELECT trim(運動名称) FROM エネルギー消費量 WHERE "
                                 "trim(運動名称) NOT IN (SELECT 名前 FROM 読み)"));
    if (missing.rows.isEmpty())
        return 0;
    int n = 0;
    db.transaction([&] {
        for (const QVariantList &r : missing.rows) {
            const QString name = r.value(0).toString().trimmed();
            const QString readings = Yomi_Keisan(name);
            if (readings.isEmpty())
                continue;
            Yomi_Kakikomi(db, name, readings);
            ++n;
        }
    });
    return n;
}

} // namespace mirte
