#include "form_clmat.h"

#include "b_00.h"
#include "flexgrid.h"
#include "uiutil.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirte {

Form_ClMat::Form_ClMat(FlexGrid *grid, QWidget *parent) : QDialog(parent), m_grid(grid)
{
    setObjectName(QStringLiteral("Form_ClMat"));
    setWindowTitle(QStringLiteral("クリップボード貼り付け"));
    setModal(true);
    m_hiCol.fill(-1, kHiColSize);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *fl = new QVBoxLayout(frame);
    const QString captions[2] = {QStringLiteral("画像形式"), QStringLiteral("テキスト形式")};
    const QString notes[2] = {
        QStringLiteral("一覧表の内容を画像としてｸﾘｯﾌﾟﾎﾞｰﾄﾞへコピーします。"),
        QStringLiteral("一覧表の内容を文字データとしてｸﾘｯﾌﾟﾎﾞｰﾄﾞへコピーします。\n"
                       "Excelなどのソフトでデータを再利用したりできます。")};
    for (int i = 0; i < 2; ++i) {
        m_option[i] = new QRadioButton(captions[i], frame);
        m_option[i]->setObjectName(arrayName(QStringLiteral("Option1"), i));
        auto *note = new QLabel(notes[i], frame);
        note->setObjectName(arrayName(QStringLiteral("Label1"), i));
        note->setIndent(22);
        note->setWordWrap(false);
        fl->addWidget(m_option[i]);
        fl->addWidget(note);
        if (i == 0)
            fl->addSpacing(6);
    }
    // Text is what is usually wanted from a list.
    m_option[1]->setChecked(true);

    m_command1 = new QPushButton(QStringLiteral("実  行"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setToolTip(QStringLiteral("画像または、テキストとしてクリップボードへ貼り付けます。"));
    m_command1->setDefault(true);
    m_command2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *b : {m_command1, m_command2})
        b->setMinimumWidth(96);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(frame);
    lay->addLayout(buttons);
    lay->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_command1, &QPushButton::clicked, this, &Form_ClMat::execute);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
}

void Form_ClMat::SetHiCol(const QList<int> &cols)
{
    m_hiCol.fill(-1, kHiColSize);
    for (int i = 0; i < cols.size() && i < kHiColSize; ++i)
        m_hiCol[i] = cols[i];
}

bool Form_ClMat::HiCol_Check(int col) const
{
    return col >= 0 && m_hiCol.contains(col);
}

bool Form_ClMat::pictureChosen() const
{
    return m_option[0]->isChecked();
}

void Form_ClMat::choosePicture(bool picture)
{
    m_option[picture ? 0 : 1]->setChecked(true);
}

QString Form_ClMat::gridText(const FlexGrid *grid, const QList<int> &leaveOut)
{
    QString out;
    if (!grid)
        return out;
    const int rows = grid->rows();
    const int cols = grid->cols();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (c >= 0 && leaveOut.contains(c))
                continue;
            QString cell = Str_DelAll(grid->textMatrix(r, c), QStringLiteral("\r\n"));
            // A lone CR or LF would also start a new row in the pasted table.
            cell.remove(QLatin1Char('\r'));
            cell.remove(QLatin1Char('\n'));
            out += cell;
            out += QLatin1Char('\t');
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

void Form_ClMat::execute()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QClipboard *clip = QGuiApplication::clipboard();
    if (m_grid) {
        if (pictureChosen()) {
            clip->setPixmap(m_grid->picture());
        } else {
            QList<int> leaveOut;
            for (int c : m_hiCol)
                if (c != -1)
                    leaveOut << c;
            clip->setText(gridText(m_grid, leaveOut));
        }
    }
    QApplication::restoreOverrideCursor();
    accept();
}

} // namespace mirte
