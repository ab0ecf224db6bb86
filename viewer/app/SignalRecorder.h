#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <vector>

namespace Viewer {

// Listens to every signal that an object's class declares (QObject's own signals aside) and
// reports each emission with its arguments as text, without knowing the class: a new widget
// class shows up in the log with no code of its own. Like QSignalSpy, it answers the
// connections in its own qt_metacall, one slot index per watched signal, which is why it has no
// Q_OBJECT of its own and reports through a callback.
class SignalRecorder : public QObject
{
public:
    // `values` holds one text per argument of the signal.
    using Callback = std::function<void(QObject* sender, const QString& signalName, const QStringList& values)>;

    explicit SignalRecorder(Callback callback, QObject* parent = nullptr);

    // Starts listening to every signal of `sender` declared below QObject. Returns how many.
    int watch(QObject* sender);
    // Stops listening to `sender`.
    void unwatch(QObject* sender);

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    struct WatchedSignal
    {
        QPointer<QObject> sender;
        QMetaMethod method;
    };

    void record(const WatchedSignal& watched, void** arguments);

    Callback m_callback;
    std::vector<WatchedSignal> m_watched;
};

} // namespace Viewer
