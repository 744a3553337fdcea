#include "app_setup.h"

#include "b_01.h"
#include "backup_core.h"
#include "database.h"
#include "f_help.h"
#include "f_seiken01.h"
#include "f_menu01.h"
#include "handlers.h"
#include "msgbox.h"
#include "refdata.h"
#include "screens.h"
#include "sharedfiles.h"
#include "startup.h"
#include "msgbox_widget.h"
#include "windowrules.h"
#include "yomi_mecab.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTextStream>
#include <limits>
#include <memory>

namespace mirte {

namespace {
QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(MIRTE_VERSION_MAJOR).arg(MIRTE_VERSION_MINOR).arg(MIRTE_VERSION_PATCH);
}

// The lock must outlive the menu; it is released when the process ends.
std::unique_ptr<InstanceLock> &instanceLock()
{
    static std::unique_ptr<InstanceLock> lock;
    return lock;
}
} // namespace

QString usageText()
{
    return QStringLiteral(
               "使い方: mirte [オプション]\n"
               "  --db PATH         このデータベースファイルを使う\n"
               "  --init-db [PATH]  出荷時のデータで新しいデータベースを PATH（省略時は下記の場所）に作って終わる"
               "（既存のファイルは上書きしない）\n"
               "  --version         バージョンを表示する\n"
               "  --help            この説明を表示する\n"
               "データベース: %1\n")
        .arg(QDir::toNativeSeparators(defaultDbLocation(programDir()).path));
}

CommandLine parseCommandLine(int argc, char *argv[])
{
    CommandLine c;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        auto takePath = [&](CommandLine::Action action) {
            // --init-db alone makes the database of the usual place.
            const bool optional = action == CommandLine::InitDb;
            if (optional && (i + 1 >= argc || QString::fromLocal8Bit(argv[i + 1]).startsWith(QLatin1Char('-')))) {
                c.action = action;
                return true;
            }
            if (i + 1 >= argc) {
                c.action = CommandLine::Error;
                c.message = a + QStringLiteral(" にはファイル名が必要です。");
                return false;
            }
            c.dbPath = QString::fromLocal8Bit(argv[++i]);
            if (action != CommandLine::Run)
                c.action = action;
            return true;
        };
        if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            c.action = CommandLine::Version;
            return c;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            c.action = CommandLine::Help;
            return c;
        } else if (a == QLatin1String("--db")) {
            if (!takePath(CommandLine::Run))
                return c;
        } else if (a == QLatin1String("--init-db")) {
            if (!takePath(CommandLine::InitDb))
                return c;
        } else if (a.startsWith(QLatin1String("-platform")) || a.startsWith(QLatin1String("-style"))
                   || a.startsWith(QLatin1String("-qwindow"))) {
            ++i; // Qt's own options and their value
        } else {
            c.action = CommandLine::Error;
            c.message = QStringLiteral("不明なオプションです: ") + a;
            return c;
        }
    }
    return c;
}

int runConsoleAction(const CommandLine &cmd)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (cmd.action) {
    case CommandLine::Version:
        out << "mirte " << versionText() << Qt::endl;
        return 0;
    case CommandLine::Help:
        out << usageText();
        return 0;
    case CommandLine::InitDb:
        try {
            const DbLocation loc = defaultDbLocation(programDir());
            const QString path = cmd.dbPath.isEmpty() ? loc.path : cmd.dbPath;
            createFromSeed(loc.seedPath, path);
            out << "データベースを作成しました: " << QFileInfo(path).absoluteFilePath() << Qt::endl;
            return 0;
        } catch (const DbError &e) {
            err << "Error " << e.number() << "：" << e.description() << Qt::endl;
            return 2;
        }
    case CommandLine::Error:
        err << cmd.message << Qt::endl << usageText();
        return 64;
    case CommandLine::Run:
        break;
    }
    return 0;
}

