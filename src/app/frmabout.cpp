#include "frmabout.h"

#include "msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

QPixmap programPicture(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xe8, 0xf5, 0xe9));
    g.setColorAt(1, QColor(0xc8, 0xe6, 0xc9));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 12, 12);

    // A myrtle sprig: a stem with paired leaves and one white flower.
    const double s = std::min(size.width(), size.height()) / 100.0;
    // Wide pictures keep the sprig on the left, leaving room for a caption.
    const double cx = size.width() > size.height() * 1.5 ? size.height() * 0.7 : size.width() / 2.0;
    p.translate(cx, size.height() / 2.0);
    p.scale(s, s);
    p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-4, 36), QPointF(6, -30));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double y = 26 - i * 15.0;
        const double x = -2.5 + i * 2.3;
        for (int side : {-1, 1}) {
            p.save();
            p.translate(x, y);
            p.rotate(side * 55.0);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(5, -5, 5, -15, 0, -20);
            leaf.cubicTo(-5, -15, -5, -5, 0, 0);
            p.setBrush(QColor(0x43, 0xa0, 0x47).lighter(100 + i * 8));
            p.drawPath(leaf);
            p.restore();
        }
    }
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0xa5, 0xd6, 0xa7), 1));
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.translate(6, -32);
        p.rotate(k * 72.0);
        p.drawEllipse(QPointF(0, -6), 4.2, 6);
        p.restore();
    }
    p.setBrush(QColor(0xff, 0xe0, 0x82));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(6, -32), 2.6, 2.6);
    return pm;
}

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = QStringLiteral("ミルテ");
    setWindowTitle(title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programPicture(QSize(72, 72)));
    picIcon->setAlignment(Qt::AlignTop);

    lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont tf = lblTitle->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.6);
    tf.setBold(true);
    lblTitle->setFont(tf);

    lblVersion = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
                                .arg(MIRTE_VERSION_MAJOR)
                                .arg(MIRTE_VERSION_MINOR)
                                .arg(MIRTE_VERSION_PATCH),
                            this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明：\n　毎日の健康状態を管理するためのプログラムです。"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));

    lblDisclaimer = new QLabel(
        QStringLiteral("注意：このプログラムの判定や助言は、食事と運動の記録を振り返るための目安です。"
                       "医師・管理栄養士による診断や指導の代わりにはなりません。"
                       "体調や治療についてはかかりつけの医師にご相談ください。\n\n"
                       "出典：文部科学省「日本食品標準成分表2020年版（八訂）」"
                       "（本表、アミノ酸成分表編、脂肪酸成分表編、炭水化物成分表編）、"
                       "厚生労働省「日本人の栄養所要量」「日本人の食事摂取基準」ほか公表資料。"),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setMinimumWidth(380);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    grid->addWidget(line, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);
}

void frmAbout::StartSysInfo()
{
    MsgBox(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), vbOKOnly, windowTitle());
}

} // namespace mirte
