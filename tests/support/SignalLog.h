#pragma once

// Records the signals of several objects in the order they are emitted, so that an interaction
// test can compare the whole sequence at once:
//
//     SignalLog log;
//     log.watch(ball, "ball");          // every signal the class of `ball` declares
//     log.watch(box, "box");
//     h.press(ball->getPosition());
//     EXPECT_EQ(log.take(), QStringList({"ball.widgetEntered", "ball.widgetSelect"}));
//
// Test widgets can put their own calls into the same sequence with note("ball.mouseDown"), so a
// log reads like the event trace of the interaction. Arguments are kept in entries(): values of
// copyable types as QVariants, a QMouseEvent as a QVariantMap with "type", "position", "button",
// "buttons" and "modifiers".

#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <vector>

namespace UiwTest {

class SignalLog : public QObject
{
public:
    struct Entry
    {
        QString line;
        QVariantList arguments;
    };

    SignalLog() = default;
    SignalLog(const SignalLog&) = delete;
    SignalLog& operator=(const SignalLog&) = delete;

    // Watches every signal that the class of `object` and its bases below QObject declare. Lines
    // read "<name>.<signal>".
    void watch(QObject* object, const QString& name);
    void note(const QString& line);

    QStringList lines() const;
    // The lines so far, and a fresh log.
    QStringList take();
    const std::vector<Entry>& entries() const;
    void clear();

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    struct Watched
    {
        QString name;
        QMetaMethod signal;
    };

    std::vector<Watched> m_watched;
    std::vector<Entry> m_entries;
};

} // namespace UiwTest
