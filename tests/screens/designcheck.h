#pragma once

#include "runtime/forms.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// How one label of a screen must look: place in twips, exact caption, face, size, colours.
struct LabelLook
{
    QLabel *label;
    TwipsRect rect;
    QString caption;
    Face face;
    double points;
    QColor fore;
    Qt::Alignment align;
};

inline QRect pixels(TwipsRect r)
{
    return QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15);
}

// Checks one label, and that its text stands wholly inside it: wrapped at the label's width,
// the last line's baseline still lies within the label.
inline void checkLabel(const LabelLook &look)
{
    QLabel *label = look.label;
    QCOMPARE(label->geometry(), pixels(look.rect));
    QCOMPARE(label->text(), look.caption);
    QCOMPARE(label->font(), formsFont(look.face, look.points));
    QCOMPARE(label->palette().color(QPalette::WindowText), look.fore);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, look.align);
    QVERIFY(label->wordWrap());

    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                              Qt::TextWordWrap | int(look.align), label->text());
    QVERIFY2(needed.width() <= label->width(), qPrintable(label->text()));
    QVERIFY2(needed.height() - metrics.descent() <= label->height(), qPrintable(label->text()));
}

// Checks that each frame line is drawn black, 5 pixels wide, across its middle.
inline void checkFrame(QWidget *window, std::initializer_list<TwipsLine> lines)
{
    const QImage image = window->grab().toImage();
    for (const TwipsLine &line : lines) {
        const QPoint middle((line.x1 + line.x2) / 30, (line.y1 + line.y2) / 30);
        const QPoint across = line.y1 == line.y2 ? QPoint(0, 1) : QPoint(1, 0);
        for (int step = -2; step <= 2; ++step) {
            const QPoint p = middle + step * across;
            if (image.rect().contains(p))
                QCOMPARE(QColor(image.pixel(p)), QColor(Qt::black));
        }
    }
}

// True when a button's caption leaves the given margin at its edges untouched: the button is
// drawn with and without its caption and the edge strips compared.
inline bool captionKeepsClearOfEdges(QPushButton *button, int margin)
{
    const QImage with = button->grab().toImage();
    const QString caption = button->text();
    button->setText(QString());
    const QImage without = button->grab().toImage();
    button->setText(caption);
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const bool edge = x < margin || x >= with.width() - margin || y < margin
                              || y >= with.height() - margin;
            if (edge && with.pixel(x, y) != without.pixel(x, y))
                return false;
        }
    }
    return true;
}

// The controls that take the focus, in the order Tab visits them, starting at first.
inline QList<QWidget *> tabChain(QWidget *first)
{
    QList<QWidget *> chain;
    QWidget *w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
        w = w->nextInFocusChain();
    } while (w && w != first);
    return chain;
}
