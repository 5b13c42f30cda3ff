#pragma once

#include "runtime/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
class ImageControl;
class frmVorlina;

// The instructions.
class frmInstruct : public FramedPanel
{
    Q_OBJECT
public:
    explicit frmInstruct(frmVorlina &table);

    QLabel *Label2 = nullptr;
    ImageControl *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label3 = nullptr;

public slots:
    void Command1_Click();

signals:
    // OK: the menu comes back.
    void finished();

protected:
    void closeCommand() override;
};
