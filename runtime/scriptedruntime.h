#pragma once

#include "runtime/runtime.h"

#include <QQueue>
#include <QStringList>

#include <functional>
#include <random>

// A runtime for tests: answers come from queues, random values from a script, and the clock
// moves only when told or when a pause waits on it. Nothing blocks and nothing sleeps.
class ScriptedRuntime : public Runtime
{
public:
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

    // Scripted answers; an empty queue answers OK / No / Cancel.
    QQueue<int> msgBoxAnswers;
    QQueue<QString> inputAnswers;
    // Scripted random values, used first; then a generator seeded by randomSeed.
    QQueue<float> randomValues;
    unsigned randomSeed = 1;
    // The clock, in seconds since midnight; it wraps at 86400.
    double clock = 1000.0;
    // Each DoEvents moves the clock on by its whole wait (at least by this step).
    double doEventsStep = 0.05;
    // Called at every DoEvents, after pending events have been handled.
    std::function<void()> onDoEvents;
    // Called when a message box comes up, before it is answered.
    std::function<void(const QString &)> onMessage;
    // Files that exist for FileExists, and programs that Shell can start.
    QStringList existingFiles;
    QStringList startablePrograms;

    // What happened.
    QStringList messages;
    QList<int> messageButtons;
    QList<QWidget *> messageOwners;
    QStringList prompts;
    QStringList promptTitles;
    QList<QWidget *> promptOwners;
    QStringList started;
    QList<int> startedStyles; // the window style of each start, in step with started
    int beeps = 0;
    int randomizeCalls = 0;
    int doEventsCalls = 0;
    int endStatus = -1; // -1 while the program has not ended

    void advance(double seconds);

private:
    std::mt19937 m_random{randomSeed};
    bool m_seeded = false;
};