bool loadQtTranslations()
{
    // Qt's own dialogs (file, print) and the standard buttons speak Japanese like the rest.
    static QTranslator *qt = nullptr;
    if (qt)
        return true;
    auto *t = new QTranslator(qApp);
    if (!t->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    qt = t;
    return true;
}

namespace {
constexpr int kDamagedFile = 3049;

QString dayText(const QDate &d)
{
    return QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}
} // namespace

bool offerDailyCopy(const QString &dbPath, const QString &seedPath, const QString &problem)
{
    int shipped = 0;
    try {
        shipped = seedReferenceVersion(seedPath);
    } catch (const DbError &) {
        shipped = std::numeric_limits<int>::max();
    }
    const QList<DailyCopy> copies = dailyCopies(dbPath, shipped);
    const DailyCopy *sound = nullptr;
    QStringList lines;
    for (const DailyCopy &c : copies) {
        lines << QStringLiteral("　%1　%2").arg(dayText(c.day), c.problem.isEmpty() ? QStringLiteral("正常")
                                                                                   : QStringLiteral("壊れています"));
        if (!sound && c.problem.isEmpty())
            sound = &c;
    }
    if (!sound) {
        MsgBox(problem + QStringLiteral("\n\n元に戻せる正常な毎日の控えがありません。バックアップしたファイルがあれば、"
                                        "ミルテを起動してから 画面→復元… で元に戻してください。"),
               vbCritical, QStringLiteral("エラー"));
        return false;
    }
    const QString question =
        problem + QStringLiteral("\n\n毎日の控え：\n") + lines.join(QLatin1Char('\n'))
        + QStringLiteral("\n\nいちばん新しい正常な控え（%1）から元に戻しますか？\n"
                         "それより後の記録は失われます。壊れたファイルは消さずに backup フォルダへ移します。")
              .arg(dayText(sound->day));
    if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
        return false;
    try {
        // The lock follows the file: the damaged one moves away, the copy takes its name.
        instanceLock().reset();
        const QString aside = replaceWithDailyCopy(dbPath, sound->path);
        auto lock = std::make_unique<InstanceLock>(dbPath);
        if (lock->tryLock() != InstanceLock::Locked)
            throw DbError(3051, lock->errorText());
        instanceLock() = std::move(lock);
        openHouseholdDatabase(dbPath, seedPath);
        info(QStringLiteral("%1の控えから元に戻しました。\n壊れたファイルは次の場所に移しました：\n%2")
                 .arg(dayText(sound->day), QDir::toNativeSeparators(aside)));
        return true;
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
        return false;
    }
}

F_Menu01 *startProgram(const CommandLine &cmd, int *status)
{
    *status = 0;
    nameApplication();
    loadQtTranslations();

    // A --db path given relative to where the user started the program means that folder, so it
    // is made absolute before the working directory moves.
    const DbLocation loc = defaultDbLocation(programDir());
    const QString dbPath = cmd.dbPath.isEmpty() ? loc.path : QFileInfo(cmd.dbPath).absoluteFilePath();
    // Shipped files resolve in their folder, wherever the program was started from.
    QDir::setCurrent(sharedDir());

    try {
        ensureHouseholdFile(dbPath, loc.seedPath);
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
        *status = 1;
        return nullptr;
    }
    // A second copy on the same file ends at once, without a word; any other trouble with the
    // lock is an error the user must see.
    auto lock = std::make_unique<InstanceLock>(dbPath);
    switch (lock->tryLock()) {
    case InstanceLock::Locked:
        break;
    case InstanceLock::HeldByAnother:
        return nullptr;
    case InstanceLock::Failed:
        ShowError(3051, lock->errorText());
        *status = 1;
        return nullptr;
    }
    instanceLock() = std::move(lock);

    installHelpKey();
    // The menu's icon: the installed theme's, or the one the build drew beside the program.
    const QString id = applicationId();
    QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(sharedFile(QStringLiteral("icons/hicolor/256x256/apps/%1.png").arg(id)))));
    QGuiApplication::setDesktopFileName(id);
    if (!Syoki_Settei()) {
        *status = 1;
        return nullptr;
    }

    try {
        openHouseholdDatabase(dbPath, loc.seedPath);
    } catch (const DbError &e) {
        // A damaged file: the newest sound daily copy is offered before the program ends.
        if (e.number() != kDamagedFile || !offerDailyCopy(dbPath, loc.seedPath, e.description())) {
            if (e.number() != kDamagedFile)
                ShowError(e.number(), e.description());
            *status = 1;
            return nullptr;
        }
    }
    // The one composition browser, loaded but hidden.
    createSeiKen();
    auto *menu = new F_Menu01;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setSeedPath(loc.seedPath);
    registerScreens(*menu);
    QStringList notices;
    if (!startupNotice().isEmpty())
        notices << startupNotice();
    if (!Yomi_Riyou_Kanou())
        notices << QStringLiteral("読みの辞書（MeCab）を読み込めませんでした。料理や運動は、表記（漢字・かな）で検索してください。");
    if (!notices.isEmpty())
        menu->showNotice(notices.join(QLatin1Char('\n')));
    // A day's copy that failed is told once, at the menu, with what to do.
    QPointer<F_Menu01> shown(menu);
    setDailyBackupReporter([shown](const DailyBackupReport &r) {
        if (shown)
            shown->showNotice(r.text);
        MsgBox(r.text, r.damaged ? vbCritical : vbExclamation, QStringLiteral("確認"));
    });
    // The day's first start keeps a copy of the file, made beside the menu.
    startDailyBackup(dbPath, QDate::currentDate());
    return menu;
}

int runProgram(const CommandLine &cmd)
{
    installWidgetMsgBox();
    installWindowRules();
    int status = 0;
    F_Menu01 *menu = startProgram(cmd, &status);
    if (!menu)
        return status;
    QObject::connect(menu, &F_Menu01::exitRequested, qApp, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    menu->showAgain();
    const int rc = QApplication::exec();
    waitForDailyBackup();
    G_DB().close();
    return rc;
}

} // namespace mirte
