#include "f_kjnyuu_set.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {

struct Kyoudo {
    const char *name;
    const char *index;
    std::initializer_list<std::pair<const char *, const char *>> acts;
    const char *setumei;
};

const Kyoudo kKyoudo[] = {
    {"軽い", "（0.35）", {{"睡眠", "８"}, {"座る", "１２"}, {"立つ", "３"}, {"歩く", "１"}},
     "  通勤、買い物など１時間程度の歩行と軽い手作業や家事などによる立位のほかは大部分座位で事務、勉強、談話等をしている場合"},
    {"普通", "（0.50）", {{"睡眠", "８"}, {"座る", "７～８"}, {"立つ", "６～７"}, {"歩く", "２"}},
     "　通勤、買物のほか仕事などで２時間程度の歩行と、事務、読書、談話による座位のほか機械操作、接客、事務等による立位時間の多い場合"},
    {"やや重い", "（0.75）",
     {{"睡眠", "８"}, {"座る", "６"}, {"立つ", "６"}, {"歩く", "３"}, {"筋運動", "１"}},
     "　農耕、漁業、建築などで座位、立位、歩行のほか１日のうち１時間程度は重い筋作業に従事している場合"},
    {"重い", "（1.00）",
     {{"睡眠", "８"}, {"座る", "４～５"}, {"立つ", "５～６"}, {"歩く", "４"}, {"筋運動", "２"}},
     "　１日のうち２時間程度は激しいトレーニングとか木材の運搬、農繁期の農耕作業などのような重い筋作業に従事している場合"},
};

QLabel *cell(const QString &text, QWidget *parent, bool header = false)
{
    auto *l = new QLabel(text, parent);
    l->setFrameShape(QFrame::Box);
    l->setWordWrap(!header); // titles keep one line so the column fits them whole
    l->setMargin(4);
    l->setAlignment(header ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    if (header) {
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        l->setPalette(p);
    }
    return l;
}

} // namespace

F_KJNyuu_Set::F_KJNyuu_Set(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJNyuu_Set"));
    setWindowTitle(QStringLiteral("生活強度について"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    mnTojiru = menu->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    auto *table = new QGridLayout;
    table->setSpacing(0);
    const QStringList titles{QStringLiteral("生活強度／生活活動指数（X)"), QStringLiteral("生活動作"),
                             QStringLiteral("時間"), QStringLiteral("説  明")};
    for (int c = 0; c < titles.size(); ++c)
        table->addWidget(cell(titles.at(c), this, true), 0, c);
    int row = 1;
    for (const Kyoudo &k : kKyoudo) {
        const int span = int(k.acts.size());
        auto *name = cell(QString::fromUtf8(k.name) + QStringLiteral("\n")
                              + QString::fromUtf8(k.index),
                          this);
        name->setAlignment(Qt::AlignCenter);
        table->addWidget(name, row, 0, span, 1);
        int r = row;
        for (const auto &[act, hours] : k.acts) {
            table->addWidget(cell(QString::fromUtf8(act), this), r, 1);
            auto *h = cell(QString::fromUtf8(hours), this);
            h->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->addWidget(h, r, 2);
            ++r;
        }
        table->addWidget(cell(QString::fromUtf8(k.setumei), this), row, 3, span, 1);
        row += span;
    }
    table->setColumnStretch(3, 1);
    table->setColumnMinimumWidth(3, 320);
    outer->addLayout(table);

    for (const QString &note : {QStringLiteral("生活強度とは：　一日に必要なエネルギーや栄養素を算出するのに使います。"),
                                QStringLiteral("表に示す基準を参考にして、生活強度を決めてください。"),
                                QStringLiteral("また、運動入力の運動診断詳細画面で、一日の行動から「生活活動指数（X)」が算出されるので、その値を元にして上の表から生活強度を決める事もできます。")}) {
        auto *l = new QLabel(note, this);
        l->setWordWrap(true);
        outer->addWidget(l);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command1);
    outer->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
}

} // namespace mirte
