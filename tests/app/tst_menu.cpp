#include "app_setup.h"
#include "backup_core.h"
#include "b_01.h"
#include "database.h"
#include "f_help.h"
#include "f_menu01.h"
#include "screens.h"
#include "startup.h"
#include "frmabout.h"
#include "test_window.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

using namespace mirte;

namespace {
// A screen that reports its closing the way the top-level screens do.
class FakeScreen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override
    {
        emit closed();
        QWidget::closeEvent(e);
    }
};

void sendEnter(QWidget *w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &e);
}

void sendMove(QWidget *w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QString exe()
{
    return QStringLiteral(MIRTE_EXE);
}
} // namespace

class TstMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(Syoki_Settei()); }

    void captionsAndButtons()
    {
        F_Menu01 m;
        QCOMPARE(m.windowTitle(), QStringLiteral("ミルテ　Ver 1.3.2"));
        const QStringList captions{"健康管理メイン", "統　　　　　計", "料理マスタ編集", "成 分 表 検 索",
                                   "TEST 説　　　　明", "終　　　　了"};
        for (int i = 1; i <= 6; ++i) {
            auto *b = m.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i));
            QVERIFY(b);
            QCOMPARE(b->text(), captions.at(i - 1));
        }
        QCOMPARE(m.statusText(), QStringLiteral("ミルテメニュー画面です。"));
        QVERIFY(m.findChild<QAction *>(QStringLiteral("mnAbout")));
        QCOMPARE(m.findChild<QAction *>(QStringLiteral("mnTojiru"))->text(), QStringLiteral("終了(&Q)"));
    }

    void hoverFlagRule()
    {
        F_Menu01 m;
        m.show();
        auto *b1 = m.findChild<QPushButton *>(QStringLiteral("Command1_1"));
        auto *b2 = m.findChild<QPushButton *>(QStringLiteral("Command1_2"));
        auto *b5 = m.findChild<QPushButton *>(QStringLiteral("Command1_5"));
        sendEnter(b1);
        QCOMPARE(m.statusText(), QStringLiteral("一日の健康状態、食事内容、運動状況を登録し、健康診断を行います。"));
        // Straight onto another button: the first text stays until the background is crossed.
        sendEnter(b2);
        QCOMPARE(m.statusText(), QStringLiteral("一日の健康状態、食事内容、運動状況を登録し、健康診断を行います。"));
        sendMove(m.findChild<QLabel *>(QStringLiteral("Image1")));
        QCOMPARE(m.statusText(), QStringLiteral("ミルテメニュー画面です。"));
        sendEnter(b2);
        QCOMPARE(m.statusText(), QStringLiteral("過去の栄養状態や運動量などの変化を折れ線グラフで表示します。"));
        sendMove(m.centralWidget());
        sendEnter(b5);
        QCOMPARE(m.statusText(), QString()); // button 5 has an empty text
    }

    void unknownIndexSaysSo()
    {
        test::MsgRecorder rec;
        F_Menu01 m;
        m.Command1_Click(9);
        QCOMPARE(rec.last(), QStringLiteral("プログラムの呼び出しに失敗しました。"));
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(G_Yobidasi, 9);
    }

    void screensHideAndShowTheMenu()
    {
        F_Menu01 m;
        auto *b1 = m.findChild<QPushButton *>(QStringLiteral("Command1_1"));
        QVERIFY(!b1->isEnabled());
        QPointer<FakeScreen> screen;
        m.setOpener(1, [&]() -> QWidget * {
            screen = new FakeScreen;
            screen->setAttribute(Qt::WA_DeleteOnClose);
            screen->show();
            return screen;
        });
        QVERIFY(b1->isEnabled());
        m.show();
        QTest::mouseClick(b1, Qt::LeftButton);
        QCOMPARE(G_Yobidasi, 1);
        QVERIFY(screen);
        QVERIFY(!m.isVisible());
        screen->close();
        QVERIFY(m.isVisible());
    }

    void buttonOneOpensTheDailyRecord()
    {
        test::TempDb t;
        test::MsgRecorder rec;
        F_Menu01 m;
        registerScreens(m);
        auto *b1 = m.findChild<QPushButton *>(QStringLiteral("Command1_1"));
        QVERIFY(b1->isEnabled());
        // Every screen of the menu is registered now.
        for (int i = 2; i <= 4; ++i)
            QVERIFY(m.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i))->isEnabled());
        m.show();
        QTest::mouseClick(b1, Qt::LeftButton);
        QWidget *day = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("F_KJNyuu01") && w->isVisible())
                day = w;
        QVERIFY(day);
        QVERIFY(!m.isVisible());
        day->close();
        QTRY_VERIFY(m.isVisible());
    }

    void mealsOpenFromTheDailyRecord()
    {
        test::TempDb t;
        test::MsgRecorder rec;
        const qint64 p = test::addPerson(QStringLiteral("花子"), QDate(1980, 4, 1), 2, true);
        t.db().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), p},
                                                     {QStringLiteral("日付"), dateParam(QDate::currentDate())},
                                                     {QStringLiteral("身長"), 158.0},
                                                     {QStringLiteral("体重"), 52.0},
                                                     {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                     {QStringLiteral("生活強度"), 2}});
        for (int band = 20; band <= 80; band += 10)
            t.db().insert(QStringLiteral("標準所要量"), {{QStringLiteral("年齢（範囲１）"), band},
                                                       {QStringLiteral("性別"), 2},
                                                       {QStringLiteral("生活強度"), 2}});
        F_Menu01 m;
        registerScreens(m);
        m.show();
        QTest::mouseClick(m.findChild<QPushButton *>(QStringLiteral("Command1_1")), Qt::LeftButton);
        auto find = [](const char *name) -> QWidget * {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String(name) && w->isVisible())
                    return w;
            return nullptr;
        };
        QWidget *day = find("F_KJNyuu01");
        QVERIFY(day);
        auto *meals = day->findChild<QPushButton *>(QStringLiteral("Command5"));
        QVERIFY(meals->isEnabled());
        QTest::mouseClick(meals, Qt::LeftButton);
        QWidget *dishes = find("F_KJRNyu01");
        QVERIFY(dishes);
        QVERIFY(!day->isVisible());
        QCOMPARE(dishes->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("花子"));
        dishes->close();
        QTRY_VERIFY(day->isVisible());
        day->close();
        QTRY_VERIFY(m.isVisible());
    }

    void buttonTwoOpensTheTrends()
    {
        test::TempDb t;
        test::MsgRecorder rec;
        F_Menu01 m;
        registerScreens(m);
        auto *b2 = m.findChild<QPushButton *>(QStringLiteral("Command1_2"));
        QVERIFY(b2->isEnabled());
        m.show();
        QTest::mouseClick(b2, Qt::LeftButton);
        QCOMPARE(G_Yobidasi, 2);
        QWidget *setup = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("F_Tou01") && w->isVisible())
                setup = w;
        QVERIFY(setup);
        QCOMPARE(setup->windowTitle(), QStringLiteral("統計"));
        QVERIFY(!m.isVisible());
        setup->close();
        QTRY_VERIFY(m.isVisible());
        QVERIFY(rec.shown().isEmpty());
    }

    void checkWindow()
    {
        test::TempDb t;
        t.db().exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品名) VALUES (1088, 'こめ')"));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<Test *>(QApplication::activeModalWidget());
            QVERIFY(w);
            seen = true;
            w->Text1->setText(QStringLiteral(" 成分表 "));
            w->Text2->setText(QStringLiteral("1088"));
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            QCOMPARE(w->Label3->text(), QStringLiteral("1088"));
            w->Text1->setText(QStringLiteral("個人データ")); // not a composition table
            QTest::mouseClick(w->Command1, Qt::LeftButton);
            QCOMPARE(w->Label3->text(), QString());
            w->RText1->setPlainText(QStringLiteral("一行目\n二行目\n三行目"));
            QTest::mouseClick(w->Command2, Qt::LeftButton);
            QCOMPARE(w->RText2->toPlainText(), QStringLiteral("一行目二行目三行目"));
            QTest::mouseClick(w->Command3, Qt::LeftButton);
        });
        F_Menu01 m;
        m.Command1_Click(5);
        QVERIFY(seen);
    }

    void closeBoxRunsTheExit()
    {
        test::TempDb t;
        auto *m = new F_Menu01;
        QSignalSpy exitSpy(m, &F_Menu01::exitRequested);
        m->show();
        m->close();
        QCOMPARE(exitSpy.count(), 1);
        QVERIFY(!G_DB().isOpen());
        delete m;
    }

    void helpWindow()
    {
        test::MsgRecorder rec;
        F_Help h;
        h.strHelpFile = QStringLiteral("H_NONE_Sin99.rtf");
        QVERIFY(!h.Form_Load());
        QCOMPARE(rec.last(), QStringLiteral("ヘルプファイル(H_NONE_Sin99.rtf)が見つかりません。"));
        QCOMPARE(h.windowTitle(), QStringLiteral("ミルテ－説明"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("page.html"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><h1>\xe8\xaa\xac\xe6\x98\x8e</h1></body></html>"); // 説明
        f.close();
        F_Help h2;
        h2.strHelpFile = file;
        QVERIFY(h2.Form_Load());
        QVERIFY(h2.RText1->toPlainText().contains(QStringLiteral("説明")));
    }

    void f1OpensTheProgramHelp()
    {
        if (!QFile::exists(helpFolder() + QStringLiteral("/index.html")))
            QSKIP("help documents are not beside the test program");
        installHelpKey();
        F_Menu01 m;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTest::keyClick(m.findChild<QPushButton *>(QStringLiteral("Command1_6")), Qt::Key_F1);
        F_Help *help = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *h = qobject_cast<F_Help *>(w); h && h->isVisible())
                help = h;
        QVERIFY(help);
        QVERIFY(help->RText1->toPlainText().contains(QStringLiteral("メインメニュー")));
        // F1 again brings the same window forward instead of opening another.
        QTest::keyClick(&m, Qt::Key_F1);
        int visible = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<F_Help *>(w) && w->isVisible())
                ++visible;
        QCOMPARE(visible, 1);
        help->close();

        // From a modal window, help opens above it and can be used.
        bool checked = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            F_Help *h = dialog->findChild<F_Help *>();
            QVERIFY(h);
            QVERIFY(h->isVisible());
            QVERIFY(h->isWindow());
            checked = true;
            h->close();
            dialog->close();
        });
        QDialog modal(&m);
        modal.exec();
        QVERIFY(checked);
    }

    void helpPageFollowsTheWindow()
    {
        F_Menu01 m;
        QCOMPARE(helpPageFor(&m), QStringLiteral("menu.html"));
        QCOMPARE(helpPageFor(nullptr), QStringLiteral("index.html"));
        QWidget day;
        day.setObjectName(QStringLiteral("F_KJNyuu01"));
        auto *box = new QLineEdit(&day);
        QCOMPARE(helpPageFor(box), QStringLiteral("health.html"));
        // A dialog of no page of its own is explained on its owner's page.
        QDialog question(&day);
        QCOMPARE(helpPageFor(&question), QStringLiteral("health.html"));
        QDialog loose;
        QCOMPARE(helpPageFor(&loose), QStringLiteral("index.html"));
        for (const QString &page : {QStringLiteral("menu.html"), QStringLiteral("health.html"),
                                    QStringLiteral("people.html")})
            QVERIFY2(QFile::exists(helpFolder() + QLatin1Char('/') + page), qPrintable(page));
    }

    void aboutBox()
    {
        test::MsgRecorder rec;
        frmAbout a;
        QCOMPARE(a.windowTitle(), QStringLiteral("ミルテのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(a.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.3.2"));
        QCOMPARE(a.lblTitle->text(), QStringLiteral("ミルテ"));
        QCOMPARE(a.lblDescription->text(),
                 QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明：\n　毎日の健康状態を管理するためのプログラムです。"));
        QVERIFY(a.lblDisclaimer->text().contains(QStringLiteral("日本食品標準成分表2020年版（八訂）")));
        QTest::mouseClick(a.cmdSysInfo, Qt::LeftButton);
        QCOMPARE(rec.last(), QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
    }

    void startupStopsOnAForeignFile()
    {
        test::MsgRecorder rec;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.db"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, 'z'));
        f.close();
        CommandLine cmd;
        cmd.dbPath = path;
        int status = -1;
        QVERIFY(!startProgram(cmd, &status));
        QVERIFY(status != 0);
        QVERIFY(rec.last().startsWith(QStringLiteral("Error ")));
        QVERIFY(rec.last().contains(QStringLiteral("：")));
        QCOMPARE(rec.shown().last().title, QStringLiteral("エラー"));
    }

    void startupWithFullDataIsQuick()
    {
        const QString seed = QCoreApplication::applicationDirPath() + QStringLiteral("/data/seed.db");
        if (!QFile::exists(seed))
            QSKIP("the seed database has not been built");
        QTemporaryDir dir;
        CommandLine cmd;
        cmd.dbPath = dir.filePath(QStringLiteral("family.db"));
        // First start: made from the seed; second start: opened as it is.
        for (int run = 0; run < 2; ++run) {
            QElapsedTimer timer;
            timer.start();
            int status = -1;
            F_Menu01 *menu = startProgram(cmd, &status);
            QVERIFY(menu);
            menu->show();
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            const qint64 ms = timer.elapsed();
            qInfo("start-up to a visible menu (%s): %lld ms", run == 0 ? "first" : "again", ms);
            QVERIFY2(ms < 3000, "start-up took too long");
            QVERIFY(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 成分表")).toInt() > 2000);
            waitForDailyBackup(); // it reads the file in a thread of its own
            G_DB().close();
            delete menu;
            // The lock of this run is held until the process ends: start again on a copy.
            if (run == 0) {
                const QString again = dir.filePath(QStringLiteral("again.db"));
                QVERIFY(QFile::copy(cmd.dbPath, again));
                cmd.dbPath = again;
            }
        }
    }

    void commandLine()
    {
        QProcess p;
        p.start(exe(), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("mirte 1.3.2"));

        p.start(exe(), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(10000));
        const QString help = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(help.contains(QStringLiteral("--init-db")));
        QVERIFY(help.contains(QStringLiteral("--db")));

        p.start(exe(), {QStringLiteral("--bogus")});
        QVERIFY(p.waitForFinished(10000));
        QVERIFY(p.exitCode() != 0);
    }

    void commandLineIsRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("path");
        QTest::newRow("nothing") << QStringList{} << int(CommandLine::Run) << QString();
        QTest::newRow("--db") << QStringList{"--db", "a.db"} << int(CommandLine::Run) << "a.db";
        QTest::newRow("--db without a file") << QStringList{"--db"} << int(CommandLine::Error) << QString();
        QTest::newRow("--init-db with a file") << QStringList{"--init-db", "b.db"} << int(CommandLine::InitDb) << "b.db";
        QTest::newRow("--init-db alone") << QStringList{"--init-db"} << int(CommandLine::InitDb) << QString();
        QTest::newRow("--init-db before --db") << QStringList{"--init-db", "--db", "c.db"} << int(CommandLine::InitDb) << "c.db";
        QTest::newRow("unknown") << QStringList{"--bogus"} << int(CommandLine::Error) << QString();
    }

    void commandLineIsRead()
    {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QFETCH(QString, path);
        std::vector<QByteArray> bytes{QByteArrayLiteral("mirte")};
        for (const QString &a : args)
            bytes.push_back(a.toLocal8Bit());
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        const CommandLine c = parseCommandLine(int(argv.size()), argv.data());
        QCOMPARE(int(c.action), action);
        QCOMPARE(c.dbPath, path);
    }

    // --help names the file the program would open, here the one beside the built program.
    void helpSaysWhereTheDatabaseIs()
    {
        QProcess p;
        p.start(exe(), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(10000));
        const QString expected = QFileInfo(exe()).absolutePath() + QStringLiteral("/data/MLTD13.db");
        QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("データベース: ") + expected),
                 qPrintable(expected));
    }

    // A relative --db names a file where the program was started, not in the program's folder.
    void relativeDbPathIsTheStartFolders()
    {
        test::MsgRecorder rec;
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        CommandLine cmd;
        cmd.dbPath = QStringLiteral("relative.db");
        int status = -1;
        std::unique_ptr<F_Menu01> menu(startProgram(cmd, &status));
        QDir::setCurrent(before);
        QVERIFY(menu);
        QCOMPARE(status, 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("relative.db"))));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/relative.db")));
        waitForDailyBackup(); // it reads the file in a thread of its own
        G_DB().close();
    }

    void initDbRefusesToOverwrite()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("family.db"));
        QProcess p;
        p.start(exe(), {QStringLiteral("--init-db"), target});
        QVERIFY(p.waitForFinished(30000));
        if (p.exitCode() != 0 && !QFile::exists(QFileInfo(exe()).absolutePath() + QStringLiteral("/data/seed.db")))
            QSKIP("the seed database has not been built");
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFile::exists(target));
        {
            Database d(QStringLiteral("check"));
            d.open(target);
            QVERIFY(d.scalar(QStringLiteral("SELECT count(*) FROM 成分表")).toInt() > 0);
        }
        const QDateTime stamp = QFileInfo(target).lastModified();
        p.start(exe(), {QStringLiteral("--init-db"), target});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(!QString::fromUtf8(p.readAllStandardError()).isEmpty());
        QCOMPARE(QFileInfo(target).lastModified(), stamp);
    }

    // Only a live copy of ours on the same file ends silently, whatever path reaches the file.
    void secondCopyEndsSilently_data()
    {
        QTest::addColumn<bool>("throughSymlink");
        QTest::newRow("same path") << false;
        QTest::newRow("symlink") << true;
    }

    void secondCopyEndsSilently()
    {
        QFETCH(bool, throughSymlink);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("one.db"));
        {
            Database d(QStringLiteral("maker"));
            d.create(path);
        }
        QString second = path;
        if (throughSymlink) {
            second = dir.filePath(QStringLiteral("link.db"));
            QVERIFY(QFile::link(path, second));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(exe(), {QStringLiteral("--db"), path});
        QVERIFY(first.waitForStarted());
        // The first copy locks before it opens the file, which then gets its write-ahead log.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path + QStringLiteral("-wal")), 20000);
        QProcess other;
        other.setProcessEnvironment(env);
        other.start(exe(), {QStringLiteral("--db"), second});
        QVERIFY(other.waitForFinished(20000));
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(other.readAllStandardOutput(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    // Every other start-up fault shows the common error box and ends with a non-zero status.
    void startupFaultsAreShown_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("says");
        QTest::newRow("folder blocked by a file") << "blocked" << "を作れません";
        QTest::newRow("read-only file") << "readonly-file" << "読み取り専用";
        QTest::newRow("read-only folder") << "readonly-folder" << "読み取り専用";
    }

    void startupFaultsAreShown()
    {
        QFETCH(QString, fault);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther));
        CommandLine cmd;
        cmd.dbPath = dir.filePath(QStringLiteral("family.db"));
        if (fault == QLatin1String("blocked")) {
            QFile f(dir.filePath(QStringLiteral("file")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            cmd.dbPath = dir.filePath(QStringLiteral("file/family.db"));
        } else {
            { Database d(QStringLiteral("maker")); d.create(cmd.dbPath); }
            const auto readable = QFile::ReadOwner | QFile::ReadOther;
            if (fault == QLatin1String("readonly-file"))
                QVERIFY(QFile::setPermissions(cmd.dbPath, readable));
            else
                QVERIFY(QFile::setPermissions(dir.path(), readable | QFile::ExeOwner | QFile::ExeOther));
        }
        test::MsgRecorder rec;
        int status = 0;
        {
            // Permissions do not bind root: the read-only starts run as an ordinary user then.
            std::optional<test::AsOrdinaryUser> user;
            if (fault != QLatin1String("blocked"))
                user.emplace();
            QVERIFY(!startProgram(cmd, &status));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(status != 0);
        QCOMPARE(rec.shown().size(), 1);
        QCOMPARE(rec.shown().last().title, QStringLiteral("エラー"));
        QVERIFY2(rec.last().startsWith(QStringLiteral("Error ")) && rec.last().contains(says), qPrintable(rec.last()));
        QVERIFY(!G_DB().isOpen());
    }
};

QTEST_MAIN(TstMenu)
#include "tst_menu.moc"
