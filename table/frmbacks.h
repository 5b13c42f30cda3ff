#pragma once

#include "runtime/forms.h"

#include "images/pictures.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class ImageControl;
class Runtime;
class frmVorlina;

// The back chooser, which also holds the ten card backs.
class frmBacks : public FramedPanel
{
    Q_OBJECT
public:
    frmBacks(Runtime &rt, frmVorlina &table);

    std::array<ImageControl *, BackCount> imgCardBack{};
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdOK = nullptr;
    QLabel *Label1 = nullptr;

    qint16 BackChoice = 0;

    // The outline colour drawn around each back since the chooser was shown, if any.
    QColor outlineOf(int index) const;

public slots:
    void imgCardBack_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

signals:
    // OK or Cancel: the menu comes back.
    void finished();

protected:
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeCommand() override;

private:
    class Outlines;

    Runtime &m_rt;
    frmVorlina &m_table;
    Outlines *m_outlines = nullptr;
};
