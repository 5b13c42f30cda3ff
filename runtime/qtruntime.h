#pragma once

#include "runtime/runtime.h"

#include <random>

class QtRuntime : public Runtime
{
public:
    QtRuntime();

    int MsgBox(QWidget *owner, const QString &prompt, int buttons = MsgOkOnly) override;
    QString InputBox(QWidget *owner, const QString &prompt, const QString &title) override;
    void Randomize() override;
    float Rnd() override;
    double Timer() override;
    void DoEvents(double maxWait = 0) override;
    void Beep() override;
    void End(int status = 0) override;
    bool Shell(const QString &program, int windowStyle) override;
    bool FileExists(const QString &path) override;

private:
    std::mt19937 m_random;
};
