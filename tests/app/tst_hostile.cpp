// Every number and date box of the entry windows fed what users and their clipboards send:
// nothing, blanks, letters, "-0", huge and non-finite numbers, 400 digits, full-width digits,
// comma decimals, pasted tabs and line breaks. Each is refused with the window's message
// (nothing stored) or read as a number (what is stored is that number, within bounds). Text
// boxes take quotes, %, _, emoji and 10,000 characters without harm. On the shipped data.

#include "app_setup.h"
#include "backup_core.h"
#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_kjnyuu01.h"
#include "f_kjr_copy01.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_kjun_nyu01.h"
#include "f_kjznyu01.h"
#include "f_rhen01.h"
#include "f_rhenzai01.h"
#include "ryouri_core.h"
#include "f_menu01.h"
#include "f_tou01.h"
#include "f_tou02.h"
#include "f_tou02_syudou.h"
#include "f_henkan.h"
#include "henkan_core.h"
#include "f_user01_settei.h"
#include "b_00.h"
#include "b_t01.h"
#include "f_user01.h"
#include "flexgrid.h"
#include "guitest.h"
#include "meals_core.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kDay(2025, 3, 14);

// What a hostile text should come to in a box whose sound value is `valid`.
enum Expect { Refused, AsValid, AsEmpty };

struct Hostile {
    const char *tag;
    QString text;     // %v stands for the box's sound value
    Expect required;  // in a box that must hold a value
    Expect optional;  // in a box that may stay empty
    Expect leading;   // in a box read by its leading number (a text without one is 0)
};

QString fullWidth(const QString &s)
{
    QString out;
    for (QChar c : s) {
        if (c.isDigit())
            out += QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
        else if (c == QLatin1Char('.'))
            out += QChar(char16_t(0xFF0E));
        else
            out += c;
    }
    return out;
}

QList<Hostile> hostiles()
{
    return {
        {"empty", QString(), Refused, AsEmpty, AsEmpty},
        {"blanks", QStringLiteral("   "), Refused, AsEmpty, AsEmpty},
        {"ideographic blank", QStringLiteral("　"), Refused, AsEmpty, AsEmpty},
        {"letters", QStringLiteral("abc"), Refused, Refused, AsEmpty},
        {"number then letters", QStringLiteral("%vabc"), Refused, Refused, AsValid},
        {"minus zero", QStringLiteral("-0"), Refused, AsEmpty, AsEmpty},
        {"1e308", QStringLiteral("1e308"), Refused, Refused, Refused},
        {"1e999", QStringLiteral("1e999"), Refused, Refused, Refused},
        {"inf", QStringLiteral("inf"), Refused, Refused, AsEmpty},
        {"-inf", QStringLiteral("-inf"), Refused, Refused, AsEmpty},
        {"nan", QStringLiteral("nan"), Refused, Refused, AsEmpty},
        {"400 digits", QString(400, QLatin1Char('9')), Refused, Refused, Refused},
        {"negative", QStringLiteral("-%v"), Refused, Refused, Refused},
        {"full-width", QStringLiteral("FW%v"), AsValid, AsValid, AsValid},
        {"comma decimal", QStringLiteral("%v,5"), Refused, Refused, AsValid},
        {"pasted tab after", QStringLiteral("%v\t"), AsValid, AsValid, AsValid},
        {"pasted tab before", QStringLiteral("\t%v"), AsValid, AsValid, AsValid},
        {"line break inside", QStringLiteral("%v\n1"), Refused, Refused, AsValid},
        {"trailing line break", QStringLiteral("%v\r\n"), AsValid, AsValid, AsValid},
    };
}

QString expand(const QString &pattern, const QString &valid)
{
    if (pattern.startsWith(QLatin1String("FW")))
        return fullWidth(QString(pattern).mid(2).replace(QLatin1String("%v"), valid));
    return QString(pattern).replace(QLatin1String("%v"), valid);
}

// Puts text in the box as a paste does: line breaks and tabs arrive as they are in the clipboard.
// False when the box refused the paste whole (it then stays empty, and is judged as empty).
bool paste(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    e->del();
    if (text.isEmpty())
        return true;
    QApplication::clipboard()->setText(text);
    e->paste();
    return !e->text().isEmpty();
}

