#pragma once
// Test doubles of the platform services.

#include "platform/AppPaths.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/StartupRegistry.h"
#include "platform/TrayIcon.h"

#include <QDate>
#include <QDir>
#include <QIcon>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <deque>
#include <functional>

class FakeDialogs final : public Dialogs {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
    };
    QVector<Message> messages;
    QStringList openAnswers;  // taken in order; an empty text cancels
    QStringList saveAnswers;
    QList<bool> askAnswers;   // taken in order; none left answers No
    QStringList filters;      // every filter the program offered
    std::function<void(const Message&)> onMessage; // runs while the "box" is up

    void message(QWidget*, const QString& text, const QString& caption, Icon icon) override
    {
        messages.push_back({text, caption, icon});
        if (onMessage)
            onMessage(messages.back());
    }
    // Recorded among the messages, with the question icon.
    bool ask(QWidget* parent, const QString& text, const QString& caption) override
    {
        message(parent, text, caption, Icon::Question);
        return !askAnswers.isEmpty() && askAnswers.takeFirst();
    }
    QString openFile(QWidget*, const QString& filter) override { return answer(openAnswers, filter); }
    QString saveFile(QWidget*, const QString& filter) override { return answer(saveAnswers, filter); }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.back().text; }

private:
    QString answer(QStringList& answers, const QString& filter)
    {
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

class FakeBrowser final : public Browser {
public:
    QStringList opened;
    void open(const QString& address) override { opened << address; }
};

class FakeClock final : public Clock {
public:
    QDate date{2024, 2, 29};
    QDate today() const override { return date; }
    quint64 seed() const override { return 42; }
};

// Plays a script of draws, then falls back to a simple deterministic sequence.
class FakeRandom final : public Random {
public:
    std::deque<double> script;
    int randomizeCount = 0;
    double Rnd() override
    {
        if (script.empty()) { // a fixed, well-spread sequence in [0, 1)
            m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
            return double(m_state >> 11) / double(1ULL << 53);
        }
        const double v = script.front();
        script.pop_front();
        return v;
    }
    void Randomize() override { ++randomizeCount; }

private:
    quint64 m_state = 12345;
};

class FakeAppPaths final : public AppPaths {
public:
    QTemporaryDir dir;
    QString name = QStringLiteral("Lumenrest");
    QStringList args{QStringLiteral("Lumenrest")};
    QString exeDir;  // defaults to the temporary directory

    QString executableDir() const override { return exeDir.isEmpty() ? dir.path() : exeDir; }
    QString baseName() const override { return name; }
    QString executablePath() const override { return executableDir() + QLatin1Char('/') + name; }
    QString dataDir() const override
    {
        QDir(dir.path()).mkpath("userdata");
        return dir.path() + "/userdata";
    }
    QStringList arguments() const override { return args; }
};

class FakeSettingsStore final : public SettingsStore {
public:
    QMap<QString, QString> values; // "application/section/key" -> text
    QStringList writes;            // "key=value" in order
    mutable QStringList reads;     // keys in the order they were read

    static QString path(const QString& a, const QString& s, const QString& k) { return a + '/' + s + '/' + k; }
    QString GetSetting(const QString& a, const QString& s, const QString& k, const QString& d) const override
    {
        reads << k;
        return values.value(path(a, s, k), d);
    }
    QString SaveSetting(const QString& a, const QString& s, const QString& k, const QString& v) override
    { values[path(a, s, k)] = v; writes << k + '=' + v; return {}; }
};

class FakeStartupRegistry final : public StartupRegistry {
public:
    QMap<QString, QString> entries; // name -> executable path
    Result failWith;                // returned by write when !failWith.ok
    Result removeFailWith;          // returned by remove when !removeFailWith.ok

    bool exists(const QString& name) const override { return entries.contains(name); }
    Result write(const QString& name, const QString& executablePath) override
    {
        if (failWith.ok)
            entries[name] = executablePath;
        return failWith;
    }
    Result remove(const QString& name) override
    {
        if (removeFailWith.ok)
            entries.remove(name);
        return removeFailWith;
    }
};

class FakeTrayIcon final : public TrayIcon {
public:
    bool available = true, shown = false;
    QIcon icon;
    int adds = 0, removes = 0;
    QStringList messages; // "title: text", in order
    bool isAvailable() const override { return available; }
    void add(const QIcon& i, const QString&) override { shown = true; icon = i; ++adds; }
    void remove() override { shown = false; ++removes; }
    void showMessage(const QString& title, const QString& text) override { messages << title + ": " + text; }
};

// Every fake, wired into one Services bundle.
struct FakeServices {
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeClock clock;
    FakeRandom random;
    FakeAppPaths paths;
    FakeSettingsStore settings;
    FakeStartupRegistry startup;
    FakeTrayIcon tray;

    Services services() { return {&dialogs, &browser, &clock, &random, &paths, &settings, &startup, &tray}; }
};
