#pragma once

#include <QString>

class QWidget;

// Everything the windows and the game need from the platform: dialogs, random numbers, the
// clock, event pumping, sound, ending the program and starting other programs. The program
// uses QtRuntime; tests use ScriptedRuntime, which never blocks and never waits real time.
class Runtime
{
public:
    static constexpr const char *AppTitle = "pelmora";

    // Message box buttons codes and answers.
    static constexpr int MsgOkOnly = 0;
    static constexpr int MsgYesNoQuestion = 36;
    static constexpr int AnswerOk = 1;
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;

    virtual ~Runtime() = default;

    /// Modal message box titled with the application title, standing over the window that
    /// asks (null: the screen); returns the answer code.
    virtual int MsgBox(QWidget *owner, const QString &prompt, int buttons = MsgOkOnly) = 0;
    /// Modal text prompt with no default text over the window that asks; returns the typed
    /// text, or "" on Cancel.
    virtual QString InputBox(QWidget *owner, const QString &prompt, const QString &title) = 0;

    /// Seeds the random source unpredictably: no two seedings give the same stream.
    virtual void Randomize() = 0;
    /// The next random value, 0 <= r < 1, in single precision.
    virtual float Rnd() = 0;

    /// Seconds since midnight, to the millisecond; returns to 0 at midnight.
    virtual double Timer() = 0;
    /// Handles pending events. May sleep up to maxWait seconds waiting for one, never longer.
    virtual void DoEvents(double maxWait = 0) = 0;

    virtual void Beep() = 0;
    /// Ends the program at once with the given exit status.
    virtual void End(int status = 0) = 0;

    /// Starts a program with a window style (1: normal, focused); false when it cannot start.
    virtual bool Shell(const QString &program, int windowStyle) = 0;
    /// True when a regular, non-hidden file of that name exists.
    virtual bool FileExists(const QString &path) = 0;

    /// A data file or a value cannot be used: stops the game, tells the player why over the
    /// window that asks, then ends with status 1.
    void fail(QWidget *owner, const QString &message);
};
