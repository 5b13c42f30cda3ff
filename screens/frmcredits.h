#pragma once

#include "runtime/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
class ImageControl;
class frmVorlina;

// The credits.
class frmCredits : public FramedPanel
{
    Q_OBJECT
public:
    explicit frmCredits(frmVorlina &table);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    ImageControl *Image1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QPushButton *Command1 = nullptr;

public slots:
    void Command1_Click();

signals:
    // OK: the menu comes back.
    void finished();

protected:
    void closeCommand() override;
};
