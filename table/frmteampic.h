#pragma once

#include "runtime/forms.h"

#include <QWidget>

class QPushButton;
class ImageControl;
class frmVorlina;

// The picture screen shown when a game ends on exactly 11,000 points.
class frmTeamPic : public FramedPanel
{
    Q_OBJECT
public:
    explicit frmTeamPic(frmVorlina &table);

    ImageControl *Image1 = nullptr;
    QPushButton *cmdOK = nullptr;

public slots:
    void cmdOK_Click();

protected:
    void closeCommand() override;

private:
    frmVorlina &m_table;
};
