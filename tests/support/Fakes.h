#pragma once

#include "scheduler/AlarmPopup.h"
#include "scheduler/MissedReport.h"
#include "scheduler/SoundPlayer.h"
#include "config/Settings.h"

#include <QHash>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>

namespace vestrona::test {

class MemorySettings final : public SettingsStore {
public:
    QString GetSetting(const QString &key, const QString &defaultValue) const override
    {
        return values.value(key, defaultValue);
    }
    void SaveSetting(const QString &key, const QString &value) override { values.insert(key, value); }
    QHash<QString, QString> values;
};

class FakeSound final : public SoundPlayer {
public:
    void play(const QString &path, bool loop) override
    {
        played.append(path);
        looping = loop;
        playing = true;
    }
    void prepare(const QString &path) override { prepared.append(path); }
    void close() override { playing = false; }
    bool isPlaying() const override { return playing; }
    QString takeFallbackNote() override { return std::exchange(note, QString()); }
    void check(const QString &path, QObject *context, CheckDone done) override
    {
        checked.append(path);
        QTimer::singleShot(0, context, [done = std::move(done), problem = problems.value(path)] { done(problem); });
    }
    QStringList played;
    QStringList prepared;
    QStringList checked;
    // What check() answers for a path; "" (playable) for any other.
    QHash<QString, QString> problems;
    // Handed out once, as the real player does after falling back.
    QString note;
    bool looping = false;
    bool playing = false;
};

// Answers each alarm from a script and notes what it saw while shown.
class FakePopup final : public AlarmPopup {
public:
    explicit FakePopup(const SoundPlayer &sound) : mSound(sound) {}
    Outcome showModal(const RingingAlarm &alarm) override
    {
        messages.append(alarm.message);
        dueTexts.append(alarm.dueText);
        waiting.append(alarm.waiting);
        soundWhileShown.append(mSound.isPlaying());
        const qsizetype answeredBefore = answers.size();
        if (whileShown)
            whileShown();
        // Answered from outside while shown, the pop-up closes with that answer.
        if (answers.size() > answeredBefore)
            return answers.last();
        return outcomes.isEmpty() ? Outcome::Stop : outcomes.takeFirst();
    }
    void answer(Outcome outcome) override { answers.append(outcome); }
    void bringToFront() override { ++broughtToFront; }
    QList<Outcome> outcomes;
    // Answers given through answer(), and calls of bringToFront().
    QList<Outcome> answers;
    int broughtToFront = 0;
    QStringList messages;
    QStringList dueTexts;
    QList<int> waiting;
    QList<bool> soundWhileShown;
    std::function<void()> whileShown;

private:
    const SoundPlayer &mSound;
};

// Keeps every report of missed reminders.
class FakeMissedReport final : public MissedReport {
public:
    struct Report {
        std::vector<MissedEntry> entries;
        int more = 0;
    };
    void reportMissed(const std::vector<MissedEntry> &entries, int more) override { reports.append({entries, more}); }
    QList<Report> reports;
};

} // namespace vestrona::test
