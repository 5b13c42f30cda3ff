#include "table/frmteampic.h"

#include "images/pictures.h"
#include "runtime/forms.h"
#include "table/frmvorlina.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {

constexpr TwipsRect ClientArea = {3945, 2355, 4785, 4020};
constexpr TwipsLine Frame[] = {
    {0, 30, 4755, 30}, {0, 3975, 4755, 3975}, {30, 0, 30, 3990}, {4740, 0, 4740, 3990}};

} // namespace

frmTeamPic::frmTeamPic(frmVorlina &table)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_table(table)
{
    setFixedSize(fromTwips(ClientArea.width), fromTwips(ClientArea.height));
    setBackColour(this, Bgr::Blue);
    setWindowIcon(programIcon());

    Image1 = new ImageControl(this);
    Image1->setGeometry(fromTwips(TwipsRect{120, 120, 4500, 3120}));
    Image1->setPicture(teamPhoto());
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(fromTwips(TwipsRect{1680, 3360, 1215, 495}));
    connect(cmdOK, &QPushButton::clicked, this, &frmTeamPic::cmdOK_Click);
}

void frmTeamPic::cmdOK_Click()
{
    m_table.setEnabled(true);
    hide();
    m_table.TeamPicDone = 1;
}

void frmTeamPic::showEvent(QShowEvent *event)
{
    placeLikeStored(this, QPoint(ClientArea.left, ClientArea.top), &m_table);
    cmdOK->setFocus();
    QWidget::showEvent(event);
}

void frmTeamPic::paintEvent(QPaintEvent *)
{
    drawLines(this, Frame, 5);
}

void frmTeamPic::closeEvent(QCloseEvent *event)
{
    // Any other way out releases the game as OK does.
    event->ignore();
    cmdOK_Click();
}
