#include "runtime/forms.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

QString family(Face face)
{
    struct Choice
    {
        Face face;
        const char *families[3];
    };
    static constexpr Choice Choices[] = {
        {Face::FuturaMdBT, {"Futura Md BT", "League Spartan", "DejaVu Sans"}},
        {Face::MSSansSerif, {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}},
        {Face::TimesNewRoman, {"Times New Roman", "Liberation Serif", "DejaVu Serif"}},
        {Face::Dialog, {"Liberation Sans", "DejaVu Sans", "Sans Serif"}},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Choice &choice : Choices) {
        if (choice.face != face)
            continue;
        for (const char *name : choice.families) {
            if (installed.contains(QLatin1String(name), Qt::CaseInsensitive))
                return QLatin1String(name);
        }
        return QLatin1String(choice.families[2]);
    }
    return {};
}

} // namespace

QFont formsFont(Face face, double points, bool bold)
{
    static QHash<int, QString> families;
    auto it = families.find(int(face));
    if (it == families.end())
        it = families.insert(int(face), family(face));
    QFont font(*it);
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
    window->move(tableClient + offset);
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
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
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
