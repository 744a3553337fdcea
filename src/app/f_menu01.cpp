#include "f_menu01.h"

#include "b_00_gui.h"
#include "backup_core.h"
#include "filechoice.h"
#include "refdata.h"
#include "b_01.h"
#include "database.h"
#include "f_help.h"
#include "f_seiken01.h"
#include "frmabout.h"
#include "handlers.h"
#include "msgbox.h"
#include "test_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace mirte {

namespace {
struct ButtonDef {
    const char *caption;
    const char *hint;
};
constexpr ButtonDef kButtons[7] = {
    {"", ""},
    {"健康管理メイン", "一日の健康状態、食事内容、運動状況を登録し、健康診断を行います。"},
    {"統　　　　　計", "過去の栄養状態や運動量などの変化を折れ線グラフで表示します。"},
    {"料理マスタ編集", "新規に料理を追加したり、材料を変更したりします。"},
    {"成 分 表 検 索", "食品成分表の一覧を表示します。食品名、成分値等の条件を指定して、検索する事ができます。"},
    {"TEST 説　　　　明", ""},
    {"終　　　　了", "ミルテを終了します。"},
};
// The program's sprig with its name beside it.
QPixmap menuPicture()
{
    QPixmap pm = programPicture(QSize(320, 140));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() * 2.4);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x1b, 0x5e, 0x20));
    const QRect textArea(170, 20, 140, 70);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ミルテ"));
    QFont small = QApplication::font();
    p.setFont(small);
    p.setPen(QColor(0x33, 0x69, 0x1e));
    p.drawText(QRect(170, 84, 145, 40), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("毎日の健康・食事・運動"));
    return pm;
}
} // namespace

F_Menu01::F_Menu01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_Menu01"));
    setWindowTitle(QStringLiteral("ミルテ　Ver %1.%2.%3")
                       .arg(MIRTE_VERSION_MAJOR)
                       .arg(MIRTE_VERSION_MINOR)
                       .arg(MIRTE_VERSION_PATCH));

    QMenu *mnGamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnGamen->setObjectName(QStringLiteral("mnGamen"));
    QAction *mnAbout = mnGamen->addAction(QStringLiteral("製品情報(&I)"));
    mnAbout->setObjectName(QStringLiteral("mnAbout"));
    connect(mnAbout, &QAction::triggered, this, [this] {
        frmAbout about(this);
        about.exec();
    });
    QAction *mnSetu = mnGamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    mnGamen->addSeparator();
    QAction *mnBackup = mnGamen->addAction(QStringLiteral("バックアップ(&B)…"));
    mnBackup->setObjectName(QStringLiteral("mnBackup"));
    connect(mnBackup, &QAction::triggered, this, [this] { mnBackup_Click(); });
    QAction *mnRestore = mnGamen->addAction(QStringLiteral("復元(&R)…"));
    mnRestore->setObjectName(QStringLiteral("mnRestore"));
    connect(mnRestore, &QAction::triggered, this, [this] { mnRestore_Click(); });
    mnGamen->addSeparator();
    QAction *mnTojiru = mnGamen->addAction(QStringLiteral("終了(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    connect(mnTojiru, &QAction::triggered, this, [this] { Command1_Click(6); });

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setMouseTracking(true);

    auto *lay = new QVBoxLayout(central);
    lay->setContentsMargins(24, 18, 24, 12);
    lay->setSpacing(10);
    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(menuPicture());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    lay->addWidget(Image1);

    for (int i = 1; i <= 6; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(kButtons[i].caption), central);
        b->setObjectName(QStringLiteral("Command1_%1").arg(i));
        b->setMinimumHeight(38);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 1.15);
        b->setFont(f);
        b->installEventFilter(this);
        m_hints[i] = QString::fromUtf8(kButtons[i].hint);
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[i] = b;
        lay->addWidget(b);
        // Screens of buttons 1..4 arrive through setOpener().
        if (i <= 4) {
            b->setEnabled(false);
            b->setToolTip(QStringLiteral("この画面は次の版で追加されます。"));
        }
    }
    lay->addStretch();
    setCentralWidget(central);

    m_stBar = new QStatusBar(this);
    m_stBar->setObjectName(QStringLiteral("StBar"));
    m_stBar->setSizeGripEnabled(false);
    m_stText = new QLabel(m_stBar);
    m_stText->setObjectName(QStringLiteral("StBarText"));
    m_stText->setWordWrap(false);
    m_stBar->addWidget(m_stText, 1);
    setStatusBar(m_stBar);
    showDefaultStatus();

    resize(420, 560);
}

void F_Menu01::setOpener(int index, Opener opener)
{
    if (index < 1 || index > 4)
        return;
    m_openers[index] = std::move(opener);
    Command1[index]->setEnabled(bool(m_openers[index]));
    Command1[index]->setToolTip(QString());
}

QString F_Menu01::statusText() const
{
    return m_stText->text();
}

void F_Menu01::showNotice(const QString &text)
{
    m_stText->setWordWrap(true);
    m_stText->setText(text);
    m_defaultShowing = true;
}

void F_Menu01::showDefaultStatus()
{
    m_stText->setWordWrap(false);
    m_stText->setText(defaultStatusText());
    m_defaultShowing = true;
}

