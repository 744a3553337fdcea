#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_user01.h"
#include "f_user01_settei.h"
#include "f_user02.h"
#include "tabcontrol.h"
#include "statusbartext.h"
#include "guitest.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;
using mirte::test::MsgRecorder;
using mirte::test::TempDb;

namespace {
// Types any text, one character (code point) per key press, as an input method delivers it.
void type(QLineEdit *e, const QString &text)
{
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

void enter(F_User01 &w, const QString &name, const QDate &birth, bool female = false)
{
    type(w.Text3, name);
    type(w.Text1[0], QString::number(birth.year()));
    type(w.Text1[1], QString::number(birth.month()));
    type(w.Text1[2], QString::number(birth.day()));
    QTest::mouseClick(w.Option1[female ? 1 : 0], Qt::LeftButton);
}

// Chooses a name in the list with the keyboard, as a user can.
void choose(F_User01 &w, const QString &name)
{
    w.DBCombo1->setFocus();
    QTest::keyClick(w.DBCombo1, Qt::Key_Home);
    for (int i = 0; i < w.DBCombo1->count() && w.DBCombo1->currentText() != name; ++i)
        QTest::keyClick(w.DBCombo1, Qt::Key_Down);
    QCOMPARE(w.DBCombo1->currentText(), name);
    if (w.Text3->text() != name) // Home landed on it already without a change
        emit w.DBCombo1->activated(w.DBCombo1->currentIndex());
}

// Turns the settings window to the page of a control, as a user must before clicking it.
template <class T> T *onPage(F_User01 &w, const QString &name)
{
    auto *c = child<T>(w.Settei, name);
    for (int p = 0; p < w.Settei->SSTab1->tabs(); ++p)
        if (w.Settei->SSTab1->widget(p)->isAncestorOf(c))
            w.Settei->SSTab1->setTab(p);
    return c;
}

qint64 personId(const QString &name)
{
    return G_DB().scalar("SELECT 氏名ID FROM 個人データ WHERE 氏名 = ?", {name}).toLongLong();
}

qint64 insertPerson(const QString &name, const QDate &birth, int sex = 1)
{
    return G_DB().insert("個人データ", {{"氏名", name}, {"生年月日", dateParam(birth)}, {"性別", sex}});
}

qint64 mainUser()
{
    return G_DB().scalar("SELECT MAINUSER FROM USERCHECK").toLongLong();
}
} // namespace

class TstFUser01 : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempDb> m_db;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_db = std::make_unique<TempDb>();
        G_Simei_ID = 0;
    }
    void cleanup() { m_db.reset(); }

    void loadState()
    {
        insertPerson("花子", QDate(1980, 3, 3), 2);
        F_User01 w;
        QCOMPARE(w.windowTitle(), QStringLiteral("ユーザー名登録"));
        QCOMPARE(w.StBar->text(), QStringLiteral("登録済みユーザー情報を変更する場合は、名前を選んでください。"));
        QCOMPARE(w.DBCombo1->count(), 1);
        QVERIFY(w.DBCombo1->currentText().isEmpty());
        QVERIFY(w.Option1[0]->isChecked());
        QVERIFY(!w.Command2->isEnabled());
        QVERIFY(!w.Command4->isEnabled());
        QVERIFY(!w.mnSyouSai->isEnabled());
        QVERIFY(w.Command1->isEnabled());
        QVERIFY(!w.HenkouFlg);
        QVERIFY(!w.Text2->isVisible());
    }

    void chooseFillsBoxes()
    {
        const qint64 id = insertPerson("花子", QDate(1980, 3, 3), 2);
        insertPerson("一郎", QDate(1950, 12, 1), 1);
        G_DB().exec("UPDATE 個人データ SET エネルギーflg = 1, エネルギー = 1750, 体重 = 52.5 WHERE 氏名ID = ?", {id});
        G_DB().exec("UPDATE USERCHECK SET MAINUSER = ?", {id});
        F_User01 w;
        w.show();
        choose(w, "花子");
        QCOMPARE(w.Text3->text(), QStringLiteral("花子"));
        QCOMPARE(w.Text1[0]->text() + '/' + w.Text1[1]->text() + '/' + w.Text1[2]->text(), QStringLiteral("1980/3/3"));
        QVERIFY(w.Option1[1]->isChecked());
        QVERIFY(w.Check1->isChecked());
        QCOMPARE(w.ShownID(), id);
        QVERIFY(w.Command2->isEnabled() && w.Command4->isEnabled() && w.mnSyouSai->isEnabled());
        // the person's own targets are in the settings window, unchanged
        QVERIFY(child<QCheckBox>(w.Settei, "Check2_0")->isChecked());
        QCOMPARE(child<QLineEdit>(w.Settei, "Text2_0")->text(), QStringLiteral("1750"));
        QVERIFY(child<QLineEdit>(w.Settei, "Text2_0")->isEnabled());
        QCOMPARE(child<QLineEdit>(w.Settei, "Text1_1")->text(), QStringLiteral("52.5"));
        QVERIFY(!child<QLineEdit>(w.Settei, "Text1_1")->isEnabled());
        QCOMPARE(child<QLineEdit>(w.Settei, "Text1_0")->text(), QStringLiteral("0")); // empty shows 0
        QVERIFY(!w.Settei->HenkouFlg);

        choose(w, "一郎");
        QVERIFY(w.Option1[0]->isChecked());
        QVERIFY(!w.Check1->isChecked());
        QVERIFY(!child<QCheckBox>(w.Settei, "Check2_0")->isChecked());
    }

    void addValidation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("message"); // empty: added
        QTest::addColumn<QString>("focus");
        const QDate today = QDate::currentDate(), tomorrow = today.addDays(1);
        const QString bad = "生年月日を確認してください。";
        QTest::newRow("10 characters") << "あいうえおかきくけこ" << "1990" << "1" << "1" << "" << "";
        QTest::newRow("11 characters") << "あいうえおかきくけこさ" << "1990" << "1" << "1"
                                       << "名前は10文字までです。" << "Text3";
        QTest::newRow("10 with a surrogate pair") << "𠮷野家あいうえおかき" << "1990" << "1" << "1" << "" << "";
        QTest::newRow("empty name") << "" << "1990" << "1" << "1" << "名前を入力してください。" << "Text3";
        QTest::newRow("blanks only") << "   　" << "1990" << "1" << "1" << "名前を入力してください。" << "Text3";
        QTest::newRow("today") << "今日" << QString::number(today.year()) << QString::number(today.month())
                               << QString::number(today.day()) << "" << "";
        QTest::newRow("tomorrow") << "明日" << QString::number(tomorrow.year())
                                  << QString::number(tomorrow.month()) << QString::number(tomorrow.day()) << bad
                                  << "Text1_0";
        QTest::newRow("no such day") << "太郎" << "1990" << "2" << "30" << bad << "Text1_0";
        QTest::newRow("empty month") << "太郎" << "1990" << "" << "3" << bad << "Text1_0";
        QTest::newRow("name checked first") << "" << "1990" << "2" << "30" << "名前を入力してください。" << "Text3";
        QTest::newRow("length before date") << "あいうえおかきくけこさ" << "x" << "" << ""
                                            << "名前は10文字までです。" << "Text3";
    }
    void addValidation()
    {
        QFETCH(QString, name);
        QFETCH(QString, y);
        QFETCH(QString, m);
        QFETCH(QString, d);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        type(w.Text3, name);
        type(w.Text1[0], y);
        type(w.Text1[1], m);
        type(w.Text1[2], d);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        const int rows = G_DB().scalar("SELECT COUNT(*) FROM 個人データ").toInt();
        if (message.isEmpty()) {
            QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
            QCOMPARE(rows, 1);
            const qint64 id = personId(name.trimmed());
            QVERIFY(id > 0);
            QCOMPARE(w.ShownID(), id);
            QCOMPARE(w.DBCombo1->currentText(), name.trimmed());
            QVERIFY(w.Command2->isEnabled() && w.Command4->isEnabled());
            const QDate stored = toDate(G_DB().scalar("SELECT 生年月日 FROM 個人データ WHERE 氏名ID = ?", {id}));
            QCOMPARE(stored, QDate(y.toInt(), m.toInt(), d.toInt()));
        } else {
            QCOMPARE(msgs.prompts(), QStringList{message});
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(msgs.shown().first().icon(), int(vbInformation));
            QCOMPARE(rows, 0);
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
    }

    void addTrimsNameAndWritesFourDigitYear()
    {
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        type(w.Text3, "  次郎 ");
        type(w.Text1[0], "75");
        type(w.Text1[1], "4");
        type(w.Text1[2], "1");
        QTest::mouseClick(w.Option1[1], Qt::LeftButton);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(w.Text3->text(), QStringLiteral("次郎"));
        QCOMPARE(w.Text1[0]->text(), QStringLiteral("1975"));
        const auto row = G_DB().selectOne("SELECT * FROM 個人データ WHERE 氏名 = '次郎'");
        QVERIFY(row.has_value());
        QCOMPARE(row->value("性別").toInt(), 2);
        QCOMPARE(toDate(row->value("生年月日")), QDate(1975, 4, 1));
        QCOMPARE(mainUser(), 0); // not asked for
    }

    void duplicates()
    {
        insertPerson("花子", QDate(1980, 3, 3), 2);
        insertPerson("一郎", QDate(1950, 12, 1));
        const QString dup = "同じ名前が既に存在しています。\n両方とも必要な場合は、区別ができる名前にしてください。";
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        // add under an existing name
        enter(w, "花子", QDate(2001, 1, 1));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{dup});
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 個人データ").toInt(), 2);

        // renaming to its own name is no duplicate
        msgs.clear();
        choose(w, "花子");
        QTest::mouseClick(w.Option1[0], Qt::LeftButton);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(G_DB().scalar("SELECT 性別 FROM 個人データ WHERE 氏名 = '花子'").toInt(), 1);

        // to another person's name is
        type(w.Text3, "一郎");
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{dup});
        QVERIFY(personId("花子") > 0);

        // a name with an apostrophe is compared as written
        msgs.clear();
        type(w.Text3, "O'Neil");
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(w.DBCombo1->currentText(), QStringLiteral("O'Neil"));
        enter(w, "O'Neil", QDate(2001, 1, 1));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{dup});
    }

    void mainUserMark()
    {
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        enter(w, "花子", QDate(1980, 3, 3), true);
        QTest::mouseClick(w.Check1, Qt::LeftButton);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        const qint64 hanako = personId("花子");
        QCOMPARE(mainUser(), hanako);

        // adding another without the mark leaves it
        QTest::mouseClick(w.Check1, Qt::LeftButton);
        enter(w, "一郎", QDate(1950, 12, 1));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        const qint64 ichiro = personId("一郎");
        QCOMPARE(mainUser(), hanako);

        // unchecking on another person leaves the main user
        QVERIFY(!w.Check1->isChecked());
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(mainUser(), hanako);

        // marking another moves it
        QTest::mouseClick(w.Check1, Qt::LeftButton);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(mainUser(), ichiro);

        // unchecking on the main user clears it
        choose(w, "一郎");
        QVERIFY(w.Check1->isChecked());
        QTest::mouseClick(w.Check1, Qt::LeftButton);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(mainUser(), 0);
        QVERIFY(msgs.shown().isEmpty());
    }

    void deleteCascadesAndClears()
    {
        const qint64 a = insertPerson("花子", QDate(1980, 3, 3), 2);
        const qint64 b = insertPerson("一郎", QDate(1950, 12, 1));
        const qint64 kk = G_DB().insert("健康状態管理", {{"氏名ID", a}, {"日付", "2024-05-01"}, {"身長", 158.0}});
        G_DB().insert("摂取料理", {{"健康状態管理ID", kk}, {"食事区分", "朝食"}, {"料理名", "ごはん"}});
        G_DB().exec("UPDATE USERCHECK SET MAINUSER = ?", {a});
        G_Simei_ID = b;

        MsgRecorder msgs;
        msgs.answer(vbCancel);
        F_User01 w;
        w.show();
        choose(w, "花子");
        type(w.Text3, "別の名前"); // the question still names the stored person
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(msgs.prompts(),
                 QStringList{"花子さんを削除します。\r\n入力済みの健康管理情報も一緒に削除されますが､よろしいですか｡"});
        QCOMPARE(msgs.shown().first().buttons(), int(vbOKCancel));
        QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
        QVERIFY(personId("花子") > 0); // cancelled
        QCOMPARE(w.ShownID(), a);

        msgs.clear();
        QTest::mouseClick(w.Command2, Qt::LeftButton); // OK
        QCOMPARE(msgs.shown().size(), 1);
        QCOMPARE(personId("花子"), 0);
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 0);
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 摂取料理").toInt(), 0);
        QCOMPARE(mainUser(), 0);
        QVERIFY(w.Text3->text().isEmpty());
        QVERIFY(w.Text2->text().isEmpty());
        QVERIFY(!w.Command2->isEnabled());
        QCOMPARE(w.DBCombo1->count(), 1);
        QVERIFY(!w.HenkouFlg); // not the current person

        // without records the plain question
        msgs.clear();
        choose(w, "一郎");
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{"一郎さんを削除します。よろしいですか。"});
        QVERIFY(w.HenkouFlg); // the current person is gone
        QCOMPARE(w.ShownID(), 0);
    }

    void henkouFlgAtClose_data()
    {
        QTest::addColumn<QString>("shown");   // person shown at closing ("" none)
        QTest::addColumn<bool>("expected");
        QTest::newRow("current person shown") << "花子" << false;
        QTest::newRow("another shown") << "一郎" << true;
        QTest::newRow("nobody shown") << "" << false;
    }
    void henkouFlgAtClose()
    {
        QFETCH(QString, shown);
        QFETCH(bool, expected);
        G_Simei_ID = insertPerson("花子", QDate(1980, 3, 3), 2);
        insertPerson("一郎", QDate(1950, 12, 1));
        F_User01 w;
        w.show();
        if (!shown.isEmpty())
            choose(w, shown);
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.HenkouFlg, expected);
        QCOMPARE(w.ShownName(), shown);
        QCOMPARE(w.ShownID(), shown.isEmpty() ? 0 : personId(shown));
    }

    void deletingCurrentThenAnotherStillReports()
    {
        G_Simei_ID = insertPerson("花子", QDate(1980, 3, 3), 2);
        insertPerson("一郎", QDate(1950, 12, 1));
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        choose(w, "花子");
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        choose(w, "一郎");
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QVERIFY(!w.HenkouFlg); // cleared with the input
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QVERIFY(w.HenkouFlg);
        QCOMPARE(w.ShownID(), 0);
    }

    void changeSavesSettingsOnlyWhenChanged()
    {
        const qint64 id = insertPerson("花子", QDate(1980, 3, 3), 2);
        G_DB().exec("UPDATE 個人データ SET 体重 = 50 WHERE 氏名ID = ?", {id});
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        choose(w, "花子");
        // changing only the name leaves the targets alone, even if edited behind the window's back
        G_DB().exec("UPDATE 個人データ SET 体重 = 51 WHERE 氏名ID = ?", {id});
        type(w.Text3, "はなこ");
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(G_DB().scalar("SELECT 体重 FROM 個人データ WHERE 氏名ID = ?", {id}).toDouble(), 51.0);

        // now edit targets in the settings window like a user
        w.Settei->show();
        QTest::mouseClick(onPage<QCheckBox>(w, "Check2_0"), Qt::LeftButton);
        type(onPage<QLineEdit>(w, "Text2_0"), "1800");
        QTest::mouseClick(onPage<QCheckBox>(w, "Check1_3"), Qt::LeftButton);
        type(onPage<QLineEdit>(w, "Text1_3"), "70");
        type(onPage<QLineEdit>(w, "Text1_9"), "120");
        // checked, typed, unchecked again: the value stays and is saved all the same
        QTest::mouseClick(onPage<QCheckBox>(w, "Check3_10"), Qt::LeftButton);
        type(onPage<QLineEdit>(w, "Text3_10"), "8");
        QTest::mouseClick(onPage<QCheckBox>(w, "Check3_10"), Qt::LeftButton);
        QTest::mouseClick(w.Settei->Command3, Qt::LeftButton);
        QVERIFY(!w.Settei->isVisible());
        QVERIFY(w.Settei->HenkouFlg);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QVERIFY(!w.Settei->HenkouFlg);
        const auto row = G_DB().selectOne("SELECT * FROM 個人データ WHERE 氏名ID = ?", {id});
        QCOMPARE(row->value("エネルギーflg").toInt(), 1);
        QCOMPARE(row->value("エネルギー").toDouble(), 1800.0);
        QCOMPARE(row->value("血圧flg").toInt(), 1);
        QCOMPARE(row->value("血圧（下）").toDouble(), 70.0);
        QCOMPARE(row->value("血圧（上）").toDouble(), 120.0);
        QCOMPARE(row->value("亜鉛flg").toInt(), 0);
        QCOMPARE(row->value("亜鉛").toDouble(), 8.0);
        QCOMPARE(row->value("体重").toDouble(), 50.0); // the value the window shows is written back
        QCOMPARE(row->value("氏名").toString(), QStringLiteral("はなこ"));

        // choosing again shows what was saved
        choose(w, "はなこ");
        QCOMPARE(child<QLineEdit>(w.Settei, "Text1_9")->text(), QStringLiteral("120"));
        QVERIFY(child<QLineEdit>(w.Settei, "Text1_9")->isEnabled());
    }

    void addWithEditedSettingsKeepsDefaults()
    {
        insertPerson("花子", QDate(1980, 3, 3), 2);
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        choose(w, "花子");
        w.Settei->show();
        QTest::mouseClick(onPage<QCheckBox>(w, "Check2_1"), Qt::LeftButton);
        type(onPage<QLineEdit>(w, "Text2_1"), "60");
        QTest::mouseClick(w.Settei->Command3, Qt::LeftButton);
        enter(w, "新人", QDate(2019, 5, 1));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{"新規登録時点での詳細設定は、初期値の状態です。\n"
                                             "詳細設定の変更が必要な場合は、再度設定をしてください。"});
        QVERIFY(!w.Settei->HenkouFlg);
        const qint64 id = personId("新人");
        QCOMPARE(G_DB().scalar("SELECT たんぱく質flg FROM 個人データ WHERE 氏名ID = ?", {id}).toInt(), 0);
        // the window now shows the new person's own (default) values
        QVERIFY(!child<QCheckBox>(w.Settei, "Check2_1")->isChecked());
        QCOMPARE(child<QLineEdit>(w.Settei, "Text2_1")->text(), QStringLiteral("0"));
        // so a later change cannot carry the other person's values over
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(G_DB().scalar("SELECT たんぱく質flg FROM 個人データ WHERE 氏名ID = ?", {id}).toInt(), 0);
    }

    void closeAsksWhenSettingsChanged()
    {
        insertPerson("花子", QDate(1980, 3, 3), 2);
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        choose(w, "花子");
        w.Settei->show();
        QTest::mouseClick(onPage<QCheckBox>(w, "Check1_8"), Qt::LeftButton);
        type(onPage<QLineEdit>(w, "Text1_8"), "36.5");
        QTest::mouseClick(w.Settei->Command3, Qt::LeftButton);

        msgs.answer(vbCancel);
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QCOMPARE(msgs.prompts(), QStringList{"詳細設定が変更されています。\r\n閉じてよろしいですか？。\r\n\r\n"
                                             "詳細設定を更新するには、「変更」を実行してください。"});
        QVERIFY(w.isVisible());
        // the close box asks the same
        w.close();
        QCOMPARE(msgs.shown().size(), 2);
        QVERIFY(!w.isVisible());
        QCOMPARE(G_DB().scalar("SELECT 体温flg FROM 個人データ").toInt(), 0);
    }

    // Enter walks the fields as the help says: name, year, month, day, then the sex, never
    // into the 和暦 button between them.
    void enterMovesToTheNextField()
    {
        F_User01 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QWidget *const walk[] = {w.Text3, w.Text1[0], w.Text1[1], w.Text1[2], w.Option1[0]};
        walk[0]->setFocus();
        for (int i = 1; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), walk[i]);
        }
    }

    void warekiButton()
    {
        MsgRecorder msgs;
        F_User01 w;
        w.show();
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *dlg = qobject_cast<F_User02 *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            seen = true;
            QTest::mouseClick(dlg->Option1[3], Qt::LeftButton);
            dlg->Text1[0]->setText("1");
            dlg->Text1[1]->setText("1");
            dlg->Text1[2]->setText("8");
            QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(w.Command5, Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(w.Text1[0]->text() + '/' + w.Text1[1]->text() + '/' + w.Text1[2]->text(), QStringLiteral("1989/1/8"));

        // and a 令和 child can be registered
        seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *dlg = qobject_cast<F_User02 *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            seen = true;
            QVERIFY(dlg->Option1[3]->isChecked()); // starts from the shown date
            QCOMPARE(dlg->Text1[0]->text(), QStringLiteral("1"));
            QTest::mouseClick(dlg->Option1[4], Qt::LeftButton);
            dlg->Text1[1]->setText("5");
            dlg->Text1[2]->setText("1");
            QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(w.Command5, Qt::LeftButton);
        QVERIFY(seen);
        type(w.Text3, "令和の子");
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(toDate(G_DB().scalar("SELECT 生年月日 FROM 個人データ")), QDate(2019, 5, 1));
    }

    void statusHints()
    {
        F_User01 w;
        w.show();
        QTest::mouseMove(w.Command1);
        QCOMPARE(w.StBar->text(), QStringLiteral("上で指定したユーザーを新規に追加します。"));
        QTest::mouseMove(w.Command5);
        QCOMPARE(w.StBar->text(), QStringLiteral("生年月日を和暦で入力します。"));
        QTest::mouseMove(w.Check1);
        QCOMPARE(w.StBar->text(), QStringLiteral("チェックしたユーザーが最初に表示されるようになります。"));
    }
};

QTEST_MAIN(TstFUser01)
#include "tst_f_user01.moc"
