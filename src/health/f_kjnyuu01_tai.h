#pragma once
// 肥満とやせの判定図: the person's height and weight on the chart of their age bracket and sex.

#include "himan_chart.h"

#include <QDialog>
#include <QImage>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

// The chart area: the judgement picture in the chart's coordinates, the axis ticks around it,
// the height and weight lines and the point where they cross.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    void setValues(double heightCm, double weightKg);
    ChartMarks marks() const { return m_marks; }
    // The pixel rectangle the chart coordinates map into.
    QRectF plotRect() const;
    ChartMapping mapping() const { return ChartMapping(plotRect()); }

    QSize sizeHint() const override { return {520, 560}; }
    QSize minimumSizeHint() const override { return {300, 320}; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QImage m_picture;
    double m_height = 0;
    double m_weight = 0;
    ChartMarks m_marks;
};

class F_KJNyuu01_Tai : public QDialog {
    Q_OBJECT
public:
    // male: "男" shown in the day window; age: the age shown (blank = 0); the height and
    // weight as typed there.
    F_KJNyuu01_Tai(bool male, int age, const QString &heightText, const QString &weightText,
                   QWidget *parent = nullptr);

    ChartChoice choice() const { return m_choice; }
    // The comment beside the chart, lines ending in CR LF.
    QString comment() const { return m_comment; }
    // Where the picture of a chart is found among the shipped files.
    static QString picturePath(const QString &relative);

    ChartView *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnSetu = nullptr;
    QAction *mnTojiru = nullptr;

private:
    void Form_Load(const QString &heightText, const QString &weightText);

    ChartChoice m_choice;
    QString m_comment;
};

} // namespace mirte
