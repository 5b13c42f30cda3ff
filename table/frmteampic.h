#pragma once

#include <QWidget>

class QPushButton;
class ImageControl;
class frmVorlina;

// The picture screen shown when a game ends on exactly 11,000 points.
class frmTeamPic : public QWidget
{
    Q_OBJECT
public:
    explicit frmTeamPic(frmVorlina &table);

    ImageControl *Image1 = nullptr;
    QPushButton *cmdOK = nullptr;

public slots:
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    frmVorlina &m_table;
};
