#include "f_kjnyuu01_tai.h"

#include "b_01.h"
#include "f_help.h"
#include "msgbox.h"
#include "sharedfiles.h"
#include "uiutil.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

// ---------------------------------------------------------------- chart view

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ChartView::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ChartView::setValues(double h, double w)
{
    m_height = h;
    m_weight = w;
    m_marks = chartMarks(h, w);
    update();
}

QRectF ChartView::plotRect() const
{
    const QFontMetrics fm(font());
    const double left = fm.horizontalAdvance(QStringLiteral("100")) + 12;
    const double top = fm.height() + 10;             // the weight axis title
    const double bottom = 2 * fm.height() + 12;      // ticks and the height axis title
    const double right = fm.horizontalAdvance(QStringLiteral("190")) / 2.0 + 8;
    return QRectF(left, top, qMax(10.0, width() - left - right),
                  qMax(10.0, height() - top - bottom));
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotRect();
    const ChartMapping map(plot);
    if (!m_picture.isNull())
        p.drawImage(plot, m_picture);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // Axis ticks and titles.
    const QFontMetrics fm(font());
    for (int h = 130; h <= 190; h += 10) {
        const QPointF at = map.toPixel(h, kChartBottom);
        p.drawLine(at, at + QPointF(0, 4));
        const QString t = QString::number(h);
        p.drawText(QPointF(at.x() - fm.horizontalAdvance(t) / 2.0, at.y() + 4 + fm.ascent()), t);
    }
    for (int w = 30; w <= 100; w += 10) {
        const QPointF at = map.toPixel(kChartLeft, w);
        p.drawLine(at, at - QPointF(4, 0));
        const QString t = QString::number(w);
        p.drawText(QPointF(at.x() - 6 - fm.horizontalAdvance(t), at.y() + fm.ascent() / 2.0 - 1), t);
    }
    const QString hTitle = QStringLiteral("身長（cm）");
    p.drawText(QPointF(plot.center().x() - fm.horizontalAdvance(hTitle) / 2.0,
                       plot.bottom() + 8 + fm.height() + fm.ascent()),
               hTitle);
    p.drawText(QPointF(2, fm.ascent() + 2), QStringLiteral("体重（kg）"));

    // The person's height and weight.
    p.setClipRect(plot.adjusted(-1, -1, 1, 1));
    // Crisp lines in the exact colour; only the circle is smoothed.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPen line(basicColor(12), 2);
    p.setPen(line);
    if (m_marks.heightLine)
        p.drawLine(map.toPixel(m_height, kChartBottom), map.toPixel(m_height, kChartTop));
    if (m_marks.weightLine)
        p.drawLine(map.toPixel(kChartLeft, m_weight), map.toPixel(kChartRight, m_weight));
    if (m_marks.point) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(basicColor(1), 2));
        p.drawEllipse(map.toPixel(m_height, m_weight), map.unitsToPixelsX(kChartPointRadius),
                      map.unitsToPixelsY(kChartPointRadius));
    }
}

// ---------------------------------------------------------------- window

F_KJNyuu01_Tai::F_KJNyuu01_Tai(bool male, int age, const QString &heightText,
                               const QString &weightText, QWidget *parent)
    : QDialog(parent), m_choice(chartFor(male, age))
{
    setObjectName(QStringLiteral("F_KJNyuu01_Tai"));
    setWindowTitle(QStringLiteral("肥満とやせの判定図"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    auto *row = new QHBoxLayout;
    Picture1 = new ChartView(this);
    row->addWidget(Picture1, 1);
    auto *side = new QVBoxLayout;
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QStringLiteral("　身長：表示範囲外です。")) + 8);
    side->addWidget(Label1, 1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    side->addWidget(Command1);
    row->addLayout(side);
    outer->addLayout(row, 1);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });

    Form_Load(heightText, weightText);
}

QString F_KJNyuu01_Tai::picturePath(const QString &relative)
{
    return sharedFile(relative);
}

void F_KJNyuu01_Tai::Form_Load(const QString &heightText, const QString &weightText)
{
    Label1->clear();
    setWindowTitle(m_choice.title);
    const double h = Val(heightText);
    const double w = Val(weightText);
    Picture1->setValues(h, w);
    m_comment = chartComment(h, heightText, w, weightText);
    Label1->setText(QString(m_comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    const QString path = picturePath(m_choice.bitmap);
    QImage img;
    if (!QFileInfo::exists(path) || !img.load(path)) {
        ShowError(53, QStringLiteral("ファイルが見つかりません。(%1)").arg(m_choice.bitmap));
        return;
    }
    Picture1->setPicture(img);
}

} // namespace mirte
