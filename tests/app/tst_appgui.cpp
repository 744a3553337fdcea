#include "b_00_gui.h"
#include "b_01.h"
#include "b_01_gui.h"
#include "filechoicetest.h"
#include "flexgrid.h"
#include "form_clmat.h"
#include "graph.h"
#include "msgbox_widget.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace mirte;
using mirte::test::MsgRecorder;

namespace {

// Runs `act` on the modal dialog once it is up (the caller then opens it).
void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        act(w);
    });
}

// A click on the round mark of an option button, where a user clicks.
void choose(QWidget *w, const QString &name)
{
    auto *o = w->findChild<QRadioButton *>(name);
    QVERIFY(o);
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
    QVERIFY(o->isChecked());
}

template <class T> T *child(QWidget *w, const QString &name)
{
    auto *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// The past-records shape: selector, id, date, remark with line breaks.
void fillRecords(FlexGrid &g)
{
    g.setCols(4);
    g.setRows(4);
    const QStringList head{"", "健康状態管理ID", "日付", "備考"};
    for (int c = 1; c < 4; ++c)
        g.setTextMatrix(0, c, head[c]);
    const QList<QStringList> rows{{"", "12", "2024-04-01", "朝\r\n散歩"},
                                  {"", "7", "2024-04-02", "頭痛\nあり"},
                                  {"", "30", "2024-04-03", ""}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 1; c < 4; ++c)
            g.setTextMatrix(r + 1, c, rows[r][c]);
}

} // namespace

