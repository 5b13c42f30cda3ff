#include "runtime/scriptedruntime.h"

#include <QCoreApplication>

#include <cmath>

int ScriptedRuntime::MsgBox(QWidget *owner, const QString &prompt, int buttons)
{
    messages << prompt;
    messageButtons << buttons;
    messageOwners << owner;
    if (onMessage)
        onMessage(prompt);
    if (!msgBoxAnswers.isEmpty())
        return msgBoxAnswers.dequeue();
    return buttons == MsgYesNoQuestion ? AnswerNo : AnswerOk;
}

QString ScriptedRuntime::InputBox(QWidget *owner, const QString &prompt, const QString &title)
{
    prompts << prompt;
    promptTitles << title;
    promptOwners << owner;
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

void ScriptedRuntime::Randomize()
{
    ++randomizeCalls;
}

float ScriptedRuntime::Rnd()
{
    if (!randomValues.isEmpty())
        return randomValues.dequeue();
    if (!m_seeded) {
        m_random.seed(randomSeed);
        m_seeded = true;
    }
    return static_cast<float>(m_random() >> 8) / 16777216.0f;
}

double ScriptedRuntime::Timer()
{
    return clock;
}

void ScriptedRuntime::DoEvents(double maxWait)
{
    ++doEventsCalls;
    QCoreApplication::processEvents();
    if (onDoEvents)
        onDoEvents();
    advance(std::max(maxWait, doEventsStep));
}

void ScriptedRuntime::advance(double seconds)
{
    clock = std::fmod(clock + seconds, 86400.0);
    // Land on a coarse value at or past the sum, so that a wait of x never reads back as a hair
    // less than x.
    const float shown = static_cast<float>(clock);
    clock = double(shown) < clock ? std::nextafter(shown, 86400.0f) : shown;
}

void ScriptedRuntime::Beep()
{
    ++beeps;
}

void ScriptedRuntime::End(int status)
{
    if (endStatus < 0)
        endStatus = status;
}

bool ScriptedRuntime::Shell(const QString &program, int windowStyle)
{
    started << program;
    startedStyles << windowStyle;
    return startablePrograms.contains(program);
}

bool ScriptedRuntime::FileExists(const QString &path)
{
    return existingFiles.contains(path);
}