// What a box holding nothing comes to.
Expect whenEmpty(int kind)
{
    return kind == 0 ? Refused : AsEmpty;
}

const QString kHuge = QString(10000, QLatin1Char('x'));
const QStringList kTexts{QStringLiteral("O'Brien \"quoted\""), QStringLiteral("100%"), QStringLiteral("_a_"),
                         QStringLiteral("%_%"), QStringLiteral("😀🍙"), QStringLiteral("'); DROP TABLE 成分表; --"),
                         kHuge};

struct HealthBox {
    const char *name;
    const char *column;
    const char *valid;
    bool required;
};

const HealthBox kHealthBoxes[] = {
    {"Text5", "身長", "158", true},       {"Text6", "体重", "52.5", true},
    {"Text7_0", "血圧（下）", "70", false}, {"Text7_1", "血圧（上）", "120", false},
    {"Text8", "体温", "36.5", false},     {"Text9", "体脂肪率", "25", false},
    {"Text10", "血糖値", "90", false},     {"Text11", "心拍数", "66", false},
    {"Text1", "歩数", "8000", false},      {"Text2", "運動量（歩数計）", "230", false},
};

} // namespace

class TstHostile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    F_Menu01 *m_menu = nullptr;
    qint64 m_person = 0;

    int dayRows() const
    {
        return G_DB().scalar(QStringLiteral("SELECT count(*) FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person}).toInt();
    }
    // A day of the person on kDay, for the windows that work on a day.
    qint64 theDay()
    {
        const QVariant id = G_DB().scalar(QStringLiteral("SELECT 健康状態管理ID FROM 健康状態管理 WHERE 氏名ID = ? "
                                                         "AND 日付 = ?"), {m_person, dateParam(kDay)});
        if (id.isValid() && !id.isNull())
            return id.toLongLong();
        return G_DB().insert(QStringLiteral("健康状態管理"),
                             {{QStringLiteral("氏名ID"), m_person}, {QStringLiteral("日付"), dateParam(kDay)},
                              {QStringLiteral("身長"), 158.0}, {QStringLiteral("体重"), 52.0},
                              {QStringLiteral("健康状態"), QStringLiteral("健康")}, {QStringLiteral("生活強度"), 2}});
    }
    static void addRows(const char *what, const QList<QPair<QString, QString>> &boxes)
    {
        for (const auto &[box, valid] : boxes)
            for (const Hostile &h : hostiles())
                QTest::newRow(qPrintable(QStringLiteral("%1 %2: %3").arg(QLatin1String(what), box,
                                                                         QLatin1String(h.tag))))
                    << box << expand(h.text, valid) << valid << int(h.required) << int(h.optional) << int(h.leading);
    }
    static void columns()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("valid");
        QTest::addColumn<int>("required");
        QTest::addColumn<int>("optional");
        QTest::addColumn<int>("leading");
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        if (!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/data/seed.db")))
            QSKIP("the seed database has not been built");
        CommandLine cmd;
        cmd.dbPath = m_dir.filePath(QStringLiteral("household.db"));
        int status = -1;
        MsgRecorder msgs;
        m_menu = startProgram(cmd, &status);
        QVERIFY(m_menu);
        m_person = addPerson(QStringLiteral("試験花子"), QDate(1983, 6, 1), 2, true);
    }
    void cleanupTestCase()
    {
        waitForDailyBackup(); // it reads the file in a thread of its own
        G_DB().close();
        delete m_menu;
    }

    // ---- the day record: ten number boxes; height and weight must hold a value
    void healthNumbers_data()
    {
        columns();
        for (const HealthBox &b : kHealthBoxes)
            for (const Hostile &h : hostiles())
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(b.name), QLatin1String(h.tag))))
                    << QString::fromLatin1(b.name) << expand(h.text, QString::fromLatin1(b.valid))
                    << QString::fromLatin1(b.valid) << int(h.required) << int(h.optional) << int(h.leading);
    }
    void healthNumbers()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, required);
        QFETCH(int, optional);
        const HealthBox *hb = nullptr;
        for (const HealthBox &b : kHealthBoxes)
            if (box == QLatin1String(b.name))
                hb = &b;
        QVERIFY(hb);
        Expect expect = Expect(hb->required ? required : optional);
        G_DB().exec(QStringLiteral("DELETE FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person});
        MsgRecorder msgs;
        auto w = std::make_unique<F_KJNyuu01>();
        w->show();
        QApplication::setActiveWindow(w.get());
        typeInto(w.get(), "Text3_0", QString::number(kDay.year()));
        typeInto(w.get(), "Text3_1", QString::number(kDay.month()));
        typeInto(w.get(), "Text3_2", QString::number(kDay.day()));
        child<QLineEdit>(w.get(), "Text5")->setFocus();
        for (const HealthBox &b : kHealthBoxes)
            typeInto(w.get(), b.name, QString::fromLatin1(b.valid));
        if (!paste(child<QLineEdit>(w.get(), box), input))
            expect = whenEmpty(hb->required ? 0 : 1);
        click(w.get(), "Command1");
        if (expect == Refused) {
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(dayRows(), 0);
            return;
        }
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(dayRows(), 1);
        const QVariant v = G_DB().scalar(
            QStringLiteral("SELECT %1 FROM 健康状態管理 WHERE 氏名ID = ?").arg(Database::quoteId(hb->column)), {m_person});
        if (expect == AsValid)
            QCOMPARE(v.toDouble(), valid.toDouble());
        else
            QVERIFY2(v.isNull() || v.toDouble() == 0, qPrintable(v.toString()));
        // Every stored value is a finite number.
        for (const HealthBox &b : kHealthBoxes)
            QVERIFY(std::isfinite(G_DB().scalar(QStringLiteral("SELECT IFNULL(%1, 0) FROM 健康状態管理 WHERE 氏名ID = ?")
                                                    .arg(Database::quoteId(b.column)), {m_person}).toDouble()));
    }

    // ---- the day record's date: year, month and day boxes
    void healthDate_data()
    {
        columns();
        addRows("date", {{QStringLiteral("Text3_0"), QString::number(kDay.year())},
                         {QStringLiteral("Text3_1"), QString::number(kDay.month())},
                         {QStringLiteral("Text3_2"), QString::number(kDay.day())}});
    }
    void healthDate()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(int, required);
        G_DB().exec(QStringLiteral("DELETE FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person});
        MsgRecorder msgs;
        auto w = std::make_unique<F_KJNyuu01>();
        w->show();
        QApplication::setActiveWindow(w.get());
        typeInto(w.get(), "Text3_0", QString::number(kDay.year()));
        typeInto(w.get(), "Text3_1", QString::number(kDay.month()));
        typeInto(w.get(), "Text3_2", QString::number(kDay.day()));
        if (!paste(child<QLineEdit>(w.get(), box), input))
            required = Refused;
        child<QLineEdit>(w.get(), "Text5")->setFocus();
        typeInto(w.get(), "Text5", "158");
        typeInto(w.get(), "Text6", "52");
        click(w.get(), "Command1");
        // Whatever the boxes held, only a real day is ever stored, and only the one meant.
        const ResultSet r = G_DB().select(QStringLiteral("SELECT 日付 FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person});
        if (Expect(required) == Refused) {
            QCOMPARE(r.size(), 0);
            QVERIFY(!msgs.shown().isEmpty());
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
        } else {
            QCOMPARE(r.size(), 1);
            QCOMPARE(r.rows[0].value(0), dateParam(kDay));
        }
    }

    // ---- servings in the dish picker
    void servings_data()
    {
        columns();
        addRows("servings", {{QStringLiteral("Text3"), QStringLiteral("1.5")}});
    }
    void servings()
    {
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, required);
        const qint64 kk = theDay();
        G_DB().exec(QStringLiteral("DELETE FROM 摂取料理 WHERE 健康状態管理ID = ?"), {kk});
        G_KK_ID = kk;
        G_Simei_ID = m_person;
        MsgRecorder msgs;
        auto w = std::make_unique<F_KJRNyu01>(DayHeader{QStringLiteral("試験花子"), QStringLiteral("2025年3月14日"), kDay});
        w->show();
        click(w.get(), "Command2");
        F_KJRNyu01_Ken *ken = w->picker();
        QVERIFY(ken);
        typeInto(ken->Text1, QStringLiteral("ご飯"));
        click(ken, "Command1");
        int row = -1;
        for (int r = 1; r < ken->vsGrid->rows() && row < 0; ++r)
            if (ken->vsGrid->textMatrix(r, 2) == QStringLiteral("ご飯"))
                row = r;
        QVERIFY(row > 0);
        ken->vsGrid->setRow(row);
        QCOMPARE(ken->Text2->text(), QStringLiteral("ご飯"));
        if (!paste(ken->Text3, input))
            required = Refused;
        click(ken, "Command2");
        const ResultSet r = G_DB().select(QStringLiteral("SELECT 料理分量, 摂取料理ID FROM 摂取料理 WHERE 健康状態管理ID = ?"), {kk});
        if (Expect(required) == Refused) {
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(r.size(), 0);
        } else {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(r.size(), 1);
            QCOMPARE(r.rows[0].value(0).toDouble(), valid.toDouble());
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {r.rows[0].value(1)}).toDouble(),
                     150 * valid.toDouble());
        }
        w.reset();
    }

    // ---- grams of an eaten food
    void grams_data()
    {
        columns();
        addRows("grams", {{QStringLiteral("Text3"), QStringLiteral("85")}});
    }
    void grams()
    {
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, leading);
        const qint64 kk = theDay();
        G_DB().exec(QStringLiteral("DELETE FROM 摂取料理 WHERE 健康状態管理ID = ?"), {kk});
        const qint64 gohan = G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = 'ご飯'")).toLongLong();
        const qint64 ser = addCatalogueDish(G_DB(), kk, gohan, QStringLiteral("ご飯"), QStringLiteral("朝食"), 1);
        G_KK_ID = kk;
        G_Simei_ID = m_person;
        MsgRecorder msgs;
        auto w = std::make_unique<F_KJRNyu01>(DayHeader{QStringLiteral("試験花子"), QStringLiteral("2025年3月14日"), kDay});
        w->show();
        QCOMPARE(G_SeR_ID, ser);
        click(w.get(), "Command8");
        F_KJZNyu01 *z = w->ingredients();
        QVERIFY(z);
        const qint64 ses = G_SeS_ID;
        QVERIFY(ses > 0);
        if (!paste(z->Text3, input))
            leading = AsEmpty;
        click(z, "Command4");
        const double stored =
            G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取食品ID = ?"), {ses}).toDouble();
        QVERIFY(std::isfinite(stored) && stored >= 0);
        switch (Expect(leading)) {
        case Refused:
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(stored, 150.0);
            break;
        case AsValid:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(stored, valid.toDouble());
            break;
        case AsEmpty:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(stored, 0.0);
            break;
        }
        w.reset();
    }

    // ---- grams of a catalogue recipe's food
    void recipeGrams_data()
    {
        columns();
        addRows("recipe grams", {{QStringLiteral("Text3"), QStringLiteral("85")}});
    }
    void recipeGrams()
    {
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, leading);
        const qint64 gohan = G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = 'ご飯'")).toLongLong();
        const qint64 zid = G_DB().scalar(QStringLiteral("SELECT MIN(材料ID) FROM 材料 WHERE 料理名ID = ?"), {gohan}).toLongLong();
        G_DB().exec(QStringLiteral("UPDATE 材料 SET 分量 = 150 WHERE 材料ID = ?"), {zid});
        MsgRecorder msgs;
        auto m = std::make_unique<F_RHen01>();
        m->show();
        int row = -1;
        for (int r = 1; r < m->vsGrid->rows() && row < 0; ++r)
            if (m->vsGrid->valueMatrix(r, ryouri_col::Id).toLongLong() == gohan)
                row = r;
        QVERIFY(row > 0);
        m->vsGrid->setRow(row);
        click(m.get(), "Command5");
        F_RHenZai01 *r = m->recipeWindow();
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->SelectedZairyouID(), zid);
        if (!paste(r->Text3, input))
            leading = AsEmpty;
        click(r, "Command4");
        const double stored = G_DB().scalar(QStringLiteral("SELECT 分量 FROM 材料 WHERE 材料ID = ?"), {zid}).toDouble();
        QVERIFY(std::isfinite(stored) && stored >= 0);
        switch (Expect(leading)) {
        case Refused:
            QCOMPARE(msgs.prompts(), QStringList{QStringLiteral("分量が無効な値です。")});
            QCOMPARE(stored, 150.0);
            break;
        case AsValid:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(stored, valid.toDouble());
            break;
        case AsEmpty:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(stored, 0.0);
            break;
        }
        r->close();
        G_DB().exec(QStringLiteral("UPDATE 材料 SET 分量 = 150 WHERE 材料ID = ?"), {zid});
    }

    // ---- hours and minutes of an activity
    void duration_data()
    {
        columns();
        addRows("duration", {{QStringLiteral("Text3_0"), QStringLiteral("1")}, {QStringLiteral("Text3_1"), QStringLiteral("30")}});
    }
    void duration()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(int, leading);
        const qint64 kk = theDay();
        G_DB().exec(QStringLiteral("DELETE FROM 運動時間 WHERE 健康状態管理ID = ?"), {kk});
        G_KK_ID = kk;
        G_Simei_ID = m_person;
        MsgRecorder msgs;
        auto w = std::make_unique<F_KJUn_Nyu01>(nullptr);
        w->show();
        QVERIFY(w->DBCombo1->setBoundValue(
            G_DB().scalar(QStringLiteral("SELECT MIN(エネルギー消費量ID) FROM エネルギー消費量")).toLongLong()));
        typeInto(w.get(), "Text3_0", "1");
        typeInto(w.get(), "Text3_1", "30");
        if (!paste(child<QLineEdit>(w.get(), box), input))
            leading = AsEmpty;
        click(w.get(), "Command2");
        const ResultSet r = G_DB().select(QStringLiteral("SELECT 時間 FROM 運動時間 WHERE 健康状態管理ID = ?"), {kk});
        // An empty box is no time: hours and minutes are both allowed to be left out, not both at once.
        const double minutes = box == QLatin1String("Text3_0") ? 30 : 60;
        switch (Expect(leading)) {
        case Refused:
            QVERIFY(!msgs.shown().isEmpty());
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(r.size(), 0);
            break;
        case AsValid:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(r.size(), 1);
            QVERIFY(std::abs(r.rows[0].value(0).toDouble() - 90 / 1440.0) < 1e-9);
            break;
        case AsEmpty:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(r.size(), 1);
            QVERIFY(std::abs(r.rows[0].value(0).toDouble() - minutes / 1440.0) < 1e-9);
            break;
        }
        for (const QVariantList &row : r.rows)
            QVERIFY(row.value(0).toDouble() >= 0 && row.value(0).toDouble() < 1);
    }

    // ---- the registry's birth date
    void birthDate_data()
    {
        columns();
        addRows("birth", {{QStringLiteral("Text1_0"), QStringLiteral("1990")},
                          {QStringLiteral("Text1_1"), QStringLiteral("7")},
                          {QStringLiteral("Text1_2"), QStringLiteral("15")}});
    }
    void birthDate()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(int, required);
        MsgRecorder msgs;
        const int before = G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt();
        {
            F_User01 u;
            u.show();
            typeInto(u.Text3, QStringLiteral("誕生"));
            typeInto(u.Text1[0], "1990");
            typeInto(u.Text1[1], "7");
            typeInto(u.Text1[2], "15");
            QTest::mouseClick(u.Option1[0], Qt::LeftButton);
            if (!paste(child<QLineEdit>(&u, box), input))
                required = Refused;
            click(&u, "Command1");
        }
        const ResultSet r = G_DB().select(QStringLiteral("SELECT 生年月日 FROM 個人データ WHERE 氏名 = ?"),
                                          {QStringLiteral("誕生")});
        G_DB().exec(QStringLiteral("DELETE FROM 個人データ WHERE 氏名ID <> ?"), {m_person});
        if (Expect(required) == Refused) {
            QCOMPARE(r.size(), 0);
            QVERIFY(!msgs.shown().isEmpty());
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
        } else {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(r.size(), 1);
            QCOMPARE(r.rows[0].value(0), dateParam(QDate(1990, 7, 15)));
        }
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), before);
    }

    // ---- the day to copy meals from
    void copyDate_data()
    {
        columns();
        addRows("copy", {{QStringLiteral("Text1_0"), QString::number(kDay.year())},
                         {QStringLiteral("Text1_1"), QString::number(kDay.month())},
                         {QStringLiteral("Text1_2"), QString::number(kDay.day())}});
    }
    void copyDate()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(int, required);
        const qint64 kk = theDay();
        const QDate later = kDay.addDays(20);
        const qint64 target = G_DB().insert(
            QStringLiteral("健康状態管理"),
            {{QStringLiteral("氏名ID"), m_person}, {QStringLiteral("日付"), dateParam(later)},
             {QStringLiteral("身長"), 158.0}, {QStringLiteral("体重"), 52.0},
             {QStringLiteral("健康状態"), QStringLiteral("健康")}, {QStringLiteral("生活強度"), 2}});
        G_KK_ID = target;
        G_Simei_ID = m_person;
        MsgRecorder msgs;
        int days = -1;
        QString first;
        {
            F_KJRNyu01 w(DayHeader{QStringLiteral("試験花子"), QStringLiteral("2025年4月3日"), later});
            w.show();
            onModal([&](QWidget *m) {
                auto *c = qobject_cast<F_KJR_Copy01 *>(m);
                QVERIFY(c);
                msgs.clear();
                typeInto(c->Text1[0], QString::number(kDay.year()));
                typeInto(c->Text1[1], QString::number(kDay.month()));
                typeInto(c->Text1[2], QString::number(kDay.day()));
                if (!paste(c->Text1[box.right(1).toInt()], input))
                    required = Refused;
                click(c, "Command3");
                days = c->List1->count();
                first = days > 0 ? c->List1->item(0)->text() : QString();
                click(c, "Command2");
            }, &w);
            w.mnCopy->trigger();
        }
        G_DB().exec(QStringLiteral("DELETE FROM 健康状態管理 WHERE 健康状態管理ID = ?"), {target});
        QVERIFY(kk > 0);
        if (Expect(required) == Refused) {
            QVERIFY(!msgs.shown().isEmpty());
            QCOMPARE(msgs.shown().first().prompt, QStringLiteral("入力年月日（半角数値）を確認してください。 "));
        } else {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QVERIFY(days > 0);
            QCOMPARE(first, copyDayText(kDay));
        }
    }

    // ---- the first day of the trend graph
    void trendStart_data()
    {
        columns();
        addRows("trend", {{QStringLiteral("Text3_0"), QString::number(kDay.year())},
                          {QStringLiteral("Text3_1"), QString::number(kDay.month())},
                          {QStringLiteral("Text3_2"), QString::number(kDay.day())}});
    }
    void trendStart()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(int, required);
        theDay();
        MsgRecorder msgs;
        G_Tou_Start = QDate();
        bool graph = false;
        {
            F_Tou01 w;
            w.show();
            QVERIFY(w.DBCombo1->setBoundValue(m_person));
            typeInto(w.Text3[0], QString::number(kDay.year()));
            typeInto(w.Text3[1], QString::number(kDay.month()));
            typeInto(w.Text3[2], QString::number(kDay.day()));
            QTest::mouseClick(w.Option3[0], Qt::LeftButton);
            QTest::mouseClick(w.Option4[0], Qt::LeftButton);
            if (!paste(w.Text3[box.right(1).toInt()], input))
                required = Refused;
            // Watches only while the button runs: a refused start opens nothing.
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                QWidget *m = QApplication::activeModalWidget();
                if (m && m != &w) {
                    graph = graph || qobject_cast<F_Tou02 *>(m) != nullptr;
                    m->close();
                }
            });
            watch.start(10);
            click(&w, "Command1");
        }
        if (Expect(required) == Refused) {
            QVERIFY(!graph);
            QCOMPARE(msgs.prompts(), QStringList{QStringLiteral("開始日を確認してください。")});
        } else {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QVERIFY(graph);
            QCOMPARE(G_Tou_Start, kDay);
        }
    }

    // ---- a person's own targets: a checked box must hold a number above zero, within bounds
    void ownTargets_data()
    {
        columns();
        addRows("targets", {{QStringLiteral("Text1_1"), QStringLiteral("52.5")},
                            {QStringLiteral("Text1_6"), QStringLiteral("8000")},
                            {QStringLiteral("Text2_0"), QStringLiteral("1750")},
                            {QStringLiteral("Text3_0"), QStringLiteral("7.5")}});
    }
    void ownTargets()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, required);
        // The box's stored column and its check box.
        const int index = box.mid(6).toInt();
        const bool health = box.startsWith(QLatin1String("Text1"));
        const QString column = health ? KenkouValColumns().at(index)
                                      : G_Eiyou_Mei.at(box.startsWith(QLatin1String("Text2")) ? index : kEiyou1Count + index);
        const QString check = QStringLiteral("Check") + box.mid(4);
        G_DB().exec(QStringLiteral("UPDATE 個人データ SET %1 = NULL WHERE 氏名ID = ?").arg(Database::quoteId(column)), {m_person});
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        // Chosen from the list as a user does, with the keys.
        w.DBCombo1->setFocus();
        QTest::keyClick(w.DBCombo1, Qt::Key_Home);
        for (int i = 0; i < w.DBCombo1->count() && w.ShownID() != m_person; ++i)
            QTest::keyClick(w.DBCombo1, Qt::Key_Down);
        QCOMPARE(w.ShownID(), m_person);
        F_User01_Settei *s = w.Settei;
        s->show();
        auto *c = child<QCheckBox>(s, check);
        if (!c->isChecked())
            c->click();
        auto *e = child<QLineEdit>(s, box);
        QVERIFY(e->isEnabled());
        if (!paste(e, input))
            required = Refused;
        click(s, "Command3");
        if (Expect(required) == Refused) {
            QVERIFY(s->isVisible());
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(s->focusWidget(), e);
            // The user mends it; only then does the window let go.
            typeInto(e, valid);
            click(s, "Command3");
        } else {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        }
        QVERIFY(!s->isVisible());
        click(&w, "Command4");
        const QVariant stored = G_DB().scalar(
            QStringLiteral("SELECT %1 FROM 個人データ WHERE 氏名ID = ?").arg(Database::quoteId(column)), {m_person});
        QCOMPARE(stored.toDouble(), valid.toDouble());
    }

    // ---- the conversion of a weight before preparation: read by its leading number, 0 to 100,000
    void conversion_data()
    {
        columns();
        addRows("conversion", {{QStringLiteral("Text1"), QStringLiteral("250")}});
    }
    void conversion()
    {
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, leading);
        G_Sei_ID = G_DB().scalar(QStringLiteral("SELECT MIN(成分表ID) FROM 成分表 WHERE 廃棄率 > 0")).toLongLong();
        MsgRecorder msgs;
        F_HenKan h;
        h.show();
        QVERIFY(h.haikiRate() > 0);
        if (!paste(h.Text1, input))
            leading = AsEmpty;
        click(&h, "Command1");
        switch (Expect(leading)) {
        case Refused:
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QVERIFY(h.CancelFlg);
            QVERIFY(h.isVisible());
            break;
        case AsValid:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QVERIFY(!h.CancelFlg);
            QCOMPARE(h.KansanBunRyou, kansanBunRyou(valid.toDouble(), h.haikiRate()));
            break;
        case AsEmpty:
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QVERIFY(!h.CancelFlg);
            QCOMPARE(h.KansanBunRyou, 0.0);
            break;
        }
    }

    // ---- the trend graph's manual scale: signed limits, lines and ticks 0 to 100
    void manualScale_data()
    {
        columns();
        addRows("scale", {{QStringLiteral("Text1_0"), QStringLiteral("200")},
                          {QStringLiteral("Text1_1"), QStringLiteral("50")},
                          {QStringLiteral("Text1_2"), QStringLiteral("5")},
                          {QStringLiteral("Text1_3"), QStringLiteral("2")}});
    }
    void manualScale()
    {
        QFETCH(QString, box);
        QFETCH(QString, input);
        QFETCH(QString, valid);
        QFETCH(int, required);
        const int index = box.right(1).toInt();
        // A lower limit may be zero or below, a count may be zero: there "-0" and a negative
        // lower limit are numbers like any other.
        double want = valid.toDouble();
        if (input == QLatin1String("-0") && index != 0) {
            required = AsValid;
            want = 0;
        } else if (input == QLatin1Char('-') + valid && index == 1) {
            required = AsValid;
            want = -want;
        }
        MsgRecorder msgs;
        F_Tou02_Syudou d;
        d.show();
        const QStringList sound{QStringLiteral("200"), QStringLiteral("50"), QStringLiteral("5"), QStringLiteral("2")};
        for (int i = 0; i < 4; ++i)
            typeInto(d.Text1[i], sound[i]);
        if (!paste(d.Text1[index], input))
            required = Refused;
        click(&d, "Command1");
        if (Expect(required) == Refused) {
            QCOMPARE(msgs.shown().size(), 1);
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QVERIFY(d.CanselFlg);
            QVERIFY(d.isVisible());
            return;
        }
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QVERIFY(!d.CanselFlg);
        const TouSyudou k = d.kekka();
        const std::array<double, 4> got{k.upper, k.lower, double(k.lines), double(k.ticks)};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(got[i], i == index ? want : sound[i].toDouble());
    }

    // ---- text boxes: the person's name, the day's memo, the picker's search
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        for (const QString &t : kTexts)
            QTest::newRow(qPrintable(t.left(24))) << t;
    }
    void texts()
    {
        QFETCH(QString, text);
        MsgRecorder msgs;
        const int foods = G_DB().scalar(QStringLiteral("SELECT count(*) FROM 成分表")).toInt();
        const int persons = G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt();
        {
            F_User01 u;
            u.show();
            paste(u.Text3, text);
            typeInto(u.Text1[0], "1990");
            typeInto(u.Text1[1], "1");
            typeInto(u.Text1[2], "2");
            click(&u, "Command1");
        }
        const int added = G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt() - persons;
        // A name is at most ten characters: a longer one is refused with a word, a short one kept as typed.
        if (text.size() > 10) {
            QCOMPARE(added, 0);
            QVERIFY(!msgs.shown().isEmpty());
        } else {
            QCOMPARE(added, 1);
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ WHERE 氏名 = ?"), {text}).toInt(), 1);
        }
        G_DB().exec(QStringLiteral("DELETE FROM 個人データ WHERE 氏名ID <> ?"), {m_person});
        msgs.clear();

        // The memo of a day is kept as it is.
        G_DB().exec(QStringLiteral("DELETE FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person});
        {
            F_KJNyuu01 w;
            w.show();
            QApplication::setActiveWindow(&w);
            typeInto(&w, "Text3_0", QString::number(kDay.year()));
            typeInto(&w, "Text3_1", QString::number(kDay.month()));
            typeInto(&w, "Text3_2", QString::number(kDay.day()));
            child<QLineEdit>(&w, "Text5")->setFocus();
            typeInto(&w, "Text5", "158");
            typeInto(&w, "Text6", "52");
            paste(child<QLineEdit>(&w, "Text12"), text);
            click(&w, "Command1");
        }
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 備考 FROM 健康状態管理 WHERE 氏名ID = ?"), {m_person}).toString(),
                 text);

        // The picker's search finds nothing odd and breaks nothing.
        const qint64 kk = theDay();
        G_KK_ID = kk;
        G_Simei_ID = m_person;
        {
            F_KJRNyu01 w(DayHeader{QStringLiteral("試験花子"), QStringLiteral("2025年3月14日"), kDay});
            w.show();
            click(&w, "Command2");
            F_KJRNyu01_Ken *ken = w.picker();
            QVERIFY(ken);
            paste(ken->Text1, text);
            click(ken, "Command1");
            // Only names that hold the text (a wildcard is a plain character here).
            for (int r = 1; r < ken->vsGrid->rows(); ++r)
                QVERIFY2(ken->vsGrid->textMatrix(r, 2).contains(text), qPrintable(ken->vsGrid->textMatrix(r, 2)));
        }
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 成分表")).toInt(), foods);
        QCOMPARE(G_DB().scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TstHostile)
#include "tst_hostile.moc"
