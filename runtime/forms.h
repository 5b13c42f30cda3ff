#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <span>

class QLabel;

constexpr int TwipsPerPixel = 15;

struct TwipsRect
{
    int left, top, width, height;
};

struct TwipsLine
{
    int x1, y1, x2, y2;
};

constexpr int fromTwips(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect fromTwips(TwipsRect r)
{
    return QRect(fromTwips(r.left), fromTwips(r.top), fromTwips(r.width), fromTwips(r.height));
}

// Colours are stored as 0x00BBGGRR.
constexpr QColor fromBgr(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace Bgr {
constexpr unsigned Black = 0x000000;
constexpr unsigned Red = 0x0000FF;
constexpr unsigned Green = 0x00FF00;
constexpr unsigned Yellow = 0x00FFFF;
constexpr unsigned Blue = 0xFF0000;
constexpr unsigned Magenta = 0xFF00FF;
constexpr unsigned Cyan = 0xFFFF00;
constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Grey = 0x808080;
constexpr unsigned LightGrey = 0xC0C0C0;
// The window-background system colour, white in the standard scheme.
constexpr unsigned WindowBackground = 0xFFFFFF;
} // namespace Bgr

// The faces the windows were drawn with; each maps to the nearest installed free face.
enum class Face { FuturaMdBT, MSSansSerif, TimesNewRoman, Dialog };

QFont formsFont(Face face, double points, bool bold = false);

// A label placed in twips with the forms' look: text colour on a solid back colour.
QLabel *makeLabel(QWidget *parent, const QString &caption, TwipsRect rect, Face face,
                  double points, bool bold, unsigned foreBgr, unsigned backBgr,
                  Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop);

// Windows were placed on the screen relative to the table window, which stood at this point.
constexpr QPoint TableStoredOrigin{1935, 855};

// Places a window at its stored screen position (twips) relative to where the table is now,
// and keeps it above the table.
void placeLikeStored(QWidget *window, QPoint storedTwips, const QWidget *table);

// What a window that opens beside another keeps to, in screen pixels: the other window's
// rectangle with its frame, the frame that the window manager puts around a window (none
// without one), and the screen's room for windows.
struct Beside
{
    QRect keepClear;
    QMargins frame;
    QRect screen;
};

// The client area of a window of the given size beside keepClear: right of it, left of it,
// below or above, the first room where the whole framed window fits on the screen; where none
// does, the room that keeps most of it, with the window shrunk to fit.
QRect placeBeside(QSize clientSize, const Beside &beside);

// One label of a window's design: the member it fills and how it looks.
template <typename Form>
struct LabelDesign
{
    QLabel *Form::*label;
    const char *caption;
    TwipsRect rect;
    Face face;
    double points;
    bool bold;
    unsigned fore;
    Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop;
};

// Makes a window's labels from its design, all on the window's back colour.
template <typename Form, std::size_t N>
void makeLabels(Form *form, const LabelDesign<Form> (&designs)[N], unsigned backBgr)
{
    for (const LabelDesign<Form> &design : designs) {
        form->*design.label = makeLabel(form, QString::fromLatin1(design.caption), design.rect,
                                        design.face, design.points, design.bold, design.fore,
                                        backBgr, design.align);
    }
}

// Sets a window's solid background colour.
void setBackColour(QWidget *window, unsigned bgr);

// Draws frame lines of the given pixel width in the window-text colour (black).
void drawLines(QWidget *window, std::span<const TwipsLine> lines, int widthPixels);

// A borderless window in blue with a frame of 5-pixel lines along its edges, shown at its
// stored place over the table. The platform's close command runs closeCommand() instead,
// so that closing it always leads back to a window that can go on.
class FramedPanel : public QWidget
{
    Q_OBJECT
public:
    FramedPanel(TwipsRect clientArea, std::span<const TwipsLine> frame, const QWidget *table);

protected:
    virtual void closeCommand() = 0;
    // Takes the focus whenever the window is shown.
    void setFirstFocus(QWidget *control) { m_firstFocus = control; }

    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPoint m_stored;
    std::span<const TwipsLine> m_frame;
    const QWidget *m_table;
    QWidget *m_firstFocus = nullptr;
};

// An image control: shows a picture, keeps a text Tag, and reports clicks. Like the forms'
// image, a hidden or disabled one takes no clicks and a disabled one still shows its picture.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    QString Tag;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};
