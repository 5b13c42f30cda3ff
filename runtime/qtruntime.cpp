#include "runtime/qtruntime.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

QtRuntime::QtRuntime()
{
    // A write past the file size limit then fails as a full disk does, with the game's own
    // message, instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

int QtRuntime::MsgBox(QWidget *owner, const QString &prompt, int buttons)
{
    // Over the window that asks, not whichever window was clicked last.
    QMessageBox box(owner);
    box.setWindowTitle(QString::fromLatin1(AppTitle));
    box.setText(prompt);
    if (buttons == MsgYesNoQuestion) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}

QString QtRuntime::InputBox(QWidget *owner, const QString &prompt, const QString &title)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    // A bare carriage return would show as a space: show each line on its own.
    QString shown = prompt;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    dialog.setLabelText(shown);
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtRuntime::Randomize()
{
    // The system's entropy: programs started together, or seedings a moment apart, never
    // share a stream.
    std::random_device entropy;
    std::array<std::seed_seq::result_type, 8> words{};
    std::generate(words.begin(), words.end(), std::ref(entropy));
    std::seed_seq seed(words.cbegin(), words.cend());
    m_random.seed(seed);
}

float QtRuntime::Rnd()
{
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(m_random() >> 8) / 16777216.0f;
}

double QtRuntime::Timer()
{
    // Not single precision: late in the day its steps are 8 ms, which made every short pause
    // of the bonus counts a few milliseconds long.
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtRuntime::DoEvents(double maxWait)
{
    QApplication::processEvents(QEventLoop::AllEvents);
    if (maxWait <= 0)
        return;
    // Sleep in the event loop until an event arrives or the wait is over: no busy loop.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    // A coarse timer may wake a twentieth late, which the bonus counts would add up.
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(std::max(1, static_cast<int>(maxWait * 1000.0 + 0.999)));
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtRuntime::Beep()
{
    QApplication::beep();
}

void QtRuntime::End(int status)
{
    // At once: every data file is already closed, and nothing is saved at exit.
    std::fflush(nullptr);
    std::_Exit(status);
}

bool QtRuntime::Shell(const QString &program, int windowStyle)
{
    Q_UNUSED(windowStyle); // a started program's window is placed by the window system
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

bool QtRuntime::FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}
