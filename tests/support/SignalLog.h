#pragma once

// The signals of several objects in the order they are emitted, as lines "<name>.<signal>";
// note() puts a test's own line into the same sequence. Arguments are kept as QVariants, a
// QMouseEvent as a QVariantMap with "type", "position", "button", "buttons" and "modifiers".

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

    // Every signal that the class of `object` and its bases below QObject declare.
    void watch(QObject* object, const QString& name);
    void note(const QString& line);

    QStringList lines() const;
    // The lines so far, and a fresh log.
    QStringList take();
    const std::vector<Entry>& entries() const;
    std::vector<Entry> entriesOf(const QString& line) const;
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
