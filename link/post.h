#pragma once

#include <QMetaObject>
#include <QObject>

#include <utility>

namespace velt {

// Runs f on the thread of context, later, from its event loop. Dialogues on
// the link thread hand their progress to the windows this way; nothing runs
// once context is gone.
template <typename F>
void PostTo(QObject *context, F &&f)
{
    QMetaObject::invokeMethod(context, std::forward<F>(f), Qt::QueuedConnection);
}

}  // namespace velt