class TstAppGui : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    void gridIdSentaku()
    {
        FlexGrid g;
        g.resize(300, 120);
        fillRecords(g);
        for (int i = 0; i < 40; ++i)
            g.addRow({"", QString::number(100 + i), "2024-05-01", ""});
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy rows(&g, &FlexGrid::currentRowChanged);

        QVERIFY(Grid_ID_Sentaku(&g, 1, 7));
        QCOMPARE(g.row(), 2);
        QCOMPARE(rows.last().at(0).toInt(), 2);
        QVERIFY(Grid_ID_Sentaku(&g, 1, 135));
        QCOMPARE(g.row(), 39);
        QCOMPARE(g.topRow(), 39);

        // Not found: the grid stays where it was.
        QVERIFY(!Grid_ID_Sentaku(&g, 1, 8));
        QCOMPARE(g.row(), 39);
        // An empty cell is not identifier 0.
        FlexGrid gaps;
        gaps.setCols(2);
        gaps.setRows(3);
        gaps.setTextMatrix(2, 1, "5");
        QVERIFY(!Grid_ID_Sentaku(&gaps, 1, 0));
        QVERIFY(Grid_ID_Sentaku(&gaps, 1, 5));
        QCOMPARE(gaps.row(), 2);
        // Only data rows count: the header text is never matched.
        g.setTextMatrix(0, 2, "5");
        QVERIFY(!Grid_ID_Sentaku(&g, 2, 5));

        FlexGrid headerOnly;
        headerOnly.setCols(3);
        headerOnly.setTextMatrix(0, 1, "1");
        QCOMPARE(headerOnly.rows(), 1);
        QVERIFY(!Grid_ID_Sentaku(&headerOnly, 1, 1));
        QCOMPARE(headerOnly.row(), 0);
    }

    void gridText_data()
    {
        QTest::addColumn<QList<int>>("leaveOut");
        QTest::addColumn<QString>("text");
        QTest::newRow("all columns")
            << QList<int>{}
            << QStringLiteral("\t健康状態管理ID\t日付\t備考\t\r\n"
                              "\t12\t2024-04-01\t朝散歩\t\r\n"
                              "\t7\t2024-04-02\t頭痛あり\t\r\n"
                              "\t30\t2024-04-03\t\t\r\n");
        QTest::newRow("selector and id left out")
            << QList<int>{0, 1}
            << QStringLiteral("日付\t備考\t\r\n"
                              "2024-04-01\t朝散歩\t\r\n"
                              "2024-04-02\t頭痛あり\t\r\n"
                              "2024-04-03\t\t\r\n");
        QTest::newRow("last column left out")
            << QList<int>{3, -1}
            << QStringLiteral("\t健康状態管理ID\t日付\t\r\n"
                              "\t12\t2024-04-01\t\r\n"
                              "\t7\t2024-04-02\t\r\n"
                              "\t30\t2024-04-03\t\r\n");
    }
    void gridText()
    {
        QFETCH(QList<int>, leaveOut);
        QFETCH(QString, text);
        FlexGrid g;
        fillRecords(g);
        QCOMPARE(Form_ClMat::gridText(&g, leaveOut), text);
        // One line per grid row, whatever the cells hold.
        QCOMPARE(text.count(QStringLiteral("\r\n")), g.rows());
    }

    void hiColList()
    {
        FlexGrid g;
        Form_ClMat f(&g);
        QCOMPARE(f.hiCols(), QList<int>(10, -1));
        QVERIFY(!f.HiCol_Check(-1)); // an empty entry leaves nothing out
        QVERIFY(!f.HiCol_Check(0));
        f.SetHiCol({0, 14});
        QVERIFY(f.HiCol_Check(0));
        QVERIFY(f.HiCol_Check(14));
        QVERIFY(!f.HiCol_Check(1));
        QList<int> many;
        for (int i = 1; i <= 12; ++i)
            many << i;
        f.SetHiCol(many); // the list holds 10
        QVERIFY(f.HiCol_Check(10));
        QVERIFY(!f.HiCol_Check(11));
        QVERIFY(!f.HiCol_Check(0)); // the former list is gone
    }

    void clipMatText()
    {
        FlexGrid g;
        fillRecords(g);
        g.setRow(2);
        QSignalSpy rows(&g, &FlexGrid::currentRowChanged);
        QGuiApplication::clipboard()->setText("before");
        whenModal([](QWidget *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("クリップボード貼り付け"));
            QCOMPARE(child<QRadioButton>(w, "Option1_0")->text(), QStringLiteral("画像形式"));
            QCOMPARE(child<QRadioButton>(w, "Option1_1")->text(), QStringLiteral("テキスト形式"));
            auto *run = child<QPushButton>(w, "Command1");
            QCOMPARE(run->text(), QStringLiteral("実  行"));
            QCOMPARE(run->toolTip(),
                     QStringLiteral("画像または、テキストとしてクリップボードへ貼り付けます。"));
            QCOMPARE(child<QPushButton>(w, "Command2")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
            choose(w, "Option1_1");
            QTest::mouseClick(run, Qt::LeftButton);
        });
        Clip_Mat(&g, {0});
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("健康状態管理ID\t日付\t備考\t\r\n"
                                "12\t2024-04-01\t朝散歩\t\r\n"
                                "7\t2024-04-02\t頭痛あり\t\r\n"
                                "30\t2024-04-03\t\t\r\n"));
        // Copying does not move the selection the screen relies on.
        QCOMPARE(g.row(), 2);
        QCOMPARE(rows.size(), 0);
        // The left-out list lasted one copy only.
        whenModal([](QWidget *w) {
            choose(w, "Option1_1");
            QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
        });
        Clip_Mat(&g);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("\t健康状態管理ID"));
    }

    void clipMatPictureAndCancel()
    {
        FlexGrid g;
        g.resize(300, 150);
        fillRecords(g);
        QGuiApplication::clipboard()->setText("before");
        whenModal([](QWidget *w) {
            QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
        });
        Clip_Mat(&g);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        whenModal([](QWidget *w) {
            choose(w, "Option1_0");
            QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
        });
        Clip_Mat(&g);
        const QImage img = QGuiApplication::clipboard()->image();
        QVERIFY(!img.isNull());
        QCOMPARE(img.size(), g.size());
    }

    void clipGazou()
    {
        MsgRecorder rec;
        Graph gr;
        gr.resize(500, 300);
        gr.setNumSets(1);
        gr.setNumPoints(3);
        gr.setValues(1, {10, 20, 30});
        gr.setBackground(7);
        QGuiApplication::clipboard()->setText("before");
        Clip_Gazou(&gr);
        const QImage img = QGuiApplication::clipboard()->image();
        QVERIFY(!img.isNull());
        QCOMPARE(QColor(img.pixel(1, 1)), QColor(Qt::white));
        QCOMPARE(gr.background(), 7); // the shown background is kept
        QCOMPARE(rec.shown().size(), 1);
        QCOMPARE(rec.last(), QStringLiteral("クリップボードにビットマップ形式でコピーしました。"));
        QCOMPARE(rec.shown().first().title, QStringLiteral("確認"));
        QCOMPARE(rec.shown().first().icon(), int(vbInformation));

        Clip_Text("a\tb\t\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb\t\r\n"));
        QCOMPARE(rec.last(), QStringLiteral("クリップボードにテキスト形式でコピーしました。"));
    }

    void printQuestion()
    {
        MsgRecorder rec;
        rec.answer(vbCancel);
        QVERIFY(!Print_Kakunin());
        QCOMPARE(rec.last(), QStringLiteral("印刷を開始します。プリンタの準備はよろしいですか。"));
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(rec.shown().last().buttons(), int(vbOKCancel));
        rec.answer(vbOK);
        QVERIFY(Print_Kakunin());
    }

    void printToPdf()
    {
        QTemporaryDir dir;
        Graph gr;
        gr.resize(600, 400);
        gr.setTitle("栄養素の摂取率");
        gr.setNumSets(2);
        gr.setNumPoints(3);
        gr.setPointLabels({"エネルギー", "たんぱく質", "脂質"});
        gr.setValues(1, {80, 95, 120});
        gr.setValues(2, {20, 30, 10});
        auto pdf = [&](const QString &name, const QString &title) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(name));
            return Gr_PrintTo(&gr, printer, title);
        };
        QVERIFY(pdf("titled.pdf", "      山田 花子   2024年4月1日"));
        const QFileInfo titled(dir.filePath("titled.pdf"));
        QVERIFY(titled.exists());
        QVERIFY(titled.size() > 1000);
        QFile f(titled.filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(pdf("untitled.pdf", "   "));
        QVERIFY(QFileInfo(dir.filePath("untitled.pdf")).size() > 1000);

        // A printer that cannot start is reported as a failure, not as printed.
        QPrinter bad;
        bad.setOutputFormat(QPrinter::PdfFormat);
        bad.setOutputFileName(dir.filePath("no/such/folder/x.pdf"));
        QVERIFY(!Gr_PrintTo(&gr, bad, "x"));
    }

    void messageBoxes_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("escape");
        QTest::newRow("ok") << int(vbOKOnly | vbInformation) << QStringList{"OK"}
                            << int(QMessageBox::Information) << int(vbOK);
        QTest::newRow("ok cancel") << int(vbOKCancel | vbQuestion)
                                   << QStringList{"OK", "キャンセル"}
                                   << int(QMessageBox::Question) << int(vbCancel);
        QTest::newRow("yes no") << int(vbYesNo | vbExclamation) << QStringList{"はい", "いいえ"}
                                << int(QMessageBox::Warning) << int(vbNo);
        QTest::newRow("yes no cancel") << int(vbYesNoCancel | vbCritical)
                                       << QStringList{"はい", "いいえ", "キャンセル"}
                                       << int(QMessageBox::Critical) << int(vbCancel);
    }
    void messageBoxes()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, texts);
        QFETCH(int, icon);
        QFETCH(int, escape);
        std::unique_ptr<QMessageBox> box(createMessageBox({"本文", flags, "確認"}));
        QCOMPARE(box->windowTitle(), QStringLiteral("確認"));
        QCOMPARE(box->text(), QStringLiteral("本文"));
        QCOMPARE(int(box->icon()), icon);
        QStringList shown;
        for (QAbstractButton *b : box->buttons())
            shown << b->text();
        std::sort(shown.begin(), shown.end());
        std::sort(texts.begin(), texts.end());
        QCOMPARE(shown, texts);
        // Each button gives its own answer.
        const QMap<QString, int> answer{{"OK", vbOK}, {"キャンセル", vbCancel},
                                        {"はい", vbYes}, {"いいえ", vbNo}};
        for (QAbstractButton *b : box->buttons()) {
            std::unique_ptr<QMessageBox> again(createMessageBox({"本文", flags, "確認"}));
            QAbstractButton *same = nullptr;
            for (QAbstractButton *o : again->buttons())
                if (o->text() == b->text())
                    same = o;
            QTimer::singleShot(0, same, [same] { same->click(); });
            again->exec();
            QCOMPARE(messageBoxResult(again.get()), answer.value(b->text()));
        }
        // Escape (or the close box).
        std::unique_ptr<QMessageBox> esc(createMessageBox({"本文", flags, "確認"}));
        QTimer::singleShot(0, esc.get(), [&esc] { QTest::keyClick(esc.get(), Qt::Key_Escape); });
        esc->exec();
        QCOMPARE(messageBoxResult(esc.get()), escape);
    }

    void installedHandler()
    {
        const MsgBoxHandler previous = installWidgetMsgBox();
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("確認"));
            for (QAbstractButton *b : box->buttons())
                if (b->text() == QStringLiteral("いいえ"))
                    b->click();
        });
        QCOMPARE(MsgBox("削除しますか。", vbYesNo, "確認"), int(vbNo));
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("ミルテ")); // no title given
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(MsgBox("お知らせ"), int(vbOK));
        setMsgBoxHandler(previous);
    }

    // A message asked for while no window is active (a clipboard or file dialog just closed)
    // belongs to the window the user worked in, and closing it never ends the program.
    void messageWithoutActiveWindow()
    {
        const MsgBoxHandler previous = installWidgetMsgBox();
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
        QWidget other, asker;
        other.show();
        asker.show();
        QApplication::setActiveWindow(&asker);
        QTRY_COMPARE(QApplication::activeWindow(), &asker);
        QApplication::setActiveWindow(nullptr);
        QVERIFY(!QApplication::activeWindow());
        QWidget *parent = nullptr;
        QTimer::singleShot(0, [&parent] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            parent = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(MsgBox("クリップボードにコピーしました。", vbInformation, "確認"), int(vbOK));
        QCOMPARE(parent, &asker);
        setMsgBoxHandler(previous);
    }

    void formCenter()
    {
        QWidget w;
        w.resize(300, 200);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Form_Center(&w);
        const QRect avail = w.screen()->availableGeometry();
        const QRect frame = w.frameGeometry();
        QVERIFY(qAbs((frame.left() - avail.left()) - (avail.right() - frame.right())) <= 1);
        QVERIFY(qAbs((frame.top() - avail.top()) - (avail.bottom() - frame.bottom())) <= 1);

        // Larger than the screen: to the top-left corner.
        QWidget big;
        big.resize(avail.width() + 100, avail.height() + 100);
        big.show();
        Form_Center(&big);
        QCOMPARE(big.frameGeometry().topLeft(), avail.topLeft());
    }

    // The proposed export name comes from what the household typed: a slash in it must not make
    // the file land in another folder, and a name typed without a suffix gets one.
    void exportFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("plain") << "推移_花子_20261209.csv" << "推移_花子_20261209.csv" << "/tmp/x" << "/tmp/x.csv";
        QTest::newRow("slash in the name") << "推移_A/B_20261209.csv" << "推移_A_B_20261209.csv" << "/tmp/y.txt"
                                           << "/tmp/y.txt";
        QTest::newRow("backslash") << "a\\b.csv" << "a_b.csv" << "" << "";
    }
    void exportFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        test::FileChoiceRecorder files;
        files.chosen = answer;
        QCOMPARE(chooseExportFile(nullptr, QStringLiteral("CSV出力"), name, QStringLiteral("CSVファイル (*.csv)"),
                                  QStringLiteral("csv")),
                 chosen);
        QCOMPARE(files.asked.size(), 1);
        QCOMPARE(QFileInfo(files.asked.first().suggested).fileName(), proposed);
        QCOMPARE(QFileInfo(files.asked.first().suggested).absolutePath(), QDir(defaultExportFolder()).absolutePath());
    }
};

QTEST_MAIN(TstAppGui)
#include "tst_appgui.moc"
