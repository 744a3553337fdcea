// The main menu's backup and restore, as the user runs them.
#include "app_setup.h"
#include "b_01.h"
#include "backup_core.h"
#include "database.h"
#include "f_menu01.h"
#include "filechoice.h"
#include "filechoicetest.h"
#include "refdata.h"
#include "startup.h"
#include "testfiles.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {
QStringList names()
{
    QStringList out;
    for (const QVariantList &r : G_DB().select(QStringLiteral("SELECT 氏名 FROM 個人データ ORDER BY 氏名ID")).rows)
        out << r.value(0).toString();
    return out;
}
} // namespace

class TstBackupMenu : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<test::MsgRecorder> m_msg;
    FileChoiceRecorder m_files; // what the file dialog is asked and answers

    void trigger(F_Menu01 &m, const char *action)
    {
        auto *a = m.findChild<QAction *>(QString::fromLatin1(action));
        QVERIFY2(a && a->isEnabled(), action);
        a->trigger();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_path = m_dir.filePath(QStringLiteral("MLTD13.db"));
        m_lock = std::make_unique<InstanceLock>(m_path);
        openHouseholdDatabase(m_path, QStringLiteral(MIRTE_SEED_DB));
        QCOMPARE(m_lock->tryLock(), InstanceLock::Locked);
        test::addPerson(QStringLiteral("母"), QDate(1980, 4, 1), 2, true);
        test::addPerson(QStringLiteral("太郎"), QDate(2016, 7, 7), 1);
        m_msg = std::make_unique<test::MsgRecorder>();
        m_files.asked.clear();
    }
    void cleanup()
    {
        m_msg.reset();
        G_DB().close();
        m_lock.reset();
    }

    void backupThenRestore()
    {
        F_Menu01 m;
        m.setSeedPath(QStringLiteral(MIRTE_SEED_DB));
        m_files.chosen = m_dir.filePath(QStringLiteral("控え"));
        trigger(m, "mnBackup");
        QCOMPARE(m_files.asked.size(), 1);
        QCOMPARE(m_files.asked.first().mode, FileChoiceRequest::Save);
        const QString copy = m_files.chosen + QStringLiteral(".db");
        QVERIFY(backupProblem(copy, referenceVersion(G_DB())).isEmpty());
        QVERIFY(m_msg->last().startsWith(QStringLiteral("バックアップを作成しました。")));

        const QStringList before = names();
        test::addPerson(QStringLiteral("客"), QDate(1990, 1, 1), 1);
        QVERIFY(names() != before);

        // Answered No: nothing is replaced.
        m_files.chosen = copy;
        m_msg->answer(vbNo);
        trigger(m, "mnRestore");
        QCOMPARE(m_files.asked.last().mode, FileChoiceRequest::Open);
        QCOMPARE(names().size(), before.size() + 1);

        m_msg->clear();
        trigger(m, "mnRestore");
        QCOMPARE(m_msg->shown().size(), 2);
        QCOMPARE(m_msg->shown().first().buttons(), int(vbYesNo));
        QVERIFY(m_msg->last().startsWith(QStringLiteral("バックアップから復元しました。")));
        QCOMPARE(names(), before);
        // Still the same locked file, and a working connection.
        InstanceLock second(m_path);
        QCOMPARE(second.tryLock(), InstanceLock::HeldByAnother);
        QCOMPARE(G_DB().path(), m_path);
        QCOMPARE(G_DB().scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QVERIFY(QDir(dailyBackupDir(m_path)).entryList({QStringLiteral("*復元前*")}).size() == 1);
    }

    void refusedFileIsExplained_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a spreadsheet") << QByteArray("日付,体重\r\n2026-01-01,50\r\n");
        QTest::newRow("a damaged database") << QByteArray("SQLite format 3").append(4096 * 3, '\x7f');
    }
    void refusedFileIsExplained()
    {
        QFETCH(QByteArray, content);
        F_Menu01 m;
        m_files.chosen = m_dir.filePath(QStringLiteral("bad.db"));
        QFile f(m_files.chosen);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const QStringList before = names();
        trigger(m, "mnRestore");
        QCOMPARE(m_msg->shown().size(), 1); // no question: the file is refused first
        QVERIFY(m_msg->last().endsWith(QStringLiteral("記録はそのままです。")));
        QCOMPARE(names(), before);
        QVERIFY(!QDir(dailyBackupDir(m_path)).exists());
    }

    void cancelledDialogDoesNothing()
    {
        F_Menu01 m;
        m_files.chosen.clear();
        trigger(m, "mnBackup");
        trigger(m, "mnRestore");
        QVERIFY(m_msg->shown().isEmpty());
        QCOMPARE(m_files.asked.size(), 2);
    }

    // File dialogs open in the documents folder, then where the user last chose a file (kept in
    // the household file, so that it outlives the program); never in the program's folder.
    void dialogsStartWhereTheUserWas()
    {
        F_Menu01 m;
        m_files.chosen = m_dir.filePath(QStringLiteral("控え.db"));
        trigger(m, "mnBackup");
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY2(m_files.asked.last().suggested.startsWith(docs + '/'), qPrintable(m_files.asked.last().suggested));
        m_files.chosen.clear();
        trigger(m, "mnBackup");
        QCOMPARE(QFileInfo(m_files.asked.last().suggested).absolutePath(), m_dir.path());
        // A folder since removed is not proposed.
        QDir sub(m_dir.filePath(QStringLiteral("sub")));
        QVERIFY(sub.mkpath(QStringLiteral(".")));
        m_files.chosen = sub.filePath(QStringLiteral("控え2.db"));
        trigger(m, "mnBackup");
        QVERIFY(sub.removeRecursively());
        m_files.chosen.clear();
        trigger(m, "mnBackup");
        QVERIFY(m_files.asked.last().suggested.startsWith(docs + '/'));
    }

    // A start refused for a damaged file offers the newest sound daily copy: Yes puts it in
    // place and sets the damaged file aside with its log; No, or no sound copy, changes nothing.
    void damagedStartOffersTheDailyCopy_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("soundCopy");
        QTest::newRow("yes") << int(vbYes) << true;
        QTest::newRow("no") << int(vbNo) << true;
        QTest::newRow("no sound copy") << int(vbYes) << false;
    }
    void damagedStartOffersTheDailyCopy()
    {
        QFETCH(int, answer);
        QFETCH(bool, soundCopy);
        const QString dir = dailyBackupDir(m_path);
        makeDailyBackup(G_DB(), dir, QDate(2026, 12, 7));
        makeDailyBackup(G_DB(), dir, QDate(2026, 12, 8));
        const QStringList inCopy = names();
        test::addPerson(QStringLiteral("客"), QDate(1990, 1, 1), 1);
        // The newest copy is damaged too: the one before it is offered.
        const QString newest = dir + QLatin1Char('/') + dailyBackupName(m_path, QDate(2026, 12, 9));
        QVERIFY(QFile::copy(dir + QLatin1Char('/') + dailyBackupName(m_path, QDate(2026, 12, 8)), newest));
        auto scribble = [](const QString &path) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 size = f.size();
            f.seek(size / 3);
            f.write(QByteArray(3 * 4096, '\x5a'));
        };
        scribble(newest);
        if (!soundCopy) {
            for (const QString &c : dailyBackups(dir, m_path))
                scribble(c);
        }
        G_DB().close();
        m_lock.reset();
        scribble(m_path);
        writeFile(m_path + QStringLiteral("-wal"), "an old log that must never be replayed");
        const QByteArray damaged = readAll(m_path);

        m_msg->answer(answer);
        const bool restored = offerDailyCopy(m_path, QStringLiteral(MIRTE_SEED_DB), QStringLiteral("壊れています。"));
        QCOMPARE(restored, answer == vbYes && soundCopy);
        if (soundCopy) {
            const QString asked = m_msg->shown().first().prompt;
            QVERIFY2(asked.contains(QStringLiteral("2026年12月8日　正常")) && asked.contains(QStringLiteral("2026年12月9日　壊れています"))
                         && asked.contains(QStringLiteral("（2026年12月8日）から元に戻しますか")),
                     qPrintable(asked));
        }
        if (!restored) {
            // Nothing moved: the damaged file and its log are where they were.
            QCOMPARE(readAll(m_path), damaged);
            QVERIFY(QFile::exists(m_path + QStringLiteral("-wal")));
            return;
        }
        QCOMPARE(names(), inCopy);
        QVERIFY(m_msg->last().contains(QStringLiteral("元に戻しました")));
        const QStringList aside = QDir(dir).entryList({QStringLiteral("MLTD13-破損-*")}, QDir::Files);
        QCOMPARE(aside.size(), 2); // the file and its log
        QVERIFY(aside.first().endsWith(QStringLiteral(".db")) || aside.last().endsWith(QStringLiteral(".db")));
        QCOMPARE(readAll(dir + QLatin1Char('/') + (aside.first().endsWith(QStringLiteral(".db")) ? aside.first() : aside.last())),
                 damaged);
        // The restored file is locked against a second copy.
        InstanceLock second(m_path);
        QCOMPARE(second.tryLock(), InstanceLock::HeldByAnother);
    }

    // Qt's own dialogs (file, print) speak Japanese.
    void qtDialogsInJapanese()
    {
        QVERIFY(loadQtTranslations());
        for (const char *text : {"Look in:", "Detail View"})
            QVERIFY2(QCoreApplication::translate("QFileDialog", text) != QLatin1String(text), text);
    }

    void backupOntoTheOpenFileRefused()
    {
        F_Menu01 m;
        m_files.chosen = m_path;
        const QStringList before = names();
        trigger(m, "mnBackup");
        QVERIFY(m_msg->last().contains(QStringLiteral("上書きできません")));
        QCOMPARE(names(), before);
    }
};

QTEST_MAIN(TstBackupMenu)
#include "tst_backup_menu.moc"
