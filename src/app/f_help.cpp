#include "f_help.h"

#include "msgbox.h"
#include "sharedfiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mirte {

QString helpFolder()
{
    return sharedFile(QStringLiteral("help"));
}

F_Help::F_Help(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_Help"));
    setWindowTitle(QStringLiteral("ミルテ－説明"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 640);

    auto *menu = menuBar()->addAction(QStringLiteral("閉じる(&C)"));
    menu->setObjectName(QStringLiteral("mnTojiru"));
    connect(menu, &QAction::triggered, this, &QWidget::close);

    auto *central = new QWidget(this);
    auto *lay = new QVBoxLayout(central);
    RText1 = new QTextBrowser(central);
    RText1->setObjectName(QStringLiteral("RText1"));
    RText1->setReadOnly(true);
    RText1->setOpenLinks(true);
    RText1->setOpenExternalLinks(false);
    RText1->setSearchPaths({helpFolder()});
    lay->addWidget(RText1, 1);

    auto *row = new QHBoxLayout;
    row->addStretch();
    Command1 = new QPushButton(QStringLiteral("閉じる"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(Command1);
    lay->addLayout(row);
    setCentralWidget(central);
}

bool F_Help::Form_Load()
{
    m_loaded = true;
    if (strHelpFile.isEmpty())
        return false;
    QString name = strHelpFile;
    if (name.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        name = name.left(name.size() - 4) + QStringLiteral(".html");
    const QString path = QFileInfo(name).isAbsolute() ? name : helpFolder() + QLatin1Char('/') + name;
    if (!QFileInfo::exists(path)) {
        MsgBox(QStringLiteral("ヘルプファイル(") + strHelpFile + QStringLiteral(")が見つかりません。"),
               vbExclamation, QStringLiteral("確認"));
        return false;
    }
    RText1->setSource(QUrl::fromLocalFile(path));
    return true;
}

void F_Help::showEvent(QShowEvent *e)
{
    if (!m_loaded)
        Form_Load();
    QMainWindow::showEvent(e);
}

QString helpPageFor(const QWidget *from)
{
    static const QHash<QString, QString> pages{
        {QStringLiteral("F_Menu01"), QStringLiteral("menu.html")},
        {QStringLiteral("F_User01"), QStringLiteral("people.html")},
        {QStringLiteral("F_User01_Settei"), QStringLiteral("people.html")},
        {QStringLiteral("F_User02"), QStringLiteral("people.html")},
        {QStringLiteral("F_KJNyuu01"), QStringLiteral("health.html")},
        {QStringLiteral("F_KJNyuu01_Iti"), QStringLiteral("health.html")},
        {QStringLiteral("F_KJNyuu01_Tai"), QStringLiteral("health.html")},
        {QStringLiteral("F_KJNyuu_Set"), QStringLiteral("health.html")},
        {QStringLiteral("F_KJS_Sin01"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJS_Sin01_Hyo"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJS_Sin01_Adv"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJS_Sin02"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJS_SinRb01"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJSeibun01"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_ZaiSeiBun01"), QStringLiteral("diagnosis.html")},
        {QStringLiteral("F_KJRNyu01"), QStringLiteral("meals.html")},
        {QStringLiteral("F_KJRNyu01_Ken"), QStringLiteral("meals.html")},
        {QStringLiteral("F_KJZNyu01"), QStringLiteral("meals.html")},
        {QStringLiteral("F_KJR_RHen"), QStringLiteral("meals.html")},
        {QStringLiteral("F_KJR_Copy01"), QStringLiteral("meals.html")},
        {QStringLiteral("F_SeiKen01"), helpTopicPage(15)},
        {QStringLiteral("F_Ken_Sei"), helpTopicPage(15)},
        {QStringLiteral("F_HenKan"), QStringLiteral("dishes.html")},
        {QStringLiteral("F_RHen01"), QStringLiteral("dishes.html")},
        {QStringLiteral("F_RyoBun01"), QStringLiteral("dishes.html")},
        {QStringLiteral("F_RHenZai01"), QStringLiteral("dishes.html")},
        {QStringLiteral("F_KJUn_Nyu01"), QStringLiteral("exercise.html")},
        {QStringLiteral("F_KJUn_Nyu01_Ken"), QStringLiteral("exercise.html")},
        {QStringLiteral("F_KJUn_Sin01"), QStringLiteral("exercise.html")},
        {QStringLiteral("F_KJUn_Sin01_Adv"), QStringLiteral("exercise.html")},
        {QStringLiteral("F_KJUn_Sin02"), QStringLiteral("exercise.html")},
        {QStringLiteral("F_Tou01"), QStringLiteral("trends.html")},
        {QStringLiteral("F_Tou02"), QStringLiteral("trends.html")},
    };
    // A dialog without a page of its own is explained on its owner's page.
    for (const QWidget *w = from ? from->window() : nullptr; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        const auto it = pages.constFind(w->objectName());
        if (it != pages.cend())
            return *it;
    }
    return QStringLiteral("index.html");
}

QString helpTopicPage(int topic)
{
    switch (topic) {
    case 15:
        return QStringLiteral("foods.html");
    case 20:
        return QStringLiteral("foods_tani_seibun.html");
    case 21:
        return QStringLiteral("foods_tani_amino.html");
    case 22:
        return QStringLiteral("foods_tani_sibou.html");
    default:
        return QStringLiteral("index.html");
    }
}

void ShowProgramHelp(QWidget *from)
{
    ShowHelpPage(helpPageFor(from));
}

void ShowHelpPage(const QString &page)
{
    // One help window for the whole program; F1 again brings it to the front. While a modal
    // window is open, help belongs to it, or the modal window would block it.
    static QPointer<F_Help> window;
    QWidget *modal = QApplication::activeModalWidget();
    if (window && window->parentWidget() != modal)
        delete window;
    if (!window) {
        window = new F_Help(modal);
        window->strHelpFile = page;
        if (!window->Form_Load()) {
            delete window;
            return;
        }
    } else if (window->strHelpFile != page) {
        window->strHelpFile = page;
        window->Form_Load();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

namespace {
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *ev) override
    {
        if (ev->type() == QEvent::ShortcutOverride || ev->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(ev);
            if (k->key() == Qt::Key_F1 && k->modifiers() == Qt::NoModifier && obj->isWidgetType()) {
                if (ev->type() == QEvent::KeyPress)
                    ShowProgramHelp(static_cast<QWidget *>(obj));
                ev->accept();
                return true;
            }
        }
        return QObject::eventFilter(obj, ev);
    }
};
} // namespace

void installHelpKey()
{
    static HelpKeyFilter *filter = nullptr;
    if (!filter) {
        filter = new HelpKeyFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

} // namespace mirte
