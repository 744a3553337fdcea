#include "database.h"
#include "datacombo.h"
#include "numberbox.h"
#include "richtextview.h"
#include "statusbartext.h"
#include "tabcontrol.h"
#include "testsupport.h"
#include "uiutil.h"
#include "updown.h"
#include "windowrules.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace mirte;
using mirte::test::TempDb;

class TstComponents : public QObject {
    Q_OBJECT
private slots:
    // A date part box holds at most its digits once blanks, tabs and line breaks are gone; a
    // longer text is refused whole rather than cut to a different number.
    void dateFieldBox_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("digitsOnly");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held");
        QTest::newRow("year") << 4 << false << "2025" << "2025";
        QTest::newRow("tab before year") << 4 << false << "\t2025" << "2025";
        QTest::newRow("sheet cell") << 2 << false << "14\r\n" << "14";
        QTest::newRow("full-width") << 4 << false << QStringLiteral("２０２５") << "2025";
        QTest::newRow("too long") << 4 << false << "20251" << "";
        QTest::newRow("line break joins too much") << 2 << false << "1\n4\n5" << "";
        QTest::newRow("letters kept for the window") << 4 << false << "ab" << "ab";
        QTest::newRow("letters refused") << 4 << true << "ab" << "";
        QTest::newRow("400 digits") << 4 << true << QString(400, QLatin1Char('9')) << "";
    }
    void dateFieldBox()
    {
        QFETCH(int, digits);
        QFETCH(bool, digitsOnly);
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        QLineEdit e;
        mirte::makeDateFieldBox(&e, digits, digitsOnly);
        QApplication::clipboard()->setText(pasted);
        e.paste();
        QCOMPARE(e.text(), held);
    }

    // Number boxes take a pasted number with blanks or a line break around it, not inside it.
    void numberBoxPaste_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held");
        QTest::newRow("plain") << "52.5" << "52.5";
        QTest::newRow("sheet cell") << "52.5\r\n" << "52.5";
        QTest::newRow("tabs") << "\t52.5\t" << "52.5";
        QTest::newRow("two lines") << "52\n5" << "";
        QTest::newRow("full-width") << QStringLiteral("　５２．５") << "52.5";
    }
    void numberBoxPaste()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        QLineEdit e;
        mirte::makeNumberBox(&e);
        QApplication::clipboard()->setText(pasted);
        e.paste();
        QCOMPARE(e.text(), held);
    }
    // A window opens inside the screen's free area (1366×768 less a 40 px panel here): too big
    // it shrinks to the area, out of it it moves in; a window that fits stays as it is.
    void fitWithin_data()
    {
        QTest::addColumn<QRect>("before"); // position and size of the window itself
        QTest::addColumn<QRect>("after");
        QTest::newRow("fits") << QRect(100, 50, 700, 500) << QRect(100, 50, 700, 500);
        QTest::newRow("too tall") << QRect(100, 0, 400, 900) << QRect(100, 0, 400, 728 - 36);
        QTest::newRow("off the right") << QRect(1200, 50, 400, 300) << QRect(1366 - 408, 50, 400, 300);
        QTest::newRow("off the bottom") << QRect(10, 600, 400, 300) << QRect(10, 728 - 336, 400, 300);
        QTest::newRow("too wide and high up") << QRect(-50, -20, 2000, 300) << QRect(0, 0, 1366 - 8, 300);
    }
    void fitWithin()
    {
        QFETCH(QRect, before);
        QFETCH(QRect, after);
        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        layout->addWidget(new QPushButton(QStringLiteral("閉じる")));
        w.move(before.topLeft());
        w.resize(before.size());
        mirte::fitWithin(&w, QRect(0, 0, 1366, 728));
        QCOMPARE(QRect(w.pos(), w.size()), after);
    }

    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void names()
    {
        QCOMPARE(arrayName("Text3", 0), QStringLiteral("Text3_0"));
        QCOMPARE(arrayName("vsGrid", 12), QStringLiteral("vsGrid_12"));
        QWidget w;
        QCOMPARE(twipsToPixels(1440, &w), w.logicalDpiX());
        QCOMPARE(pixelsToTwips(twipsToPixels(1500, &w), &w), 1500);
    }

    void tabControl()
    {
        TabControl t;
        t.addTab(new QWidget, "グラフ１");
        t.addTab(new QWidget, "グラフ２");
        QCOMPARE(t.tabs(), 2);
        QCOMPARE(t.tab(), 0);
        QSignalSpy spy(&t, &TabControl::tabChanged);
        t.setTab(1);
        QCOMPARE(t.tab(), 1);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.last().at(0).toInt(), 1);
        QCOMPARE(spy.last().at(1).toInt(), 0);
        t.setTab(5); // ignored
        t.setTab(1); // no change
        QCOMPARE(spy.size(), 1);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        QTabBar *bar = t.tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(t.tab(), 0);
        QCOMPARE(spy.last().at(1).toInt(), 1);
    }

    void dataCombo()
    {
        TempDb db;
        G_DB().exec("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (3, '生'), (7, 'ゆで'), (12, '焼き')");
        DataCombo c;
        QSignalSpy spy(&c, &DataCombo::choiceChanged);
        c.setRowSource("SELECT * FROM 調理法 ORDER BY 調理法ID", {}, "調理法", "調理法ID");
        QCOMPARE(c.count(), 3);
        QCOMPARE(c.itemText(1), QStringLiteral("ゆで"));
        QVERIFY(!c.boundValue().isValid()); // nothing chosen yet
        QCOMPARE(c.text(), QString());

        const qsizetype before = spy.size();
        QVERIFY(c.setBoundValue(QString("7"))); // "7" and 7 are the same key
        QCOMPARE(c.text(), QStringLiteral("ゆで"));
        QCOMPARE(c.boundValue().toInt(), 7);
        QCOMPARE(c.field("調理法").toString(), QStringLiteral("ゆで"));
        QCOMPARE(c.currentRecord().value("調理法ID").toInt(), 7);
        QVERIFY(spy.size() > before);

        QVERIFY(!c.setBoundValue(99));
        QCOMPARE(c.currentIndex(), -1);
        QVERIFY(!c.boundValue().isValid());
        QVERIFY(c.currentRecord().isEmpty());

        QVERIFY(c.setText("焼き"));
        QCOMPARE(c.boundValue().toInt(), 12);
        QVERIFY(!c.setText("揚げ"));
        QCOMPARE(c.text(), QString());

        // The user picks with the keyboard.
        c.setBoundValue(3);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        c.setFocus();
        QTest::keyClick(&c, Qt::Key_Down);
        QCOMPARE(c.boundValue().toInt(), 7);

        // Refresh keeps the choice while it is still listed.
        G_DB().exec("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (1, '蒸し')");
        c.refresh();
        QCOMPARE(c.count(), 4);
        QCOMPARE(c.boundValue().toInt(), 7);
        QCOMPARE(c.text(), QStringLiteral("ゆで"));
        G_DB().exec("DELETE FROM 調理法 WHERE 調理法ID = 7");
        c.refresh();
        QVERIFY(!c.boundValue().isValid());
    }

    void upDown()
    {
        UpDown u;
        u.setRange(1, 5);
        u.setValue(4);
        QSignalSpy ups(&u, &UpDown::upClicked);
        QSignalSpy downs(&u, &UpDown::downClicked);
        QSignalSpy values(&u, &UpDown::valueChanged);
        QTest::mouseClick(u.upButton(), Qt::LeftButton);
        QCOMPARE(u.value(), 5);
        QTest::mouseClick(u.upButton(), Qt::LeftButton); // stays at the top, still told
        QCOMPARE(u.value(), 5);
        QCOMPARE(ups.size(), 2);
        QCOMPARE(values.size(), 1);
        u.setIncrement(3);
        QTest::mouseClick(u.downButton(), Qt::LeftButton);
        QCOMPARE(u.value(), 2);
        QTest::mouseClick(u.downButton(), Qt::LeftButton);
        QCOMPARE(u.value(), 1);
        QCOMPARE(downs.size(), 2);
        u.setWrap(true);
        u.setIncrement(1);
        u.stepDown();
        QCOMPARE(u.value(), 5);
        u.stepUp();
        QCOMPARE(u.value(), 1);
        u.setValue(100);
        QCOMPARE(u.value(), 5);
        u.setRange(10, 0); // reversed bounds are put right
        QCOMPARE(u.minimum(), 0);
        QCOMPARE(u.maximum(), 10);
    }

    void statusBar()
    {
        QWidget window;
        auto *button = new QPushButton("閉じる", &window);
        auto *bar = new StatusBarText(&window);
        QCOMPARE(bar->objectName(), QStringLiteral("StBar"));
        bar->setText("栄養摂取率のグラフです。");
        QCOMPARE(bar->text(), QStringLiteral("栄養摂取率のグラフです。"));
        bar->addHint(button, "画面を閉じ、前画面に戻ります。");
        bar->addHint(&window, "栄養摂取率のグラフです。");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QCOMPARE(bar->text(), QStringLiteral("画面を閉じ、前画面に戻ります。"));
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QCOMPARE(bar->text(), QStringLiteral("栄養摂取率のグラフです。"));
        bar->removeHint(button);
        QApplication::sendEvent(button, &enter);
        QCOMPARE(bar->text(), QStringLiteral("栄養摂取率のグラフです。"));
        window.resize(300, 200);
        window.show();
        QVERIFY(bar->height() > 0);
    }

    // A real pointer move over a button also reaches its window, which ignores nothing: the
    // button's hint must stay, and moving off it onto the window brings the window's back.
    void statusBarPointerOverChild()
    {
        QWidget window;
        auto *lay = new QVBoxLayout(&window);
        auto *frame = new QWidget(&window);
        auto *inner = new QVBoxLayout(frame);
        auto *button = new QPushButton("詳  細", frame);
        inner->addWidget(button);
        lay->addWidget(frame);
        lay->addSpacing(80);
        auto *bar = new StatusBarText(&window);
        lay->addWidget(bar);
        bar->addHint(&window, "栄養摂取率のグラフです。");
        bar->addHint(frame, "栄養摂取率のグラフです。");
        bar->addHint(button, "一日分の全栄養摂取量を表形式で表示します。");
        // Main windows and styled frames take hover moves as well.
        window.setAttribute(Qt::WA_Hover);
        frame->setAttribute(Qt::WA_Hover);
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(button);
        QCOMPARE(bar->text(), QStringLiteral("一日分の全栄養摂取量を表形式で表示します。"));
        QTest::mouseMove(button, QPoint(3, 3));
        QCOMPARE(bar->text(), QStringLiteral("一日分の全栄養摂取量を表形式で表示します。"));
        QTest::mouseMove(&window, QPoint(150, frame->geometry().bottom() + 40));
        QCOMPARE(bar->text(), QStringLiteral("栄養摂取率のグラフです。"));
    }

    void richText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("html") << "a.html"
                              << QByteArray("<html><body><h1>主な栄養素</h1><p>たんぱく質</p></body></html>")
                              << "主な栄養素\nたんぱく質";
        QTest::newRow("text") << "a.txt" << QByteArray("一行目\n<b>二行目</b>")
                              << "一行目\n<b>二行目</b>";
        QStringEncoder sjis("Shift_JIS");
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fcharset128 MS Gothic;}}"
                         "{\\colortbl;\\red0\\green0\\blue0;}\\f0 ";
        if (sjis.isValid()) {
            for (uchar b : QByteArray(sjis.encode(QStringLiteral("鉄分"))))
                rtf += "\\'" + QByteArray::number(b, 16);
        } else {
            rtf += "\\u37444?\\u20998?";
        }
        rtf += "\\par \\u12459?\\u12523?{\\*\\generator x;}\\u12471?\\par}";
        QTest::newRow("rtf") << "a.rtf" << rtf << QStringLiteral("鉄分\nカルシ");
    }
    void richText()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        RichTextView v;
        QVERIFY(v.isReadOnly());
        QVERIFY(v.loadFile(path));
        QCOMPARE(v.fileName(), path);
        QCOMPARE(v.toPlainText().trimmed(), shown);
        QVERIFY(!v.loadFile(dir.filePath("missing.html")));
        QCOMPARE(v.toPlainText(), QString());
    }
};

QTEST_MAIN(TstComponents)
#include "tst_components.moc"
