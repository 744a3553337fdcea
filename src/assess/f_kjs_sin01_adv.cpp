#include "f_kjs_sin01_adv.h"

#include "sindan_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_KJS_Sin01_Adv::F_KJS_Sin01_Adv(const SindanKekka &kekka, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJS_Sin01_Adv"));
    setWindowTitle(QStringLiteral("食事診断－アドバイス"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    outer->addWidget(Text1, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(Command1);
    outer->addLayout(row);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    resize(760, 560);

    guarded([&] {
        m_text = Advice_Text(kekka, G_Syoyouryou);
        // The box shows lines; the text keeps its CR LF for a copy.
        Text1->setPlainText(QString(m_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    });
}

} // namespace mirte
