#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class ImageControl;
class frmVorlina;

// The instructions.
class frmInstruct : public QWidget
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
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    frmVorlina &m_table;
};
