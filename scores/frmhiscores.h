#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class Runtime;
class frmVorlina;

constexpr int TopTen = 10;

// The top-ten score table.
class frmHiScores : public QWidget
{
    Q_OBJECT
public:
    frmHiScores(Runtime &rt, frmVorlina &table);

    // Controls; tests address them by name. Row r shows rank r + 1.
    std::array<QLabel *, TopTen> lblName{};
    std::array<QLabel *, TopTen> lblScore{};
    QLabel *lblOne = nullptr;
    QLabel *lblTwo = nullptr;
    QLabel *lblThree = nullptr;
    QLabel *lblFour = nullptr;
    QLabel *lblFive = nullptr;
    QLabel *lblSix = nullptr;
    QLabel *lblSeven = nullptr;
    QLabel *lblEight = nullptr;
    QLabel *lblNine = nullptr;
    QLabel *LblTen = nullptr;
    QPushButton *cmdOkay = nullptr;
    QPushButton *cmdClear = nullptr;

    // 1 only while the first showing clears an empty table.
    qint16 LoadFlag = 0;

    void ClearScores();
    void GetScores();
    void HighScores(qint32 &Score, qint32 &HighScore);

    void setVisible(bool visible) override;

public slots:
    void cmdClear_Click();
    void cmdOkay_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    bool firstShowing();
    QWidget *asker();

    Runtime &m_rt;
    frmVorlina &m_table;
    bool m_loaded = false;
};
