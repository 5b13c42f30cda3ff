#include "table/frmbacks.h"

#include "runtime/datafile.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {2850, 2025, 6870, 4470};
constexpr std::array<int, 5> BackLefts = {240, 1560, 2880, 4200, 5520};
constexpr std::array<int, 2> BackTops = {240, 2640};
constexpr TwipsLine Frame[] = {
    {0, 30, 7470, 30}, {0, 4425, 6870, 4425}, {30, 0, 30, 4470}, {6825, 0, 6825, 4470}};

} // namespace

// The highlight boxes lie over the pictures, so they are drawn on a layer above them. Like
// boxes drawn straight onto a window, they are gone once the chooser is shown again.
class frmBacks::Outlines : public QWidget
{
public:
    explicit Outlines(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    std::array<QColor, BackCount> colour{};
    std::array<QRect, BackCount> box{};

    void clear()
    {
        colour.fill(QColor());
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int i = 0; i < BackCount; ++i) {
            if (colour[i].isValid()) {
                painter.setPen(QPen(colour[i], 0));
                painter.drawRect(box[i]);
            }
        }
    }
};

frmBacks::frmBacks(Runtime &rt, frmVorlina &table)
    : FramedPanel(ClientArea, Frame, &table), m_rt(rt), m_table(table)
{
    setWindowTitle(QStringLiteral("Change Cardbacks"));
    setWindowIcon(skullIcon());

    for (int i = 0; i < BackCount; ++i) {
        imgCardBack[i] = new ImageControl(this);
        imgCardBack[i]->setGeometry(fromTwips(
            TwipsRect{BackLefts[i % 5], BackTops[i / 5], 1125, 1500}));
        imgCardBack[i]->setPicture(cardBack(i));
        connect(imgCardBack[i], &ImageControl::clicked, this, [this, i] { imgCardBack_Click(i); });
    }
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(fromTwips(TwipsRect{4800, 1920, 1215, 495}));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setGeometry(fromTwips(TwipsRect{840, 1920, 1215, 495}));
    // Neither is the Enter button, but Enter presses whichever has the focus.
    cmdOK->setAutoDefault(true);
    cmdCancel->setAutoDefault(true);
    setTabOrder(cmdOK, cmdCancel);
    // Only at first: shown again, the chooser keeps the focus where the player left it.
    cmdOK->setFocus();
    Label1 = makeLabel(this, QStringLiteral("Highlight your card choice and click OK."),
                       {2280, 1920, 2055, 495}, Face::MSSansSerif, 9.75, false, Bgr::Cyan,
                       Bgr::Blue);
    connect(cmdOK, &QPushButton::clicked, this, &frmBacks::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBacks::cmdCancel_Click);

    m_outlines = new Outlines(this);
    m_outlines->setGeometry(rect());
    for (int i = 0; i < BackCount; ++i) {
        const QPoint corner = imgCardBack[i]->pos();
        // A one-pixel box from (1, 1) to (74, 99) of the picture, over its frame.
        m_outlines->box[i] = QRect(corner + QPoint(1, 1), QSize(CardWidth - 2, CardHeight - 2));
    }
    m_outlines->raise();
}

QColor frmBacks::outlineOf(int index) const
{
    return m_outlines->colour.at(index);
}

void frmBacks::imgCardBack_Click(int index)
{
    for (int i = 0; i < BackCount; ++i)
        m_outlines->colour[i] = fromBgr(Bgr::Black);
    m_outlines->colour[index] = fromBgr(Bgr::Red);
    m_outlines->update();
    BackChoice = static_cast<qint16>(index);
}

void frmBacks::cmdOK_Click()
{
    {
        DataFile file(m_rt, this, QStringLiteral("qimbacks.dat"));
        file.put(1, BackChoice);
        file.close();
        if (file.failed())
            return;
    }
    for (ImageControl *spot : m_table.imgSpot)
        spot->setPicture(cardBack(BackChoice));
    hide();
    emit finished();
}

void frmBacks::cmdCancel_Click()
{
    hide();
    emit finished();
}

void frmBacks::hideEvent(QHideEvent *event)
{
    m_outlines->clear();
    QWidget::hideEvent(event);
}

void frmBacks::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cmdCancel_Click();
    else
        QWidget::keyPressEvent(event);
}

void frmBacks::closeCommand()
{
    // The platform's close command cancels, so the menu always comes back.
    cmdCancel_Click();
}
