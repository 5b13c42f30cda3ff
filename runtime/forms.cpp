#include "runtime/forms.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {

// The free face installed with the game for each face the windows were drawn with, then one
// every system has. The original faces are not asked for: the game looks the same on every
// machine, and an absent family costs a font configuration lookup at start-up.
QStringList families(Face face)
{
    switch (face) {
    case Face::FuturaMdBT:
        return {QStringLiteral("League Spartan"), QStringLiteral("DejaVu Sans")};
    case Face::TimesNewRoman:
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    case Face::MSSansSerif:
    case Face::Dialog:
        break;
    }
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

} // namespace

QFont formsFont(Face face, double points, bool bold)
{
    QFont font;
    font.setFamilies(families(face));
    // Sizes were chosen at 96 dots per inch; pixel sizes keep them so on any screen.
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &caption, TwipsRect rect, Face face,
                  double points, bool bold, unsigned foreBgr, unsigned backBgr,
                  Qt::Alignment align)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(fromTwips(rect));
    label->setFont(formsFont(face, points, bold));
    label->setAlignment(align);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, fromBgr(foreBgr));
    palette.setColor(QPalette::Window, fromBgr(backBgr));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, fromBgr(foreBgr));
    label->setPalette(palette);
    return label;
}

void placeLikeStored(QWidget *window, QPoint storedTwips, const QWidget *table)
{
    const QPoint offset = (storedTwips - TableStoredOrigin) / TwipsPerPixel;
    const QPoint tableClient = table ? table->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    // The stored places are those of the client areas: placed by geometry, not by frame.
    window->setGeometry(QRect(tableClient + offset, window->size()));
    // A window manager raises a clicked window even when it takes no input; a switched-off
    // table must not come up over the window that will switch it on again. Window managers
    // keep only dialogs over the window they stand for.
    if (table && table->windowHandle()) {
        window->winId();
        window->windowHandle()->setTransientParent(table->windowHandle());
    }
}

QRect placeBeside(QSize clientSize, const Beside &beside)
{
    const QRect &clear = beside.keepClear;
    const QRect &screen = beside.screen;
    const QSize framed = clientSize.grownBy(beside.frame);
    // Each room with the place the window would take there: against the kept-clear edge,
    // level with its top or left.
    const struct
    {
        QRect room;
        QPoint wish;
    } sides[] = {
        {QRect(QPoint(clear.right() + 1, screen.top()), screen.bottomRight()),
         QPoint(clear.right() + 1, clear.top())},
        {QRect(screen.topLeft(), QPoint(clear.left() - 1, screen.bottom())),
         QPoint(clear.left() - framed.width(), clear.top())},
        {QRect(QPoint(screen.left(), clear.bottom() + 1), screen.bottomRight()),
         QPoint(clear.left(), clear.bottom() + 1)},
        {QRect(screen.topLeft(), QPoint(screen.right(), clear.top() - 1)),
         QPoint(clear.left(), clear.top() - framed.height())},
    };
    QRect best;
    qint64 bestArea = -1;
    for (const auto &side : sides) {
        const QRect room = side.room & screen;
        const QSize size = framed.boundedTo(room.size());
        const qint64 area = qint64(size.width()) * size.height();
        if (area <= bestArea)
            continue;
        const int left = std::clamp(side.wish.x(), room.left(), room.right() + 1 - size.width());
        const int top = std::clamp(side.wish.y(), room.top(), room.bottom() + 1 - size.height());
        best = QRect(QPoint(left, top), size);
        bestArea = area;
        if (size == framed)
            break;
    }
    return best.marginsRemoved(beside.frame);
}

void setBackColour(QWidget *window, unsigned bgr)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, fromBgr(bgr));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void drawLines(QWidget *window, std::span<const TwipsLine> lines, int widthPixels)
{
    QPainter painter(window);
    painter.setPen(QPen(Qt::black, widthPixels, Qt::SolidLine, Qt::FlatCap));
    for (const TwipsLine &line : lines) {
        painter.drawLine(QPointF(line.x1 / double(TwipsPerPixel), line.y1 / double(TwipsPerPixel)),
                         QPointF(line.x2 / double(TwipsPerPixel), line.y2 / double(TwipsPerPixel)));
    }
}

FramedPanel::FramedPanel(TwipsRect clientArea, std::span<const TwipsLine> frame,
                         const QWidget *table)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      m_stored(clientArea.left, clientArea.top), m_frame(frame), m_table(table)
{
    setFixedSize(fromTwips(clientArea.width), fromTwips(clientArea.height));
    setBackColour(this, Bgr::Blue);
}

void FramedPanel::showEvent(QShowEvent *event)
{
    placeLikeStored(this, m_stored, m_table);
    if (m_firstFocus)
        m_firstFocus->setFocus();
    QWidget::showEvent(event);
}

void FramedPanel::paintEvent(QPaintEvent *)
{
    drawLines(this, m_frame, 5);
}

void FramedPanel::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeCommand();
}

ImageControl::ImageControl(QWidget *parent) : QWidget(parent)
{
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
