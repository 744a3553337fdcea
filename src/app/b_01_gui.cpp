#include "b_01_gui.h"

#include "flexgrid.h"
#include "form_clmat.h"
#include "graph.h"
#include "msgbox.h"

#include <QApplication>
#include <QClipboard>
#include <QPrintDialog>
#include <QPrinter>

namespace mirte {

void Clip_Mat(FlexGrid *grid, const QList<int> &leaveOut)
{
    if (!grid)
        return;
    Form_ClMat dialog(grid, grid->window());
    dialog.SetHiCol(leaveOut);
    dialog.exec();
}

void Clip_Gazou(Graph *graph)
{
    if (!graph)
        return;
    QClipboard *clip = QGuiApplication::clipboard();
    clip->clear();
    clip->setPixmap(graph->picture(true));
    MsgBox(QStringLiteral("クリップボードにビットマップ形式でコピーしました。"), vbInformation,
           QStringLiteral("確認"));
}

void Clip_Text(const QString &text)
{
    QClipboard *clip = QGuiApplication::clipboard();
    clip->clear();
    clip->setText(text);
    MsgBox(QStringLiteral("クリップボードにテキスト形式でコピーしました。"), vbInformation,
           QStringLiteral("確認"));
}

bool Print_Kakunin()
{
    return MsgBox(QStringLiteral("印刷を開始します。プリンタの準備はよろしいですか。"),
                  vbOKCancel | vbQuestion, QStringLiteral("確認")) == vbOK;
}

bool Gr_PrintTo(Graph *graph, QPrinter &printer, const QString &title)
{
    if (!graph)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = graph->print(&printer, title);
    QApplication::restoreOverrideCursor();
    return ok;
}

bool Gr_Print(Graph *graph, const QString &title, QWidget *parent)
{
    if (!graph)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("ミルテ"));
    QPrintDialog dialog(&printer, parent ? parent : graph->window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!Gr_PrintTo(graph, printer, title)) {
        ShowError(482, QStringLiteral("プリンタを使用できません。"));
        return false;
    }
    return true;
}

} // namespace mirte