void F_Menu01::watch(QWidget *screen)
{
    if (!screen)
        return;
    hide();
    // A long-lived screen (the composition browser) is opened again and again: watched once.
    if (screen->property("mirteMenuWatcher").value<QObject *>() == this)
        return;
    screen->setProperty("mirteMenuWatcher", QVariant::fromValue<QObject *>(this));
    // A screen comes back to the menu through closed() or by going away.
    if (screen->metaObject()->indexOfSignal("closed()") >= 0)
        connect(screen, SIGNAL(closed()), this, SLOT(showAgain()));
    connect(screen, &QObject::destroyed, this, [this] {
        if (!m_exiting)
            showAgain();
    });
}

void F_Menu01::showAgain()
{
    // Centred, as at start-up; left alone, the window manager would place it anew.
    if (!isVisible()) {
        Form_Center(this);
        show();
    }
}

void F_Menu01::mnBackup_Click()
{
    const QString db = G_DB().path();
    FileChoiceRequest req;
    req.title = QStringLiteral("バックアップの保存先");
    req.suggested = defaultExportFolder() + QLatin1Char('/')
        + dailyBackupName(db, QDate::currentDate());
    req.filter = QStringLiteral("ミルテのデータベース (*.db)");
    QString target = chooseFile(this, req);
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".db");
    // By any path: a symlinked folder, a hard link or a mount may lead to the open file.
    if (QFileInfo(target).absoluteFilePath() == QFileInfo(db).absoluteFilePath() || sameFile(target, db)) {
        MsgBox(openFileTargetMessage(), vbExclamation, kakunin());
        return;
    }
    try {
        WaitCursor wait;
        backupDatabase(G_DB(), target);
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
        return;
    }
    info(QStringLiteral("バックアップを作成しました。\n%1").arg(QDir::toNativeSeparators(target)));
}

void F_Menu01::mnRestore_Click()
{
    const QString db = G_DB().path();
    FileChoiceRequest req;
    req.mode = FileChoiceRequest::Open;
    req.title = QStringLiteral("復元するバックアップ");
    req.suggested = dailyBackupDir(db);
    req.filter = QStringLiteral("ミルテのデータベース (*.db);;すべてのファイル (*)");
    const QString source = chooseFile(this, req);
    if (source.isEmpty())
        return;
    QString problem;
    {
        WaitCursor wait;
        problem = backupProblem(source, referenceVersion(G_DB()));
    }
    if (!problem.isEmpty()) {
        MsgBox(problem + QStringLiteral("\n記録はそのままです。"), vbExclamation, kakunin());
        return;
    }
    const QString when = QFileInfo(source).lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    if (MsgBox(QStringLiteral("今の記録をすべて、バックアップ「%1」（%2）の内容に置き換えます。\n"
                              "今の記録は安全のため %3 に残します。よろしいですか？")
                   .arg(QFileInfo(source).fileName(), when, QDir::toNativeSeparators(dailyBackupDir(db))),
               vbYesNo | vbQuestion, kakunin())
        != vbYes)
        return;
    RestoreResult done;
    try {
        WaitCursor wait;
        done = restoreDatabase(G_DB(), source, dailyBackupDir(db));
        // An older copy gets the shipped reference figures back; the log mode is ours again.
        G_DB().exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        if (!m_seedPath.isEmpty() && QFileInfo::exists(m_seedPath))
            refreshReferenceData(G_DB(), m_seedPath);
    } catch (const DbError &e) {
        if (!G_DB().isOpen()) {
            try {
                G_DB().open(db);
            } catch (const DbError &) {
            }
        }
        ShowError(e.number(), e.description());
        return;
    }
    info(QStringLiteral("バックアップから復元しました。\n復元前の記録は %1 にあります。")
             .arg(QDir::toNativeSeparators(done.safetyCopy)));
}

void F_Menu01::Command1_Click(int index)
{
    G_Yobidasi = index;
    try {
        switch (index) {
        case 1:
        case 2:
        case 3:
        case 4:
            if (m_openers[index])
                watch(m_openers[index]());
            break;
        case 5: {
            Test t(this);
            t.exec();
            break;
        }
        case 6:
            exitSequence();
            break;
        default:
            MsgBox(QStringLiteral("プログラムの呼び出しに失敗しました。"), vbExclamation, QStringLiteral("確認"));
            break;
        }
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
}

void F_Menu01::exitSequence()
{
    if (m_exiting)
        return;
    m_exiting = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    G_DB().close();
    destroySeiKen();
    emit exitRequested();
    QApplication::restoreOverrideCursor();
    // Every other window closes without asking; whoever runs the event loop ends it on exitRequested.
    QApplication::closeAllWindows();
}

void F_Menu01::closeEvent(QCloseEvent *e)
{
    if (m_exiting) {
        e->accept();
        return;
    }
    // The close box runs the same exit as button 6.
    e->ignore();
    Command1_Click(6);
}

bool F_Menu01::eventFilter(QObject *obj, QEvent *ev)
{
    // The default text gives way to the first button the pointer reaches, and comes back only
    // when the pointer crosses the background or the picture.
    if (ev->type() == QEvent::Enter && m_defaultShowing) {
        for (int i = 1; i <= 6; ++i) {
            if (obj == Command1[i]) {
                m_stText->setText(m_hints[i]);
                m_defaultShowing = false;
            }
        }
    } else if (ev->type() == QEvent::MouseMove && !m_defaultShowing
               && (obj == Image1 || obj == centralWidget())) {
        showDefaultStatus();
    }
    return QMainWindow::eventFilter(obj, ev);
}

void F_Menu01::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_defaultShowing)
        showDefaultStatus();
    QMainWindow::mouseMoveEvent(e);
}

} // namespace mirte
