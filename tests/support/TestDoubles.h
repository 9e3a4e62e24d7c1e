#pragma once
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ScreenMetrics.h"

#include <QDate>
#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

namespace qmtest {

// Records every box and answers from a script, never waiting for anybody.
class ScriptedMessageBox : public qm::MessageBoxService {
public:
    struct Call {
        QString text;
        QString title;
        int style = 0;
    };
    QList<Call> calls;
    QQueue<int> answers;
    // Answer when the script has run out: OK for OK boxes, this for Yes/No.
    int defaultYesNo = qm::vbNo;
    // Runs while a box is "open" (for example to check what is on screen).
    std::function<void(const Call&)> onShow;

    int show(const QString& text, const QString& title, int style) override;
    void answer(int a) { answers.enqueue(a); }
    bool shown(const QString& text) const;
    QString lastText() const { return calls.isEmpty() ? QString() : calls.last().text; }
    void clear() { calls.clear(); answers.clear(); }
};

class FixedScreen : public qm::ScreenService {
public:
    qm::ScreenInfo info;
    qm::ScreenInfo screen() override { return info; }
};

class FixedClock : public qm::ClockService {
public:
    QDate date{2026, 3, 7};
    qint64 ms = 0; // moves only when a test moves it
    QDate today() override { return date; }
    qint64 steadyMs() override { return ms; }
};

class RecordingProcess : public qm::ProcessService {
public:
    int ends = 0;
    void end() override { ++ends; }
};

// Installs the doubles for one test and takes them out again; resets the
// shared state, points the program folder at the given folder and the learner
// data at a fresh temporary folder.
class TestEnvironment {
public:
    explicit TestEnvironment(const QString& programFolder = QString());
    ~TestEnvironment();
    ScriptedMessageBox box;
    FixedScreen screen;
    FixedClock clock;
    RecordingProcess process;
    QString dataHome() const { return dataHome_; }

private:
    QString dataHome_;
    QString oldXdg_;
    bool hadXdg_ = false;
};

// Removes every loaded window (between GUI tests).
void UnloadAllForms();

} // namespace qmtest
